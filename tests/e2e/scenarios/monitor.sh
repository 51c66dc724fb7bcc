#!/usr/bin/env bash
# A monitor that reports 85 Hz and 70 kHz at most, found as Windows shows it: Apply warns of
# 1024 x 768 at 100 Hz before anything else; Yes goes on to the question.
source "$(dirname "$0")/../lib.sh"
start_main
user click Check1
for _ in 1 2 3 4 5; do user step 9 up; done
# Wine rewrites the monitor's key as programs start: the EDID goes in just before the click.
z() { printf '%0*d' $(($1 * 2)) 0; }
wine reg add 'HKLM\System\CurrentControlSet\Enum\DISPLAY\Default_Monitor\0000&0000\Device Parameters' \
  /v EDID /t REG_BINARY /d "00ffffffffffff00$(z 10)0103$(z 34)40$(z 20)fd$(z 2)550046$(z 46)2a" /f >/dev/null
user click cmdApply
expect_box "These rates are beyond what your monitor reports it can show: 1024 x 768 at 100 Hz. \
A rate the monitor cannot show may leave the screen blank after the restart. Apply anyway?" yes "Yes,No" Yes
expect_box "Are you sure you want to apply these values to the registry?" no "Yes,No" No
user close
expect_exit
