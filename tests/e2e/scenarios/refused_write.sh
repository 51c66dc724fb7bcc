#!/usr/bin/env bash
# Windows refuses the write: a non-volatile key under a volatile one (error 1021).
source "$(dirname "$0")/../lib.sh"
machine_seed 2000 "NVIDIA GeForce4 Ti 4200" volatile
start_main
wine "$win32/e2e/machine.exe" delete 'SYSTEM\CurrentControlSet\Services\nv4\Device0' || fail "delete Device0"
drv click "Apply Settings"
expect_box "Are you sure you want to apply these values to the registry?" no "Yes,No" Yes
expect_box "Error writing to the registry" yes "OK" OK
drv click "Set Defaults"
expect_box "AAre you sure you wish to set the Nvidia driver default values?" no "Yes,No" Yes
expect_box "Error writing to the registry" yes "OK" OK
wine reg query 'HKLM\SYSTEM\CurrentControlSet\Services\nv4\Device0' >/dev/null 2>&1 &&
  fail "Device0 was created"
echo "ok: nothing written"
