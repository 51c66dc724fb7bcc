#!/usr/bin/env bash
# Everything from the keyboard, with real key presses: the focus order, Enter and Space
# on buttons, the focus back after a box, the arrows on a spin control (nothing moves at
# the end of its range, with the keys or the mouse), the menus by Alt and a letter, and
# the windows closed in every order.
source "$(dirname "$0")/../lib.sh"
start_main
walk() {  # the focus before and after each key
  local w k
  w=$(user focus) && for k in "$@"; do user keys "$k"; w+=" $(user focus)"; done && echo "$w"
}
user keys Return
expect_box "Are you sure you want to apply these values to the registry?" no "Yes,No" No
expect_eq "focus after the box" "$(user focus)" "cmdApply"
expect_eq "Tab with the rows locked" "$(walk Tab Tab Tab S-Tab)" "cmdApply cmdReset Check1 cmdApply Check1"
user keys Space
expect_eq "Space on the switch" "$(user spins)" "11101111110110000000"
expect_eq "Tab with the rows open" "$(walk Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab)" \
  "Check1 cmdApply cmdReset UpDown1 UpDown2 UpDown3 UpDown5 UpDown6 UpDown7 UpDown8 UpDown9 UpDown10 UpDown12 UpDown13"
user keys Tab Tab Tab Tab Tab Up Up Up Up Up Up Up
expect_eq "row 2 after seven Up keys" "$(user rates | sed -n 2p)" "120"
expect_eq "back to Set Defaults" "$(walk S-Tab S-Tab)" "UpDown2 UpDown1 cmdReset"
user keys Return
expect_box "AAre you sure you wish to set the Nvidia driver default values?" no "Yes,No" Yes
expect_box "Default values reset successfully" no OK OK
expect_eq "focus after the boxes" "$(walk Tab Tab Up)" "cmdReset UpDown1 UpDown2 UpDown2"
user step 2 up  # rescanned to 60, its spin still at the top
expect_eq "row 2 after Up and a click at the top of the range" "$(user rates | sed -n 2p)" "60"
user keys Down
expect_eq "row 2 after Down" "$(user rates | sed -n 2p)" "100"

user keys A-h a
user wait-main 100
user keys A-h a
expect_eq "About boxes open" "$(user count VexmoraAbout)" "1"
# Each window ends on its own: the About box by its close button, Alt+F4 or Esc, the main
# window going on; the main window first, the About box staying until it goes too.
for way in "close VexmoraAbout" "keys A-F4" "keys Escape"; do
  user $way
  expect_eq "About boxes after $way" "$(user count VexmoraAbout)" "0"
  user keys A-h a
done
user click Check1
expect_eq "the switch after the About box closed" "$(user spins)" "00000000000000000000"
user close
expect_eq "About boxes after the main window closed" "$(user count VexmoraAbout)" "1"
expect_soon "the last window, in front with a taskbar button" "VexmoraAbout app" user front
user close VexmoraAbout
expect_exit

# A machine that does not fit: the one box stands on its own, on the taskbar.
wine reg add 'HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion' /v CurrentVersion /d 6.1 /f >/dev/null
start_vexmora
expect_eq "the box's owner" "$(user owner)" "no"
expect_box "No compatible Operating System found" yes OK OK
expect_exit
