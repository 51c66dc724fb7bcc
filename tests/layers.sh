#!/usr/bin/env bash
# Includes run one way: a file may include its own subsystem and the ones below it; bench and
# tests stand above them all. Every quoted include of src, bench and tests is read, and a bare
# name is found as the compiler finds it: beside the file, then on the include path.
set -euo pipefail
cd "$1"
declare -A rank=([src/platform]=0 [src/registry]=1 [src/detect]=2 [src/catalogue]=3 [src/grid]=4
  [src/delta]=5 [src/help]=6 [src/app]=7 [src/platform/win32]=8 [src/window]=9 [src/window/res]=9
  [bench]=10 [tests]=10 [tests/e2e]=10 [tests/fuzz]=10 [tests/win32]=10)
status=0
while IFS=: read -r file included; do
  found=""
  for dir in "${file%/*}" src src/window src/platform/win32 tests; do
    [ -f "$dir/$included" ] && found=$dir/$included && break
  done
  [[ $found =~ ^(.*/)?[^/]+/\.\./(.*)$ ]] && found=${BASH_REMATCH[1]}${BASH_REMATCH[2]}
  [ -n "$found" ] || [ "$included" = version.h ] || { echo "$file: $included not found"; status=1; }
  # A folder with no place among the layers ranks above them all, and nothing may include it.
  [ -z "$found" ] || [ "${rank[${found%/*}]:-99}" -le "${rank[${file%/*}]:--1}" ] ||
    { echo "$file includes $found"; status=1; }
done < <(grep -rHo --include='*.h' --include='*.cpp' --include='*.rc' '#include "[^"]*"' src bench tests |
  sed 's/#include "\(.*\)"/\1/')
exit $status
