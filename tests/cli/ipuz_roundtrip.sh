#!/bin/sh
# ipuz_roundtrip.sh PROGRAM DATAFILE DIR: a puzzle written as ipuz and PDF,
# then printed again from the ipuz file with another seed, shows the same
# numbers on both pages; printed again from the data file with that seed,
# it does not (so the comparison can tell).
set -u
program=$1 data=$2 dir=$3
mkdir -p "$dir" && rm -f "$dir"/rt.*
"$program" --ipuz "$dir/rt.ipuz" --pdf "$dir/rt.first.pdf" --seed 3 "$data" || { echo "writing from $data failed"; exit 1; }
"$program" --pdf "$dir/rt.reopened.pdf" --seed 99 "$dir/rt.ipuz" || { echo "printing from the ipuz file failed"; exit 1; }
"$program" --pdf "$dir/rt.redrawn.pdf" --seed 99 "$data" || { echo "printing from $data again failed"; exit 1; }
numbers() { pdftotext -f "$2" -l "$2" "$1" - | grep -o '[0-9][0-9]*' | tr '\n' ' '; }
for page in 1 2; do
  first=$(numbers "$dir/rt.first.pdf" $page) reopened=$(numbers "$dir/rt.reopened.pdf" $page)
  redrawn=$(numbers "$dir/rt.redrawn.pdf" $page)
  [ -n "$first" ] || { echo "page $page has no numbers"; exit 1; }
  [ "$first" = "$reopened" ] || { echo "page $page: the reopened ipuz prints other numbers"; echo "$first"; echo "$reopened"; exit 1; }
  [ "$first" != "$redrawn" ] || { echo "page $page: a fresh draw prints the same numbers; the test proves nothing"; exit 1; }
done
rm -f "$dir"/rt.*
# A damaged ipuz file is refused with a message and writes nothing.
printf '{"kind": ["http://ipuz.org/acrostic#1"], ' > "$dir/rt.damaged.ipuz"
if "$program" --pdf "$dir/rt.damaged.pdf" "$dir/rt.damaged.ipuz" 2> "$dir/rt.err"; then echo "a damaged ipuz file was printed"; exit 1; fi
grep -q "cannot open .*rt.damaged.ipuz: it is damaged" "$dir/rt.err" || { echo "no message for a damaged file:"; cat "$dir/rt.err"; exit 1; }
[ ! -e "$dir/rt.damaged.pdf" ] || { echo "a damaged file left output"; exit 1; }
rm -f "$dir"/rt.*
