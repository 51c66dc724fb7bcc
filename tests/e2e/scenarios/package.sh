#!/usr/bin/env bash
# The download, unpacked on the XP machine: one typical use from its folder, and its help.
source "$(dirname "$0")/../lib.sh"
rm -rf "${program:?}"/*
unzip -q "$bin/vexmora-0.6b-$VEXMORA_WINE_ARCH.zip" -d "$program"
expect_eq "files unpacked" "$(ls "$program" | paste -sd' ')" "LICENSE.txt README.txt vexmhelp.chm vexmora.exe"
start_main
user click Check1
user step 9 up
user step 9 up
user click cmdApply
expect_box "Are you sure you want to apply these values to the registry?" no "Yes,No" Yes
expect_box "Values added succesfully, please remember to REBOOT your PC to apply the changes" no OK OK
wine reg query "HKLM\\$DRIVER_KEY" /v NV25_Modes_Delta | grep -q ';1024,768,-,-70;' ||
  fail "1024 x 768 at 72 Hz not written"
user keys A-h Return
expect_eq "help viewers open" "$(user count 'HH Parent')" "1"
expect_eq "message box" "$(user box 1000 || true)" "no box"
import -window root "$WINEPREFIX/help.png"
user close
expect_exit
