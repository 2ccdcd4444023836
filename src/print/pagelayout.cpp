#include "pagelayout.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <exception>

#include "gridcells.h"
#include "numeric.h"
#include "text.h"

namespace qbrx {

namespace {

constexpr int kHeaderRight = 10800;       // right edge of the header blanks
constexpr int kInstructionsCentre = 5750; // centre of the mini-instructions line
// The width those two were made for (Letter inside quarter-inch margins);
// on a narrower page they move in proportion.
constexpr int kFullWidth = 11520;
// A question reaches this far above its y: its label is printed 300 above,
// and the top 40 twips of the label's line hold no ink.
constexpr int kLabelRise = 260;
constexpr int kMinQuestionSize = 7;
// The closest the second row of answer blanks comes under the first (its
// letters would otherwise touch the first row's numbers).
constexpr int kMinRowGap = 240;
// No line of the page holds more characters than this; longer texts are
// laid out from their start only.
constexpr std::size_t kFitCap = 2000;
const std::string kEllipsis = "\x85";

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
        if (keyMode) PrintQuotationBy();
        PrintQuestions();
        if (crosticOn) PrintCrostic();
        for (int p = 2; p <= pageCount; ++p) {
            s_.newPage();
            PrintShortHeader();
            for (const Placement& at : placements)
                if (at.page == p) printQuestion(at.question, at.x, at.y);
        }
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

// --- Fitting text into its room ----------------------------------------------

int PagePrinter::headerRight() const {
    if (page_.pageWidth >= kFullWidth) return kHeaderRight;
    return static_cast<int>(roundHalfEven(kHeaderRight * static_cast<double>(page_.pageWidth) / kFullWidth));
}

int PagePrinter::instructionsCentre() const {
    if (page_.pageWidth >= kFullWidth) return kInstructionsCentre;
    return static_cast<int>(
        roundHalfEven(kInstructionsCentre * static_cast<double>(page_.pageWidth) / kFullWidth));
}

std::size_t PagePrinter::fittingPrefix(const std::string& text, double room, bool words) {
    std::size_t lo = 0, hi = std::min(text.size(), kFitCap);
    while (lo < hi) {  // widths grow with the prefix
        const std::size_t mid = (lo + hi + 1) / 2;
        if (s_.textWidth(text.substr(0, mid)) <= room)
            lo = mid;
        else
            hi = mid - 1;
    }
    if (!words || lo >= text.size() || text[lo] == ' ') return lo;
    const std::size_t space = text.rfind(' ', lo);
    return space != std::string::npos && space > 0 ? space : lo;
}

namespace {

std::string trimSpaces(std::string s) {
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace

PagePrinter::Fitted PagePrinter::fitText(const std::string& text, double room, int size, int minSize) {
    const bool capped = text.size() > kFitCap;
    const std::string t = capped ? text.substr(0, kFitCap) : text;
    for (int points = size; points >= minSize; --points) {
        s_.setFontSize(points);
        if (!capped && s_.textWidth(t) <= room) return {{t}, points};
    }
    s_.setFontSize(minSize);
    const std::size_t n = std::max<std::size_t>(1, fittingPrefix(t, room, true));
    const std::string first = trimSpaces(t.substr(0, n));
    std::string rest = trimSpaces(t.substr(std::min(n, t.size())));
    if (capped || s_.textWidth(rest) > room) {
        const std::size_t cut = fittingPrefix(rest, room - s_.textWidth(kEllipsis), false);
        rest = trimSpaces(rest.substr(0, cut)) + kEllipsis;
    }
    return {{first, rest}, minSize};
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
        if (!third.empty()) thirdX = i16(headerRight() - wThird);
        secondX = i16(headerRight() - (static_cast<double>(wThird) + wSecond));
        s_.setFontSize(16);
        titleX = i16((secondX - static_cast<double>(s_.textWidth(title))) / 2.0);
    } else {
        s_.setFontSize(16);
        titleX = i16((headerRight() - static_cast<double>(s_.textWidth(title))) / 2.0);
    }
    s_.setFontSize(10);
}

void PagePrinter::PrintHeader() {
    const HeaderValues& h = doc_.header;
    InitializePrinter();
    std::int16_t y = 250;
    if (h.titleGiven) {
        int titleBottom = 0;  // below a wrapped title
        if (!h.nameLine && !h.periodDateLine) {
            printTitle(y + 30, "", "", titleBottom);
            s_.setFontSize(16);
            y = i16(s_.textHeight(h.title) + 250.0);
            s_.setFontSize(10);
            if (titleBottom > 0) y = i16(std::max<int>(y, titleBottom - 30));
        } else if (h.nameLine) {
            printTitle(y, h.nameBlank, "", titleBottom);
            printAt(secondX, y, h.nameBlank, 10);
            y = i16(y + static_cast<double>(s_.textHeight(h.nameBlank)) + 250.0);
            if (h.periodDateLine) {
                printAt(secondX, y, h.periodBlank, 10);
                // The printer's width as measured, not rounded before the sum.
                printAt(i16(secondX + static_cast<double>(s_.textWidth(h.periodBlank))), y, h.dateBlank, 10);
                y = i16(y + static_cast<double>(s_.textHeight(h.dateBlank)) + 250.0);
            }
        } else {
            printTitle(y, h.periodBlank, h.dateBlank, titleBottom);
            printAt(secondX, y, h.periodBlank, 10);
            printAt(thirdX, y, h.dateBlank, 10);
            y = i16(y + static_cast<double>(s_.textHeight(h.dateBlank)) + 250.0);
        }
        if (titleBottom > 0 && (h.nameLine || h.periodDateLine)) y = i16(std::max<int>(y, titleBottom + 120));
    }
    if (h.createdByGiven) {
        s_.setFontSize(8);
        s_.setFontItalic(true);
        y = i16(y + 200);
        const std::string text = "Created by " + h.createdBy;
        const Fitted fitted = fitText(text, headerRight() - 220, 8, 6);
        double below = 0;  // what a wrapped line needs below y
        if (fitted.lines.size() == 1 && fitted.size == 8) {
            printAt(220, y, text, 8);
        } else {
            s_.setFontSize(fitted.size);
            const double line = s_.textHeight("C");
            below = line * static_cast<double>(fitted.lines.size());
            for (std::size_t i = 0; i < fitted.lines.size(); ++i)
                printAt(220, i16(y + line * static_cast<double>(i)), fitted.lines[i], fitted.size);
        }
        y = i16(y + std::max(static_cast<double>(s_.textHeight(h.createdBy)), below));
        s_.setFontSize(10);
        s_.setFontItalic(false);
    }
    headerBottom = y;
}

// The title in bold, centred left of the blanks `second` and `third` (or on
// the header's width without them), at 16 points when it fits; otherwise
// shrunk, wrapped or cut (fitText). Sets the header x positions; `bottom`
// is the foot of a title of two lines, 0 for one line.
void PagePrinter::printTitle(int y, const std::string& second, const std::string& third, int& bottom) {
    const std::string& title = doc_.header.title;
    const int right = headerRight();
    s_.setFontSize(10);
    double end = right;  // where the blanks start
    if (!second.empty())
        end =
            right - ((third.empty() ? 0.0 : static_cast<double>(s_.textWidth(third))) + s_.textWidth(second));
    const double room = second.empty() ? end : end - 200;
    s_.setFontBold(true);
    const Fitted fitted = fitText(title, room, 16, 12);
    s_.setFontBold(false);
    bottom = 0;
    if (fitted.lines.size() == 1 && fitted.size == 16) {
        getXcoords(title, second, third);
        s_.setFontBold(true);
        printAt(titleX, y, title, 16);
        s_.setFontBold(false);
        return;
    }
    getXcoords(fitted.lines.front(), second, third);  // the blanks' places
    s_.setFontBold(true);
    s_.setFontSize(fitted.size);
    const double line = s_.textHeight("T");
    double top = y;
    for (const std::string& text : fitted.lines) {
        s_.setFontSize(fitted.size);
        const double x = (end - static_cast<double>(s_.textWidth(text))) / 2.0;
        if (&text == &fitted.lines.front()) titleX = i16(x);
        printAt(i16(x), i16(top), text, fitted.size);
        top += line;
    }
    s_.setFontBold(false);
    if (fitted.lines.size() > 1) bottom = static_cast<int>(std::ceil(top));
}

void PagePrinter::PrintShortHeader() {
    const HeaderValues& h = doc_.header;
    InitializePrinter();
    s_.setFontBold(false);
    s_.setFontItalic(false);
    double end = headerRight();
    if (h.titleGiven && h.nameLine) {
        end -= getTextWidth(h.nameBlank, 10);
        printAt(i16(end), 250, h.nameBlank, 10);
    }
    const double room = end < headerRight() ? end - 200 : end;
    const std::string title = h.titleGiven ? trimSpaces(h.title) : std::string();
    std::string text = title.empty() ? std::string("Continued") : title + kContinued;
    s_.setFontBold(true);
    Fitted fitted = fitText(text, room, 12, 10);
    if (fitted.lines.size() > 1) {
        s_.setFontSize(10);
        const std::size_t cut = fittingPrefix(title, room - s_.textWidth(kEllipsis + kContinued), false);
        text = trimSpaces(title.substr(0, cut)) + kEllipsis + kContinued;
    } else {
        text = fitted.lines.front();
    }
    s_.setFontSize(fitted.size);
    printAt(i16((end - static_cast<double>(s_.textWidth(text))) / 2.0), 250, text, fitted.size);
    s_.setFontBold(false);
    headerBottom = i16(shortHeaderBottom());
}

int PagePrinter::shortHeaderBottom() {
    s_.setFontBold(true);
    s_.setFontSize(12);
    const double title = s_.textHeight("T");
    s_.setFontBold(false);
    s_.setFontSize(10);
    const double name = s_.textHeight(doc_.header.nameBlank);
    return static_cast<int>(std::ceil(250 + std::max(title, name) + 250));
}

// --- Quotation grid ---------------------------------------------------------

void PagePrinter::PrintGrid() {
    s_.setTransparentText(true);
    const std::int16_t cell = i16(geometry.cellSize * 1.2);
    geometry.cellSize = cell;
    const std::int16_t x0 = i16((page_.pageWidth - geometry.columns * static_cast<double>(cell)) / 2.0 / 2.0);
    for (const GridCell& gc : gridCells(doc_, geometry)) {
        const std::int16_t x = i16(gc.column * cell + x0);
        const std::int16_t y = i16(gc.row * cell + headerBottom);
        std::string number, label;
        // The puzzle shows the stock's letters; the key every letter of
        // the quotation, with its owner's label.
        std::string s = gc.stock;
        int ch = gc.stockCode();
        if (keyMode) {
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
            printAtXY(i16(instructionsCentre() - w / 2.0), i16(headerBottom + gridHeight - 25), text);
        }
    }
    miniInstructionsHeight = i16(static_cast<double>(s_.textHeight(text)) + 250.0);
}

// The quotation's author and work, under the grid's right end on the key
// only: on the puzzle it would give the crostic away.
void PagePrinter::PrintQuotationBy() {
    const std::string& by = doc_.header.quotationBy;
    if (by.empty()) return;
    s_.setFontName("Times New Roman");
    s_.setFontItalic(true);
    const std::string text = "\x97 " + by;  // an em dash in Windows-1252
    const Fitted fitted = fitText(text, headerRight() / 2.0, 9, 7);
    s_.setFontSize(fitted.size);
    const double line = s_.textHeight("C");
    for (std::size_t i = 0; i < fitted.lines.size(); ++i) {
        const float w = s_.textWidth(fitted.lines[i]);
        printAt(i16(headerRight() - w), i16(headerBottom + gridHeight - 25 + line * static_cast<double>(i)),
                fitted.lines[i], fitted.size);
    }
    s_.setFontItalic(false);
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
    const std::string& full = doc_.question[static_cast<std::size_t>(q)];
    const bool capped = full.size() > kFitCap;
    const std::string question = capped ? full.substr(0, kFitCap) : full;
    const int answerLength = len(doc_.answer[static_cast<std::size_t>(q)]);
    const int c1 = page_.textWidth / 400;
    const int c2 = page_.textWidth / 320;
    blankSpacing = 340;
    std::int16_t limit = page_.textWidth;
    if (answerLength > c1) blankSpacing = 260;
    if (answerLength > c2) limit = i16(page_.textWidth - (answerLength - c2) * 320);
    // The text stops short of a second row of blanks.
    const int stepWidth = blankSpacing + 60;
    const int firstRow =
        static_cast<int>(std::floor(page_.textWidth / static_cast<double>(stepWidth) + 1)) - 1;
    if (answerLength > firstRow)
        limit = i16(std::max(320, std::min<int>(limit, (2 * firstRow - answerLength) * stepWidth - 60)));

    s_.setFontName("Arial");
    std::string lines[3];
    std::string rest;
    // Four lines at most; the last one must fit as well.
    auto wrap = [&](int points) {
        s_.setFontSize(points);
        for (std::string& line : lines) line.clear();
        rest = question;
        if (capped || s_.textWidth(question) > limit) {
            for (int i = 0; i < 3; ++i) {
                if (i > 0 && !(s_.textWidth(rest) > limit)) break;
                std::string line = breakLine(rest, limit);
                rest = from(rest, len(line) - 1);
                lines[i] = line + '\r';
            }
        }
        return !capped && !(s_.textWidth(rest) > limit);
    };
    int points = size;
    bool fits = wrap(points);
    while (!fits && points > kMinQuestionSize) fits = wrap(--points);
    if (!fits) rest = rest.substr(0, fittingPrefix(rest, limit - s_.textWidth(kEllipsis), false)) + kEllipsis;

    double h = 0;
    for (const std::string& line : lines) h += s_.textHeight(line);
    h += s_.textHeight(rest);
    wrappedQuestion = lines[0] + lines[1] + lines[2] + rest;
    wrappedSize = points;
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
    const int bandSize = cell == 384 ? 10 : cell <= 432 ? 9 : 12;
    int size = bandSize;
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

    // The questions may reach down to the crostic block, or to the bottom
    // limit without one.
    const int limit = doc_.crostic.empty() ? page_.bottomLimit
                                           : std::min<int>(page_.bottomLimit, page_.pageHeight - 2500 - 90);
    rowGap_ = static_cast<int>(gapA);
    if (!planFits(i16(top + static_cast<double>(gapA)), limit)) {
        // The questions would run into each other or the crostic block: they
        // continue on further pages, spaced as roomily as the steps allow
        // without taking more pages than the closest spacing does.
        struct Spacing {
            int a, b, size;
        };
        const Spacing steps[] = {{160, 140, 8}, {360, 180, bandSize}, {320, 180, 8}, {280, 180, 8},
                                 {280, 140, 8}, {240, 140, 8},        {200, 140, 8}, {160, 140, 8}};
        int fewest = 0;
        for (const Spacing& step : steps) {
            gapA = step.a;
            gapB = static_cast<std::int16_t>(step.b);
            questionSize = step.size;
            extraSpacing = 10;
            rowGap_ = std::max(step.a, kMinRowGap);
            planPages(i16(top + static_cast<double>(gapA)), limit, questionSize);
            if (fewest == 0)
                fewest = pageCount;
            else if (pageCount <= fewest)
                break;
        }
    }
    for (const Placement& at : placements)
        if (at.page == 1) printQuestion(at.question, at.x, at.y);
}

int PagePrinter::questionDepth(int q, int height) {
    s_.setFontName("Arial");
    s_.setFontSize(6);
    const int numbers = static_cast<int>(std::ceil(s_.textHeight("0"))) - 25;
    int depth = std::max(90 + height, numbers);
    const int stepWidth = blankSpacing + 60;
    const int firstRow =
        static_cast<int>(std::floor(page_.textWidth / static_cast<double>(stepWidth) + 1)) - 1;
    if (len(doc_.answer[static_cast<std::size_t>(q)]) > firstRow)
        depth = std::max(depth, rowGap_ + 150 + numbers);
    return depth;
}

// The questions where the one-page layout puts them; true when none
// reaches into the next one or past `limit`.
bool PagePrinter::planFits(int columnTop, int limit) {
    const int count = std::clamp(doc_.questionCount, 0, kMaxSlots);
    placements.clear();
    pageCount = 1;
    bool fits = true;
    int x = 0, y = columnTop, above = INT_MIN;
    for (int q = 1; q <= count; ++q) {
        const int h = measureQuestion(q, questionSize);
        if (q == columnBreak + 1) {
            x = page_.secondColumnX;
            y = columnTop;
            above = INT_MIN;
        }
        placements.push_back({q, 1, x, y});
        const int depth = questionDepth(q, h);
        const int stepWidth = blankSpacing + 60;
        const int firstRow =
            static_cast<int>(std::floor(page_.textWidth / static_cast<double>(stepWidth) + 1)) - 1;
        const bool twoRows = len(doc_.answer[static_cast<std::size_t>(q)]) > firstRow;
        if (y - kLabelRise < above || y + depth > limit || (twoRows && rowGap_ < kMinRowGap)) fits = false;
        above = y + depth;
        y += i16(h + static_cast<double>(gapA) + gapB + 50) + extraSpacing;
    }
    return fits;
}

// Two columns a page, spaced so that no question reaches into the next:
// all on one page when they fit (the columns of about equal height), else
// each column filled in turn and the rest on the next page.
void PagePrinter::planPages(int columnTop, int firstLimit, int size) {
    const int count = std::clamp(doc_.questionCount, 0, kMaxSlots);
    std::vector<int> height(static_cast<std::size_t>(count) + 1), depth(height.size());
    for (int q = 1; q <= count; ++q) {
        const auto i = static_cast<std::size_t>(q);
        height[i] = measureQuestion(q, size);
        depth[i] = questionDepth(q, height[i]);
    }
    auto advance = [&](int q) {
        const auto i = static_cast<std::size_t>(q);
        return std::max(height[i] + static_cast<int>(gapA) + gapB + 50 + extraSpacing, depth[i] + kLabelRise);
    };
    int limit = firstLimit;
    auto columnFits = [&](int first, int last, int top, int bottom) {
        for (int q = first, y = top; q <= last; y += advance(q), ++q)
            if (y + depth[static_cast<std::size_t>(q)] > bottom) return false;
        return true;
    };
    // Places questions from `first` into one column: all up to `last`, or
    // (`whileRoom`) as many as fit, the first one always. Returns the
    // question after the last placed.
    auto fill = [&](int first, int last, int page, int x, int top, bool whileRoom) {
        int y = top, q = first;
        for (; q <= last; ++q) {
            if (whileRoom && q > first && y + depth[static_cast<std::size_t>(q)] > limit) break;
            placements.push_back({q, page, x, y});
            y += advance(q);
        }
        return q;
    };
    placements.clear();
    const int nextTop = shortHeaderBottom() + 300;
    int first = 1, page = 1, top = columnTop;
    while (first <= count) {
        std::int32_t total = 0;
        for (int q = first; q <= count; ++q) total += height[static_cast<std::size_t>(q)] + gapA + gapB;
        int k = first, sum = 0;
        for (; k < count; ++k) {
            sum += height[static_cast<std::size_t>(k)] + static_cast<int>(gapA) + gapB;
            if (sum > (total - 360) / 2.0) break;
        }
        if (columnFits(first, k, top, limit) && columnFits(k + 1, count, top, limit)) {
            fill(first, k, page, 0, top, true);
            fill(k + 1, count, page, page_.secondColumnX, top, true);
            break;
        }
        first = fill(first, count, page, 0, top, true);
        first = fill(first, count, page, page_.secondColumnX, top, true);
        if (first <= count) {
            ++page;
            top = nextTop;
            limit = page_.bottomLimit;
        }
    }
    pageCount = std::max(1, page);
}

void PagePrinter::printQuestion(int q, int xq, int yq) {
    const auto slot = static_cast<std::size_t>(q);
    const std::int16_t x = i16(xq);
    const std::int16_t y = i16(yq);
    measureQuestion(q, questionSize);
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

    // Label, ending at x + 640.
    s_.setFontName("Times New Roman");
    const std::string& prefix = listPrefix[slot];
    printAt(i16(x + 640 - getTextWidth(prefix, 14)), i16(y - 300), prefix, 14);

    // Question text under the blanks.
    s_.setFontName("Arial");
    s_.setFontSize(wrappedSize);
    for (int i = 0; i < 4; ++i) {
        if (lines[i].empty()) continue;
        printAtXY(i16(x + 640), i16(y + 90 + i * static_cast<double>(s_.textHeight(lines[i]))), lines[i]);
    }

    // Answer blanks.
    const std::string& answer = doc_.answer[slot];
    const std::string& marks = doc_.answerMarks[slot];
    const int n = len(answer);
    const std::int16_t stepWidth = i16(blankSpacing + 60);
    const int firstRow =
        static_cast<int>(std::floor(page_.textWidth / static_cast<double>(stepWidth) + 1)) - 1;
    std::int16_t bx = i16(x + 640);
    std::int16_t by = i16(y - 45);
    for (int i = 1; i <= n; ++i) {
        if (i == firstRow + 1) {
            bx = i16(bx - stepWidth * (n - firstRow));
            by = i16(by + static_cast<double>(rowGap_) + 150);
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
}

// --- Crostic block and credit line --------------------------------------------

void PagePrinter::PrintCrostic() {
    const std::int16_t yTop = i16(page_.pageHeight - 2500);
    const std::int16_t xRight = i16(page_.pageWidth - 750);
    const std::string& crostic = doc_.crostic;
    const std::size_t tilde = crostic.find('~');
    const int shown = tilde == std::string::npos ? len(crostic) : static_cast<int>(tilde);

    // The blanks printed: up to the one before a tilde (a tilde in front is
    // printed on the first blank).
    int blanks = len(crostic);
    for (int i = 1; i < len(crostic); ++i)
        if (crostic[static_cast<std::size_t>(i)] == '~') {
            blanks = i;
            break;
        }
    // One row as long as it keeps inside the frame; else two rows, each
    // centred the same way.
    const std::int16_t x0 = i16((xRight - 240 - 350.0 * shown) / 2.0);
    const bool oneRow = blanks == 0 || (x0 + 300 >= 280 && x0 + (blanks - 1) * 350.0 + 550 <= xRight - 40);
    crosticRows = oneRow ? 1 : 2;
    const int firstRow = oneRow ? blanks : (blanks + 1) / 2;
    auto blankStart = [&](int i) {  // i counting from 1
        if (oneRow) return i16(x0 + (i - 1) * 350.0 + 300);
        const int inRow = i <= firstRow ? firstRow : blanks - firstRow;
        const int j = i <= firstRow ? i : i - firstRow;
        return i16(i16((xRight - 240 - 350.0 * inRow) / 2.0) + (j - 1) * 350.0 + 300);
    };
    const int extra = (crosticRows - 1) * 500;  // the frame grows by a row

    s_.box(240, yTop, xRight, i16(yTop + 825 + extra));
    std::int16_t w = getTextWidth(kCrosticInstruction, 7);
    printAtXY(i16((xRight - 240 - w) / 2.0 + 240), i16(yTop + 70), kCrosticInstruction);

    s_.setFontSize(10);
    int letters = 0;
    for (int i = 1; i <= blanks; ++i) {
        const auto ch = static_cast<unsigned char>(crostic[static_cast<std::size_t>(i - 1)]);
        const std::int16_t xa = blankStart(i);
        const std::int16_t xb = i16(xa + 250);
        const std::int16_t y = i16(yTop + (i > firstRow ? 500 : 0));
        s_.line(xa, i16(y + 575), xb, i16(y + 575));

        // A letter's blank carries the label of the question whose answer
        // supplies it: the letters of the crostic belong to questions 1, 2,
        // 3 ... in order, and other characters to none. A label wider than
        // its blank (a double letter) is set smaller until it fits.
        std::string label;
        if (isAlphabetLetter(ch)) {
            ++letters;
            if (letters < static_cast<int>(questionLetter.size()))
                label = questionLetter[static_cast<std::size_t>(letters)];
        }
        int size = 10;
        while (size > 6 && s_.textWidth(label) > 250) s_.setFontSize(--size);
        printAtXY(i16(xa + (250 - static_cast<double>(s_.textWidth(label))) / 2.0), i16(y + 585), label);
        s_.setFontSize(10);

        if (!isAlphabetLetter(ch) || keyMode) {
            s_.setFontItalic(true);
            const std::string letter(1, static_cast<char>(upperChar(ch)));
            printAtXY(i16(xa + (250 - static_cast<double>(s_.textWidth(letter))) / 2.0), i16(y + 330),
                      letter);
            s_.setFontItalic(false);
        }
    }

    w = getTextWidth(kCreditLine, 8);
    printAtXY(i16((xRight - 240 - w) / 2.0 + 240), i16(yTop + 855 + extra), kCreditLine);
}

}  // namespace qbrx
