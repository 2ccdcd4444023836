// SPDX-License-Identifier: GPL-3.0-or-later
// The printed page on a recording surface. With fixed text metrics: header
// shapes, the quotation grid, the questions with their answer blanks and the
// crostic block, a representative place of each exact. With the Liberation
// fonts' real widths, every puzzle the program can hold on Letter and A4
// (inside quarter-inch margins): no text may run into other text, leave the
// printable area or the crostic frame, no question may be lost and the grid
// stays on one page.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "gridcells.h"
#include "pagelayout.h"
#include "printsurface.h"
#include "text.h"

namespace qbrx {
namespace {

// A print surface that keeps what is drawn, page by page, with the state a
// printer keeps (position, font). Its text metrics are fixed: a character
// is 10 twips wide per point ("W" 15, "I" 5, "'" 10.25), a line of text 20
// twips high per point; a text is recorded from where it starts to where
// it ends.
struct Drawn {
    enum Kind { Text, Line, Box, Fill } kind;
    int page;
    double x1, y1, x2, y2;  // text: where the test's surface puts it
    std::string text, font;
    double size;
    bool bold, italic;
};

class RecordingSurface : public PrintSurface {
public:
    RecordingSurface(double width, double height) : width_(width), height_(height) {}
    std::vector<Drawn> drawn;
    int page = 1;
    bool ended = false;

    double pageWidth() const override { return width_; }
    double pageHeight() const override { return height_; }
    double currentX() const override { return x_; }
    double currentY() const override { return y_; }
    void setCurrentX(double x) override { x_ = x; }
    void setCurrentY(double y) override { y_ = y; }
    void setFontName(const std::string& name) override { font_ = name; }
    void setFontSize(double points) override { size_ = points; }
    void setFontBold(bool on) override { bold_ = on; }
    void setFontItalic(bool on) override { italic_ = on; }
    void line(double x1, double y1, double x2, double y2) override { add(Drawn::Line, x1, y1, x2, y2); }
    void box(double x1, double y1, double x2, double y2) override { add(Drawn::Box, x1, y1, x2, y2); }
    void filledBox(double x1, double y1, double x2, double y2) override { add(Drawn::Fill, x1, y1, x2, y2); }
    void setTransparentText(bool) override {}
    void newPage() override { ++page; }
    void endDoc() override { ended = true; }
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
    void printText(const std::string& text) override {
        if (text.empty()) return;
        add(Drawn::Text, x_, y_, x_ + textWidth(text), y_, text);
        x_ += textWidth(text);
    }
    // What was drawn of one kind; for texts, only those equal to `text` if given.
    std::vector<Drawn> of(Drawn::Kind kind, const char* text = nullptr) const {
        std::vector<Drawn> out;
        for (const Drawn& d : drawn)
            if (d.kind == kind && (!text || d.text == text)) out.push_back(d);
        return out;
    }
    std::vector<Drawn> texts(const std::string& text) const { return of(Drawn::Text, text.c_str()); }

protected:
    void add(Drawn::Kind kind, double x1, double y1, double x2, double y2, const std::string& text = {}) {
        drawn.push_back({kind, page, x1, y1, x2, y2, text, font_, size_, bold_, italic_});
    }
    double width_, height_, x_ = 0, y_ = 0, size_ = 10;
    std::string font_;
    bool bold_ = false, italic_ = false;
};

using V = std::vector<std::string>;
using Xs = std::vector<double>;

class Page : public ::testing::Test {
protected:
    Document doc;
    PageValues page = PageValues::fromPageSize(12240, 15840);
    RecordingSurface surface{12240, 15840};
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
        surface = RecordingSurface(page.pageWidth, page.pageHeight);
        printer.emplace(doc, surface, page, PrintOptions{key, crostic});
        const bool done = printer->printDoc();
        EXPECT_EQ(surface.ended, done);  // the job is ended once printed
        return done;
    }

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
    for (const Band& b :
         {Band{85, 5, 17, 0, 614, 12}, Band{86, 5, 18, 2, 538, 12}, Band{121, 6, 21, 2, 461, 12},
          Band{162, 7, 24, 3, 422, 9}, Band{253, 10, 26, 4, 384, 10}}) {
        SCOPED_TRACE(b.length);
        setQuote(std::string(static_cast<std::size_t>(b.length), 'A'));
        ASSERT_TRUE(print());
        const GridGeometry& geometry = printer->plan().grid.geometry;
        EXPECT_EQ(geometry.rows, b.rows);
        EXPECT_EQ(geometry.columns, b.columns);
        EXPECT_EQ(geometry.leadingBlanks, b.leading);
        EXPECT_EQ(geometry.cellSize, b.cell);
        EXPECT_EQ(printer->plan().questions.size, b.questionSize);
        // Cells in drawing order: the grid model's blank cells (before and
        // after the quotation) are black, the letters outlined.
        std::vector<Drawn> cells;
        for (const Drawn& d : surface.drawn)
            if (d.kind == Drawn::Box || d.kind == Drawn::Fill) cells.push_back(d);
        const std::vector<GridCell> model = gridCells(doc, geometry);
        ASSERT_EQ(cells.size(), model.size());
        for (std::size_t i = 0; i < model.size(); ++i)
            EXPECT_EQ(cells[i].kind, model[i].outside() ? Drawn::Fill : Drawn::Box) << "cell " << i;
        EXPECT_EQ(surface.texts(std::to_string(b.length)).size(), 1u);  // the last number
    }
}

// "Less is more." on one row of 13 cells of 614 twips from x 1064 (1064.5
// rounded to even), y 250. Positions 1 and 11 are taken by the answers of
// slots 1 ("A") and 35 ("II"); position 2 is free but still names an
// earlier owner. Each cell shows the grid model's number and label; the
// key adds the letters as typed.
TEST_F(Page, GridCellsOnPuzzleAndKey) {
    setQuote("Less is more.");
    doc.letterPool[0] = doc.letterPool[10] = '_';
    doc.positionOwner[1] = 1;
    doc.positionOwner[11] = 35;
    doc.positionOwner[2] = 4;
    auto cellX = [](int c) { return 1064. + (c - 1) * 614; };
    auto cell = [&](int c) { return textsIn(cellX(c), 250, cellX(c) + 614, 864); };
    const std::vector<GridCell> model = gridCells(doc, computeGridGeometry(doc.quoteLength));
    auto numbered = [&](int c) { return std::to_string(model[static_cast<std::size_t>(c - 1)].number); };
    auto label = [&](int c) { return model[static_cast<std::size_t>(c - 1)].ownerLabel; };
    ASSERT_TRUE(print());
    EXPECT_EQ(cell(1), (V{numbered(1), label(1)}));
    EXPECT_EQ(cell(2), (V{numbered(2), "E"}));  // free: letter, no label
    EXPECT_EQ(cell(5), V{});                    // space: black
    EXPECT_EQ(cell(11), (V{numbered(11), label(11)}));
    EXPECT_EQ(cell(13), V{"."});  // punctuation: no number
    EXPECT_EQ(surface.of(Drawn::Fill).size(), 2u);
    // Numbers at (x + 16, y + 24); letters centred at y + 178; labels
    // centred in the width of "W", 30 inside the right edge.
    EXPECT_TRUE(drawnAt("1", cellX(1) + 16, 274));
    EXPECT_TRUE(drawnAt("E", cellX(2) + 217, 428));
    EXPECT_TRUE(drawnAt("A", cellX(1) + 614 - 105 + 18 - 30, 274));  // (105 - 70) / 2 = 17.5 -> 18
    ASSERT_TRUE(print(true));
    EXPECT_EQ(cell(1), (V{numbered(1), label(1), "L"}));
    EXPECT_EQ(cell(2), (V{numbered(2), "e"}));
}

// Each header shape ends at its own height, where the grid starts. In the
// full one, "Quiz" (640 wide at 16 points) stands left of the Name blank
// (3200 at 10), the Period and Date blanks (1500, 2000) a line below.
TEST_F(Page, HeaderShapesAndTheirBottom) {
    struct Shape {
        bool title, name, period, createdBy;
        int bottom;
    };
    setQuote("Q");
    doc.header.title = "Quiz";
    doc.header.createdBy = "Ann";
    for (const Shape& shape : {Shape{true, false, false, false, 570}, Shape{true, false, false, true, 970},
                               Shape{true, true, false, false, 700}, Shape{true, false, true, false, 700},
                               Shape{false, true, true, true, 650}, Shape{false, true, true, false, 250},
                               Shape{true, true, true, false, 1150}}) {
        SCOPED_TRACE(shape.bottom);
        std::tie(doc.header.titleGiven, doc.header.nameLine, doc.header.periodDateLine,
                 doc.header.createdByGiven) =
            std::tie(shape.title, shape.name, shape.period, shape.createdBy);
        ASSERT_TRUE(print());
        EXPECT_EQ(printer->plan().headerBottom, shape.bottom);
        EXPECT_EQ(surface.of(Drawn::Box).at(0).y1, shape.bottom);
    }
    EXPECT_EQ(textsIn(0, 0, 12240, 1150).size(), 4u);
    EXPECT_TRUE(drawnAt("Quiz", 3480, 250));
    EXPECT_TRUE(drawnAt(kNameBlank, 7600, 250));
    EXPECT_TRUE(drawnAt(kPeriodBlank, 7600, 700));
    EXPECT_TRUE(drawnAt(kDateBlank, 9100, 700));
}

const std::string kLongWords =
    "abcdefgh abcdefgh abcdefgh abcdefgh";  // 35 characters, 4200 wide at 12 points

TEST_F(Page, QuestionColumnsBreakAfterHalfTheHeight) {
    setQuote("A");
    doc.header.miniInstructions = true;
    for (int q = 1; q <= 5; ++q) addQuestion("Q" + std::to_string(q), "cat");
    ASSERT_TRUE(print());
    // Five questions of one line (240) and 540 of gaps: break after 3.
    EXPECT_EQ(printer->plan().questions.columnBreak, 3);
    EXPECT_TRUE(drawnAt(kMiniInstructions, 3140, 250 + 714 - 25));
    EXPECT_TRUE(drawnAt(" D. ", 5820 + 80, 1454));
    EXPECT_TRUE(drawnAt("Q1", 640, 1844));
    const Drawn blank = surface.of(Drawn::Line).at(1);  // 340 long, 400 apart, at y - 45
    EXPECT_EQ(blank.x1, 1040);
    EXPECT_EQ(blank.y1, 1709);
    EXPECT_EQ(blank.x2, 1380);
    // A first question of four lines moves the break forward.
    doc.question[1] = kLongWords + " " + kLongWords + " " + kLongWords + " " + kLongWords;
    ASSERT_TRUE(print());
    EXPECT_EQ(printer->plan().questions.columnBreak, 2);
}

TEST_F(Page, QuestionShrinkStepsAndExtraSpacing) {
    struct Step {
        int available, gapA, gapB, size, e;
    };
    // Four questions of one line with `available` twips of room below a
    // one-cell grid (the default page leaves 13686): the taller column is
    // 1560 at first; the steps take 80 off it, and the third step measures
    // again (1160). An e above 200 is 10.
    setQuote("A");
    for (int q = 1; q <= 4; ++q) addQuestion("Q", "ab");
    for (const Step& s :
         {Step{3000, 360, 180, 12, 10}, Step{1960, 360, 180, 12, 200}, Step{1560, 360, 180, 12, 0},
          Step{1500, 320, 180, 8, 10}, Step{1450, 280, 180, 8, 25}, Step{1300, 280, 140, 8, 70},
          Step{1100, 240, 140, 8, 10}, Step{1050, 200, 140, 8, 25}, Step{950, 160, 140, 8, 15},
          Step{900, 240, 140, 8, 10}}) {  // overlapping: as roomy as still fits, e 10
        SCOPED_TRACE(s.available);
        page = PageValues::fromPageSize(12240, s.available + 760 + 1394);  // the questions start at 1394
        ASSERT_TRUE(print());
        EXPECT_EQ(labelY(1), 1394 + s.gapA - 300);
        EXPECT_EQ(printer->plan().questions.gapB, s.gapB);
        EXPECT_EQ(printer->plan().questions.extraSpacing, s.e);
        EXPECT_EQ(labelY(2) - labelY(1), 20 * s.size + s.gapA + s.gapB + 50 + s.e);
        EXPECT_EQ(surface.texts("Q").at(0).size, s.size);
    }
}

TEST_F(Page, AnswerBlanksOnPuzzleAndKey) {
    setQuote("A");
    addQuestion("Q", "ab c-d", "c");  // a space, a gap "c", a hyphen
    for (bool key : {false, true}) {
        SCOPED_TRACE(key);
        ASSERT_TRUE(print(key));
        EXPECT_EQ(surface.of(Drawn::Line).size(), 4u);  // none for the space and the hyphen
        EXPECT_TRUE(drawnAt("6", 2780, 1729));
        EXPECT_TRUE(drawnAt("C", 1840 + 110, 1464));
        EXPECT_TRUE(drawnAt("-", 2240 + 100, 1469));
        EXPECT_TRUE(textsIn(1440, 1000, 1840, 2000).empty());
        EXPECT_EQ(surface.texts("B").size(), key ? 1u : 0u);
    }
    EXPECT_TRUE(drawnAt("D", 2640 + 115, 1464));  // on the key, in italics
    EXPECT_TRUE(surface.texts("D").at(0).italic);
}

// The block on the default page: a frame from y 13340, blanks at 13915,
// labels at 13925, letters at 13670.
TEST_F(Page, CrosticBlockAndItsLabelsSize) {
    setQuote("Q");
    auto blankStarts = [&] {
        Xs xs;
        for (const Drawn& d : surface.of(Drawn::Line))
            if (d.y1 == 13915) xs.push_back(d.x1);
        return xs;
    };
    doc.crostic = "ABC~DEF";  // a tilde ends the row
    ASSERT_TRUE(print(false, true));
    EXPECT_EQ(blankStarts(), Xs({5400, 5750, 6100}));  // centred for 3
    EXPECT_TRUE(drawnAt("A", 5475, 13925));
    EXPECT_TRUE(textsIn(0, 13600, 12240, 13700).empty());  // no letters on the puzzle
    EXPECT_TRUE(surface.texts("D").empty());
    EXPECT_EQ(surface.of(Drawn::Box).back().y1, 13340);  // the frame's top
    ASSERT_TRUE(print(true, true));
    EXPECT_TRUE(drawnAt("A", 5475, 13670));
    EXPECT_EQ(textsIn(0, 13600, 12240, 13700).size(), 3u);
    const std::string phrase =
        "Place the first letter of each answer on the blank below to spell out info about the quotation";
    EXPECT_EQ(surface.texts(phrase).size(), 1u);

    doc.crostic = "AB 3C";  // non-letters printed, letters labelled by their question
    ASSERT_TRUE(print(false, true));
    EXPECT_EQ(textsIn(0, 13600, 12240, 13700), (V{" ", "3"}));
    EXPECT_EQ(textsIn(0, 13900, 12240, 13950), (V{"A", "B", "C"}));

    // A long crostic's labels share one size: "WW" (question 49) sets them all.
    doc.crostic = std::string(50, 'A');
    ASSERT_TRUE(print(true, true));
    const std::vector<Drawn> widest = surface.texts("WW");
    ASSERT_EQ(widest.size(), 1u);
    for (const char* label : {"A", "Z", "AA", "XX"})
        for (const Drawn& d : surface.texts(label))
            if (!d.italic) {
                EXPECT_EQ(d.size, widest[0].size) << label;
            }
    EXPECT_TRUE(drawnAt(kAnswerKeyMark, 10800 - 1200, 0));  // bold 12 points, on the key only
    ASSERT_TRUE(print(false, true));
    EXPECT_TRUE(surface.texts(kAnswerKeyMark).empty());
}

// Liberation Sans and Serif, each regular, bold, italic, bold italic, as
// tools/make_metrics.py writes them.
struct Face {
    int unitsPerEm = 0, ascent = 0, descent = 0, lineGap = 0;
    int widths[256] = {};
};
const std::vector<Face>& faces() {
    static const std::vector<Face> all = [] {
        std::vector<Face> out(8);
        std::ifstream in(QBRX_METRICS);
        std::string line;
        for (Face& f : out) {
            while (in.peek() == '#') std::getline(in, line);
            in >> line >> f.unitsPerEm >> f.ascent >> f.descent >> f.lineGap;
            for (int& w : f.widths) in >> w;
            in >> std::ws;
        }
        if (!in) throw std::runtime_error("cannot read " QBRX_METRICS);
        return out;
    }();
    return all;
}

bool boxed(const Drawn& d) { return d.kind == Drawn::Box || d.kind == Drawn::Fill; }

// Measures text as the printer does (advance widths, no kerning). A text is
// recorded by its ink: its width less leading and trailing spaces, from
// 0.75 em above its baseline (capitals, digits and ascenders) to the font's
// descent below.
class MetricSurface : public RecordingSurface {
public:
    using RecordingSurface::RecordingSurface;
    float textWidth(const std::string& text) override {
        double w = 0;
        for (char c : text) w += face().widths[static_cast<unsigned char>(c)];
        return static_cast<float>(w * em());
    }
    float textHeight(const std::string& text) override {
        const auto lines =
            std::count(text.begin(), text.end(), '\r') + (text.empty() || text.back() == '\r' ? 0 : 1);
        return static_cast<float>(static_cast<double>(lines) *
                                  (face().ascent + face().descent + face().lineGap) * em());
    }
    void printText(const std::string& text) override {
        const std::size_t first = text.find_first_not_of(' '), last = text.find_last_not_of(' ');
        const double baseline = y_ + face().ascent * em();
        if (first != std::string::npos)
            add(Drawn::Text, x_ + textWidth(text.substr(0, first)), baseline - 0.75 * size_ * 20,
                x_ + textWidth(text.substr(0, last + 1)), baseline + face().descent * em(), text);
        x_ += textWidth(text);
    }

private:
    const Face& face() const {
        return faces()[(font_ == "Times New Roman" ? 4u : 0u) + (bold_ ? 1u : 0u) + (italic_ ? 2u : 0u)];
    }
    // Twips per font unit. The printer (1200 dots an inch) sets the font in
    // whole dots; rounding up keeps widths from coming out narrower.
    double em() const { return std::ceil(size_ * 1200 / 72) * 72 / 1200 * 20 / face().unitsPerEm; }
};

struct Paper {
    double width, height;  // the printable area
};
const Paper kLetter{11520, 15120}, kA4{11186, 16118};
constexpr int kTextBoxLimit = 32767;  // what a text box holds

std::string repeat(std::size_t length, const std::string& pattern) {
    std::string s;
    while (s.size() < length) s += pattern;
    return s.substr(0, length);
}

// Every other quotation letter taken by an answer; answers of 3 to 24
// letters (two rows of blanks) with gaps and a hyphen; every fourth
// question of two lines, the last one word too long for a line.
Document puzzle(int quoteLength, int questions, const std::string& crostic, bool longest = false) {
    Document doc;
    doc.quotation = repeat(quoteLength, "Whatever you can do, or dream, begin it! ");
    doc.quoteLength = quoteLength;
    doc.letterPool = upper(doc.quotation);
    for (int p = 1; p <= quoteLength && questions > 0; p += 2)
        if (static_cast<unsigned char>(doc.letterPool[p - 1]) >= 65) {
            doc.letterPool[p - 1] = '_';
            doc.positionOwner[p] = p % questions + 1;
        }
    doc.questionCount = questions;
    for (int q = 1; q <= questions; ++q) {
        doc.question[q] =
            longest ? repeat(kTextBoxLimit, "Supercalifragilistic words run on ")
                    : "Question " + std::to_string(q) + " about an ordinary thing" +
                          (q % 4 ? "" : " that runs on as a teacher's clue can, giving a hint or two");
        doc.answer[q] = doc.answerMarks[q] = repeat(3 + q * 5 % 22, q % 9 ? "wonderfully" : "well-known");
        for (std::size_t k = 0; k < doc.answer[q].size(); ++k)
            if (doc.answer[q][k] >= 'a' && k % 7 != 3) {
                doc.answerMarks[q][k] = '_';
                doc.answerLetterNo[q][k + 1] = (q * 7 + k) % 255 + 1;
            }
    }
    if (questions > 0 && !longest) doc.question[questions] = std::string(90, 'W');
    doc.crostic = crostic;
    doc.header.titleGiven = doc.header.createdByGiven = true;
    doc.header.nameLine = doc.header.periodDateLine = doc.header.miniInstructions = true;
    doc.header.title = "Walden Pond Acrostic";
    doc.header.createdBy = "Ms. Rivera";
    return doc;
}

const std::string kLetters = repeat(50, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
// 32, 33 and 50 characters, and as many with a tilde (in front it cuts nothing).
const std::vector<std::string> kCrostics = {"",
                                            kLetters.substr(0, 32),
                                            kLetters.substr(0, 33),
                                            kLetters,
                                            kLetters.substr(0, 20) + "~" + kLetters.substr(0, 11),
                                            kLetters.substr(0, 20) + "~" + kLetters.substr(0, 12),
                                            "~" + kLetters.substr(0, 49)};

std::string where(const Drawn& d) {
    std::ostringstream s;
    s << "\"" << d.text.substr(0, 40) << "\" at (" << d.x1 << ", " << d.y1 << ") on page " << d.page;
    return s.str();
}

// Lays out the puzzle and the key and checks both; returns the pages.
int check(const Document& doc, const Paper& paper) {
    int pages = 0;
    for (bool key : {false, true}) {
        SCOPED_TRACE(key ? "key" : "puzzle");
        MetricSurface s(paper.width, paper.height);
        const bool crostic = !doc.crostic.empty();
        PagePrinter printer(doc, s, PageValues::fromPageSize(paper.width, paper.height),
                            PrintOptions{key, crostic});
        EXPECT_TRUE(printer.printDoc());
        pages = printer.plan().questions.pageCount;

        std::vector<Drawn> texts = s.of(Drawn::Text);
        std::sort(texts.begin(), texts.end(), [](const Drawn& a, const Drawn& b) {
            return std::tie(a.page, a.y1) < std::tie(b.page, b.y1);
        });
        for (auto a = texts.begin(); a != texts.end(); ++a) {
            EXPECT_GE(a->x1, 0) << where(*a);
            EXPECT_GE(a->y1, 0) << where(*a);
            EXPECT_LE(a->x2, paper.width) << where(*a);
            EXPECT_LE(a->y2, paper.height) << where(*a);
            for (auto b = a + 1; b != texts.end() && b->page == a->page && b->y1 < a->y2; ++b)
                EXPECT_FALSE(b->x1 < a->x2 && a->x1 < b->x2) << where(*a) << " runs into " << where(*b);
        }
        // The whole grid on the first page; every question once.
        const GridGeometry& geometry = printer.plan().grid.geometry;
        const int cell = geometry.cellSize;
        auto isCell = [&](const Drawn& d) { return boxed(d) && d.x2 - d.x1 == cell && d.y2 - d.y1 == cell; };
        const long cells = geometry.rows * geometry.columns;
        auto onPage1 = [&](const Drawn& d) { return isCell(d) && d.page == 1; };
        EXPECT_EQ(std::count_if(s.drawn.begin(), s.drawn.end(), isCell), cells);
        EXPECT_EQ(std::count_if(s.drawn.begin(), s.drawn.end(), onPage1), cells);
        for (int q = 1; q <= doc.questionCount; ++q)
            EXPECT_EQ(s.of(Drawn::Text, listPrefix[q].c_str()).size(), 1u) << "question " << q;

        // The crostic's blanks and texts inside its frame.
        if (!crostic) continue;
        const Drawn frame = *std::find_if(s.drawn.rbegin(), s.drawn.rend(),
                                          [&](const Drawn& d) { return boxed(d) && !isCell(d); });
        for (const Drawn& d : s.drawn)
            if (d.page == 1 && !boxed(d) && d.y1 > frame.y1 && d.y1 < frame.y2) {
                EXPECT_GT(d.x1, frame.x1) << where(d);
                EXPECT_LT(d.x2, frame.x2) << where(d);
            }
    }
    return pages;
}

TEST(PageStress, EveryQuotationLengthWithEveryQuestionCount) {
    ASSERT_NO_THROW(faces());  // the font widths, as tools/make_metrics.py writes them
    std::size_t variant = 0;
    for (const Paper& paper : {kLetter, kA4}) {
        for (int length : {1, 85, 86, 200, 201, 255})
            for (int questions : {0, 1, 26, 27, 30, 40, 50}) {
                SCOPED_TRACE(::testing::Message() << paper.width << ": " << length << " characters, "
                                                  << questions << " questions");
                check(puzzle(length, questions, kCrostics[variant++ % kCrostics.size()]), paper);
            }
        for (const std::string& crostic : kCrostics) {
            SCOPED_TRACE(crostic);
            check(puzzle(120, 50, crostic), paper);
        }
    }
}

// A title of any length keeps clear of the blanks beside it, on Letter and A4.
TEST(PageTitle, ClearsTheBlanksAtEveryLength) {
    for (const Paper& paper : {kLetter, kA4})
        for (const bool name : {true, false})
            for (std::size_t length = 1; length <= 100; ++length) {
                SCOPED_TRACE(::testing::Message()
                             << paper.width << (name ? " Name, " : " Period, ") << length);
                Document doc = puzzle(1, 0, "");
                doc.header.title = repeat(length, "Acrostic of the Week ");
                doc.header.nameLine = name;
                MetricSurface s(paper.width, paper.height);
                PagePrinter printer(doc, s, PageValues::fromPageSize(paper.width, paper.height),
                                    PrintOptions{});
                ASSERT_TRUE(printer.printDoc());
                const Drawn blank = s.texts(name ? kNameBlank : kPeriodBlank).at(0);
                for (const Drawn& d : s.of(Drawn::Text))
                    if (d.bold) {
                        EXPECT_LE(d.x2 + 100, blank.x1) << where(d);
                    }
            }
}

// In every band with three-digit numbers, each label of the fifty questions
// keeps a clear gap after the number and stays inside its cell.
TEST(PageGrid, OwnerLabelsKeepClearOfTheNumbers) {
    for (const int length : {120, 161, 200, 255}) {
        SCOPED_TRACE(length);
        Document doc = puzzle(length, 0, "");
        doc.quotation = doc.letterPool = std::string(static_cast<std::size_t>(length), '_');
        for (int p = 1; p <= length; ++p) doc.positionOwner[p] = (p - 1) % kMaxSlots + 1;
        MetricSurface s(kLetter.width, kLetter.height);
        PagePrinter printer(doc, s, PageValues::fromPageSize(kLetter.width, kLetter.height), PrintOptions{});
        ASSERT_TRUE(printer.printDoc());
        const int cell = printer.plan().grid.geometry.cellSize;
        const std::vector<Drawn> texts = s.of(Drawn::Text);
        int pairs = 0;
        for (std::size_t i = 0; i + 1 < texts.size(); ++i) {
            const Drawn &number = texts[i], &label = texts[i + 1];
            if (number.text.size() < 3 || !std::isdigit(static_cast<unsigned char>(number.text[0]))) continue;
            if (!std::isupper(static_cast<unsigned char>(label.text[0]))) continue;
            ++pairs;
            EXPECT_GE(label.x1 - number.x2, 36) << where(number) << " and " << where(label);
            EXPECT_LE(label.x2, number.x1 - 16 + cell - 6) << where(label);
        }
        EXPECT_GT(pairs, 0);
    }
}

// Questions, title and created-by text as long as their text boxes hold,
// in every header shape: the questions take further pages.
TEST(PageStress, TextsAtTheirLongest) {
    for (const Paper& paper : {kLetter, kA4})
        for (int shape = 0; shape < 4; ++shape) {
            SCOPED_TRACE(shape);
            Document doc = puzzle(255, 50, kLetters, true);
            doc.header.nameLine = shape & 1;
            doc.header.periodDateLine = shape & 2;
            doc.header.title = repeat(kTextBoxLimit, "Acrostic of the Week ");
            doc.header.createdBy = repeat(kTextBoxLimit, "Ms. Rivera and Mr. Okafor ");
            EXPECT_GE(check(doc, paper), 2);
            doc.header.title = std::string(kTextBoxLimit, 'W');  // no space to wrap at
            check(doc, paper);
        }
}

}  // namespace
}  // namespace qbrx
