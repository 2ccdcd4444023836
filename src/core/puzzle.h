// SPDX-License-Identifier: GPL-3.0-or-later
// A puzzle as a file holds it: the texts the author typed, the header
// options and, where the file keeps them, the letter numbers and the Crostic
// setting. Readers return one; Editor::loadPuzzle puts it into the document,
// rebuilding everything else. Texts are Windows-1252.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qbrx {

struct PuzzlePair {
    std::string question;
    std::string answer;
    // Per answer character: the letter number of the quotation letter it
    // takes, 0 for a character without one (not a letter, or a gap); -1
    // where the file's cells do not spell the answer. Empty when the file
    // keeps no numbers.
    std::vector<int> numbers;
};

struct Puzzle {
    std::string quotation;
    std::string title;
    std::string createdBy;
    std::string quotationBy;
    std::string crostic;
    // The three header options: true switches the option on; false leaves
    // it as it was.
    bool nameLine = false;
    bool periodDateLine = false;
    bool miniInstructions = false;
    // How many pairs the file counts; a damaged file may hold fewer.
    int questionCount = 0;
    std::vector<PuzzlePair> pairs;
    // The pairs carry the letter numbers they were saved with.
    bool numbersKept = false;
    // The Crostic option, when the file keeps it.
    std::optional<bool> crosticOn;
    // The crostic was typed at Setup: the phrase is the author's.
    bool crosticSetUp = false;
    // A damaged data file may end before its quotation or before its header
    // options: what it never reached stays as the reset left it (the
    // quotation that was there before; no instruction line).
    bool quotationRead = true;
    bool optionsRead = true;
};

}  // namespace qbrx
