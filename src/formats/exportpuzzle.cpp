// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportpuzzle.h"

#include <array>

#include "gridcells.h"
#include "gridgeometry.h"
#include "text.h"

namespace qbrx {

namespace {

std::string utf8Char(unsigned char c) { return cp1252ToUtf8(std::string(1, static_cast<char>(c))); }

bool isBlankCharacter(unsigned char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

bool ExportClue::hasGap() const {
    // The pattern is UTF-8: a gap is any letter left in it (ASCII or not).
    for (const char ch : pattern) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80 || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    }
    return false;
}

std::string ExportClue::solverText() const {
    if (!hasGap()) return clue;
    std::string shown;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const auto c = static_cast<unsigned char>(pattern[i]);
        if ((c & 0xC0) == 0x80) {  // a continuation byte stays with its character
            shown += pattern[i];
            continue;
        }
        if (!shown.empty()) shown += ' ';
        shown += c == ' ' ? '/' : pattern[i];
    }
    return clue + (clue.empty() ? "(" : " (") + shown + ")";
}

std::string completionMessage(const ExportPuzzle& puzzle) {
    return puzzle.quotationBy.empty() ? puzzle.quotation : puzzle.quotation + " \u2014 " + puzzle.quotationBy;
}

ExportPuzzle buildExportPuzzle(const Document& doc) {
    const int length = static_cast<int>(doc.quotation.size()) < doc.quoteLength
                           ? static_cast<int>(doc.quotation.size())
                           : doc.quoteLength;
    if (length <= 0) throw ExportError(kNothingToExportMessage);

    ExportPuzzle out;
    if (doc.header.titleGiven) out.title = cp1252ToUtf8(doc.header.title);
    if (doc.header.createdByGiven) out.author = cp1252ToUtf8(doc.header.createdBy);
    out.quotation = cp1252ToUtf8(doc.quotation.substr(0, static_cast<std::size_t>(length)));
    out.quotationBy = cp1252ToUtf8(doc.header.quotationBy);
    out.instructions = cp1252ToUtf8(doc.header.instructions);
    out.crostic = cp1252ToUtf8(doc.crostic);
    out.nameLine = doc.header.nameLine;
    out.periodDateLine = doc.header.periodDateLine;
    out.miniInstructions = doc.header.miniInstructions;

    const GridGeometry g = computeGridGeometry(length);
    out.width = g.columns;
    out.height = g.rows;
    out.cells.resize(static_cast<std::size_t>(g.rows * g.columns));

    // Letter number -> grid cell, for mapping the answers.
    std::array<int, 256> cellOfNumber;
    cellOfNumber.fill(-1);

    for (const GridCell& gc : gridCells(doc, g)) {
        const int i = gc.row * g.columns + gc.column;
        ExportCell& cell = out.cells[static_cast<std::size_t>(i)];
        if (gc.outside() || gc.position > length) continue;
        const auto c = static_cast<unsigned char>(gc.character[0]);
        cell.position = gc.position;
        if (isNumberedLetter(c)) {
            cell.kind = CellKind::Letter;
            cell.number = gc.number;
            cell.text = utf8Char(upperChar(c));
            cell.given = gc.stock != "_";  // a letter no answer takes is printed, so given
            cell.owner = gc.ownerLabel;
            if (cell.number > 0 && cell.number < 256) cellOfNumber[static_cast<std::size_t>(cell.number)] = i;
        } else if (isBlankCharacter(c)) {
            cell.kind = CellKind::Space;
        } else {
            cell.kind = CellKind::Other;
            cell.text = utf8Char(c);
        }
    }

    for (int q = 1; q <= doc.questionCount && q <= kMaxSlots; ++q) {
        ExportClue clue;
        clue.label = questionLetter[static_cast<std::size_t>(q)];
        clue.clue = cp1252ToUtf8(doc.question[static_cast<std::size_t>(q)]);
        const std::string answer = upper(doc.answer[static_cast<std::size_t>(q)]);
        clue.answer = cp1252ToUtf8(answer);
        clue.typedAnswer = cp1252ToUtf8(doc.answer[static_cast<std::size_t>(q)]);
        std::string pattern;
        for (std::size_t k = 1; k <= answer.size(); ++k) {
            const int number = k <= static_cast<std::size_t>(kAnswerCells)
                                   ? doc.answerLetterNo[static_cast<std::size_t>(q)][k]
                                   : 0;
            const int cell = number > 0 && number < 256 ? cellOfNumber[static_cast<std::size_t>(number)] : -1;
            if (cell >= 0) {
                pattern += '_';
                clue.cells.push_back({cell % g.columns, cell / g.columns});
            } else {
                pattern += answer[k - 1];  // a gap keeps its letter; non-letters stay
            }
        }
        clue.pattern = cp1252ToUtf8(pattern);
        out.clues.push_back(std::move(clue));
    }
    return out;
}

}  // namespace qbrx
