# Sourced by each scenario: its own copy of the simulated Windows XP machine, and checks
# that say what differed. A scenario stops at its first failed check.
# shellcheck shell=bash
set -euo pipefail
scenario=$(basename "$0" .sh)
source "$(dirname "$0")/../../../scripts/machine.sh"
[ -f "$WINEPREFIX/.vexmora-ready" ] ||
  { echo "no Wine prefix at $WINEPREFIX: the test \"wine: prefix\" makes it" >&2; exit 1; }
# A screen of its own, so that screenshots see only this scenario's desktop.
unset DISPLAY
vexmora_display
machine_prefix "$bin/e2e/prefix-$scenario"
[ "${look:-}" != classic ] || machine_classic_look  # set by the scenario before it sources this
trap 'machine_stop; vexmora_display_stop' EXIT
exec </dev/null  # nothing Wine runs here may wait for an answer on the terminal
machine_seed xp "NVIDIA GeForce4 Ti 4200"
# The program alone in a folder of the machine's, without its help file.
program="$WINEPREFIX/drive_c/Vexmora"
rm -rf "$program" && mkdir -p "$program" && cp "$bin/vexmora.exe" "$program/"
export VEXMORA_EXE="$program/vexmora.exe"

fail() { echo "FAIL [$scenario]: $*" >&2; exit 1; }

expect_eq() {  # what actual expected
  [ "$2" == "$3" ] || fail "$1: got [$2], expected [$3]"
  echo "ok: $1"
}

# What follows an action on its own time (another part of Windows): asked again, up to 10 s.
expect_soon() {  # what expected command...
  local got
  for _ in $(seq 100); do got=$("${@:3}" || true) && [ "$got" == "$2" ] && break; sleep 0.1; done
  expect_eq "$1 (waited for at most 10 s)" "$got" "$2"
}

# The open message box says exactly this, with the stop icon or not; then it is answered.
expect_box() {  # text icon(yes|no) buttons answer
  expect_eq "box" "$(user box 10000 || true)" "text=$1"$'\n'"icon=$2"$'\n'"buttons=$3"
  user answer "$4"
}

start_main() {  # [a flag of Wine's "start": /max]
  start_vexmora "$@"
  { user wait-main 20000 && user idle; } || fail "the main window did not open and paint"
}

running() { kill -0 "$VEXMORA_PID" 2>/dev/null && echo "still running"; }
expect_exit() { expect_soon "the program ended" "" running; wait "$VEXMORA_PID" || fail "exit code $?"; }

# The colour of a pixel of the screenshot $WINEPREFIX/screen.png.
pixel() { convert "$WINEPREFIX/screen.png" -format "%[pixel:p{$1,$2}]" info:; }

key_values() { wine reg query "HKLM\\$DRIVER_KEY" | tr -d '\r' | grep '^    ' | sort; }
