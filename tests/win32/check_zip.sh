#!/usr/bin/env bash
# The download holds the program, its help and two texts with Windows line ends, and the
# program in it passes the exe check.
set -euo pipefail
zip=$1 allowlist=$2
[ -f "$zip" ] || { echo "no $zip: build the package target first"; exit 1; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
unzip -q "$zip" -d "$dir"
files=$(ls "$dir" | paste -sd' ')
[ "$files" = "LICENSE.txt README.txt vexmhelp.chm vexmora.exe" ] || { echo "the download holds: $files"; exit 1; }
for text in README.txt LICENSE.txt; do
  [ "$(grep -c $'\r$' "$dir/$text")" = "$(wc -l <"$dir/$text")" ] || { echo "$text: not CRLF"; exit 1; }
done
echo "$(basename "$zip"): $(stat -c %s "$zip") bytes"
bash "$(dirname "$0")/check_exe.sh" "$dir/vexmora.exe" "$allowlist"
