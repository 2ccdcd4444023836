// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle as other solving programs see it: the quotation grid cell by
// cell and one clue per question slot, from the current encoding (so that an
// exported file and a printed key agree). Texts here are UTF-8.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "document.h"

namespace qbrx {

// Thrown when there is nothing to export (no registered quotation).
class ExportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kNothingToExportMessage =
    "There is no registered quotation to export. Register a quotation first.";

// A grid cell, 0-based, column first as both file formats write it.
struct GridPoint {
    int column = 0;
    int row = 0;
    bool operator==(const GridPoint&) const = default;
};

enum class CellKind {
    Outside,  // leading or trailing blank: no quotation character
    Space,    // space (or tab, line break) of the quotation: a black cell
    Letter,   // numbered letter (code 65 and above)
    Other,    // digit or punctuation: shown to the solver as it is
};

struct ExportCell {
    CellKind kind = CellKind::Outside;
    int position = 0;    // quotation position 1..L (0 outside)
    int number = 0;      // letter number (Letter only)
    std::string text;    // the letter in capitals, or the character (Other)
    bool given = false;  // a letter no answer takes: printed on the puzzle, so given
    std::string owner;   // label of the answer that takes the letter
};

struct ExportClue {
    std::string label;   // A .. Z, AA .. XX
    std::string clue;    // the question
    std::string answer;  // the answer in capitals, as typed (spaces, hyphens, gaps)
    // The answer with every letter that the grid supplies written as "_":
    // the other characters are gaps (letters the stock could not supply,
    // given to the solver) and non-letters. cells holds one grid cell per
    // "_", in answer order.
    std::string pattern;
    std::vector<GridPoint> cells;
    std::string typedAnswer;  // the answer as the author typed it (case kept)

    // True when the answer has a letter the grid does not supply.
    bool hasGap() const;
    // The question as a solver sees it: with a gap, the whole pattern is
    // added, one character after another ("Spot (_ _ E)"), so that every
    // letter of the answer is in view although only the grid letters have
    // cells. A space of the answer shows as "/".
    std::string solverText() const;
};

struct ExportPuzzle {
    std::string title;         // empty when the header prints no title
    std::string author;        // the created-by text, empty when not printed
    std::string quotation;     // as typed (case kept)
    std::string quotationBy;   // the quotation's author and work, empty when not given
    std::string instructions;  // the one-line instructions under the grid
    std::string crostic;       // as typed, "~" cut-off mark included
    bool nameLine = false;     // the three header options
    bool periodDateLine = false;
    bool miniInstructions = false;
    int width = 0;                  // grid columns
    int height = 0;                 // grid rows
    std::vector<ExportCell> cells;  // row by row, width x height
    std::vector<ExportClue> clues;  // slots 1..questionCount

    const ExportCell& at(int column, int row) const {
        return cells[static_cast<std::size_t>(row * width + column)];
    }
};

// What a solving program shows when the puzzle is solved: the quotation
// and, when given, its author ("... — Henry David Thoreau, Walden").
std::string completionMessage(const ExportPuzzle& puzzle);

// The grid is the printed one (computeGridGeometry of the quotation length):
// cell i in reading order holds quotation character i - leadingBlanks.
// Throws ExportError when no quotation is registered.
ExportPuzzle buildExportPuzzle(const Document& doc);

}  // namespace qbrx
