#!/usr/bin/env bash
# The download, checked without running anything (Wine exports everything, ignores the version
# fields and runs on newer processors): the program, its help and two CRLF texts; a 32-bit GUI
# exe for Windows 4.0, at most 64 KB, importing only what Windows 2000 has, running on a
# Pentium, without exception machinery; a help file that holds its project's files, links
# only inside itself and opens at the overview.
#   check_static.sh <zip> <import allowlist> <link map> <help project>
set -euo pipefail
zip=$1 allowlist=$2 map=$3 project=$4
status=0
fail() { echo "$*"; status=1; }
expect() { [ "$2" == "$3" ] || fail "$1: $2, expected $3"; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
unzip -q "$zip" -d "$dir/zip"
expect "the download holds" "$(ls "$dir/zip" | paste -sd' ')" "LICENSE.txt README.txt vexmhelp.chm vexmora.exe"
for text in README.txt LICENSE.txt; do
  expect "$text lines with CRLF" "$(grep -c $'\r$' "$dir/zip/$text")" "$(wc -l <"$dir/zip/$text")"
done

exe=$dir/zip/vexmora.exe
header=$(i686-w64-mingw32-objdump -p "$exe")
field() { awk -v f="$1" '$1 == f {print $2; exit}' <<<"$header"; }
expect "format" "$(i686-w64-mingw32-objdump -f "$exe" | sed -n 's/.*file format //p')" "pei-i386"
expect "subsystem" "$(field Subsystem)" "00000002"
expect "OS version" "$(field MajorOSystemVersion).$(field MinorOSystemVersion)" "4.0"
expect "subsystem version" "$(field MajorSubsystemVersion).$(field MinorSubsystemVersion)" "4.0"
[ "$(stat -c %s "$exe")" -le 65536 ] || fail "size: $(stat -c %s "$exe") bytes, more than 64 KB"
# Each allowed function under its DLL; a DLL that is not listed has none allowed.
imports=$(awk '/DLL Name:/{dll=toupper($3); next} dll!="" && NF==3 && $1 ~ /^[0-9a-f]+$/ {print dll, $3}' \
  <<<"$header" | sort -u)
[ -n "$imports" ] || fail "no imports read from the exe"
unknown=$(comm -23 <(echo "$imports") <(awk '!/^#/ {for (i = 2; i <= NF; i++) print $1, $i}' "$allowlist" | sort -u))
[ -z "$unknown" ] || fail "imports not checked against Windows 2000:"$'\n'"$unknown"
# What was linked in: the link map's memory map (what was only looked at comes before it)
# names each object whose sections the exe holds. (grep reads it all: -q would stop awk early,
# and pipefail would take that for a failure.)
for part in "the unwinder:unwind-dw2|_Unwind_" "__cxa_throw:eh_throw\.o|__cxa_throw" \
  "the demangler:cp-demangle\.o|__cxa_demangle"; do
  awk '/^Linker script and memory map/{on=1} on' "$map" | grep -E -- "${part#*:}" >/dev/null &&
    fail "the exe links ${part%%:*}: src/window/runtime.cpp no longer keeps the exception machinery out"
done
perl "$(dirname "$0")/check_i586.pl" i686-w64-mingw32-objdump "$exe" "$map" || status=1

chm=$dir/zip/vexmhelp.chm
listing=$(enum_chmLib "$chm")
for file in $(sed -n '/^\[FILES\]/,/^\[/{/^[^[]/p}' "$project"); do
  grep -q "[[:space:]]/$file\$" <<<"$listing" || fail "not in the help file: $file"
done
extract_chmLib "$chm" "$dir/chm" >/dev/null
for page in "$dir/chm"/*.html "$dir/chm"/*.hhc "$dir/chm"/*.hhk; do
  for link in $(grep -o '\(href\|src\|value\)="[^"#:]*\.\(html\|png\|css\)"' "$page" | cut -d'"' -f2); do
    [ -f "$dir/chm/$link" ] || fail "$(basename "$page") links to $link, which is not inside"
  done
done
# The #SYSTEM record with code 2 names the default topic.
topic=$(perl -e 'local $/; open F, "<", $ARGV[0]; binmode F; $d = <F>;
  for ($p = 4; $p + 4 <= length $d; $p += 4 + $l) { ($c, $l) = unpack "vv", substr $d, $p, 4;
  if ($c == 2) { print unpack "Z*", substr $d, $p + 4, $l; last } }' "$dir/chm/#SYSTEM")
expect "default topic" "$topic" "index.html"
echo "$(basename "$zip"): $(stat -c %s "$zip") bytes; exe $(stat -c %s "$exe") bytes, $(wc -l <<<"$imports") imports; help $(grep -c ' normal file' <<<"$listing") files"
exit $status
