#!/usr/bin/env bash
# The compiled help holds every file its project lists, every link between its pages
# lands on a page or image inside it, and it opens at the overview.
set -euo pipefail
chm=$1 project=$2
status=0
listing=$(enum_chmLib "$chm")
for file in $(sed -n '/^\[FILES\]/,/^\[/{/^[^[]/p}' "$project"); do
  grep -q "[[:space:]]/$file\$" <<<"$listing" || { echo "not in the help file: $file"; status=1; }
done
inside=$(mktemp -d)
trap 'rm -rf "$inside"' EXIT
extract_chmLib "$chm" "$inside" >/dev/null
for page in "$inside"/*.html "$inside"/*.hhc "$inside"/*.hhk; do
  for link in $(grep -o '\(href\|src\|value\)="[^"#:]*\.\(html\|png\|css\)"' "$page" | cut -d'"' -f2); do
    [ -f "$inside/$link" ] || { echo "$(basename "$page") links to $link, which is not inside"; status=1; }
  done
done
# The #SYSTEM record with code 2 names the default topic.
topic=$(perl -e 'local $/; open F, "<", $ARGV[0]; binmode F; $d = <F>;
  for ($p = 4; $p + 4 <= length $d; $p += 4 + $l) { ($c, $l) = unpack "vv", substr $d, $p, 4;
  if ($c == 2) { print unpack "Z*", substr $d, $p + 4, $l; last } }' "$inside/#SYSTEM")
[ "$topic" = index.html ] || { echo "default topic: [$topic], expected index.html"; status=1; }
echo "$(grep -c ' normal file' <<<"$listing") files in $(stat -c %s "$chm") bytes; default topic $topic"
exit $status
