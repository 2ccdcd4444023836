#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
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

base.dic: one number per line, for each word of words.dic in its order:
0 when the word is a base word, else the line number in words.dic (counting
the count line as 1, like count.dic) of the word it is an inflection of
(plural, past, -ing, comparative). The relation is WordNet's (Debian
package "wordnet-base"): its exception lists and its detachment rules, with
the base a WordNet lemma of the part of speech; a word that is a WordNet
lemma itself (building, glasses) is a base word.

unfit.dic: one number per line, for each word of words.dic in its order:
0 for a word fit for a class handout, else why it is not: 1 a block list
names it (every entry, every rating), 2 WordNet marks one of its main
senses as obscene, a slur or disparaging, 3 its main sense is a topic a
school keeps off a handout (alcohol, drugs, tobacco, sex, diseases, bodily
waste; WordNet's hypernyms), 4 data/offlimits.txt names it. An inflection
of an unfit word is unfit. data/offlimits.txt, kept by hand, lists words
the data misses, each with its reason, and words the data blocks wrongly
("keep").

data/blocklist.txt keeps the block lists' entries used, for the tests;
data/COPYING.blocklist, data/COPYING.scowl and data/COPYING.wordnet say
where the lists come from and under which licences.

Usage: tools/make_dictionary.py [--scowl DIR] [--wordnet DIR] [--naughty-words FILE] [--cuss FILE] [--out DIR]
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

import wordnet

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


# WordNet's detachment rules (with -ier and -iest for adjectives in -y): ending of the inflected form, ending of the base.
DETACH = {
    "n": (("s", ""), ("ses", "s"), ("xes", "x"), ("zes", "z"), ("ches", "ch"), ("shes", "sh"),
          ("men", "man"), ("ies", "y")),
    "v": (("s", ""), ("ies", "y"), ("es", "e"), ("es", ""), ("ed", "e"), ("ed", ""), ("ing", "e"),
          ("ing", "")),
    "a": (("er", ""), ("est", ""), ("er", "e"), ("est", "e"), ("ier", "y"), ("iest", "y")),
}
# Usage domains that make a sense unfit, and the topics (the first lemma of
# a synset, with its lexicographer file) whose hyponyms are unfit.
UNFIT_USAGE = {"obscenity", "vulgarism", "ethnic_slur", "disparagement"}
UNFIT_TOPICS = {("alcohol", 13), ("drug_of_abuse", 6), ("narcotic", 6), ("tobacco", 6),
                ("sexual_activity", 4), ("genitalia", 8), ("sex_organ", 8), ("disease", 26),
                ("body_waste", 27), ("excretion", 4), ("contraceptive", 6), ("prostitute", 18),
                ("bigot", 18)}
UNFIT_BLOCK_LIST, UNFIT_USAGE_DOMAIN, UNFIT_TOPIC, UNFIT_OWN_LIST = 1, 2, 3, 4


class WordNet:
    """WordNet's index (lemmas and their senses by part of speech, with how
    often the senses were seen tagged), synsets (lexicographer file,
    hypernyms, usage domains) and exception lists."""

    def __init__(self, folder):
        self.senses = {}      # lemma -> {pos: [synset offsets]}
        self.tagged = {}      # lemma -> {pos: tagged sense count}
        self.synsets = {}     # (pos, offset) -> (lexfile, first lemma, [(symbol, pos, offset)])
        self.exceptions = {}  # pos -> {inflected: [bases]}
        for pos in wordnet.POS_FILES:
            for lemma, tagged, offsets in wordnet.index_entries(folder, pos):
                self.senses.setdefault(lemma, {})[pos] = offsets
                self.tagged.setdefault(lemma, {})[pos] = tagged
            for offset, lexfile, words, pointers, _ in wordnet.synsets(folder, pos):
                self.synsets[(pos, offset)] = (lexfile, words[0].lower(),
                                               [(symbol, ppos, poffset) for symbol, poffset, ppos in pointers])
            self.exceptions[pos] = wordnet.exceptions(folder, pos)
        self.hypernyms_of = {}

    def is_lemma(self, word):
        return word in self.senses

    def bases(self, word):
        """The lemmas `word` is an inflection of, by the exception lists and
        the detachment rules, in WordNet's order."""
        found = []
        for pos in ("n", "v", "a"):
            candidates = list(self.exceptions.get(pos, {}).get(word, ()))
            candidates += [word[:len(word) - len(end)] + base for end, base in DETACH[pos] if word.endswith(end)]
            for c in candidates:
                if c != word and pos in self.senses.get(c, {}) and c not in found:
                    found.append(c)
        return found

    def hypernyms(self, key):
        if key not in self.hypernyms_of:
            out, todo = {key}, [key]
            while todo:
                for symbol, pos, offset in self.synsets[todo.pop()][2]:
                    up = (pos, offset)
                    if symbol in ("@", "@i") and up not in out:
                        out.add(up)
                        todo.append(up)
            self.hypernyms_of[key] = out
        return self.hypernyms_of[key]

    def unfit(self, word):
        """Why WordNet makes `word` unfit for a class, 0 when it does not:
        a usage domain on one of its first two senses (or on any, for a word
        of two senses or fewer), or a topic above the first sense of the
        word's main part of speech (the one with the most tagged senses)."""
        senses = self.senses.get(word)
        if not senses:
            return 0
        for pos, offsets in sorted(senses.items()):
            for i, offset in enumerate(offsets):
                for symbol, dpos, doffset in self.synsets[(pos, offset)][2]:
                    if (symbol == ";u" and (i < 2 or len(offsets) <= 2)
                            and self.synsets[(dpos, doffset)][1] in UNFIT_USAGE):
                        return UNFIT_USAGE_DOMAIN
        tagged = self.tagged[word]
        main = max(sorted(senses), key=lambda pos: (tagged[pos], pos == "n"))
        if main == "n":
            for key in self.hypernyms(("n", senses["n"][0])):
                lexfile, lemma, _ = self.synsets[key]
                if (lemma, lexfile) in UNFIT_TOPICS:
                    return UNFIT_TOPIC
        return 0


def base_words(words, levels, wordnet):
    """For each word, the index in `words` of the word it is an inflection
    of, or None for a base word. Of several bases the commonest is taken."""
    position = {w: i for i, w in enumerate(words)}
    result = []
    for w in words:
        if wordnet.is_lemma(w):
            result.append(None)
            continue
        listed = [position[b] for b in wordnet.bases(w) if b in position]
        result.append(min(listed, key=lambda i: (levels[i], len(words[i]))) if listed else None)
    return result


def read_offlimits(path):
    """data/offlimits.txt: "word reason..." per line; a reason starting with
    "keep" lets a word the data blocks through."""
    blocked, kept = set(), set()
    for line in read_list(path):
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        word, reason = (line.split(None, 1) + [""])[:2]
        if not reason:
            sys.exit("%s: %s has no reason" % (path, word))
        (kept if reason.startswith("keep") else blocked).add(word)
    return blocked, kept


def unfit_words(words, bases, block_entries, wordnet, offlimits):
    """The unfit.dic code of each word."""
    blocked, kept = offlimits
    entries = set(block_entries)
    codes = []
    for w in words:
        if w in kept:
            codes.append(0)
        elif w in entries:
            codes.append(UNFIT_BLOCK_LIST)
        elif w in blocked:
            codes.append(UNFIT_OWN_LIST)
        else:
            codes.append(wordnet.unfit(w))
    # An inflection takes its base word's code.
    for i, b in enumerate(bases):
        if b is not None and codes[i] == 0 and words[i] not in kept:
            codes[i] = codes[b]
    return codes


def all_cuss_words(data):
    """Every entry of cuss, whatever its rating."""
    listed = package_texts(data, ["package/index.js"])[0]
    words = set()
    for line in listed.splitlines():
        m = re.match(r"^\s*'?([^':]+)'?: (\d),?$", line)
        if m:
            word = as_word(m.group(1))
            if word:
                words.add(word)
    return sorted(words)


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
    parser.add_argument("--wordnet", default="/usr/share/wordnet")
    parser.add_argument("--wordnet-copyright", default="/usr/share/doc/wordnet-base/copyright")
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
        cuss_data = package_file(CUSS, args.cuss, work_dir)
        cuss, cuss_licence = cuss_words(cuss_data, size_of)
        every_cuss = all_cuss_words(cuss_data)
    entries = sorted(set(naughty) | set(cuss))
    scowl_size = dict(size_of)
    for word in blocked_words(size_of, entries):
        del size_of[word]

    words = fit_target(size_of, TARGET)
    os.makedirs(args.out, exist_ok=True)
    write_lines(os.path.join(args.out, "words.dic"), [str(len(words) + 1)] + words)
    write_lines(os.path.join(args.out, "count.dic"), [str(v) for v in count_index(words)])
    write_lines(os.path.join(args.out, "level.dic"), [str(size_of[w]) for w in words])
    wordnet = WordNet(args.wordnet)
    bases = base_words(words, [size_of[w] for w in words], wordnet)
    write_lines(os.path.join(args.out, "base.dic"), ["0" if b is None else str(b + 2) for b in bases])
    offlimits = read_offlimits(os.path.join(args.out, "offlimits.txt"))
    write_lines(os.path.join(args.out, "unfit.dic"),
                [str(c) for c in unfit_words(words, bases, set(naughty) | set(every_cuss), wordnet, offlimits)])
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
    with open(args.wordnet_copyright, "rb") as f:
        wordnet_copyright = f.read().decode("utf-8")
    write_text(os.path.join(args.out, "COPYING.wordnet"),
               "base.dic and unfit.dic are built by tools/make_dictionary.py with the help of\n"
               "WordNet 3.0 (Debian package wordnet-base): its exception lists and\n"
               "detachment rules give each word's base word, its usage domains and\n"
               "hypernyms the words unfit for a class. WordNet copyright and licence:\n\n"
               + wordnet_copyright)
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
