#!/usr/bin/env bash
# Help > Topics... without a help file, About... twice, then File > Exit with it open.
source "$(dirname "$0")/../lib.sh"
machine_seed xp "NVIDIA GeForce4 Ti 4200"
start_main
drv menu Help 1
expect_box "Help file (vexmhelp.chm) not found" yes "OK" OK
drv menu Help 2
sleep 0.5
drv menu Help 2
sleep 0.5
expect_eq "About boxes open" "$(drv abouts)" "1"
drv menu File 1
expect_exit 10
drv wait-gone 2000 || fail "a window is left"
