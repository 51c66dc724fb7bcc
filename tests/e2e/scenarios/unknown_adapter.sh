#!/usr/bin/env bash
# An adapter the catalogue does not know: neither action writes anything.
source "$(dirname "$0")/../lib.sh"
machine_seed xp "NVIDIA GeForce FX 5200"
before=$(key_values)
start_main
expect_both_writes_fail
expect_eq "driver key unchanged" "$(key_values)" "$before"
rm -f "$WINEPREFIX/system.txt"
wine reg export 'HKLM\System' "$WINEPREFIX/system.txt" /y >/dev/null 2>&1 || fail "reg export"
expect_eq "Modes_Delta values in HKLM\\System" "$(grep -ci modes_delta "$WINEPREFIX/system.txt" || true)" "0"
