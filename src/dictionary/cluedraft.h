// SPDX-License-Identifier: GPL-3.0-or-later
// Drafting a question from an answer's definitions: the gloss of the first
// suitable sense, tidied into a clue. A draft never gives the answer away:
// it holds neither the answer nor its base form, nor an inflection or a
// compound of either, nor another answer of the puzzle.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "definitions.h"

namespace qbrx {

// A tidied clue is at most about this long.
inline constexpr std::size_t kClueLength = 90;

inline constexpr const char* kReplaceQuestionMessage = "Replace the question you typed with a drafted clue?";

// A gloss as a clue: no parenthetical at its start or end, at most about
// kClueLength characters (whole clauses where they fit, else whole words and
// "..."), a capital first letter.
std::string tidyClue(std::string_view gloss);

// True when `text` names `answer` (any case; Windows-1252) or a form of it:
// one of its base forms, an inflection, a derived word or a compound of any
// of them (run: running, runner, runway, outrun).
bool givesAway(std::string_view text, std::string_view answer, const Definitions& definitions);

// The clues for `answer`, one for each of its senses whose tidied gloss
// gives away neither the answer nor any of `otherAnswers`, commonest sense
// first. Empty when the answer has no such sense.
std::vector<std::string> draftClues(const Definitions& definitions, std::string_view answer,
                                    const std::vector<std::string>& otherAnswers);

// The first `count` senses of `word` (lower case), one a line, each with
// its part of speech: "noun: a hotel providing overnight lodging". "" when
// the word has none.
std::string describeSenses(const Definitions& definitions, std::string_view word, std::size_t count);

// A draft for each of `words`, the answers a fill writes at once: the first
// clue that gives away neither the word, nor another of `words`, nor any
// of `writtenAnswers`; "" for a word without one.
std::vector<std::string> draftForEach(const Definitions& definitions, const std::vector<std::string>& words,
                                      const std::vector<std::string>& writtenAnswers);

struct DraftChoice {
    std::string text;
    // The question box holds a question of the author's own, which the
    // draft would replace.
    bool replacesTyped = false;
};

// What Draft Clue puts into a question box that holds `question`: the draft
// after it when it is one of `drafts` (round to the first after the last),
// else the first. Nothing when there are no drafts.
std::optional<DraftChoice> nextDraft(const std::vector<std::string>& drafts, std::string_view question);

}  // namespace qbrx
