// SPDX-License-Identifier: GPL-3.0-or-later
// Putting a puzzle read from a file into the document.
#include "editor.h"

namespace qbrx {

Editor::Numbering Editor::loadPuzzle(const Puzzle& puzzle, bool rebuild) {
    const bool changed = doc.docChanged;
    view.listRows.clear();
    view.selectedRow = -1;
    resetDocument();
    view.gridLogoVisible = false;

    if (puzzle.quotationRead) {
        doc.quotation = puzzle.quotation;
        countLetters();
    }
    HeaderValues& header = doc.header;
    header.title = puzzle.title;
    if (!header.title.empty()) header.titleGiven = true;
    header.createdBy = puzzle.createdBy;
    if (!header.createdBy.empty()) header.createdByGiven = true;
    header.quotationBy = puzzle.quotationBy;
    doc.crostic = puzzle.crostic;
    doc.crosticSetUp = puzzle.crosticSetUp;
    // A file switches an option on; it never switches one off.
    if (puzzle.nameLine) header.nameLine = true;
    if (puzzle.periodDateLine) header.periodDateLine = true;
    if (puzzle.miniInstructions) header.miniInstructions = true;
    if (puzzle.optionsRead) header.instructions = kMiniInstructions;
    doc.questionCount = puzzle.questionCount;
    for (std::size_t k = 0; k < puzzle.pairs.size() && k < static_cast<std::size_t>(kMaxSlots); ++k) {
        doc.question[k + 1] = puzzle.pairs[k].question;
        doc.answer[k + 1] = puzzle.pairs[k].answer;
    }
    doc.crosticOnWritten = puzzle.crosticOn.has_value();
    if (puzzle.crosticOn) doc.crosticOn = *puzzle.crosticOn;
    doc.numbersDrawnOnOpen.reset();

    Numbering numbering = puzzle.numbersKept ? Numbering::Kept : Numbering::Drawn;
    if (rebuild) {
        view.quoteBox = doc.quotation;
        fillQuestionList();
        selectListRow(0);
        view.questionSelection = TextSelection{0, 255};
        if (puzzle.numbersKept) {
            std::vector<std::vector<int>> numbers;
            for (const PuzzlePair& pair : puzzle.pairs) numbers.push_back(pair.numbers);
            if (!registerWithNumbers(numbers)) numbering = Numbering::Redrawn;
            mapCrosticSlots();
            showLettersLeft();
        } else {
            // Registering, encoding every answer once more and registering
            // again draws three times where the last draw alone counts. It
            // is kept so: a file opened with a given seed (--seed) prints
            // the same letter numbers as it always has, which the examples
            // and everyone's saved command lines rely on.
            int slot = 1;
            registerQuotation(slot);
            for (int k = 1; k <= doc.questionCount; ++k) {
                int q = k;
                encodeAnswer(q);
            }
            mapCrosticSlots();
            showLettersLeft();
            slot = 1;
            registerQuotation(slot);
        }
        view.quoteTabStop = false;
        doc.quoteRegistered = true;
        if (numbering == Numbering::Drawn) doc.numbersDrawnOnOpen = doc.answerLetterNo;
    }
    doc.docChanged = changed;
    return numbering;
}

}  // namespace qbrx
