#!/usr/bin/env bash
# The download, unpacked on the XP machine: the user sets 1024 x 768 to 85 Hz and applies
# it, and the driver key gains that one value; the help opens; a hundred more Applies leave
# the program's handles and memory where they were; a rate beyond the monitor is warned of;
# Exit ends it with the help still open.
source "$(dirname "$0")/../lib.sh"
rm -rf "${program:?}"/*
unzip -q "$VEXMORA_ZIP" -d "$program"
start_main
before=$(key_values)  # as Wine left it when the program started
expect_eq "information lines" "$(user info)" "lblAdapters=NVIDIA GeForce4 Ti 4200
lblOS=Windows XP
lblDetVersion=6.14.10.4523 (45.23)"
user click Check1
user step 4 up
for _ in 1 2 3 4; do user step 9 up; done
user click cmdApply
expect_box "Are you sure you want to apply these values to the registry?" no "Yes,No" Yes
expect_box "Values added succesfully, please remember to REBOOT your PC to apply the changes" no OK OK
# Only the one value is new: its name, its type, and the rows the user touched.
added=$(diff <(echo "$before") <(key_values) | grep '^[<>]' || true)
expect_eq "the one value added to the driver key" \
  "$(sed -E 's/^> +(\S+) +(\S+) +S 320,200,-,70-;.*;(480,360,-,-);.*;(1024,768,-,-75);.*/\1 \2 \3 \4/' <<<"$added")" \
  "NV25_Modes_Delta REG_SZ 480,360,-,- 1024,768,-,-75"

user keys A-h Return
expect_soon "help viewers open" "1" user count 'HH Parent'
expect_eq "message box" "$(user box 1000 || true)" "no box"

read -r _ _ h10 _ k10 _ _ _ h100 _ k100 _ _ _ g10 g100 < <(user cycles 100 | paste -sd' ')
echo "handles $h10 -> $h100, GDI objects $g10 -> $g100, working set $k10 KB -> $k100 KB"
[ "$h100" = "$h10" ] && [ "$g100" = "$g10" ] && [ "$k100" -le $((k10 + 256)) ] ||
  fail "the program grew over 90 Apply cycles"
# A monitor of 85 Hz and 70 kHz at most warns of 100 Hz first (its EDID goes in just before
# the click: Wine rewrites the monitor's key as programs start); Yes goes on to the question.
user step 9 up
z() { printf '%0*d' $(($1 * 2)) 0; }
wine reg add 'HKLM\System\CurrentControlSet\Enum\DISPLAY\Default_Monitor\0000&0000\Device Parameters' \
  /v EDID /t REG_BINARY /d "00ffffffffffff00$(z 10)0103$(z 34)40$(z 20)fd$(z 2)550046$(z 46)2a" /f >/dev/null
user click cmdApply
expect_box "These rates are beyond what your monitor reports it can show: 1024 x 768 at 100 Hz. \
A rate the monitor cannot show may leave the screen blank after the restart. Apply anyway?" yes "Yes,No" Yes
expect_box "Are you sure you want to apply these values to the registry?" no "Yes,No" No
# File > Exit with the About box and the help viewer open ends it all.
user keys A-h a
user wait-main 100
user keys A-f Return
expect_exit
