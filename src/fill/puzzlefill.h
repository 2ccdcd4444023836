// SPDX-License-Identifier: GPL-3.0-or-later
// Between the puzzle and the fill search: which answer slots are still
// empty, which letter each must start with, which letters the fill has to
// use up; and writing a chosen fill into the puzzle through Accept, as the
// author would type it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "answerfill.h"
#include "dictionary.h"
#include "document.h"
#include "editor.h"

namespace qbrx {

// An answer the fill may replace: empty, "no answer", or one letter alone
// (a slot that crostic Setup pre-filled and the author has not answered).
bool answerCountsAsEmpty(const std::string& answer);

struct FillTarget {
    int slot = 0;  // 1..50; slots after questionCount are new ones
    char first =
        0;  // the letter the answer must start with ('A'..'Z', 'a'..'z', as in the crostic), 0 for any
};

struct FillPlan {
    std::vector<FillTarget> targets;   // in slot order
    std::array<int, 26> letters{};     // letters the fill must use up
    std::vector<std::string> written;  // the answers the author wrote
    // Slots the plan added after the existing ones (no crostic letter).
    int addedSlots = 0;
};

// The empty slots of `doc` and the letters they may use: the letters left
// plus the letters the empty slots hold now (a pre-filled crostic letter,
// "no answer"). `addSlots` new slots without a first letter are added after
// the last one, as far as the fifty slots allow.
FillPlan planFill(const Document& doc, int addSlots);

// How many new answers to suggest adding: none while some slots wait for
// an answer; otherwise about one per six letters left.
int suggestedNewSlots(const Document& doc);

FillRequest fillRequest(const FillPlan& plan, std::uint64_t seed);

// What the author chose for the words of a fill.
struct FillChoices {
    bool familiarOnly = false;
    int minLength = 3;
    int maxLength = 12;
    std::vector<std::string> never;    // "Never suggest"
    std::vector<std::string> include;  // "Must include"
};
FillRequest fillRequest(const FillPlan& plan, std::uint64_t seed, const FillChoices& choices);

// What to try when no exact fill turns up, one sentence a line: the letters
// that are hard to place, rarer words, other lengths, and the written
// answer whose letters would most even out the letters left.
std::vector<std::string> fillAdvice(const Document& doc, const FillPlan& plan, const FillRequest& request,
                                    const FillLexicon& lexicon);

// The dictionary's words with their familiarity, ready for the search.
FillLexicon fillLexicon(const Dictionary& dictionary);

// The word as Accept will write it into the target's slot: capitalised
// under a capital crostic letter, as the dictionary gives it otherwise.
std::string answerForm(const FillTarget& target, std::string word);

// Writes words[i] into plan.targets[i] through Accept (an empty word leaves
// its slot alone). The word's first letter takes the case of the slot's
// crostic letter. A question the author wrote stays; an empty question or
// the program's own "Question for [...]" becomes questions[i] when that is
// given and not empty, else "Question for [word]".
// New slots leave the crostic phrase as it was: it changes only when the
// author changes it. Returns the number of answers written.
int acceptFill(Editor& editor, const FillPlan& plan, const std::vector<std::string>& words,
               const std::vector<std::string>& questions = {});

// A file of words, one a line (the "Never suggest" list, --exclude):
// lower-cased, blank lines and surrounding spaces left out. False when the
// file cannot be read.
bool readWordsFile(const std::string& path, std::vector<std::string>& words);
// Writes `words` one a line; false when the file cannot be written.
bool writeWordsFile(const std::string& path, const std::vector<std::string>& words);

}  // namespace qbrx
