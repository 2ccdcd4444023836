// SPDX-License-Identifier: GPL-3.0-or-later
#include "pageplan.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "numeric.h"
#include "text.h"

namespace qbrx {

namespace {

constexpr int kHeaderRight = 10800;        // right edge of the header blanks
constexpr int kInstructionsCentre = 5750;  // centre of the mini-instructions line
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

int textLength(const std::string& s) { return static_cast<int>(s.size()); }

// The first n characters of s.
std::string firstCharacters(const std::string& s, int n) {
    return s.substr(0, static_cast<std::size_t>(std::max(0, n)));
}

// s from index `start` (counting from 0) on, "" past its end.
std::string charactersFrom(const std::string& s, int start) {
    return start < textLength(s) ? s.substr(static_cast<std::size_t>(std::max(0, start))) : std::string();
}

std::string trimSpaces(std::string s) {
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
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

PagePlanner::PagePlanner(const Document& doc, PrintSurface& surface, const PageValues& page,
                         const PrintOptions& options)
    : doc_(doc), s_(surface), page_(page), options_(options) {}

PagePlan PagePlanner::plan() {
    PagePlan plan;
    s_.setFontName("Arial");
    s_.setFontSize(9);
    s_.setFontBold(false);
    s_.setFontItalic(false);
    planHeader(plan);
    planGrid(plan);
    planInstructions(plan);
    planQuestions(plan);
    plan.crostic = options_.crostic;
    if (options_.crostic) planCrostic(plan);
    if (plan.questions.pageCount > 1) planShortHeader(plan);
    return plan;
}

int PagePlanner::questionCount() const { return std::clamp(doc_.questionCount, 0, kMaxSlots); }

std::int16_t PagePlanner::textWidthAt(const std::string& text, int size) {
    s_.setFontSize(size);
    return i16(s_.textWidth(text));
}

// --- Fitting text into its room ----------------------------------------------

int PagePlanner::headerRight() const {
    if (page_.pageWidth >= kFullWidth) return kHeaderRight;
    return static_cast<int>(roundHalfEven(kHeaderRight * static_cast<double>(page_.pageWidth) / kFullWidth));
}

int PagePlanner::instructionsCentre() const {
    if (page_.pageWidth >= kFullWidth) return kInstructionsCentre;
    return static_cast<int>(
        roundHalfEven(kInstructionsCentre * static_cast<double>(page_.pageWidth) / kFullWidth));
}

std::size_t PagePlanner::fittingPrefix(const std::string& text, double room, bool words) {
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

PagePlanner::Fitted PagePlanner::fitText(const std::string& text, double room, int size, int minSize) {
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

PagePlanner::HeaderX PagePlanner::headerPositions(const std::string& title, const std::string& second,
                                                  const std::string& third) {
    HeaderX x;
    s_.setFontSize(20);
    if (title.empty() || (second.empty() && !third.empty())) return x;
    if (!second.empty()) {
        s_.setFontSize(10);
        const float wThird = third.empty() ? 0.0f : s_.textWidth(third);
        const float wSecond = s_.textWidth(second);
        if (!third.empty()) x.third = i16(headerRight() - wThird);
        x.second = i16(headerRight() - (static_cast<double>(wThird) + wSecond));
    }
    // Measured bold, as it is printed, so that it keeps as clear of the
    // blanks as its room (fitText) allows.
    s_.setFontSize(16);
    s_.setFontBold(true);
    const double end = second.empty() ? headerRight() : x.second;
    x.title = i16((end - static_cast<double>(s_.textWidth(title))) / 2.0);
    s_.setFontBold(false);
    s_.setFontSize(10);
    return x;
}

void PagePlanner::planHeader(PagePlan& plan) {
    const HeaderValues& h = doc_.header;
    std::vector<PlacedText>& out = plan.header;
    s_.setFontSize(9);
    std::int16_t y = 250;
    if (h.titleGiven) {
        int titleBottom = 0;  // below a wrapped title
        if (!h.nameLine && !h.periodDateLine) {
            planTitle(out, y + 30, "", "", titleBottom);
            s_.setFontSize(16);
            y = i16(s_.textHeight(h.title) + 250.0);
            s_.setFontSize(10);
            if (titleBottom > 0) y = i16(std::max<int>(y, titleBottom - 30));
        } else if (h.nameLine) {
            const HeaderX x = planTitle(out, y, h.nameBlank, "", titleBottom);
            out.push_back({x.second, y, h.nameBlank});
            s_.setFontSize(10);
            y = i16(y + static_cast<double>(s_.textHeight(h.nameBlank)) + 250.0);
            if (h.periodDateLine) {
                out.push_back({x.second, y, h.periodBlank});
                // The printer's width as measured, not rounded before the sum.
                out.push_back(
                    {i16(x.second + static_cast<double>(s_.textWidth(h.periodBlank))), y, h.dateBlank});
                y = i16(y + static_cast<double>(s_.textHeight(h.dateBlank)) + 250.0);
            }
        } else {
            const HeaderX x = planTitle(out, y, h.periodBlank, h.dateBlank, titleBottom);
            out.push_back({x.second, y, h.periodBlank});
            out.push_back({x.third, y, h.dateBlank});
            s_.setFontSize(10);
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
            out.push_back({220, y, text, 8, false, true});
        } else {
            s_.setFontSize(fitted.size);
            const double line = s_.textHeight("C");
            below = line * static_cast<double>(fitted.lines.size());
            for (std::size_t i = 0; i < fitted.lines.size(); ++i)
                out.push_back(
                    {220, i16(y + line * static_cast<double>(i)), fitted.lines[i], fitted.size, false, true});
        }
        s_.setFontSize(10);
        y = i16(y + std::max(static_cast<double>(s_.textHeight(h.createdBy)), below));
        s_.setFontItalic(false);
    }
    plan.headerBottom = y;
    planKeyMark(out);
}

// The key's pages say what they are, above the header at its right edge.
void PagePlanner::planKeyMark(std::vector<PlacedText>& out) {
    if (!options_.key) return;
    s_.setFontName("Arial");
    s_.setFontBold(true);
    const std::int16_t width = textWidthAt(kAnswerKeyMark, 12);
    s_.setFontBold(false);
    out.push_back({headerRight() - width, 0, kAnswerKeyMark, 12, true});
}

// The title in bold, centred left of the blanks `second` and `third` (or on
// the header's width without them), at 16 points when it fits; otherwise
// shrunk, wrapped or cut (fitText).
PagePlanner::HeaderX PagePlanner::planTitle(std::vector<PlacedText>& out, int y, const std::string& second,
                                            const std::string& third, int& bottom) {
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
        const HeaderX x = headerPositions(title, second, third);
        out.push_back({x.title, y, title, 16, true});
        return x;
    }
    const HeaderX x = headerPositions(fitted.lines.front(), second, third);  // the blanks' places
    s_.setFontBold(true);
    s_.setFontSize(fitted.size);
    const double line = s_.textHeight("T");
    double top = y;
    for (const std::string& text : fitted.lines) {
        s_.setFontSize(fitted.size);
        const double left = (end - static_cast<double>(s_.textWidth(text))) / 2.0;
        out.push_back({i16(left), i16(top), text, fitted.size, true});
        top += line;
    }
    s_.setFontBold(false);
    if (fitted.lines.size() > 1) bottom = static_cast<int>(std::ceil(top));
    return x;
}

// The header of a continuation page: the title with "(continued)" and the
// Name blank.
void PagePlanner::planShortHeader(PagePlan& plan) {
    const HeaderValues& h = doc_.header;
    std::vector<PlacedText>& out = plan.shortHeader;
    s_.setFontName("Arial");
    s_.setFontBold(false);
    s_.setFontItalic(false);
    double end = headerRight();
    if (h.titleGiven && h.nameLine) {
        end -= textWidthAt(h.nameBlank, 10);
        out.push_back({i16(end), 250, h.nameBlank});
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
    out.push_back({i16((end - static_cast<double>(s_.textWidth(text))) / 2.0), 250, text, fitted.size, true});
    s_.setFontBold(false);
    planKeyMark(out);
}

int PagePlanner::shortHeaderBottom() {
    s_.setFontName("Arial");
    s_.setFontBold(true);
    s_.setFontSize(12);
    const double title = s_.textHeight("T");
    s_.setFontBold(false);
    s_.setFontSize(10);
    const double name = s_.textHeight(doc_.header.nameBlank);
    return static_cast<int>(std::ceil(250 + std::max(title, name) + 250));
}

// --- Quotation grid and the line under it ------------------------------------

void PagePlanner::planGrid(PagePlan& plan) {
    GridPlan& grid = plan.grid;
    grid.geometry = computeGridGeometry(doc_.quoteLength);
    const std::int16_t cell = i16(grid.geometry.cellSize * 1.2);
    grid.geometry.cellSize = cell;
    grid.left = i16((page_.pageWidth - grid.geometry.columns * static_cast<double>(cell)) / 2.0 / 2.0);
    grid.top = plan.headerBottom;
    grid.height = i16(grid.geometry.rows * static_cast<double>(cell) + 100);
}

void PagePlanner::planInstructions(PagePlan& plan) {
    const HeaderValues& h = doc_.header;
    const std::string& text = h.instructions;
    if (!text.empty()) {
        s_.setFontName("Times New Roman");
        s_.setFontSize(9);
        if (h.miniInstructions) {
            const float w = s_.textWidth(text);
            plan.instructions.push_back({i16(instructionsCentre() - w / 2.0),
                                         i16(plan.headerBottom + plan.grid.height - 25), text, 9, false,
                                         false, "Times New Roman"});
        }
    }
    plan.instructionsHeight = i16(static_cast<double>(s_.textHeight(text)) + 250.0);
    if (options_.key) planQuotationBy(plan);
}

// The quotation's author and work, under the grid's right end on the key
// only: on the puzzle it would give the crostic away.
void PagePlanner::planQuotationBy(PagePlan& plan) {
    const std::string& by = doc_.header.quotationBy;
    if (by.empty()) return;
    s_.setFontName("Times New Roman");
    s_.setFontBold(false);
    s_.setFontItalic(true);
    const std::string text = "\x97 " + by;  // an em dash in Windows-1252
    const Fitted fitted = fitText(text, headerRight() / 2.0, 9, 7);
    s_.setFontSize(fitted.size);
    const double line = s_.textHeight("C");
    for (std::size_t i = 0; i < fitted.lines.size(); ++i) {
        const float w = s_.textWidth(fitted.lines[i]);
        plan.instructions.push_back(
            {i16(headerRight() - w),
             i16(plan.headerBottom + plan.grid.height - 25 + line * static_cast<double>(i)), fitted.lines[i],
             fitted.size, false, true, "Times New Roman"});
    }
    s_.setFontItalic(false);
}

// --- Questions and answer blanks --------------------------------------------

int PageValues::blanksInFirstRow(int blankSpacing) const {
    const int stepWidth = blankSpacing + 60;
    return static_cast<int>(std::floor(textWidth / static_cast<double>(stepWidth) + 1)) - 1;
}

bool PagePlanner::hasSecondRow(int q, const QuestionLayout& layout) const {
    return textLength(doc_.answer[static_cast<std::size_t>(q)]) > page_.blanksInFirstRow(layout.blankSpacing);
}

std::string PagePlanner::breakLine(const std::string& text, int limit) {
    if (text == " ") return {};
    // Walk the spaces while the words up to them fit.
    int p0 = 0;
    float w = 0, w0 = 0;
    for (std::size_t p = text.find(' '); p != std::string::npos; p = text.find(' ', p + 1)) {
        w0 = w;
        w = s_.textWidth(firstCharacters(text, static_cast<int>(p) + 1));
        if (w > limit) break;
        p0 = static_cast<int>(p) + 1;
    }
    if (w0 < 720) {
        // Too little before the break: cut inside the text with a hyphen.
        int i = 8;
        while (i < textLength(text) && s_.textWidth(firstCharacters(text, i)) <= limit - 140) ++i;
        p0 = i - 1;
        return firstCharacters(text, p0) + "-";
    }
    return firstCharacters(text, p0) + " ";
}

QuestionLayout PagePlanner::measureQuestion(int q, int size) {
    QuestionLayout layout;
    const std::string& full = doc_.question[static_cast<std::size_t>(q)];
    const bool capped = full.size() > kFitCap;
    const std::string question = capped ? full.substr(0, kFitCap) : full;
    const int answerLength = textLength(doc_.answer[static_cast<std::size_t>(q)]);
    const int c1 = page_.textWidth / 400;
    const int c2 = page_.textWidth / 320;
    std::int16_t limit = page_.textWidth;
    if (answerLength > c1) layout.blankSpacing = 260;
    if (answerLength > c2) limit = i16(page_.textWidth - (answerLength - c2) * 320);
    // The text stops short of a second row of blanks.
    const int firstRow = page_.blanksInFirstRow(layout.blankSpacing);
    if (answerLength > firstRow)
        limit = i16(std::max(
            320, std::min<int>(limit, (2 * firstRow - answerLength) * (layout.blankSpacing + 60) - 60)));

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
                rest = charactersFrom(rest, textLength(line) - 1);
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
    layout.height = i16(h);
    layout.textSize = points;
    // The lines as they are printed: split at their line ends, the rest after them.
    std::size_t i = 0;
    for (char c : lines[0] + lines[1] + lines[2] + rest) {
        if (c == '\r') {
            if (i < 3) ++i;
            continue;
        }
        layout.lines[i] += c;
    }
    for (i = 0; i < 4; ++i) layout.lineHeight[i] = s_.textHeight(layout.lines[i]);
    return layout;
}

std::int32_t PagePlanner::measureQuestions(QuestionPlan& plan, std::int32_t a, int b, int size) {
    s_.setFontName("Arial");
    s_.setFontSize(size);
    const int count = questionCount();
    std::int32_t total = 0;
    cumulativeHeight_.fill(0);
    for (int q = 1; q <= count; ++q) {
        total += a + b + measureQuestion(q, size).height;
        cumulativeHeight_[static_cast<std::size_t>(q)] = total;
    }
    plan.columnBreak = 0;
    for (int q = 1; q <= count; ++q) {
        if (cumulativeHeight_[static_cast<std::size_t>(q)] > (total - 360) / 2.0) {
            plan.columnBreak = static_cast<std::int16_t>(q);
            break;
        }
    }
    return total;
}

void PagePlanner::planQuestions(PagePlan& pagePlan) {
    QuestionPlan& plan = pagePlan.questions;
    const int count = questionCount();
    const std::int16_t top = i16(pagePlan.headerBottom + pagePlan.grid.height + pagePlan.instructionsHeight);
    const std::int16_t bottom = i16(page_.bottomLimit - 240 - (doc_.crostic.empty() ? 0 : 2650));
    const std::int16_t available = i16(bottom - top);

    const int cell = pagePlan.grid.geometry.cellSize;
    const int bandSize = cell == 384 ? 10 : cell <= 432 ? 9 : 12;
    int size = bandSize;
    plan.gapA = 360;
    plan.gapB = 180;

    std::int32_t height = 0;  // H: the taller column
    int taller = 0;           // m: its number of questions
    auto measure = [&] {
        const std::int32_t total = measureQuestions(plan, plan.gapA, plan.gapB, size);
        const std::int32_t col1 = cumulativeHeight_[static_cast<std::size_t>(plan.columnBreak)];
        const std::int32_t col2 = total - col1;
        height = col2 > col1 ? col2 : col1;
        taller = col2 > col1 ? count - plan.columnBreak : plan.columnBreak;
    };
    measure();

    // Shrink in steps while the taller column does not fit.
    if (height > available) {
        height -= 40 * taller;
        plan.gapA = 320;
        size = 8;
    }
    if (height > available) {
        height -= 40 * taller;
        plan.gapA = 280;
    }
    if (height > available) {
        plan.gapB = 140;
        measure();
    }
    for (int a : {240, 200, 160}) {
        if (height > available) {
            height -= 40 * taller;
            plan.gapA = a;
        }
    }
    plan.size = size;

    plan.extraSpacing =
        plan.columnBreak > 0 ? i16((available - static_cast<double>(height)) / plan.columnBreak) : 0;
    if (plan.extraSpacing > 200) plan.extraSpacing = 10;

    // The questions may reach down to the crostic block, or to the bottom
    // limit without one.
    const int limit = doc_.crostic.empty() ? page_.bottomLimit
                                           : std::min<int>(page_.bottomLimit, page_.pageHeight - 2500 - 90);
    plan.rowGap = static_cast<int>(plan.gapA);
    if (!planFits(plan, i16(top + static_cast<double>(plan.gapA)), limit)) {
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
            plan.gapA = step.a;
            plan.gapB = static_cast<std::int16_t>(step.b);
            plan.size = step.size;
            plan.extraSpacing = 10;
            plan.rowGap = std::max(step.a, kMinRowGap);
            planPages(plan, i16(top + static_cast<double>(plan.gapA)), limit);
            if (fewest == 0)
                fewest = plan.pageCount;
            else if (plan.pageCount <= fewest)
                break;
        }
    }
    for (Placement& at : plan.placements) at.layout = measureQuestion(at.question, plan.size);
}

int PagePlanner::questionDepth(int q, const QuestionLayout& layout, int rowGap) {
    s_.setFontName("Arial");
    s_.setFontSize(6);
    const int numbers = static_cast<int>(std::ceil(s_.textHeight("0"))) - 25;
    int depth = std::max(90 + layout.height, numbers);
    if (hasSecondRow(q, layout)) depth = std::max(depth, rowGap + 150 + numbers);
    return depth;
}

// The questions where the one-page layout puts them; true when none
// reaches into the next one or past `limit`.
bool PagePlanner::planFits(QuestionPlan& plan, int columnTop, int limit) {
    const int count = questionCount();
    plan.placements.clear();
    plan.pageCount = 1;
    bool fits = true;
    int x = 0, y = columnTop, above = INT_MIN;
    for (int q = 1; q <= count; ++q) {
        const QuestionLayout layout = measureQuestion(q, plan.size);
        if (q == plan.columnBreak + 1) {
            x = page_.secondColumnX;
            y = columnTop;
            above = INT_MIN;
        }
        plan.placements.push_back({q, 1, x, y, {}});
        const int depth = questionDepth(q, layout, plan.rowGap);
        const bool twoRows = hasSecondRow(q, layout);
        if (y - kLabelRise < above || y + depth > limit || (twoRows && plan.rowGap < kMinRowGap))
            fits = false;
        above = y + depth;
        y += i16(layout.height + static_cast<double>(plan.gapA) + plan.gapB + 50) + plan.extraSpacing;
    }
    return fits;
}

// Two columns a page, spaced so that no question reaches into the next:
// all on one page when they fit (the columns of about equal height), else
// each column filled in turn and the rest on the next page.
void PagePlanner::planPages(QuestionPlan& plan, int columnTop, int firstLimit) {
    const int count = questionCount();
    std::vector<int> height(static_cast<std::size_t>(count) + 1), depth(height.size());
    for (int q = 1; q <= count; ++q) {
        const auto i = static_cast<std::size_t>(q);
        const QuestionLayout layout = measureQuestion(q, plan.size);
        height[i] = layout.height;
        depth[i] = questionDepth(q, layout, plan.rowGap);
    }
    auto advance = [&](int q) {
        const auto i = static_cast<std::size_t>(q);
        return std::max(height[i] + static_cast<int>(plan.gapA) + plan.gapB + 50 + plan.extraSpacing,
                        depth[i] + kLabelRise);
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
            plan.placements.push_back({q, page, x, y, {}});
            y += advance(q);
        }
        return q;
    };
    plan.placements.clear();
    const int nextTop = shortHeaderBottom() + 300;
    int first = 1, page = 1, top = columnTop;
    while (first <= count) {
        std::int32_t total = 0;
        for (int q = first; q <= count; ++q)
            total += height[static_cast<std::size_t>(q)] + plan.gapA + plan.gapB;
        int k = first, sum = 0;
        for (; k < count; ++k) {
            sum += height[static_cast<std::size_t>(k)] + static_cast<int>(plan.gapA) + plan.gapB;
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
    plan.pageCount = std::max(1, page);
}

// --- Crostic block and credit line --------------------------------------------

void PagePlanner::planCrostic(PagePlan& pagePlan) {
    CrosticPlan& plan = pagePlan.crosticBlock;
    const std::int16_t yTop = i16(page_.pageHeight - 2500);
    const std::int16_t xRight = i16(page_.pageWidth - 750);
    const std::string& crostic = doc_.crostic;
    const std::size_t tilde = crostic.find('~');
    const int shown = tilde == std::string::npos ? textLength(crostic) : static_cast<int>(tilde);
    s_.setFontName("Arial");

    // The blanks printed: up to the one before a tilde (a tilde in front is
    // printed on the first blank).
    int blanks = textLength(crostic);
    for (int i = 1; i < textLength(crostic); ++i)
        if (crostic[static_cast<std::size_t>(i)] == '~') {
            blanks = i;
            break;
        }
    // One row as long as it keeps inside the frame; else two rows, each
    // centred the same way.
    const std::int16_t x0 = i16((xRight - 240 - 350.0 * shown) / 2.0);
    const bool oneRow = blanks == 0 || (x0 + 300 >= 280 && x0 + (blanks - 1) * 350.0 + 550 <= xRight - 40);
    plan.rows = oneRow ? 1 : 2;
    const int firstRow = oneRow ? blanks : (blanks + 1) / 2;
    auto blankStart = [&](int i) {  // i counting from 1
        if (oneRow) return i16(x0 + (i - 1) * 350.0 + 300);
        const int inRow = i <= firstRow ? firstRow : blanks - firstRow;
        const int j = i <= firstRow ? i : i - firstRow;
        return i16(i16((xRight - 240 - 350.0 * inRow) / 2.0) + (j - 1) * 350.0 + 300);
    };
    const int extra = (plan.rows - 1) * 500;  // the frame grows by a row

    plan.top = yTop;
    plan.right = xRight;
    plan.bottom = i16(yTop + 825 + extra);
    std::int16_t w = textWidthAt(kCrosticInstruction, 7);
    plan.instruction = {i16((xRight - 240 - w) / 2.0 + 240), i16(yTop + 70), kCrosticInstruction, 7};

    // A letter's blank carries the label of the question whose answer
    // supplies it: the letters of the crostic belong to questions 1, 2, 3
    // ... in order, and other characters to none. The labels share one
    // size, the largest at which the widest fits its blank.
    std::vector<std::string> labels;
    std::size_t letters = 0;
    for (int i = 1; i <= blanks; ++i) {
        const auto ch = static_cast<unsigned char>(crostic[static_cast<std::size_t>(i - 1)]);
        const std::size_t letter = isAlphabetLetter(ch) ? ++letters : questionLetter.size();
        labels.push_back(letter < questionLetter.size() ? questionLetter[letter] : std::string());
    }
    int labelSize = 10;
    s_.setFontSize(labelSize);
    for (const std::string& label : labels)
        while (labelSize > 6 && s_.textWidth(label) > 250) s_.setFontSize(--labelSize);

    s_.setFontSize(10);
    for (int i = 1; i <= blanks; ++i) {
        const auto ch = static_cast<unsigned char>(crostic[static_cast<std::size_t>(i - 1)]);
        CrosticBlank blank;
        blank.x = blankStart(i);
        const std::int16_t y = i16(yTop + (i > firstRow ? 500 : 0));
        blank.y = i16(y + 575);

        const std::string& label = labels[static_cast<std::size_t>(i - 1)];
        s_.setFontSize(labelSize);
        blank.label = {i16(blank.x + (250 - static_cast<double>(s_.textWidth(label))) / 2.0), i16(y + 585),
                       label, labelSize};
        s_.setFontSize(10);

        if (!isAlphabetLetter(ch) || options_.key) {
            s_.setFontItalic(true);
            const std::string letter(1, static_cast<char>(upperChar(ch)));
            blank.letter = {i16(blank.x + (250 - static_cast<double>(s_.textWidth(letter))) / 2.0),
                            i16(y + 330),
                            letter,
                            10,
                            false,
                            true};
            s_.setFontItalic(false);
        }
        plan.blanks.push_back(blank);
    }

    w = textWidthAt(kCreditLine, 8);
    plan.credit = {i16((xRight - 240 - w) / 2.0 + 240), i16(yTop + 855 + extra), kCreditLine, 8};
}

}  // namespace qbrx
