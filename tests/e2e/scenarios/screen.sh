#!/usr/bin/env bash
# What the window shows, in the classic look of Windows 2000 and from 144 DPI in Wine's visual
# style: labels repaint cleanly after changes, and at 96 to 192 DPI every control sits where
# the layout puts it, each label showing what lies under it (the picture, or the window's
# colour below it); at 256 colours, as in VGA mode, the labels stay readable.
look=classic
source "$(dirname "$0")/../lib.sh"
start_main /max  # as a shortcut set to run maximized: the window keeps its size
expect_eq "client area, started maximized" "$(user client)" "329x290"
shot "$bin/e2e/classic.png" && echo "the classic look: $bin/e2e/classic.png"
user click Check1
for row in 1 8 9 12; do user step $row up; user step $row up; done
user click Check1
shot "$WINEPREFIX/changed.png"
user repaint
shot "$WINEPREFIX/fresh.png"
expect_eq "pixels that differ from a fresh paint" \
  "$(compare -metric AE "$WINEPREFIX/changed.png" "$WINEPREFIX/fresh.png" null: 2>&1 || true)" "0"
user close
expect_exit

for dpi in 96 120 144 192; do
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
  [ "$dpi" != 144 ] || wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' \
    /v ThemeActive /d 1 /f >/dev/null
  start_main
  expect_eq "client area at $dpi DPI" "$(user client)" \
    "$(((4935 * dpi + 720) / 1440))x$(((4350 * dpi + 720) / 1440))"
  expect_eq "controls in place at $dpi DPI" "$(user layout)" "all 74 in place"
  import -window root "$WINEPREFIX/screen.png"
  read -r x y w h <<<"$(user at Label34)"  # row 10's rate label; beside it, the window
  expect_eq "row 10's label at its top" "$(pixel $((x + 1)) $((y + 1)))" "$(pixel $((x + w + 2)) $((y + 1)))"
  expect_eq "row 10's label at its foot" "$(pixel $((x + 1)) $((y + h - 1)))" "$(pixel $((x + w + 2)) $((y + h - 1)))"
  user close
  expect_exit
done
expect_eq "below the picture at 192 DPI" "$(pixel $((x + 1)) $((y + h - 1)))" "srgb(1,0,66)"

machine_stop && vexmora_display_stop && unset DISPLAY && vexmora_display "" 8
machine_seed xp "NVIDIA GeForce4 Ti 4200"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null
start_main
read -r x y w h <<<"$(user at lblOS)"  # its text, and the window around it
expect_eq "colours of the OS line at 256 colours" "$(import -window root -crop "${w}x${h}+$x+$y" \
  png:- | convert - -unique-colors -format %w info:)" "2"
user close
expect_exit
