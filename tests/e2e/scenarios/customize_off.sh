#!/usr/bin/env bash
# Customize off after steps: the scanned rates come back and every spin control locks.
# Twenty label changes leave no trace on the picture behind the labels.
source "$(dirname "$0")/../lib.sh"
machine_seed xp "NVIDIA GeForce4 Ti 4200"
start_main
scanned=$(drv rates)
expect_eq "focus order with the rows locked" "$(drv focus 3)" "cmdApply cmdReset Check1 cmdApply"
drv click "Customize Rates"
sleep 0.3
# The click left the focus on the switch; Tab goes round from there.
expected_walk="Check1 cmdApply cmdReset"
row=0
while read -r rate; do
  row=$((row + 1))
  [ "$rate" == "N/A" ] || expected_walk+=" UpDown$row"
done <<<"$scanned"
expected_walk+=" Check1"
expect_eq "focus order with the rows editable" "$(drv focus $(($(wc -w <<<"$expected_walk") - 1)))" "$expected_walk"
for row in 1 8 9 12; do drv step "$row" up; drv step "$row" up; done
expect_eq "800 x 600 after two steps" "$(drv rates | sed -n 8p)" "72"
for _ in $(seq 10); do drv step 9 up; drv step 9 down; done
drv click "Customize Rates"
sleep 0.3
expect_eq "rates after switching off" "$(drv rates)" "$scanned"
expect_eq "spin controls after switching off" "$(drv spins)" "00000000000000000000"

shot() {
  import -window root -crop "$(drv rect)" +repage "$1"
}
shot "$WINEPREFIX/after-steps.png"
drv repaint
sleep 0.3
shot "$WINEPREFIX/fresh.png"
expect_eq "pixels that differ from a fresh paint" \
  "$(compare -metric AE "$WINEPREFIX/after-steps.png" "$WINEPREFIX/fresh.png" null: 2>&1 || true)" "0"
