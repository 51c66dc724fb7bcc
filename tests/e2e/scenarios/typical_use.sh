#!/usr/bin/env bash
# Windows XP, a GeForce4 Ti 4200: the user sets 1024 x 768 to 85 Hz and applies it.
source "$(dirname "$0")/../lib.sh"
machine_seed xp "NVIDIA GeForce4 Ti 4200"
before=$(key_values)
start_main

expect_eq "information lines" "$(drv info)" "lblAdapters=NVIDIA GeForce4 Ti 4200
lblOS=Windows XP
lblDetVersion=6.14.10.4523 (45.23)"
expect_eq "1024 x 768 as scanned" "$(drv rates | sed -n 9p)" "60"
expect_eq "spin controls at start" "$(drv spins)" "00000000000000000000"

drv click "Customize Rates"
sleep 0.3
expected_spins=$(drv rates | while read -r r; do [ "$r" == "N/A" ] && printf 0 || printf 1; done)
expect_eq "spin controls enabled except N/A rows" "$(drv spins)" "$expected_spins"
[ "$(drv rates | grep -c N/A)" -gt 0 ] || fail "the scenario needs N/A rows"
# A click on an N/A row's arrow does nothing.
na_row=$(drv rates | grep -n -m1 N/A | cut -d: -f1)
drv step "$na_row" up
expect_eq "N/A row after a click" "$(drv rates | sed -n "${na_row}p")" "N/A"

for _ in 1 2 3 4; do drv step 9 up; done
expect_eq "1024 x 768 after four steps" "$(drv rates | sed -n 9p)" "85"

drv click "Apply Settings"
expect_box "Are you sure you want to apply these values to the registry?" no "Yes,No" Yes
expect_box "Values added succesfully, please remember to REBOOT your PC to apply the changes" no "OK" OK

composed=$(composed_from_labels "${GEFORCE_SET:2}")
expect_eq "NV25_Modes_Delta" "$(value_of NV25_Modes_Delta)" "$composed"
[[ "$composed" == *";1024,768,-,-75;"* ]] || fail "composed string lacks the 85 Hz entry"
expect_eq "the one value added to the driver key" \
  "$(diff <(echo "$before") <(key_values) | grep '^[<>]')" \
  "> $(key_values | grep NV25_Modes_Delta)"
drv close
expect_exit 10
