#!/usr/bin/env bash
# A second clean build of the download, in another folder and later, gives the same bytes:
# the exe, the help file and the zip.
#   check_twice.sh <source folder> <preset> <first build folder> <zip name>
set -euo pipefail
src=$1 preset=$2 first=$3 zip=$4
again=$first-again
rm -rf "$again"
sleep 1  # a second later, so that a time stamped anywhere would show
log=$first-again.log  # a rebuild that fails says why
{ cmake -S "$src" --preset "$preset" -B "$again" && cmake --build "$again" --target package -j"$(nproc)"; } \
  >"$log" 2>&1 || { tail -n 40 "$log"; echo "the second build failed (all of it in $log)"; exit 1; }
status=0
for file in vexmora.exe vexmhelp.chm "$zip"; do
  cmp -s "$first/$file" "$again/$file" || { echo "$file differs between two builds"; status=1; }
done
cat "$again/SHA256SUMS"
rm -rf "$again" "$log"
exit $status
