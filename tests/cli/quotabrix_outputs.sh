#!/bin/sh
# quotabrix_outputs.sh PROGRAM DATAFILE DIR: the program, with no display,
# writes a puzzle as ipuz and as PDF (the puzzle, then its key). Printed
# again from the ipuz file with another seed, both pages show the same
# numbers; printed again from the data file with that seed, they do not (so
# the comparison can tell). A missing data file fails and writes nothing.
set -u
program=$1 data=$2 dir=$3
mkdir -p "$dir" && rm -f "$dir"/rt.*
"$program" --ipuz "$dir/rt.ipuz" --pdf "$dir/rt.first.pdf" --seed 3 "$data" || { echo "writing from $data failed"; exit 1; }
"$program" --pdf "$dir/rt.reopened.pdf" --seed 99 "$dir/rt.ipuz" || { echo "printing from the ipuz file failed"; exit 1; }
"$program" --pdf "$dir/rt.redrawn.pdf" --seed 99 "$data" || { echo "printing from $data again failed"; exit 1; }
text() { pdftotext -f "$2" -l "$2" "$dir/rt.$1.pdf" -; }
numbers() { text "$1" "$2" | grep -o '[0-9][0-9]*' | tr '\n' ' '; }
for page in 1 2; do
  text first $page | grep -q "Inexpensive lodging" || { echo "page $page lacks the questions"; exit 1; }
  first=$(numbers first $page) reopened=$(numbers reopened $page) redrawn=$(numbers redrawn $page)
  [ -n "$first" ] || { echo "page $page has no numbers"; exit 1; }
  [ "$first" = "$reopened" ] || { echo "page $page: the reopened ipuz prints other numbers"; echo "$first"; echo "$reopened"; exit 1; }
  [ "$first" != "$redrawn" ] || { echo "page $page: a fresh draw prints the same numbers; the test proves nothing"; exit 1; }
done
# On the key the answers' letters stand on their blanks.
[ "$(text first 2 | grep -o '[A-Z]' | wc -l)" -gt "$(text first 1 | grep -o '[A-Z]' | wc -l)" ] ||
  { echo "page 2 has no more letters than page 1"; exit 1; }
if "$program" --pdf "$dir/rt.missing.pdf" "$data.none" 2>/dev/null; then echo "a missing file succeeded"; exit 1; fi
[ ! -e "$dir/rt.missing.pdf" ] || { echo "a missing file left output"; exit 1; }
rm -f "$dir"/rt.*
