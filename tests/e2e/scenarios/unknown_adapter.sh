#!/usr/bin/env bash
# An adapter the catalogue does not know: neither action writes anything.
source "$(dirname "$0")/../lib.sh"
machine_seed xp "NVIDIA GeForce FX 5200"
before=$(key_values)
start_main
drv click "Apply Settings"
expect_box "Are you sure you want to apply these values to the registry?" no "Yes,No" Yes
expect_box "Error writing to the registry" yes "OK" OK
drv click "Set Defaults"
expect_box "AAre you sure you wish to set the Nvidia driver default values?" no "Yes,No" Yes
expect_box "Error writing to the registry" yes "OK" OK
expect_eq "driver key unchanged" "$(key_values)" "$before"
rm -f "$WINEPREFIX/system.txt"
wine reg export 'HKLM\System' "$WINEPREFIX/system.txt" /y >/dev/null 2>&1 || fail "reg export"
expect_eq "Modes_Delta values in HKLM\\System" "$(grep -ci modes_delta "$WINEPREFIX/system.txt" || true)" "0"
