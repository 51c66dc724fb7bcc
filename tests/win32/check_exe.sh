#!/usr/bin/env bash
# Checks, without running it, that the exe is one Windows 2000 loads: a 32-bit GUI
# program for Windows 4.0 and later that imports only DLLs every Windows 2000 has and
# functions from the checked allowlist. Wine exports everything and ignores the version
# fields, so only this check says whether the exe loads on Windows 2000.
set -euo pipefail
exe=$1 allowlist=$2
status=0
header=$(i686-w64-mingw32-objdump -p "$exe")
field() { awk -v f="$1" '$1 == f {print $2; exit}' <<<"$header"; }
expect() {  # what got expected
  [ "$2" == "$3" ] || { echo "$1: $2, expected $3"; status=1; }
}
expect "format" "$(i686-w64-mingw32-objdump -f "$exe" | sed -n 's/.*file format //p')" "pei-i386"
expect "subsystem" "$(field Subsystem)" "00000002"
expect "OS version" "$(field MajorOSystemVersion).$(field MinorOSystemVersion)" "4.0"
expect "subsystem version" "$(field MajorSubsystemVersion).$(field MinorSubsystemVersion)" "4.0"
[ "$(stat -c %s "$exe")" -le 65536 ] || { echo "size: $(stat -c %s "$exe") bytes, more than 64 KB"; status=1; }

dlls='KERNEL32.DLL USER32.DLL GDI32.DLL ADVAPI32.DLL COMCTL32.DLL VERSION.DLL SHELL32.DLL OLE32.DLL OLEAUT32.DLL MSIMG32.DLL MSVCRT.DLL'
imports=$(awk '/DLL Name:/{dll=toupper($3); next} dll!="" && NF==3 && $1 ~ /^[0-9a-f]+$/ {print dll, $3}' \
  <<<"$header" | sort -u)
[ -n "$imports" ] || { echo "no imports read from $exe"; exit 1; }
for dll in $(cut -d' ' -f1 <<<"$imports" | sort -u); do
  [[ " $dlls " == *" $dll "* ]] || { echo "imports from a DLL outside the Windows 2000 set: $dll"; status=1; }
done
unknown=$(comm -23 <(echo "$imports") <(awk '!/^#/ {for (i = 2; i <= NF; i++) print $1, $i}' "$allowlist" | sort -u))
[ -z "$unknown" ] || { echo "imports not checked against Windows 2000:"; echo "$unknown"; status=1; }
echo "$(wc -l <<<"$imports") imports from $(cut -d' ' -f1 <<<"$imports" | sort -u | wc -l) DLLs; size $(stat -c %s "$exe") bytes"
exit $status
