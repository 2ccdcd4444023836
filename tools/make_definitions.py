#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds the definitions of the bundled word list (data/definitions.dic)
from Princeton WordNet 3.0 (Debian package "wordnet-base"), keeping only
senses fit for a class.

definitions.dic, Windows-1252 text with CR LF line ends:
- the count G of glosses, then G lines "p gloss": the part of speech
  (n noun, v verb, a adjective, r adverb), a blank, and the definition
  without its example sentences;
- then one line for each word of words.dic, in its order:
  "word<TAB>bases<TAB>senses", where bases are the WordNet base forms the
  word is an inflection of (comma-separated, empty when the word is only
  its own base) and senses the numbers (from 1) of its glosses, blank-
  separated, commonest first. A word without a usable sense has an empty
  sense field.

The senses of a word are the WordNet senses of the word itself and of its
base forms (WordNet's morphology: the exception lists, then the regular
endings), merged over the parts of speech by how often each sense was seen
in WordNet's tagged texts (cntlist.rev); up to MOST_SENSES are kept.

Which senses are left out:
- senses whose usage domain is slang, a disparagement, an ethnic slur, an
  obscenity or a street name, and senses whose gloss calls itself vulgar,
  offensive, disparaging, obscene, derogatory or slang;
- senses about sex or drugs: the synset or one of its hypernyms is one of
  TOPIC_ROOTS, or a topic-domain pointer leads there, or the gloss uses one
  of SEX_AND_DRUG_WORDS;
- senses whose gloss uses a word the dictionary's block lists name (the
  npm packages naughty-words and cuss, pinned in make_dictionary.py).

data/COPYING.wordnet, which make_dictionary.py writes, carries WordNet's
licence.

Usage: tools/make_definitions.py [--wordnet DIR] [--naughty-words FILE] [--cuss FILE] [--out DIR]
"""

import argparse
import os
import re
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_dictionary as dictionary  # noqa: E402  (the pinned block lists)
import wordnet  # noqa: E402

MOST_SENSES = 6
POS = ("n", "v", "a", "r")

# Morphology: the regular endings WordNet strips for each part of speech.
ENDINGS = {
    "n": [("s", ""), ("ses", "s"), ("xes", "x"), ("zes", "z"), ("ches", "ch"), ("shes", "sh"),
          ("men", "man"), ("ies", "y")],
    "v": [("s", ""), ("ies", "y"), ("es", "e"), ("es", ""), ("ed", "e"), ("ed", ""), ("ing", "e"),
          ("ing", "")],
    "a": [("er", ""), ("est", ""), ("er", "e"), ("est", "e")],
    "r": [],
}

# Usage domains that mark a sense unfit for a class (lemmas of the domain's
# synset).
BLOCKED_USAGE = {"slang", "disparagement", "ethnic_slur", "obscenity", "vulgarism", "street_name",
                 "profanity", "derogation"}
GLOSS_MARKS = re.compile(r"\b(vulgar|offensive|disparaging|obscene|obscenity|slang|derogatory|ethnic slur|"
                         r"profane|profanity|smutty|vulgarly)\b", re.I)
# Hypernyms (and topic domains) that make a sense one about sex or drugs.
TOPIC_ROOTS = {
    "n": ["sexual_activity", "sex_act", "sexual_intercourse", "genitalia", "sex_organ", "erotica",
          "pornography", "prostitution", "prostitute", "sexual_desire", "sexual_arousal", "sex",
          "drug_of_abuse", "narcotic", "hallucinogen", "controlled_substance", "intoxicant_drug",
          "drug_addict", "drug_user", "drug_addiction", "drug_traffic", "pimp", "sexual_perversion"],
    "v": ["copulate", "have_sex", "masturbate", "fornicate", "sodomize"],
}
# "sex" names the topic only in its sense of sexual activity.
TOPIC_SENSES = {("sex", "n"): {1}}
SEX_AND_DRUG_WORDS = set("""
sexual sexually sexuality intercourse coitus copulation copulate copulating genital genitals genitalia
penis vagina vaginal vulva testicle testicles scrotum erection orgasm erotic erotically sensual sensuality
masturbation masturbate semen ejaculate ejaculation prostitute prostitutes prostitution brothel whore harlot
pornography pornographic lust lustful lewd seduce seduction rape raped raping rapist incest adultery
fornication sodomy foreplay aphrodisiac brothels pimp libido lecherous lecher promiscuous condom
drug drugs narcotic narcotics marijuana marihuana cannabis cocaine crack heroin opium opiate morphine hashish
lsd amphetamine amphetamines methamphetamine hallucinogen hallucinogenic psychedelic ecstasy mdma
intoxicant intoxicating stoned addict addicts addiction junkie dope overdose smoke smoking inhale
""".split())
WORD = re.compile(r"[a-z]+")


class WordNet:
    def __init__(self, folder):
        self.index = {p: {} for p in POS}       # pos -> lemma -> [offsets]
        self.synsets = {p: {} for p in POS}     # pos -> offset -> (lemmas, pointers, gloss)
        self.exceptions = {p: wordnet.exceptions(folder, p) for p in POS}  # pos -> inflected -> [bases]
        self.counts = wordnet.tag_counts(folder)  # (lemma, pos, sense number) -> tag count
        for p in POS:
            for lemma, _, offsets in wordnet.index_entries(folder, p):
                self.index[p][lemma] = offsets
            for offset, _, words, pointers, gloss in wordnet.synsets(folder, p):
                lemmas = [re.sub(r"\(.*\)$", "", w).lower() for w in words]
                self.synsets[p][offset] = (lemmas, pointers, gloss)

    def bases(self, word, p):
        """WordNet's base forms of `word` as part of speech `p`: the word
        itself when it is a lemma, the exception list's forms, and the forms
        the regular endings give (also with a doubled final consonant undone:
        running, run); a verb of its own takes no regular ending off (weed
        is not wee + d)."""
        found = []
        if word in self.index[p]:
            found.append(word)
        candidates = list(self.exceptions[p].get(word, []))
        for ending, replacement in ENDINGS[p] if not (found and p == "v") else []:
            if word.endswith(ending) and len(word) > len(ending):
                stem = word[:-len(ending)] + replacement
                candidates.append(stem)
                if replacement == "" and len(stem) >= 3 and stem[-1] == stem[-2] and ending in ("ed", "ing", "er", "est"):
                    candidates.append(stem[:-1])
        for c in candidates:
            if c in self.index[p] and c not in found:
                found.append(c)
        return found


def usage_blocked_offsets(wn):
    """The usage-domain synsets that mark a sense unfit for a class."""
    blocked = set()
    for p in POS:
        for lemmas, pointers, _ in wn.synsets[p].values():
            for sym, off, pos in pointers:
                if sym == ";u" and off not in blocked:
                    target = wn.synsets[pos].get(off)
                    if target and BLOCKED_USAGE & set(target[0]):
                        blocked.add(off)
    return blocked


def topic_offsets(wn):
    roots = set()
    for p, lemmas in TOPIC_ROOTS.items():
        for lemma in lemmas:
            for i, off in enumerate(wn.index[p].get(lemma, []), 1):
                if i in TOPIC_SENSES.get((lemma, p), {i}):
                    roots.add((p, off))
    return roots


class Safety:
    def __init__(self, wn, blocked_words):
        self.wn = wn
        self.usage = usage_blocked_offsets(wn)
        self.roots = topic_offsets(wn)
        self.words = set(blocked_words) | SEX_AND_DRUG_WORDS
        self.about_topic = {}

    def on_topic(self, p, off, depth=0):
        key = (p, off)
        if key in self.about_topic:
            return self.about_topic[key]
        self.about_topic[key] = False   # guards against cycles
        result = key in self.roots
        if not result and depth < 30:
            for sym, o, pos in self.wn.synsets[p][off][1]:
                if sym in ("@", "@i", ";c") and self.on_topic(pos, o, depth + 1):
                    result = True
                    break
        self.about_topic[key] = result
        return result

    def gloss_word_blocked(self, token):
        if token in self.words:
            return True
        for ending in ("s", "es", "ed", "ing", "ly"):
            if token.endswith(ending) and token[:-len(ending)] in self.words:
                return True
        return False

    def fit(self, p, off):
        _, pointers, gloss = self.wn.synsets[p][off]
        if any(sym == ";u" and o in self.usage for sym, o, _ in pointers):
            return False
        definition = definition_of(gloss)
        if GLOSS_MARKS.search(gloss):
            return False
        if self.on_topic(p, off):
            return False
        tokens = WORD.findall(definition.lower())
        if any(self.gloss_word_blocked(t) for t in tokens):
            return False
        # Block-list entries of two words are matched joined (blow job).
        return not any(a + b in self.words for a, b in zip(tokens, tokens[1:]))


def definition_of(gloss):
    """The gloss without its example sentences (quoted, after the definition)."""
    definition = re.split(r';\s*"', gloss, maxsplit=1)[0]
    definition = re.sub(r'\s*"[^"]*"\s*$', "", definition)
    return definition.strip().rstrip(";").strip()


def senses_of(wn, word):
    """(count, own, pos order, sense number, pos, offset, base) for every
    sense of the word and its base forms, commonest first."""
    found = []
    seen = set()
    for order, p in enumerate(POS):
        for base in wn.bases(word, p):
            for number, off in enumerate(wn.index[p][base], 1):
                if (p, off) in seen:
                    continue
                seen.add((p, off))
                count = wn.counts.get((base, p, number), 0)
                found.append((-count, base != word, number, order, p, off, base))
    found.sort()
    return found


def cp1252(text):
    return text.encode("cp1252", errors="replace").decode("cp1252")


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--wordnet", default="/usr/share/wordnet")
    parser.add_argument("--scowl", default="/usr/share/dict/scowl")
    parser.add_argument("--naughty-words", help="the naughty-words package file, instead of fetching it")
    parser.add_argument("--cuss", help="the cuss package file, instead of fetching it")
    parser.add_argument("--out", default=os.path.join(root, "data"))
    args = parser.parse_args()

    words = [w.strip() for w in wordnet.read_lines(os.path.join(args.out, "words.dic"))[1:] if w.strip()]
    wn = WordNet(args.wordnet)

    # The same block lists, from the same pinned packages, as the word list.
    size_of = dictionary.collect(args.scowl)
    with tempfile.TemporaryDirectory() as work_dir:
        naughty, _ = dictionary.naughty_words(dictionary.package_file(dictionary.NAUGHTY_WORDS, args.naughty_words, work_dir))
        cuss, _ = dictionary.cuss_words(dictionary.package_file(dictionary.CUSS, args.cuss, work_dir), size_of)
    safety = Safety(wn, set(naughty) | set(cuss))

    glosses = []
    gloss_number = {}
    lines = []
    defined = 0
    for word in words:
        kept = []
        bases = []
        for *_, p, off, base in senses_of(wn, word):
            if len(kept) == MOST_SENSES:
                break
            if not safety.fit(p, off):
                continue
            text = cp1252(definition_of(wn.synsets[p][off][2]))
            if not text:
                continue
            key = (p, text)
            if key not in gloss_number:
                glosses.append("%s %s" % key)
                gloss_number[key] = len(glosses)
            if gloss_number[key] not in kept:
                kept.append(gloss_number[key])
                if base != word and base not in bases:
                    bases.append(base)
        defined += bool(kept)
        lines.append("%s\t%s\t%s" % (word, ",".join(bases), " ".join(str(n) for n in kept)))

    with open(os.path.join(args.out, "definitions.dic"), "wb") as f:
        f.write("".join(line + "\r\n" for line in [str(len(glosses))] + glosses + lines).encode("cp1252"))

    print("%d of %d words defined, %d glosses, written to %s" % (defined, len(words), len(glosses), args.out))


if __name__ == "__main__":
    main()
