#!/usr/bin/env bash
# Fails when the program imports a DLL outside the set every Windows 2000 has, or a
# function not in the checked allowlist. Wine exports everything, so only this check
# says whether the exe loads on Windows 2000.
set -euo pipefail
exe=$1 allowlist=$2
dlls='KERNEL32.DLL USER32.DLL GDI32.DLL ADVAPI32.DLL COMCTL32.DLL VERSION.DLL SHELL32.DLL OLE32.DLL OLEAUT32.DLL MSIMG32.DLL MSVCRT.DLL'
imports=$(i686-w64-mingw32-objdump -p "$exe" |
  awk '/DLL Name:/{dll=toupper($3); next} dll!="" && NF==3 && $1 ~ /^[0-9a-f]+$/ {print dll, $3}' | sort -u)
[ -n "$imports" ] || { echo "no imports read from $exe"; exit 1; }
status=0
for dll in $(cut -d' ' -f1 <<<"$imports" | sort -u); do
  [[ " $dlls " == *" $dll "* ]] || { echo "imports from a DLL outside the Windows 2000 set: $dll"; status=1; }
done
unknown=$(comm -23 <(echo "$imports") <(grep -v '^#' "$allowlist" | sort -u))
[ -z "$unknown" ] || { echo "imports not checked against Windows 2000:"; echo "$unknown"; status=1; }
echo "$(wc -l <<<"$imports") imports from $(cut -d' ' -f1 <<<"$imports" | sort -u | wc -l) DLLs; size $(stat -c %s "$exe") bytes"
exit $status
