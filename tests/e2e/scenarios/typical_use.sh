#!/usr/bin/env bash
# The user sets 1024 x 768 to 85 Hz and applies it: the driver key gains that one value.
source "$(dirname "$0")/../lib.sh"
start_main
before=$(key_values)  # as Wine left it when the program started
expect_eq "information lines" "$(user info)" "lblAdapters=NVIDIA GeForce4 Ti 4200
lblOS=Windows XP
lblDetVersion=6.14.10.4523 (45.23)"
expect_eq "spin controls locked" "$(user spins)" "00000000000000000000"
user click Check1
sleep 0.3
expect_eq "spin controls open except N/A rows" "$(user spins)" "11101111110110000000"
user step 4 up
for _ in 1 2 3 4; do user step 9 up; done
expect_eq "rates" "$(user rates | paste -sd' ')" \
  "60 60 60 N/A 60 60 60 60 85 60 N/A 60 60 N/A N/A N/A N/A N/A N/A N/A"
user click cmdApply
expect_box "Are you sure you want to apply these values to the registry?" no "Yes,No" Yes
expect_box "Values added succesfully, please remember to REBOOT your PC to apply the changes" no OK OK
expect_eq "the one value added to the driver key" "$(diff <(echo "$before") <(key_values) | grep '^[<>]')" \
  ">     NV25_Modes_Delta    REG_SZ    S 320,200,-,70-;320,240,-,70-;400,300,-,70-;480,360,-,-;\
512,384,-,70-;640,400,-,70-;640,480,-,70-;800,600,-,70-;1024,768,-,-75;1152,864,-,70-;1280,768,-,-;\
1280,960,-,70-;1280,1024,-,70-;1600,900,-,-;1600,1024,-,-;1600,1200,-,-;1920,1080,-,-;1920,1200,-,-;\
1920,1440,-,-;2048,1536,-,-;1600,900,-16,120;1600,900,32,100-;1600,1024,-16,120;1600,1024,32,100-;\
1600,1200,-16,120;1600,1200,32,100-;1920,1080,-16,120;1920,1080,32,85-;1920,1200,-16,100-;\
1920,1200,32,72-;1920,1440,-16,85-;1920,1440,32,70-;2048,1536,-16,70-;2048,1536,32,-"
user close
expect_exit
