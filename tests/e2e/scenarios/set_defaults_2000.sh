#!/usr/bin/env bash
# Windows 2000 with a RIVA TNT: Set Defaults writes the TNT factory string.
source "$(dirname "$0")/../lib.sh"
machine_seed 2000 "NVIDIA RIVA TNT"
start_main
expect_eq "information lines" "$(drv info)" "lblAdapters=NVIDIA RIVA TNT
lblOS=Windows 2000
lblDetVersion=6.14.10.4523 (45.23)"
drv click "Set Defaults"
expect_box "AAre you sure you wish to set the Nvidia driver default values?" no "Yes,No" Yes
expect_box "Default values reset successfully" no "OK" OK
expect_eq "NV4_Modes_Delta" "$(value_of NV4_Modes_Delta)" "$TNT_SET"
