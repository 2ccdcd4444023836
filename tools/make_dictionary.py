#!/usr/bin/env python3
"""Builds the bundled word list (data/words.dic) and its two-letter index
(data/count.dic) from the SCOWL word lists (Debian package "scowl").

words.dic: the count N (words + 1), then one lower-case a-z word per line,
sorted by byte order, CR LF line ends.

count.dic: 702 numbers, one per line: for each first letter f = a..z the
line of the first word beginning with f, then for each second letter
s = a..z the line of the first word beginning with fs. A pair that begins
no word gets the line of the first word that sorts after it, or the line
after the last word when there is none. Lines count from 1, the line of N.

Usage: tools/make_dictionary.py [--scowl DIR] [--out DIR] [--max-size 60]
"""

import argparse
import bisect
import os
import re
import string
import sys
import zlib

CAPACITY = 91531          # words the program can hold (positions 1..91,531)
SPELLINGS = ("american", "english")
CATEGORIES = ("words", "upper", "proper-names")
WORD = re.compile(r"^[a-z]+$")


def read_list(path):
    with open(path, "rb") as f:
        data = f.read()
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError:
        text = data.decode("latin-1")
    return text.splitlines()


def collect(scowl_dir, max_size):
    """Maps each usable word to the smallest size class it appears in."""
    size_of = {}
    pattern = re.compile(r"^(%s)-(%s)\.(\d+)$" % ("|".join(SPELLINGS),
                                                  "|".join(map(re.escape, CATEGORIES))))
    for name in sorted(os.listdir(scowl_dir)):
        m = pattern.match(name)
        if not m:
            continue
        size = int(m.group(3))
        if size > max_size:
            continue
        for line in read_list(os.path.join(scowl_dir, name)):
            word = line.strip().lower()
            if WORD.match(word):
                if word not in size_of or size < size_of[word]:
                    size_of[word] = size
    return size_of


def fit_capacity(size_of, capacity):
    """Drops words from the largest size class first until the list fits.
    Within a class the words dropped are picked by a fixed hash, so that no
    stretch of the alphabet loses more than another."""
    words = set(size_of)
    excess = len(words) - capacity
    for size in sorted(set(size_of.values()), reverse=True):
        if excess <= 0:
            break
        members = sorted((w for w in words if size_of[w] == size),
                         key=lambda w: (zlib.crc32(w.encode("ascii")), w))
        drop = members[:excess]
        words.difference_update(drop)
        excess -= len(drop)
    return sorted(words, key=lambda w: w.encode("ascii"))


def count_index(words):
    """The 702 line numbers of count.dic for a sorted word list."""
    encoded = [w.encode("ascii") for w in words]

    def line_of_first_at_or_after(prefix):
        k = bisect.bisect_left(encoded, prefix.encode("ascii"))
        return k + 2          # word k (0-based) is on line k + 2

    values = []
    for f in string.ascii_lowercase:
        values.append(line_of_first_at_or_after(f))
        for s in string.ascii_lowercase:
            values.append(line_of_first_at_or_after(f + s))
    return values


def write_lines(path, lines):
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("ascii"))


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--scowl", default="/usr/share/dict/scowl")
    parser.add_argument("--out", default=os.path.join(root, "data"))
    parser.add_argument("--max-size", type=int, default=60)
    args = parser.parse_args()

    size_of = collect(args.scowl, args.max_size)
    if not size_of:
        sys.exit("no SCOWL lists found in " + args.scowl)
    words = fit_capacity(size_of, CAPACITY)
    os.makedirs(args.out, exist_ok=True)
    write_lines(os.path.join(args.out, "words.dic"), [str(len(words) + 1)] + words)
    write_lines(os.path.join(args.out, "count.dic"), [str(v) for v in count_index(words)])
    print("%d words written to %s" % (len(words), args.out))


if __name__ == "__main__":
    main()
