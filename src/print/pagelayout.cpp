// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagelayout.h"

#include <exception>

#include "gridcells.h"
#include "numeric.h"
#include "text.h"

namespace qbrx {

namespace {

std::int16_t i16(double v) { return toInt16(v); }

// Character n (counting from 1) of s as a one-character text, "" past its end.
std::string nthCharacter(const std::string& s, int n) {
    return n >= 1 && n <= static_cast<int>(s.size()) ? std::string(1, s[static_cast<std::size_t>(n - 1)])
                                                     : std::string();
}

}  // namespace

PagePrinter::PagePrinter(const Document& doc, PrintSurface& surface, const PageValues& page,
                         const PrintOptions& options)
    : doc_(doc), s_(surface), page_(page), options_(options) {}

bool PagePrinter::printDoc() {
    try {
        plan_ = PagePlanner(doc_, s_, page_, options_).plan();
        for (const PlacedText& text : plan_.header) printPlaced(text);
        printGrid();
        for (const PlacedText& text : plan_.instructions) printPlaced(text);
        for (const Placement& at : plan_.questions.placements)
            if (at.page == 1) printQuestion(at);
        if (plan_.crostic) printCrostic();
        for (int p = 2; p <= plan_.questions.pageCount; ++p) {
            s_.newPage();
            for (const PlacedText& text : plan_.shortHeader) printPlaced(text);
            for (const Placement& at : plan_.questions.placements)
                if (at.page == p) printQuestion(at);
        }
        s_.endDoc();
        return true;
    } catch (const std::exception&) {
        // The rest of the page is abandoned and the job is not ended.
        return false;
    }
}

// --- Drawing primitives -------------------------------------------------------

void PagePrinter::printAt(int x, int y, const std::string& text, int size) {
    s_.setFontSize(size);
    printAtXY(x, y, text);
    s_.setFontSize(10);
}

void PagePrinter::printAtXY(int x, int y, const std::string& text) {
    s_.setCurrentX(x);
    s_.setCurrentY(y);
    s_.printText(text);
}

void PagePrinter::printPlaced(const PlacedText& text) {
    s_.setFontName(text.font);
    s_.setFontBold(text.bold);
    s_.setFontItalic(text.italic);
    printAt(text.x, text.y, text.text, text.size);
}

// --- Quotation grid ---------------------------------------------------------

void PagePrinter::printGrid() {
    s_.setTransparentText(true);
    s_.setFontName("Arial");
    s_.setFontBold(false);
    s_.setFontItalic(false);
    const GridGeometry& geometry = plan_.grid.geometry;
    const std::int16_t cell = static_cast<std::int16_t>(geometry.cellSize);
    const std::int16_t x0 = plan_.grid.left;
    for (const GridCell& gc : gridCells(doc_, geometry)) {
        const std::int16_t x = i16(gc.column * cell + x0);
        const std::int16_t y = i16(gc.row * cell + plan_.grid.top);
        std::string number, label;
        // The puzzle shows the stock's letters; the key every letter of
        // the quotation, with its owner's label.
        std::string s = gc.stock;
        int ch = gc.stockCode();
        if (options_.key) {
            s = gc.character;
            ch = s.empty() ? 32 : upperChar(static_cast<unsigned char>(s[0]));
            label = gc.ownerLabel;
        }
        bool black = false;
        if (ch > 90) {
            number = std::to_string(gc.number);
            s.clear();
            label = gc.ownerLabel;
        } else if (ch >= 65) {
            number = std::to_string(gc.number);
        } else if (ch < 33) {
            s.clear();
            s_.filledBox(x, y, x + cell, y + cell);
            black = true;
        }
        if (!black) s_.box(x, y, x + cell, y + cell);

        s_.setFontSize(geometry.numberFont - 1);
        const std::int16_t numberY = i16(y + geometry.numberOffset - 40);
        printAtXY(i16(x + 16), numberY, number);
        if (!label.empty()) printOwnerLabel(x, numberY, cell, number, label, geometry.numberFont - 1);
        s_.setFontSize(geometry.letterFont);
        const float ws = s_.textWidth(s);
        printAtXY(i16(x + (cell - static_cast<double>(ws)) / 2.0),
                  i16(y + cell - geometry.letterOffset - 340), s);
    }
}

// The label of the answer that took a cell's letter, at the number's height:
// centred in a one- or two-letter slot 30 inside the cell's right edge.
// Where that comes closer to the number than a clear gap (a three-digit
// number and a wide two-letter label in a small cell), it moves to the
// right edge and, if need be, is set smaller.
void PagePrinter::printOwnerLabel(int x, int y, int cell, const std::string& number, const std::string& label,
                                  int size) {
    constexpr int kGap = 36, kInset = 16, kTightInset = 8, kMinSize = 4;
    const float w = s_.textWidth(label.size() == 1   ? std::string("W")
                                 : label.size() == 2 ? std::string("WW")
                                                     : label);
    const float wl = s_.textWidth(label);
    double left = x + cell - static_cast<double>(w) + roundHalfEven((w - wl) / 2.0) - 30;
    const double numberEnd = x + 16 + static_cast<double>(s_.textWidth(number));
    for (int points = size; left < numberEnd + kGap && points >= kMinSize; --points) {
        s_.setFontSize(points);
        left =
            x + cell - (points == kMinSize ? kTightInset : kInset) - static_cast<double>(s_.textWidth(label));
    }
    printAtXY(i16(left), y, label);
    s_.setFontSize(size);
}

// --- Questions and answer blanks --------------------------------------------

void PagePrinter::printQuestion(const Placement& at) {
    const auto slot = static_cast<std::size_t>(at.question);
    const QuestionLayout& layout = at.layout;
    const std::int16_t x = i16(at.x);
    const std::int16_t y = i16(at.y);
    s_.setFontBold(false);
    s_.setFontItalic(false);

    // Label, ending at x + 640.
    s_.setFontName("Times New Roman");
    const std::string& prefix = listPrefix[slot];
    s_.setFontSize(14);
    printAt(i16(x + 640 - i16(s_.textWidth(prefix))), i16(y - 300), prefix, 14);

    // Question text under the blanks.
    s_.setFontName("Arial");
    s_.setFontSize(layout.textSize);
    for (std::size_t i = 0; i < layout.lines.size(); ++i) {
        if (layout.lines[i].empty()) continue;
        printAtXY(i16(x + 640), i16(y + 90 + static_cast<double>(i) * layout.lineHeight[i]), layout.lines[i]);
    }

    // Answer blanks.
    const std::string& answer = doc_.answer[slot];
    const std::string& marks = doc_.answerMarks[slot];
    const int n = static_cast<int>(answer.size());
    const std::int16_t spacing = layout.blankSpacing;
    const std::int16_t stepWidth = i16(spacing + 60);
    const int firstRow = page_.blanksInFirstRow(spacing);
    std::int16_t bx = i16(x + 640);
    std::int16_t by = i16(y - 45);
    for (int i = 1; i <= n; ++i) {
        if (i == firstRow + 1) {
            bx = i16(bx - stepWidth * (n - firstRow));
            by = i16(by + static_cast<double>(plan_.questions.rowGap) + 150);
        }
        const std::string mark = upper(nthCharacter(marks, i));
        const int ch = mark.empty() ? 32 : static_cast<unsigned char>(mark[0]);
        if (ch == '_') {
            const int number = i <= kAnswerCells ? doc_.answerLetterNo[slot][static_cast<std::size_t>(i)] : 0;
            const std::string digits = std::to_string(number);
            s_.setFontSize(6);
            const std::int16_t w = i16(s_.textWidth(digits));
            printAt(i16(bx + (spacing - w) / 2.0), i16(by + 20), digits, 6);
            if (options_.key) {
                s_.setFontName("Times New Roman");
                s_.setFontSize(11);
                s_.setFontItalic(true);
                const std::string letter = upper(nthCharacter(answer, i));
                const float wl = s_.textWidth(letter);
                printAtXY(i16(bx + (spacing - static_cast<double>(wl)) / 2.0), i16(by - 245), letter);
                s_.setFontItalic(false);
                s_.setFontName("Arial");
                s_.setFontSize(10);
            }
            s_.line(bx, by, bx + spacing, by);
        } else if (ch >= 65) {
            // A gap: the letter is supplied, on the puzzle and the key.
            s_.setFontSize(12);
            s_.setFontItalic(true);
            const float wl = s_.textWidth(mark);
            printAtXY(i16(bx + (spacing - static_cast<double>(wl)) / 2.0), i16(by - 245), mark);
            s_.setFontItalic(false);
            s_.line(bx, by, bx + spacing, by);
        } else if (ch != ' ') {
            s_.setFontSize(14);
            s_.setFontItalic(false);
            printAtXY(i16(bx + 100), i16(by - 240), mark);
        }
        bx = i16(bx + stepWidth);
    }
}

// --- Crostic block and credit line --------------------------------------------

void PagePrinter::printCrostic() {
    const CrosticPlan& block = plan_.crosticBlock;
    s_.box(block.left, block.top, block.right, block.bottom);
    printPlaced(block.instruction);
    for (const CrosticBlank& blank : block.blanks) {
        s_.line(blank.x, blank.y, blank.x + 250, blank.y);
        printPlaced(blank.label);
        printPlaced(blank.letter);
    }
    printPlaced(block.credit);
}

}  // namespace qbrx
