#!/usr/bin/env bash
# Windows refuses the write: a non-volatile key under a volatile one (error 1021).
source "$(dirname "$0")/../lib.sh"
machine_seed 2000 "NVIDIA GeForce4 Ti 4200" volatile
start_main
wine "$bin/e2e/machine.exe" delete 'SYSTEM\CurrentControlSet\Services\nv4\Device0' || fail "delete Device0"
expect_both_writes_fail
wine reg query 'HKLM\SYSTEM\CurrentControlSet\Services\nv4\Device0' >/dev/null 2>&1 &&
  fail "Device0 was created"
echo "ok: nothing written"
