#!/usr/bin/env bash
# Machines that are not what the program expects: each run ends as its rules say or with a
# clear message, and the registry changes only where a write was confirmed.
source "$(dirname "$0")/../lib.sh"
export_system() {  # HKLM\System as reg exports it, but for the date Wine's display driver stamps
  sleep 1
  wine reg export 'HKLM\System' 'C:\s.reg' /y >/dev/null 2>&1
  iconv -f UTF-16 -t UTF-8 "$WINEPREFIX/drive_c/s.reg" | tr -d '\r' | grep -v '^"DriverDateData"='
}
run_with_adapter() {  # bytes of the description
  printf '%s' "$1" >"$WINEPREFIX/drive_c/adapter.txt"
  machine_seed xp '@C:\adapter.txt' >/dev/null
  start_main
}

run_with_adapter "$(head -c 100000 /dev/zero | tr '\0' G)"
before=$(export_system)
expect_eq "a 100,000-character description, shown whole" "$(user info | head -1 | wc -c)" "100013"
user click cmdApply
expect_box "Are you sure you want to apply these values to the registry?" no "Yes,No" Yes
expect_box "Error writing to the registry" yes OK OK
expect_eq "the registry after a refused Apply" "$(diff <(echo "$before") <(echo "$(export_system)") || true)" ""
user close
expect_exit

run_with_adapter $'NVIDIA GeForce\xe9 \xff\x80'
expect_eq "a description with bytes above 0x7F" "$(user info | head -1 | od -An -tx1 | tr -d ' \n')" \
  "6c626c41646170746572733d4e5649444941204765466f726365e920ff800a"
user close
expect_exit

machine_seed xp "NVIDIA GeForce4 Ti 4200" >/dev/null
wine reg add 'HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion' /v CurrentVersion /t REG_EXPAND_SZ /d 5.1 /f >/dev/null
start_vexmora
expect_box "No compatible Operating System found" yes OK OK
expect_exit
wine reg add 'HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion' /v CurrentVersion /d 5.1 /f >/dev/null

# The driver DLL's version block claims a fixed part of 16 bytes instead of 52.
dll="$WINEPREFIX/drive_c/windows/system32/nv4_disp.dll"
perl -0777 -pi -e 's/\x34\x00\x00\x00V\x00S\x00_\x00V\x00E\x00R/\x10\x00\x00\x00V\x00S\x00_\x00V\x00E\x00R/' "$dll"
start_main
expect_eq "a corrupt version resource" "$(user info | sed -n 3p)" "lblDetVersion=N/A (N/./A)"
user close
expect_exit

# Two hundred Applies: the handles and the working set stay flat.
start_main
before=$(export_system)
user cycles 200 >"$WINEPREFIX/cycles.txt"
read -r _ _ h10 _ k10 _ < <(sed -n 1p "$WINEPREFIX/cycles.txt")
read -r _ _ h200 _ k200 _ < <(sed -n 2p "$WINEPREFIX/cycles.txt")
echo "handles $h10 -> $h200, working set $k10 KB -> $k200 KB"
[ "$h200" = "$h10" ] && [ "$k200" -le $((k10 + 256)) ] || fail "the program grew over 190 Apply cycles"
expect_eq "the registry after 200 Applies" \
  "$(diff <(echo "$before") <(echo "$(export_system)") | grep '^[<>]' | cut -c1-40)" \
  '> "NV25_Modes_Delta"="S 320,200,-,70-;32'
user close
expect_exit

# Without the virtual desktop Wine offers the screen's own mode, here one no row has.
wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null
machine_stop
vexmora_display_stop
unset DISPLAY
vexmora_display 1000x700
machine_seed xp "NVIDIA GeForce4 Ti 4200" >/dev/null
start_main
expect_eq "no display mode matching a row" "$(user rates | sort -u)" "N/A"
user close
expect_exit
