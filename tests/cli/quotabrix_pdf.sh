#!/bin/sh
# quotabrix_pdf.sh PROGRAM DATAFILE OUT.pdf: the program writes the puzzle
# and its key; a missing data file fails and writes nothing.
set -u
program=$1 data=$2 out=$3
rm -f "$out" "$out.missing"
"$program" --pdf "$out" --seed 1 "$data" || { echo "writing the PDF failed"; exit 1; }
page1=$(pdftotext -f 1 -l 1 "$out" -) && page2=$(pdftotext -f 2 -l 2 "$out" -) || exit 1
echo "$page1" | grep -q "Inexpensive lodging" || { echo "page 1 lacks the questions"; exit 1; }
echo "$page2" | grep -q "Inexpensive lodging" || { echo "page 2 lacks the questions"; exit 1; }
# On the key the answers' letters stand on their blanks.
[ "$(echo "$page2" | grep -o '[A-Z]' | wc -l)" -gt "$(echo "$page1" | grep -o '[A-Z]' | wc -l)" ] ||
  { echo "page 2 has no more letters than page 1"; exit 1; }
if "$program" --pdf "$out.missing" "$data.none" 2>/dev/null; then echo "a missing file succeeded"; exit 1; fi
[ ! -e "$out.missing" ] || { echo "a missing file left output"; exit 1; }
rm -f "$out"
