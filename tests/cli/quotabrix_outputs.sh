#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# quotabrix_outputs.sh PROGRAM DATAFILE DIR: with no display, the program
# writes a puzzle as ipuz and PDF; printed again from the ipuz file with
# another seed, it shows the same numbers, where a fresh draw with that seed
# does not. (Files refused, and that they write nothing, are test_cli's.)
set -u
program=$1 data=$2 dir=$3
mkdir -p "$dir" && cd "$dir" && rm -f rt.*
"$program" --ipuz rt.ipuz --pdf rt.first.pdf --seed 3 "$data" || { echo "writing from $data failed"; exit 1; }
"$program" --pdf rt.reopened.pdf --seed 99 rt.ipuz || { echo "printing from the ipuz file failed"; exit 1; }
"$program" --pdf rt.redrawn.pdf --seed 99 "$data" || { echo "printing from $data again failed"; exit 1; }
numbers() { pdftotext "rt.$1.pdf" - | grep -o '[0-9][0-9]*' | tr '\n' ' '; }
[ "$(numbers first)" = "$(numbers reopened)" ] || { echo "the reopened ipuz prints other numbers"; exit 1; }
[ "$(numbers first)" != "$(numbers redrawn)" ] || { echo "a fresh draw prints the same numbers: the test proves nothing"; exit 1; }
rm -f rt.*
