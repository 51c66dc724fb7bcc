#!/usr/bin/env bash
# The look of Windows 2000 and of XP's Classic theme, without a visual style: every control
# in its place, the labels showing the picture under them, and a screenshot to look at. Then
# a screen of 256 colours, as in VGA mode: the labels stay readable on a plain window.
look=classic
source "$(dirname "$0")/../lib.sh"
start_main
expect_eq "controls in place" "$(user layout)" "all 74 in place"
import -window root "$WINEPREFIX/screen.png"
read -r x y w h <<<"$(user at Label34)"  # row 10's rate label; beside it, the window
expect_eq "row 10's label" "$(pixel $((x + 1)) $((y + 1)))" "$(pixel $((x + w + 2)) $((y + 1)))"
shot "$bin/e2e/classic.png" && echo "the classic look: $bin/e2e/classic.png"
user close
expect_exit

machine_stop && vexmora_display_stop && unset DISPLAY && vexmora_display "" 8
machine_seed xp "NVIDIA GeForce4 Ti 4200"
start_main
import -window root "$WINEPREFIX/screen.png"
for label in Label1 lblOS Label2 Label3 Label25; do
  read -r x y w h <<<"$(user at $label)"
  expect_eq "$label's text on the window at 256 colours" "$(pixel $((x + 1)) $((y + 1))) \
$(convert "$WINEPREFIX/screen.png" -crop "${w}x${h}+$x+$y" -unique-colors -format %w info:)" \
    "$(pixel $((x + w + 2)) $((y + 1))) 2"
done
user close
expect_exit
