#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the whole program against a bare Qt Widgets window, side by
# side in one run on one X server: the time from starting each program to
# its main window first shown on the screen, and its peak memory (maximum
# resident set size). Medians of RUNS runs of each, taken in turn.
#
#   bench/startup.sh [BUILD] [RUNS]      (default: build 9)
#
# Needs the programs quotabrix and barewindow built in BUILD, /usr/bin/time,
# and a display: without one it runs itself under xvfb-run (1280x1024).
set -eu

BUILD=${1:-build}
RUNS=${2:-9}
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$BUILD" "$RUNS"
fi

program="$BUILD/app/quotabrix"
bare="$BUILD/bench/barewindow"
for p in "$program" "$bare"; do
    [ -x "$p" ] || { echo "$0: $p is not built" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One run: appends "microseconds kilobytes" to $work/$1.
measure() {
    name=$1
    shift
    start=$(date +%s%N)
    shown=$(QBRX_EXIT_WHEN_SHOWN=1 /usr/bin/time -f %M -o "$work/rss" "$@" 2>/dev/null | tail -n 1)
    echo "$(( (shown - start) / 1000 )) $(tail -n 1 "$work/rss")" >> "$work/$name"
}

# The middle value of column $2 of file $1 (the upper one of an even count).
median() {
    sort -n -k "$2,$2" "$1" | awk -v c="$2" '{ v[NR] = $c } END { print v[int(NR / 2) + 1] }'
}

# Once each first, so that all start from a warm file cache. The bare
# window with one line of text and a menu is measured alongside, to show
# what drawing any text costs; the goals are against the bare window.
measure warmup "$bare"
measure warmup "$bare" --text
measure warmup "$program"
i=0
while [ "$i" -lt "$RUNS" ]; do
    measure bare "$bare"
    measure text "$bare" --text
    measure program "$program"
    i=$((i + 1))
done

bare_us=$(median "$work/bare" 1)
bare_kb=$(median "$work/bare" 2)
text_us=$(median "$work/text" 1)
text_kb=$(median "$work/text" 2)
prog_us=$(median "$work/program" 1)
prog_kb=$(median "$work/program" 2)

echo "Medians of $RUNS runs each, started in turn on one X server:"
printf '%-12s %12s %16s\n' "" "to shown" "peak memory"
printf '%-12s %9.1f ms %13.1f MB\n' "barewindow" "$(echo "$bare_us / 1000" | bc -l)" "$(echo "$bare_kb / 1024" | bc -l)"
printf '%-12s %9.1f ms %13.1f MB\n' "  --text" "$(echo "$text_us / 1000" | bc -l)" "$(echo "$text_kb / 1024" | bc -l)"
printf '%-12s %9.1f ms %13.1f MB\n' "quotabrix" "$(echo "$prog_us / 1000" | bc -l)" "$(echo "$prog_kb / 1024" | bc -l)"
printf 'time ratio %.2f (goal: at most 1.30); memory difference %.1f MB (goal: at most 8)\n' \
    "$(echo "$prog_us / $bare_us" | bc -l)" "$(echo "($prog_kb - $bare_kb) / 1024" | bc -l)"
