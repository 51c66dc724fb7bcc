#!/usr/bin/env bash
# A second clean build of the download, in another folder and later, gives the same bytes:
# the exe and the texts whole, the zip's entries in the same order with the same dates and
# sizes. The help file is left out: chmcmd stamps the time of compiling into its header and
# its #SYSTEM file, and writes one byte of $WWKeywordLinks/Map uninitialised.
#   check_twice.sh <source folder> <preset> <first build folder> <zip name>
set -euo pipefail
src=$1 preset=$2 first=$3 zip=$4
again=$first-again
rm -rf "$again"
cmake -S "$src" --preset "$preset" -B "$again" >/dev/null
cmake --build "$again" --target package -j"$(nproc)" >/dev/null 2>&1
entries() { zipinfo -l "$1/$zip" | awk 'NF == 10 {print $4, $8, $9, $10}'; }
status=0
for file in vexmora.exe README.txt LICENSE.txt; do
  cmp -s "$first/$file" "$again/$file" || { echo "$file differs between two builds"; status=1; }
done
[ "$(entries "$first")" = "$(entries "$again")" ] || { echo "the zip's entries differ"; status=1; }
echo "vexmora.exe $(sha256sum "$again/vexmora.exe" | cut -c1-64) from both builds"
rm -rf "$again"
exit $status
