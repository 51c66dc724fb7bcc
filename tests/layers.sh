#!/usr/bin/env bash
# Includes run one way: a file may include its own subsystem and the ones below it.
set -euo pipefail
cd "$1"
rank() { case "$1" in platform) echo 0 ;; registry) echo 1 ;; detect) echo 2 ;; catalogue) echo 3 ;;
  grid) echo 4 ;; delta) echo 5 ;; help) echo 6 ;; app) echo 7 ;; platform/win32) echo 8 ;;
  window) echo 9 ;; *) echo "unknown subsystem $1" >&2; exit 1 ;; esac; }
status=0
while IFS=: read -r file included; do
  from=$(dirname "${file#src/}") to=$(dirname "$included")
  [ "$(rank "$to")" -le "$(rank "$from")" ] || { echo "$file includes $included"; status=1; }
done < <(grep -rHo '#include "[a-z]*/[a-z_/]*\.h"' src | sed 's/#include "\(.*\)"/\1/')
exit $status
