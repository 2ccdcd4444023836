# SPDX-License-Identifier: GPL-3.0-or-later
"""Reading Princeton WordNet 3.0's database files (Debian package
"wordnet-base"), shared by make_dictionary.py and make_definitions.py.

Each function reads one kind of file of one part of speech ("n", "v", "a",
"r") and gives its records as the file has them; what a tool keeps of them
is the tool's own business.
"""

import os

POS_FILES = {"n": "noun", "v": "verb", "a": "adj", "r": "adv"}
# The synset type digit of a sense key (lemma%type:...): its part of speech,
# adjective satellites (5) counted as adjectives.
SS_TYPE_POS = {"1": "n", "2": "v", "3": "a", "4": "r", "5": "a"}


def read_lines(path):
    """The file's lines, read as Latin-1 (WordNet's files are ASCII)."""
    with open(path, "rb") as f:
        return f.read().decode("latin-1").splitlines()


def index_entries(folder, pos):
    """index.<pos>: (lemma, tagged sense count, [synset offsets in sense order])
    for each lemma, in file order."""
    for line in read_lines(os.path.join(folder, "index." + POS_FILES[pos])):
        if line.startswith(" "):
            continue
        parts = line.split()
        count = int(parts[2])
        yield parts[0], int(parts[len(parts) - count - 1]), parts[len(parts) - count:]


def synsets(folder, pos):
    """data.<pos>: (offset, lexicographer file number, [words as written],
    [(pointer symbol, target offset, target part of speech)], gloss) for each
    synset, satellites' "s" given as "a"."""
    for line in read_lines(os.path.join(folder, "data." + POS_FILES[pos])):
        if line.startswith(" "):
            continue
        head, _, gloss = line.partition(" | ")
        parts = head.split()
        words = [parts[4 + 2 * i] for i in range(int(parts[3], 16))]
        k = 4 + 2 * len(words)
        pointers = []
        for i in range(int(parts[k])):
            symbol, offset, target = parts[k + 1 + 4 * i:k + 4 + 4 * i]
            pointers.append((symbol, offset, "a" if target == "s" else target))
        yield parts[0], int(parts[1]), words, pointers, gloss.strip()


def exceptions(folder, pos):
    """<pos>.exc: inflected form -> [base forms] (empty when there is no list)."""
    table = {}
    path = os.path.join(folder, POS_FILES[pos] + ".exc")
    if os.path.exists(path):
        for line in read_lines(path):
            parts = line.split()
            if len(parts) >= 2:
                table.setdefault(parts[0], []).extend(parts[1:])
    return table


def tag_counts(folder):
    """cntlist.rev: (lemma, part of speech, sense number) -> how often the
    sense is tagged in WordNet's texts."""
    counts = {}
    for line in read_lines(os.path.join(folder, "cntlist.rev")):
        key, number, count = line.split()
        lemma, _, rest = key.partition("%")
        counts[(lemma, SS_TYPE_POS[rest[0]], int(number))] = int(count)
    return counts
