#!/usr/bin/env bash
# Machines that do not fit: one stop box, then the program ends, its window never shown.
source "$(dirname "$0")/../lib.sh"

machine_seed xp "NVIDIA GeForce4 Ti 4200"
wine reg add 'HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion' /v CurrentVersion /d 5.2 /f >/dev/null
start_vexmora
drv box 20000 >/dev/null || fail "no message box"
drv wait-main 0 && fail "the main window is shown"
expect_box "No compatible Operating System found" yes "OK" OK
expect_exit 10

wine reg add 'HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion' /v CurrentVersion /d 5.1 /f >/dev/null
wine reg add "HKLM\\$DRIVER_KEY" /v UseCompressedModeFormat /t REG_SZ /d 1 /f >/dev/null
start_vexmora
drv box 20000 >/dev/null || fail "no message box"
drv wait-main 0 && fail "the main window is shown"
expect_box "No compatible Detonator version found" yes "OK" OK
expect_exit 10
