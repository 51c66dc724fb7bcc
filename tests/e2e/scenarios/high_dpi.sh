#!/usr/bin/env bash
# At 120 and 144 DPI the window keeps its proportions: every control where the layout
# puts it, scaled from twips.
source "$(dirname "$0")/../lib.sh"
machine_seed xp "NVIDIA GeForce4 Ti 4200"
for dpi in 120 144; do
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
  start_main
  expect_eq "client area at $dpi DPI" "$(drv client)" "$(((4935 * dpi + 720) / 1440))x$(((4350 * dpi + 720) / 1440))"
  expect_eq "controls in place at $dpi DPI" "$(drv layout)" "all 73 in place"
  expect_eq "information lines at $dpi DPI" "$(drv info | head -1)" "lblAdapters=NVIDIA GeForce4 Ti 4200"
  drv close
  expect_exit 10
done
