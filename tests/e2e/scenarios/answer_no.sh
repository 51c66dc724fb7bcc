#!/usr/bin/env bash
# No to either question writes nothing; Set Defaults still refreshes the rates.
source "$(dirname "$0")/../lib.sh"
machine_seed xp "NVIDIA GeForce4 Ti 4200"
before=$(key_values)
start_main
drv click "Customize Rates"
drv step 9 up
expect_eq "1024 x 768 after a step" "$(drv rates | sed -n 9p)" "70"
drv click "Apply Settings"
expect_box "Are you sure you want to apply these values to the registry?" no "Yes,No" No
expect_no_box
drv click "Set Defaults"
expect_box "AAre you sure you wish to set the Nvidia driver default values?" no "Yes,No" No
expect_no_box
expect_eq "1024 x 768 rescanned" "$(drv rates | sed -n 9p)" "60"
expect_eq "driver key unchanged" "$(key_values)" "$before"
