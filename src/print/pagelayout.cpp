#include "pagelayout.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "numeric.h"
#include "text.h"

namespace qbrx {

namespace {

constexpr int kHeaderRight = 10800;       // right edge of the header blanks
constexpr int kInstructionsCentre = 5750; // centre of the mini-instructions line

std::int16_t i16(double v) { return toInt16(v); }

int len(const std::string& s) { return static_cast<int>(s.size()); }

// Character i (counting from 1) of s as a one-character text, "" past its end.
std::string charAt(const std::string& s, int i) {
    return i >= 1 && i <= len(s) ? std::string(1, s[static_cast<std::size_t>(i - 1)]) : std::string();
}

// The first n characters of s.
std::string left(const std::string& s, int n) { return s.substr(0, static_cast<std::size_t>(std::max(0, n))); }

// s from index `from` (counting from 0) on, "" past its end.
std::string from(const std::string& s, int start) {
    return start < len(s) ? s.substr(static_cast<std::size_t>(std::max(0, start))) : std::string();
}

}  // namespace

PageValues PageValues::fromPageSize(double widthTwips, double heightTwips) {
    PageValues p;
    p.pageWidth = i16(widthTwips);
    p.pageHeight = i16(heightTwips);
    p.bottomLimit = i16(p.pageHeight - 520);
    p.secondColumnX = i16(p.pageWidth / 2.0 - 300);
    p.textWidth = i16(p.secondColumnX - 640);
    return p;
}

PageValues PageValues::fromSurface(const PrintSurface& surface) {
    return fromPageSize(surface.pageWidth(), surface.pageHeight());
}

PagePrinter::PagePrinter(const Document& doc, PrintSurface& surface, const PageValues& page)
    : doc_(doc), s_(surface), page_(page) {}

bool PagePrinter::printDoc() {
    try {
        InitializePrinter();
        geometry = computeGridGeometry(doc_.quoteLength);
        s_.setFontBold(false);
        s_.setFontItalic(false);
        PrintHeader();
        PrintGrid();
        PrintMiniInstructions();
        PrintQuestions();
        if (crosticOn) PrintCrostic();
        s_.endDoc();
        keyMode = false;
        return true;
    } catch (const std::exception&) {
        // The rest of the page is abandoned and the job is not ended.
        keyMode = false;
        return false;
    }
}

// --- Shared primitives ------------------------------------------------------

void PagePrinter::InitializePrinter() {
    s_.setCurrentY(0);
    s_.setFontName("Arial");
    s_.setFontSize(9);
}

void PagePrinter::printAt(int x, int y, const std::string& text, int size) {
    s_.setFontSize(size);
    moveTo(x, y);
    s_.printText(text);
    s_.setFontSize(10);
}

void PagePrinter::moveTo(int x, int y) {
    s_.setCurrentX(x);
    s_.setCurrentY(y);
}

void PagePrinter::printAtXY(int x, int y, const std::string& text) {
    moveTo(x, y);
    s_.printText(text);
}

std::int16_t PagePrinter::getTextWidth(const std::string& text, int size) {
    s_.setFontSize(size);
    return i16(s_.textWidth(text));
}

// --- Header -----------------------------------------------------------------

void PagePrinter::getXcoords(const std::string& title, const std::string& second, const std::string& third) {
    titleX = secondX = thirdX = 0;
    s_.setFontSize(20);
    if (title.empty() || (second.empty() && !third.empty())) return;
    if (!second.empty()) {
        s_.setFontSize(10);
        const float wThird = third.empty() ? 0.0f : s_.textWidth(third);
        const float wSecond = s_.textWidth(second);
        if (!third.empty()) thirdX = i16(kHeaderRight - wThird);
        secondX = i16(kHeaderRight - (static_cast<double>(wThird) + wSecond));
        s_.setFontSize(16);
        titleX = i16((secondX - static_cast<double>(s_.textWidth(title))) / 2.0);
    } else {
        s_.setFontSize(16);
        titleX = i16((kHeaderRight - static_cast<double>(s_.textWidth(title))) / 2.0);
    }
    s_.setFontSize(10);
}

void PagePrinter::PrintHeader() {
    const HeaderValues& h = doc_.header;
    InitializePrinter();
    std::int16_t y = 250;
    if (h.titleGiven) {
        if (!h.nameLine && !h.periodDateLine) {
            getXcoords(h.title, "", "");
            s_.setFontBold(true);
            printAt(titleX, i16(y + 30), h.title, 16);
            s_.setFontBold(false);
            s_.setFontSize(16);
            y = i16(s_.textHeight(h.title) + 250.0);
            s_.setFontSize(10);
        } else if (h.nameLine) {
            getXcoords(h.title, h.nameBlank, "");
            s_.setFontBold(true);
            printAt(titleX, y, h.title, 16);
            s_.setFontBold(false);
            printAt(secondX, y, h.nameBlank, 10);
            y = i16(y + static_cast<double>(s_.textHeight(h.nameBlank)) + 250.0);
            if (h.periodDateLine) {
                printAt(secondX, y, h.periodBlank, 10);
                // The printer's width as measured, not rounded before the sum.
                printAt(i16(secondX + static_cast<double>(s_.textWidth(h.periodBlank))), y, h.dateBlank, 10);
                y = i16(y + static_cast<double>(s_.textHeight(h.dateBlank)) + 250.0);
            }
        } else {
            getXcoords(h.title, h.periodBlank, h.dateBlank);
            s_.setFontBold(true);
            printAt(titleX, y, h.title, 16);
            s_.setFontBold(false);
            printAt(secondX, y, h.periodBlank, 10);
            printAt(thirdX, y, h.dateBlank, 10);
            y = i16(y + static_cast<double>(s_.textHeight(h.dateBlank)) + 250.0);
        }
    }
    if (h.createdByGiven) {
        s_.setFontSize(8);
        s_.setFontItalic(true);
        y = i16(y + 200);
        printAt(220, y, "Created by " + h.createdBy, 8);
        y = i16(y + static_cast<double>(s_.textHeight(h.createdBy)));
        s_.setFontSize(10);
        s_.setFontItalic(false);
    }
    headerBottom = y;
}

// --- Quotation grid ---------------------------------------------------------

void PagePrinter::PrintGrid() {
    s_.setTransparentText(true);
    const std::int16_t cell = i16(geometry.cellSize * 1.2);
    geometry.cellSize = cell;
    const std::int16_t x0 = i16((page_.pageWidth - geometry.columns * static_cast<double>(cell)) / 2.0 / 2.0);
    const std::string& pool = doc_.letterPool;
    const std::string& quote = doc_.quotation;

    // The label of the answer that took position n; none for a free one.
    auto ownerLabel = [&](int n) -> std::string {
        if (n < 1 || n > len(pool) || n >= static_cast<int>(doc_.positionOwner.size())) return {};
        if (pool[static_cast<std::size_t>(n - 1)] != '_') return {};
        const int owner = doc_.positionOwner[static_cast<std::size_t>(n)];
        return owner >= 0 && owner < static_cast<int>(questionLetter.size()) ? questionLetter[static_cast<std::size_t>(owner)]
                                                                             : std::string();
    };

    int n = 0;  // position in the quotation
    int m = 0;  // letter number
    int b = geometry.leadingBlanks;
    for (int r = 1; r <= geometry.rows; ++r) {
        for (int c = 1; c <= geometry.columns; ++c) {
            const std::int16_t x = i16((c - 1) * cell + x0);
            const std::int16_t y = i16((r - 1) * cell + headerBottom);
            std::string number, label;
            ++n;
            std::string s = charAt(pool, n);
            int ch = s.empty() ? 32 : static_cast<unsigned char>(s[0]);
            if (keyMode) {
                s = charAt(quote, n);
                ch = s.empty() ? 32 : upperChar(static_cast<unsigned char>(s[0]));
                label = ownerLabel(n);
            }
            if (b > 0) {
                --b;
                ch = 32;
                label.clear();
                --n;
            }
            bool black = false;
            if (ch > 90) {
                ++m;
                number = std::to_string(m);
                s.clear();
                label = ownerLabel(n);
            } else if (ch >= 65) {
                ++m;
                number = std::to_string(m);
            } else if (ch < 33) {
                s.clear();
                s_.filledBox(x, y, x + cell, y + cell);
                black = true;
            }
            if (!black) s_.box(x, y, x + cell, y + cell);

            s_.setFontSize(geometry.numberFont - 1);
            const std::int16_t numberY = i16(y + geometry.numberOffset - 40);
            printAtXY(i16(x + 16), numberY, number);
            if (!label.empty()) {
                const float w = s_.textWidth(label.size() == 1 ? std::string("W")
                                             : label.size() == 2 ? std::string("WW")
                                                                 : label);
                const float wl = s_.textWidth(label);
                printAtXY(i16(x + cell - static_cast<double>(w) + roundHalfEven((w - wl) / 2.0) - 30), numberY, label);
            }
            s_.setFontSize(geometry.letterFont);
            const float ws = s_.textWidth(s);
            printAtXY(i16(x + (cell - static_cast<double>(ws)) / 2.0), i16(y + cell - geometry.letterOffset - 340), s);
        }
    }
    gridHeight = i16(geometry.rows * static_cast<double>(cell) + 100);
}

// --- Mini-instructions line ---------------------------------------------------

void PagePrinter::PrintMiniInstructions() {
    const HeaderValues& h = doc_.header;
    const std::string& text = h.instructions;
    if (!text.empty()) {
        s_.setFontName("Times New Roman");
        s_.setFontSize(9);
        if (h.miniInstructions) {
            const float w = s_.textWidth(text);
            printAtXY(i16(kInstructionsCentre - w / 2.0), i16(headerBottom + gridHeight - 25), text);
        }
    }
    miniInstructionsHeight = i16(static_cast<double>(s_.textHeight(text)) + 250.0);
}

// --- Questions and answer blanks --------------------------------------------

std::string PagePrinter::breakLine(const std::string& text, int limit) {
    if (text == " ") return {};
    // Walk the spaces while the words up to them fit.
    int p0 = 0;
    float w = 0, w0 = 0;
    for (std::size_t p = text.find(' '); p != std::string::npos; p = text.find(' ', p + 1)) {
        w0 = w;
        w = s_.textWidth(left(text, static_cast<int>(p) + 1));
        if (w > limit) break;
        p0 = static_cast<int>(p) + 1;
    }
    if (w0 < 720) {
        // Too little before the break: cut inside the text with a hyphen.
        int i = 8;
        while (i < len(text) && s_.textWidth(left(text, i)) <= limit - 140) ++i;
        p0 = i - 1;
        return left(text, p0) + "-";
    }
    return left(text, p0) + " ";
}

std::int16_t PagePrinter::measureQuestion(int q, int size) {
    const std::string& question = doc_.question[static_cast<std::size_t>(q)];
    const int answerLength = len(doc_.answer[static_cast<std::size_t>(q)]);
    const int c1 = page_.textWidth / 400;
    const int c2 = page_.textWidth / 320;
    blankSpacing = 340;
    std::int16_t limit = page_.textWidth;
    if (answerLength > c1) blankSpacing = 260;
    if (answerLength > c2) limit = i16(page_.textWidth - (answerLength - c2) * 320);

    s_.setFontName("Arial");
    s_.setFontSize(size);
    std::string lines[3];
    std::string rest = question;
    if (s_.textWidth(question) > limit) {
        for (int i = 0; i < 3; ++i) {
            if (i > 0 && !(s_.textWidth(rest) > limit)) break;
            std::string line = breakLine(rest, limit);
            rest = from(rest, len(line) - 1);
            lines[i] = line + '\r';
        }
    }
    double h = 0;
    for (const std::string& line : lines) h += s_.textHeight(line);
    h += s_.textHeight(rest);
    wrappedQuestion = lines[0] + lines[1] + lines[2] + rest;
    return i16(h);
}

std::int32_t PagePrinter::measureQuestions(std::int32_t a, int b, int size) {
    s_.setFontName("Arial");
    s_.setFontSize(size);
    const int count = std::clamp(doc_.questionCount, 0, kMaxSlots);
    std::int32_t total = 0;
    cumulativeHeight.fill(0);
    for (int q = 1; q <= count; ++q) {
        total += a + b + measureQuestion(q, size);
        cumulativeHeight[static_cast<std::size_t>(q)] = total;
    }
    columnBreak = 0;
    for (int q = 1; q <= count; ++q) {
        if (cumulativeHeight[static_cast<std::size_t>(q)] > (total - 360) / 2.0) {
            columnBreak = static_cast<std::int16_t>(q);
            break;
        }
    }
    return total;
}

void PagePrinter::PrintQuestions() {
    const int count = std::clamp(doc_.questionCount, 0, kMaxSlots);
    const std::int16_t top = i16(headerBottom + gridHeight + miniInstructionsHeight);
    const std::int16_t bottom = i16(page_.bottomLimit - 240 - (doc_.crostic.empty() ? 0 : 2650));
    const std::int16_t available = i16(bottom - top);

    const int cell = geometry.cellSize;
    int size = cell == 384 ? 10 : cell <= 432 ? 9 : 12;
    gapA = 360;
    gapB = 180;

    std::int32_t height = 0;  // H: the taller column
    int taller = 0;           // m: its number of questions
    auto measure = [&] {
        const std::int32_t total = measureQuestions(gapA, gapB, size);
        const std::int32_t col1 = cumulativeHeight[static_cast<std::size_t>(columnBreak)];
        const std::int32_t col2 = total - col1;
        height = col2 > col1 ? col2 : col1;
        taller = col2 > col1 ? count - columnBreak : columnBreak;
    };
    measure();

    // Shrink in steps while the taller column does not fit.
    if (height > available) {
        height -= 40 * taller;
        gapA = 320;
        size = 8;
    }
    if (height > available) {
        height -= 40 * taller;
        gapA = 280;
    }
    if (height > available) {
        gapB = 140;
        measure();
    }
    for (int a : {240, 200, 160}) {
        if (height > available) {
            height -= 40 * taller;
            gapA = a;
        }
    }
    questionSize = size;

    extraSpacing = columnBreak > 0 ? i16((available - static_cast<double>(height)) / columnBreak) : 0;
    if (extraSpacing > 200) extraSpacing = 10;

    const std::int16_t columnTop = i16(top + static_cast<double>(gapA));
    std::int16_t x = 0;
    std::int16_t y = columnTop;
    for (int q = 1; q <= count; ++q) {
        const auto slot = static_cast<std::size_t>(q);
        const std::int16_t h = measureQuestion(q, size);
        std::string lines[4];
        {
            int i = 0;
            for (char c : wrappedQuestion) {
                if (c == '\r') {
                    if (i < 3) ++i;
                    continue;
                }
                lines[i] += c;
            }
        }
        if (q == columnBreak + 1) {
            x = page_.secondColumnX;
            y = columnTop;
        }
        const std::int16_t step = i16(h + static_cast<double>(gapA) + gapB + 50);

        // Label, ending at x + 640.
        s_.setFontName("Times New Roman");
        const std::string& prefix = listPrefix[slot];
        printAt(i16(x + 640 - getTextWidth(prefix, 14)), i16(y - 300), prefix, 14);

        // Question text under the blanks.
        s_.setFontName("Arial");
        s_.setFontSize(size);
        for (int i = 0; i < 4; ++i) {
            if (lines[i].empty()) continue;
            printAtXY(i16(x + 640), i16(y + 90 + i * static_cast<double>(s_.textHeight(lines[i]))), lines[i]);
        }

        // Answer blanks.
        const std::string& answer = doc_.answer[slot];
        const std::string& marks = doc_.answerMarks[slot];
        const int n = len(answer);
        const std::int16_t stepWidth = i16(blankSpacing + 60);
        const int firstRow = static_cast<int>(std::floor(page_.textWidth / static_cast<double>(stepWidth) + 1)) - 1;
        std::int16_t bx = i16(x + 640);
        std::int16_t by = i16(y - 45);
        for (int i = 1; i <= n; ++i) {
            if (i == firstRow + 1) {
                bx = i16(bx - stepWidth * (n - firstRow));
                by = i16(by + static_cast<double>(gapA) + 150);
            }
            const std::string mark = upper(charAt(marks, i));
            const int ch = mark.empty() ? 32 : static_cast<unsigned char>(mark[0]);
            if (ch == '_') {
                const int number = i <= kAnswerCells ? doc_.answerLetterNo[slot][static_cast<std::size_t>(i)] : 0;
                const std::string digits = std::to_string(number);
                const std::int16_t w = getTextWidth(digits, 6);
                printAt(i16(bx + (blankSpacing - w) / 2.0), i16(by + 20), digits, 6);
                if (keyMode) {
                    s_.setFontName("Times New Roman");
                    s_.setFontSize(11);
                    s_.setFontItalic(true);
                    const std::string letter = upper(charAt(answer, i));
                    const float wl = s_.textWidth(letter);
                    printAtXY(i16(bx + (blankSpacing - static_cast<double>(wl)) / 2.0), i16(by - 245), letter);
                    s_.setFontItalic(false);
                    s_.setFontName("Arial");
                    s_.setFontSize(10);
                }
                s_.line(bx, by, bx + blankSpacing, by);
            } else if (ch >= 65) {
                // A gap: the letter is supplied, on the puzzle and the key.
                s_.setFontSize(12);
                s_.setFontItalic(true);
                const float wl = s_.textWidth(mark);
                printAtXY(i16(bx + (blankSpacing - static_cast<double>(wl)) / 2.0), i16(by - 245), mark);
                s_.setFontItalic(false);
                s_.line(bx, by, bx + blankSpacing, by);
            } else if (ch != ' ') {
                s_.setFontSize(14);
                s_.setFontItalic(false);
                printAtXY(i16(bx + 100), i16(by - 240), mark);
            }
            bx = i16(bx + stepWidth);
        }
        y = i16(y + static_cast<double>(step) + extraSpacing);
    }
}

// --- Crostic block and credit line --------------------------------------------

void PagePrinter::PrintCrostic() {
    const std::int16_t yTop = i16(page_.pageHeight - 2500);
    const std::int16_t xRight = i16(page_.pageWidth - 750);
    const std::string& crostic = doc_.crostic;
    const std::size_t tilde = crostic.find('~');
    const int shown = tilde == std::string::npos ? len(crostic) : static_cast<int>(tilde);

    s_.box(240, yTop, xRight, i16(yTop + 825));
    std::int16_t w = getTextWidth(kCrosticInstruction, 7);
    printAtXY(i16((xRight - 240 - w) / 2.0 + 240), i16(yTop + 70), kCrosticInstruction);

    const std::int16_t x0 = i16((xRight - 240 - 350.0 * shown) / 2.0);
    s_.setFontSize(10);
    int letters = 0;
    for (int i = 1; i <= len(crostic); ++i) {
        const auto ch = static_cast<unsigned char>(crostic[static_cast<std::size_t>(i - 1)]);
        const std::int16_t xa = i16(x0 + (i - 1) * 350.0 + 300);
        const std::int16_t xb = i16(x0 + (i - 1) * 350.0 + 550);
        s_.line(xa, i16(yTop + 575), xb, i16(yTop + 575));

        // A letter's blank carries the label of the question whose answer
        // supplies it: the letters of the crostic belong to questions 1, 2,
        // 3 ... in order, and other characters to none.
        std::string label;
        if (isAlphabetLetter(ch)) {
            ++letters;
            if (letters < static_cast<int>(questionLetter.size()))
                label = questionLetter[static_cast<std::size_t>(letters)];
        }
        printAtXY(i16(xa + (250 - static_cast<double>(s_.textWidth(label))) / 2.0), i16(yTop + 585), label);

        if (!isAlphabetLetter(ch) || keyMode) {
            s_.setFontItalic(true);
            const std::string letter(1, static_cast<char>(upperChar(ch)));
            printAtXY(i16(xa + (250 - static_cast<double>(s_.textWidth(letter))) / 2.0), i16(yTop + 330), letter);
            s_.setFontItalic(false);
        }
        if (i < len(crostic) && crostic[static_cast<std::size_t>(i)] == '~') break;
    }

    w = getTextWidth(kCreditLine, 8);
    printAtXY(i16((xRight - 240 - w) / 2.0 + 240), i16(yTop + 855), kCreditLine);
}

}  // namespace qbrx
