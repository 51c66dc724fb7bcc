#!/usr/bin/env bash
# A second clean build of the download, in another folder and later, gives the same bytes:
# the exe, the help file and the zip.
#   check_twice.sh <source folder> <preset> <first build folder> <zip name>
set -euo pipefail
src=$1 preset=$2 first=$3 zip=$4
again=$first-again
rm -rf "$again"
sleep 1  # a second later, so that a time stamped anywhere would show
cmake -S "$src" --preset "$preset" -B "$again" >/dev/null
cmake --build "$again" --target package -j"$(nproc)" >/dev/null 2>&1
status=0
for file in vexmora.exe vexmhelp.chm "$zip"; do
  cmp -s "$first/$file" "$again/$file" || { echo "$file differs between two builds"; status=1; }
done
cat "$again/SHA256SUMS"
rm -rf "$again"
exit $status
