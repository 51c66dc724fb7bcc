# Sourced by each scenario: its own copy of the simulated machine, and checks that say
# what differed. A scenario stops at its first failed check.
# shellcheck shell=bash
set -euo pipefail
scenario=$(basename "$0" .sh)
source "$(dirname "$0")/../../../scripts/machine.sh"
[ -f "$WINEPREFIX/.vexmora-ready" ] ||
  { echo "no Wine prefix at $WINEPREFIX: scripts/test prepares it" >&2; exit 1; }
# A screen of its own, so that screenshots see only this scenario's desktop.
unset DISPLAY
vexmora_display
machine_prefix "$bin/e2e/prefix-$scenario"
trap 'machine_stop; vexmora_display_stop' EXIT
# Nothing Wine runs here may wait for an answer on the terminal.
exec </dev/null

fail() {
  echo "FAIL [$scenario]: $*" >&2
  exit 1
}

expect_eq() {  # what actual expected
  [ "$2" == "$3" ] || fail "$1: got [$2], expected [$3]"
  echo "ok: $1"
}

# The open message box must say exactly this, with or without the stop icon, and offer
# these buttons; then it is answered.
expect_box() {  # text icon(yes|no) buttons answer
  local box
  box=$(drv box 10000) || fail "no message box; expected \"$1\""
  expect_eq "box text" "$(sed -n 's/^text=//p' <<<"$box")" "$1"
  expect_eq "box icon" "$(sed -n 's/^icon=//p' <<<"$box")" "$2"
  expect_eq "box buttons" "$(sed -n 's/^buttons=//p' <<<"$box")" "$3"
  drv answer "$4"
}

# Apply, then Set Defaults, each answered Yes, each ending in the write error.
expect_both_writes_fail() {
  drv click "Apply Settings"
  expect_box "Are you sure you want to apply these values to the registry?" no "Yes,No" Yes
  expect_box "Error writing to the registry" yes "OK" OK
  drv click "Set Defaults"
  expect_box "AAre you sure you wish to set the Nvidia driver default values?" no "Yes,No" Yes
  expect_box "Error writing to the registry" yes "OK" OK
}

expect_no_box() {
  [ "$(drv box 300 || true)" == "no box" ] || fail "unexpected message box"
}

# Waits for vexmora.exe to end.
expect_exit() {  # seconds
  for _ in $(seq $(($1 * 10))); do
    kill -0 "$VEXMORA_PID" 2>/dev/null || { echo "ok: the program ended"; return 0; }
    sleep 0.1
  done
  fail "the program is still running"
}

start_main() {
  start_vexmora
  drv wait-main 20000 || fail "the main window did not open"
}

# The driver key's values as reg prints them, one per line.
key_values() { wine reg query "HKLM\\$DRIVER_KEY" 2>/dev/null | tr -d '\r' | grep '^    ' | sort; }

value_of() { key_values | sed -n "s/^    $1    REG_SZ    //p"; }

# The Modes_Delta string the twenty rate labels compose, followed by the factory tail.
composed_from_labels() {  # factory-tail
  local tokens=() rate
  while IFS= read -r rate; do
    case "$rate" in
      120) tokens+=(-100) ;; 100) tokens+=(-85) ;; 85) tokens+=(-75) ;; 75) tokens+=(-72) ;;
      72) tokens+=(-70) ;; 70) tokens+=(-60) ;; 60) tokens+=(70-) ;; N/A) tokens+=(-) ;;
      *) tokens+=("") ;;
    esac
  done < <(drv rates)
  local heads=(320,200 320,240 400,300 480,360 512,384 640,400 640,480 800,600 1024,768
    1152,864 1280,768 1280,960 1280,1024 1600,900 1600,1024 1600,1200 1920,1080 1920,1200
    1920,1440 2048,1536)
  local out="S " i
  for i in "${!heads[@]}"; do
    out+="${heads[$i]},-,${tokens[$i]};"
  done
  printf '%s' "$out$1"
}

GEFORCE_SET="S 1600,900,-16,120;1600,900,32,100-;1600,1024,-16,120;1600,1024,32,100-;1600,1200,-16,120;1600,1200,32,100-;1920,1080,-16,120;1920,1080,32,85-;1920,1200,-16,100-;1920,1200,32,72-;1920,1440,-16,85-;1920,1440,32,70-;2048,1536,-16,70-;2048,1536,32,-"
TNT_SET="S 1280,768,-,-;1280,960,-,-;1280,1024,32,120;1600,900,-16,100-;1600,900,32,85-;1600,1024,-16,100-;1600,1024,32,85-;1600,1200,-16,100-;1600,1200,32,85-;1920,1080,-16,100-;1920,1080,32,75-;1920,1200,-16,85-;1920,1200,32,70-;1920,1440,-,-;2048,1536,-,-"
