// The printed page on a recording surface: header shapes, the quotation
// grid, the questions with their answer blanks, the crostic block, and a
// page abandoned by an overflow.
#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "numeric.h"
#include "pagelayout.h"
#include "recordingsurface.h"
#include "text.h"

namespace qbrx {
namespace {

// Fixed metrics: a character is 10 twips wide per point ("W" 15, "I" 5,
// "'" 10.25), a line of text 20 twips high per point.
class FixedSurface : public RecordingSurface {
public:
    using RecordingSurface::RecordingSurface;
    float textWidth(const std::string& text) override {
        double w = 0;
        for (char c : text) w += (c == 'W' ? 15 : c == 'I' ? 5 : c == '\'' ? 10.25 : 10) * size_;
        return static_cast<float>(w);
    }
    float textHeight(const std::string& text) override {
        int lines = text.empty() ? 0 : 1;
        for (std::size_t i = 0; i + 1 < text.size(); ++i) lines += text[i] == '\r';
        return static_cast<float>(lines * 20 * size_);
    }
    void printText(const std::string& text) override {  // x2: the end of the text
        if (text.empty()) return;
        add(Drawn::Text, x_, y_, x_ + textWidth(text), y_, text);
        x_ += textWidth(text);
    }
    // What was drawn of one kind; for texts, only those equal to `text` if given.
    std::vector<Drawn> of(Drawn::Kind kind, const char* text = nullptr) const {
        std::vector<Drawn> out;
        for (const Drawn& d : drawn) if (d.kind == kind && (!text || d.text == text)) out.push_back(d);
        return out;
    }
    std::vector<Drawn> texts(const std::string& text) const { return of(Drawn::Text, text.c_str()); }
};

using V = std::vector<std::string>;
using Xs = std::vector<double>;

class Page : public ::testing::Test {
protected:
    Document doc;
    PageValues page = PageValues::fromPageSize(12240, 15840);
    FixedSurface surface{12240, 15840};
    std::optional<PagePrinter> printer;

    void setQuote(const std::string& quote) {
        doc.quotation = quote;
        doc.quoteLength = static_cast<int>(quote.size());
        doc.letterPool = upper(quote);
    }
    // Appends a question; every letter of the answer is encoded (numbered
    // 1, 2, 3 ...) except the characters listed as gaps.
    void addQuestion(const std::string& question, const std::string& answer, const std::string& gaps = "") {
        const int q = ++doc.questionCount;
        doc.question[q] = question;
        doc.answer[q] = doc.answerMarks[q] = answer;
        for (std::size_t i = 0; i < answer.size(); ++i)
            if (static_cast<unsigned char>(answer[i]) >= 65 && gaps.find(answer[i]) == std::string::npos) {
                doc.answerMarks[q][i] = '_';
                doc.answerLetterNo[q][i + 1] = static_cast<std::int16_t>(i + 1);
            }
    }
    bool print(bool key = false, bool crostic = false) {
        surface = FixedSurface(page.pageWidth, page.pageHeight);
        printer.emplace(doc, surface, page);
        printer->keyMode = key;
        printer->crosticOn = crostic;
        const bool done = printer->printDoc();
        EXPECT_FALSE(printer->keyMode);  // always off after a print
        return done;
    }
    // Room for the questions below a one-cell grid with no header (the
    // questions start at 1394; the default page leaves them 13686).
    void setAvailable(int available) { page = PageValues::fromPageSize(12240, available + 760 + 1394); }

    ::testing::AssertionResult drawnAt(const std::string& text, double x, double y) const {
        std::ostringstream seen;
        for (const Drawn& d : surface.texts(text))  // notes where it was drawn instead
            if ((seen << " (" << d.x1 << ", " << d.y1 << ")") && d.x1 == x && d.y1 == y)
                return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "\"" << text << "\" drawn at" << seen.str() << " only";
    }
    V textsIn(double x1, double y1, double x2, double y2) const {
        V out;
        for (const Drawn& d : surface.of(Drawn::Text))
            if (d.x1 >= x1 && d.x1 < x2 && d.y1 >= y1 && d.y1 < y2) out.push_back(d.text);
        return out;
    }
    double labelY(int q) const { return surface.texts(listPrefix[static_cast<std::size_t>(q)]).at(0).y1; }
};

TEST_F(Page, GridBandsGiveRowsColumnsLeadingBlanksAndPrintedCell) {
    struct Band {
        int length, rows, columns, leading, cell, questionSize;
    };
    for (const Band& b : {Band{85, 5, 17, 0, 614, 12}, Band{86, 5, 18, 2, 538, 12}, Band{121, 6, 21, 2, 461, 12},
                          Band{162, 7, 24, 3, 422, 9}, Band{253, 10, 26, 4, 384, 10}}) {
        SCOPED_TRACE(b.length);
        setQuote(std::string(static_cast<std::size_t>(b.length), 'A'));
        ASSERT_TRUE(print());
        const GridGeometry& g = printer->geometry;
        EXPECT_EQ(g.rows, b.rows);
        EXPECT_EQ(g.columns, b.columns);
        EXPECT_EQ(g.leadingBlanks, b.leading);
        EXPECT_EQ(g.cellSize, b.cell);
        EXPECT_EQ(printer->questionSize, b.questionSize);
        // Cells in drawing order: leading blanks and the cells past the end
        // are black, the letters outlined.
        std::vector<Drawn> cells;
        for (const Drawn& d : surface.drawn)
            if (d.kind == Drawn::Box || d.kind == Drawn::Fill) cells.push_back(d);
        ASSERT_EQ(cells.size(), static_cast<std::size_t>(b.rows * b.columns));
        for (int i = 0; i < b.rows * b.columns; ++i) {
            const bool black = i < b.leading || i >= b.leading + b.length;
            EXPECT_EQ(cells[static_cast<std::size_t>(i)].kind, black ? Drawn::Fill : Drawn::Box) << "cell " << i;
        }
        const double x0 = roundHalfEven((12240.0 - b.columns * b.cell) / 4);
        EXPECT_EQ(Xs({cells.front().x1, cells.back().x2, cells.back().y2}),
                  Xs({x0, x0 + b.columns * b.cell, 250. + b.rows * b.cell}));
        EXPECT_EQ(surface.texts(std::to_string(b.length)).size(), 1u);  // the last number
    }
}

// "Less is more." on one row of 13 cells of 614 twips from x 1064 (1064.5
// rounded to even), y 250. Positions 1, 3 and 11 are taken by the answers
// of slots 1 ("A"), 9 ("I") and 35 ("II"); position 2 is free but still
// names an earlier owner.
TEST_F(Page, GridCellsOnPuzzleAndKey) {
    setQuote("Less is more.");
    for (const auto& [p, slot] : {std::pair{1, 1}, std::pair{3, 9}, std::pair{11, 35}}) {
        doc.letterPool[static_cast<std::size_t>(p - 1)] = '_';
        doc.positionOwner[static_cast<std::size_t>(p)] = static_cast<std::int16_t>(slot);
    }
    doc.positionOwner[2] = 4;
    auto cellX = [](int c) { return 1064. + (c - 1) * 614; };
    auto cell = [&](int c) { return textsIn(cellX(c), 250, cellX(c) + 614, 864); };
    ASSERT_TRUE(print());
    EXPECT_EQ(cell(1), (V{"1", "A"}));
    EXPECT_EQ(cell(2), (V{"2", "E"}));  // free: letter, no label
    EXPECT_EQ(cell(5), V{});            // space: black
    EXPECT_EQ(cell(11), (V{"9", "II"}));
    EXPECT_EQ(cell(13), V{"."});        // punctuation: no number
    EXPECT_EQ(surface.of(Drawn::Fill).size(), 2u);
    // Numbers at (x + 16, y + 24) in 7 points; letters centred at y + 178 in
    // 18; labels centred in the width of "W" or "WW", 30 inside the right edge.
    EXPECT_TRUE(drawnAt("1", cellX(1) + 16, 274));
    EXPECT_EQ(surface.texts("1")[0].size, 7);
    EXPECT_TRUE(drawnAt("E", cellX(2) + 217, 428));
    EXPECT_EQ(surface.texts("E")[0].size, 18);
    EXPECT_TRUE(drawnAt("A", cellX(1) + 614 - 105 + 18 - 30, 274));  // (105 - 70) / 2 = 17.5 -> 18
    EXPECT_TRUE(drawnAt("I", cellX(3) + 614 - 105 + 35 - 30, 274));
    EXPECT_TRUE(drawnAt("II", cellX(11) + 614 - 210 + 70 - 30, 274));

    ASSERT_TRUE(print(true));  // the key adds the letters as typed
    EXPECT_EQ(cell(1), (V{"1", "A", "L"}));
    EXPECT_EQ(cell(2), (V{"2", "e"}));
    EXPECT_EQ(cell(11), (V{"9", "II", "r"}));
}

TEST_F(Page, HeaderShapesAndTheirBottom) {
    struct Shape {
        bool title, name, period, createdBy;
        std::vector<std::pair<std::string, std::pair<int, int>>> texts;
        int bottom;
    };
    // "Quiz" is 640 wide at 16 points; the blanks 3200, 1500 and 2000 at 10.
    const std::vector<Shape> shapes = {
        {true, false, false, false, {{"Quiz", {5080, 280}}}, 570},
        {true, false, false, true, {{"Quiz", {5080, 280}}, {"Created by Ann", {220, 770}}}, 970},
        {true, true, false, false, {{"Quiz", {3480, 250}}, {kNameBlank, {7600, 250}}}, 700},
        {true, false, true, false, {{"Quiz", {3330, 250}}, {kPeriodBlank, {7300, 250}}, {kDateBlank, {8800, 250}}}, 700},
        {false, true, true, true, {{"Created by Ann", {220, 450}}}, 650},
        {false, true, true, false, {}, 250},
        {true, true, true, false,
         {{"Quiz", {3480, 250}}, {kNameBlank, {7600, 250}}, {kPeriodBlank, {7600, 700}}, {kDateBlank, {9100, 700}}},
         1150},
    };
    setQuote("Q");
    doc.header.title = "Quiz";
    doc.header.createdBy = "Ann";
    for (const Shape& shape : shapes) {
        SCOPED_TRACE(shape.bottom);
        doc.header.titleGiven = shape.title;
        doc.header.nameLine = shape.name;
        doc.header.periodDateLine = shape.period;
        doc.header.createdByGiven = shape.createdBy;
        ASSERT_TRUE(print());
        EXPECT_EQ(printer->headerBottom, shape.bottom);
        EXPECT_EQ(textsIn(0, 0, 12240, shape.bottom).size(), shape.texts.size());
        for (const auto& [text, xy] : shape.texts) EXPECT_TRUE(drawnAt(text, xy.first, xy.second));
        EXPECT_EQ(surface.of(Drawn::Box).at(0).y1, shape.bottom);  // the grid starts there
    }
    // The Date blank follows the Period blank at its measured width: a Name
    // blank 305 wide starts at 10495, a Period blank of 102.5 takes the Date
    // blank to 10597.5, rounded to even (not 10495 + 102).
    doc.header.nameBlank = "N''";
    doc.header.periodBlank = "'";
    ASSERT_TRUE(print());
    EXPECT_TRUE(drawnAt(kDateBlank, 10598, 700));
}

TEST_F(Page, OverflowAbandonsThePageWithoutEndingIt) {
    setQuote("Q");
    doc.quoteLength = 30000;  // a grid whose height leaves 16 bits
    ASSERT_FALSE(print(true));
    EXPECT_FALSE(surface.ended);
    doc.quoteLength = 1;
    EXPECT_TRUE(print());
    EXPECT_TRUE(surface.ended);
}

const std::string kLongWords = "abcdefgh abcdefgh abcdefgh abcdefgh";  // 35 characters, 4200 wide at 12 points

TEST_F(Page, QuestionColumnsBreakAfterHalfTheHeight) {
    setQuote("A");
    doc.header.miniInstructions = true;
    for (int q = 1; q <= 5; ++q) addQuestion("Q" + std::to_string(q), "cat");
    ASSERT_TRUE(print());
    // Five questions of one line (240) and 540 of gaps: break after 3.
    EXPECT_EQ(printer->columnBreak, 3);
    EXPECT_EQ(printer->extraSpacing, 10);  // (13686 - 2340) / 3 is above 200
    EXPECT_TRUE(drawnAt(kMiniInstructions, 3140, 250 + 714 - 25));
    EXPECT_TRUE(drawnAt(" A. ", 80, 1454));
    EXPECT_TRUE(drawnAt(" B. ", 80, 1754 + 240 + 360 + 180 + 50 + 10 - 300));
    EXPECT_TRUE(drawnAt(" D. ", 5820 + 80, 1454));
    EXPECT_TRUE(drawnAt("Q1", 640, 1844));
    // Blanks 340 long, 400 apart, at y - 45, numbers centred at y - 25.
    const std::vector<Drawn> lines = surface.of(Drawn::Line);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(Xs({lines[1].x1, lines[1].y1, lines[1].x2}), Xs({1040, 1709, 1380}));
    EXPECT_TRUE(drawnAt("2", 1040 + 140, 1729));
    EXPECT_EQ(surface.texts("2")[0].size, 6);

    // A first question of four lines moves the break forward.
    doc.question[1] = kLongWords + " " + kLongWords + " " + kLongWords + " " + kLongWords;
    ASSERT_TRUE(print());
    EXPECT_EQ(printer->columnBreak, 2);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(drawnAt(kLongWords + "  ", 640, 1844 + i * 240)) << i;
    EXPECT_TRUE(drawnAt(kLongWords, 640, 1844 + 720));
    EXPECT_EQ(labelY(2) - labelY(1), 960 + 590 + 10);
}

TEST_F(Page, QuestionShrinkStepsAndExtraSpacing) {
    struct Step {
        int available, gapA, gapB, size, e;
    };
    // Four questions of one line: the taller column is 1560 at first; the
    // steps take 80 off it, and the third step measures again (1160). An e
    // above 200 is 10.
    setQuote("A");
    for (int q = 1; q <= 4; ++q) addQuestion("Q", "ab");
    for (const Step& s : {Step{3000, 360, 180, 12, 10}, Step{1960, 360, 180, 12, 200}, Step{1560, 360, 180, 12, 0},
                          Step{1500, 320, 180, 8, 10}, Step{1450, 280, 180, 8, 25}, Step{1300, 280, 140, 8, 70},
                          Step{1100, 240, 140, 8, 10}, Step{1050, 200, 140, 8, 25}, Step{950, 160, 140, 8, 15},
                          Step{900, 240, 140, 8, 10}}) {  // overlapping: as roomy as still fits, e 10
        SCOPED_TRACE(s.available);
        setAvailable(s.available);
        ASSERT_TRUE(print());
        EXPECT_EQ(printer->gapA, s.gapA);
        EXPECT_EQ(printer->gapB, s.gapB);
        EXPECT_EQ(printer->questionSize, s.size);
        EXPECT_EQ(printer->extraSpacing, s.e);
        EXPECT_EQ(labelY(1), 1394 + s.gapA - 300);
        EXPECT_EQ(labelY(2) - labelY(1), 20 * s.size + s.gapA + s.gapB + 50 + s.e);
        EXPECT_EQ(surface.texts("Q").at(0).size, s.size);
    }
}

TEST_F(Page, LongWordsBreakWithAHyphen) {
    setQuote("A");
    addQuestion(std::string(60, 'x'), "ab");
    ASSERT_TRUE(print());
    // 42 characters fit within 5180 - 140 at 12 points.
    EXPECT_TRUE(drawnAt(std::string(42, 'x') + "-", 640, 1844));
    EXPECT_TRUE(drawnAt(std::string(18, 'x'), 640, 1844 + 240));
    surface.setFontSize(12);
    // Less than 720 before the only space: the break goes inside the text.
    EXPECT_EQ(printer->breakLine("ab " + std::string(60, 'x'), 5180), "ab " + std::string(39, 'x') + "-");
    EXPECT_EQ(printer->breakLine("abcdefghijkl", 100), "abcdefg-");  // at least 7 characters
}

TEST_F(Page, LongAnswerWrapsToASecondRowOfBlanks) {
    setQuote("A");
    addQuestion(kLongWords, "abcdefghijklmnopqrst");  // 20 letters: above 12 and 16
    ASSERT_TRUE(print());
    // The question is narrowed to 5180 - 4 * 320 and wraps.
    EXPECT_TRUE(drawnAt("abcdefgh abcdefgh abcdefgh  ", 640, 1844));
    const std::vector<Drawn> lines = surface.of(Drawn::Line);
    ASSERT_EQ(lines.size(), 20u);
    auto at = [&](int i) { return Xs({lines[i - 1].x1, lines[i - 1].y1, lines[i - 1].x2}); };
    EXPECT_EQ(at(16), Xs({5440, 1709, 5700}));
    EXPECT_EQ(at(17), Xs({4480, 1709 + 360 + 150, 4740}));  // ends under the last blank of the first row
    EXPECT_EQ(at(20), Xs({5440, 2219, 5700}));
    setAvailable(100);  // no room at all: spaced as at first, A + 150 below
    ASSERT_TRUE(print());
    EXPECT_EQ(surface.of(Drawn::Line).at(16).y1, 1394 + 360 - 45 + 360 + 150);
}

TEST_F(Page, AnswerBlanksOnPuzzleAndKey) {
    setQuote("A");
    addQuestion("Q", "ab c-d", "c");  // a space, a gap "c", a hyphen
    for (bool key : {false, true}) {
        SCOPED_TRACE(key);
        ASSERT_TRUE(print(key));
        EXPECT_EQ(surface.of(Drawn::Line).size(), 4u);  // none for the space and the hyphen
        EXPECT_TRUE(drawnAt("1", 780, 1729));
        EXPECT_TRUE(drawnAt("6", 2780, 1729));
        EXPECT_TRUE(drawnAt("C", 1840 + 110, 1464));
        EXPECT_TRUE(drawnAt("-", 2240 + 100, 1469));
        EXPECT_TRUE(textsIn(1440, 1000, 1840, 2000).empty());
        EXPECT_EQ(surface.texts("B").size(), key ? 1u : 0u);
        EXPECT_TRUE(!key || (drawnAt("D", 2640 + 115, 1464) && surface.texts("D")[0].italic));
    }
}

// The block on the default page: frame from (240, 13340) to (11490,
// 14165), blanks at y 13915, labels at 13925, letters at 13670.
TEST_F(Page, CrosticBlock) {
    setQuote("Q");
    auto blankStarts = [&] {
        Xs xs;
        for (const Drawn& d : surface.of(Drawn::Line)) if (d.y1 == 13915) xs.push_back(d.x1);
        return xs;
    };
    doc.crostic = "ABC~DEF";  // a tilde ends the row
    ASSERT_TRUE(print(false, true));
    EXPECT_EQ(blankStarts(), Xs({5400, 5750, 6100}));  // centred for 3
    EXPECT_TRUE(drawnAt("A", 5475, 13925));
    EXPECT_TRUE(textsIn(0, 13600, 12240, 13700).empty());  // no letters on the puzzle
    EXPECT_TRUE(surface.texts("D").empty());
    const Drawn frame = surface.of(Drawn::Box).back();
    EXPECT_EQ(Xs({frame.x1, frame.y1, frame.x2, frame.y2}), Xs({240, 13340, 11490, 14165}));
    EXPECT_EQ(surface.texts(kCrosticInstruction).at(0).y1, 13410);
    ASSERT_TRUE(print(true, true));
    EXPECT_TRUE(drawnAt("A", 5475, 13670));
    EXPECT_EQ(textsIn(0, 13600, 12240, 13700).size(), 3u);

    doc.crostic = "~AB";  // a tilde in front cuts nothing: printed on the first blank
    ASSERT_TRUE(print(false, true));
    EXPECT_EQ(blankStarts(), Xs({5925, 6275, 6625}));
    EXPECT_TRUE(drawnAt("~", 6000, 13670));
    EXPECT_TRUE(drawnAt("A", 6350, 13925));

    doc.crostic = "AB 3C";  // non-letters printed, letters labelled by their question
    ASSERT_TRUE(print(false, true));
    EXPECT_EQ(textsIn(0, 13600, 12240, 13700), (V{" ", "3"}));
    EXPECT_EQ(textsIn(0, 13900, 12240, 13950), (V{"A", "B", "C"}));
    EXPECT_TRUE(drawnAt("C", blankStarts().at(4) + 75, 13925));
    doc.crostic.clear();
    for (int i = 0; i < 28; ++i) doc.crostic += static_cast<char>('A' + i % 26);
    ASSERT_TRUE(print(false, true));
    EXPECT_TRUE(drawnAt("BB", blankStarts().at(27) + 25, 13925));

    ASSERT_TRUE(print(false, false));
    EXPECT_TRUE(surface.texts(kCrosticInstruction).empty());
}

}  // namespace
}  // namespace qbrx
