// The top of the page: header shapes, the quotation grid, the
// mini-instructions line, and a page abandoned by an overflow.
#include "numeric.h"
#include "pagefixture.h"

namespace qbrx::test {
namespace {

using Grid = PageTest;

struct Band {
    int length, rows, columns, leading, cell, questionSize;
};

TEST_F(Grid, BandsGiveRowsColumnsLeadingBlanksAndPrintedCell) {
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
        EXPECT_EQ(printer->gridHeight, b.rows * b.cell + 100);

        // Cells in drawing order: leading blanks and the cells past the end
        // are black, the letters outlined.
        std::vector<Drawn> cells;
        for (const Drawn& d : surface.drawn)
            if (d.kind == Drawn::Box || d.kind == Drawn::Fill) cells.push_back(d);
        ASSERT_EQ(cells.size(), static_cast<std::size_t>(b.rows * b.columns));
        const int trailing = b.rows * b.columns - b.length - b.leading;
        for (int i = 0; i < b.rows * b.columns; ++i) {
            const bool black = i < b.leading || i >= b.rows * b.columns - trailing;
            EXPECT_EQ(cells[static_cast<std::size_t>(i)].kind, black ? Drawn::Fill : Drawn::Box) << "cell " << i;
        }
        const double x0 = cells.front().x1;
        EXPECT_EQ(x0, roundHalfEven((12240.0 - b.columns * b.cell) / 4));
        EXPECT_EQ(cells.back().x2, x0 + b.columns * b.cell);
        EXPECT_EQ(cells.back().y2, 250 + b.rows * b.cell);
        // The last letter carries the last number.
        EXPECT_EQ(surface.texts(std::to_string(b.length)).size(), 1u);
        EXPECT_TRUE(surface.texts(std::to_string(b.length + 1)).empty());
    }
}

// "Less is more." on one row of 13 cells of 614 twips from x 1064 (1064.5
// rounded to even), y 250. Positions 1, 3 and 11 are taken by the answers
// of slots 1 ("A"), 9 ("I") and 35 ("II"); position 2 is free but still
// names an earlier owner.
class GridCells : public PageTest {
protected:
    void SetUp() override {
        setQuote("Less is more.");
        take(1, 1);
        take(3, 9);
        take(11, 35);
        doc.positionOwner[2] = 4;
    }
    static double cellX(int c) { return 1064 + (c - 1) * 614; }
    // Texts of cell c above its lower edge.
    std::vector<std::string> cell(int c) const { return textsIn(cellX(c), 250, cellX(c) + 614, 864); }
};

TEST_F(GridCells, PuzzleShowsNumbersAndLabelsOfTakenLettersAndFreeLetters) {
    ASSERT_TRUE(print());
    using V = std::vector<std::string>;
    EXPECT_EQ(cell(1), (V{"1", "A"}));
    EXPECT_EQ(cell(2), (V{"2", "E"}));  // free: letter, no label
    EXPECT_EQ(cell(3), (V{"3", "I"}));
    EXPECT_EQ(cell(5), V{});            // space
    EXPECT_EQ(cell(11), (V{"9", "II"}));
    EXPECT_EQ(cell(13), V{"."});        // punctuation: no number
    EXPECT_EQ(surface.of(Drawn::Fill).size(), 2u);
    EXPECT_EQ(surface.of(Drawn::Fill)[0].x1, cellX(5));

    // Numbers at (x + 16, y + 64 - 40) in 7 points; letters centred at
    // y + 614 - 96 - 340 in 18 points.
    EXPECT_TRUE(drawnAt("1", cellX(1) + 16, 274));
    EXPECT_EQ(surface.texts("1")[0].size, 7);
    EXPECT_TRUE(drawnAt("E", cellX(2) + 217, 428));
    EXPECT_EQ(surface.texts("E")[0].size, 18);
    // Labels centred in the width of "W" or "WW", 30 inside the right edge.
    EXPECT_TRUE(drawnAt("A", cellX(1) + 614 - 105 + 18 - 30, 274));  // (105 - 70) / 2 = 17.5 -> 18
    EXPECT_TRUE(drawnAt("I", cellX(3) + 614 - 105 + 35 - 30, 274));
    EXPECT_TRUE(drawnAt("II", cellX(11) + 614 - 210 + 70 - 30, 274));
}

TEST_F(GridCells, KeyAddsTheLettersAsTyped) {
    ASSERT_TRUE(print(true));
    using V = std::vector<std::string>;
    EXPECT_EQ(cell(1), (V{"1", "A", "L"}));
    EXPECT_EQ(cell(2), (V{"2", "e"}));
    EXPECT_EQ(cell(11), (V{"9", "II", "r"}));
    EXPECT_EQ(cell(13), V{"."});
    EXPECT_FALSE(printer->keyMode);
}

TEST_F(PageTest, QuotationOfOneCellBelowEveryHeaderShape) {
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
        {true, true, true, false,
         {{"Quiz", {3480, 250}}, {kNameBlank, {7600, 250}}, {kPeriodBlank, {7600, 700}}, {kDateBlank, {9100, 700}}},
         1150},
        {true, false, true, false, {{"Quiz", {3330, 250}}, {kPeriodBlank, {7300, 250}}, {kDateBlank, {8800, 250}}}, 700},
        {false, true, true, true, {{"Created by Ann", {220, 450}}}, 650},
        {false, true, true, false, {}, 250},
    };
    setQuote("Q");
    for (const Shape& shape : shapes) {
        SCOPED_TRACE(shape.bottom);
        doc.header.titleGiven = shape.title;
        doc.header.title = "Quiz";
        doc.header.nameLine = shape.name;
        doc.header.periodDateLine = shape.period;
        doc.header.createdByGiven = shape.createdBy;
        doc.header.createdBy = "Ann";
        ASSERT_TRUE(print());
        EXPECT_EQ(printer->headerBottom, shape.bottom);
        EXPECT_EQ(textsIn(0, 0, 12240, shape.bottom).size(), shape.texts.size());
        for (const auto& [text, xy] : shape.texts) EXPECT_TRUE(drawnAt(text, xy.first, xy.second));
        if (shape.title) {
            EXPECT_TRUE(surface.texts("Quiz")[0].bold);
            EXPECT_EQ(surface.texts("Quiz")[0].size, 16);
        }
        if (shape.createdBy) {
            EXPECT_TRUE(surface.texts("Created by Ann")[0].italic);
        }
        // The grid starts at the header bottom.
        EXPECT_EQ(surface.of(Drawn::Box).at(0).y1, shape.bottom);
    }
}

TEST_F(PageTest, MiniInstructionsLineFollowsTheOptionButItsHeightAlwaysCounts) {
    setQuote("Q");
    addQuestion("Why", "ab");
    doc.header.miniInstructions = true;
    ASSERT_TRUE(print());
    // 58 characters at 9 points: 5220 wide, centred on 5750, under the grid.
    EXPECT_TRUE(drawnAt(kMiniInstructions, 3140, 250 + 714 - 25));
    EXPECT_EQ(surface.texts(kMiniInstructions)[0].font, "Times New Roman");
    EXPECT_EQ(printer->miniInstructionsHeight, 180 + 250);
    const double labelY = surface.texts(" A. ").at(0).y1;

    doc.header.miniInstructions = false;
    ASSERT_TRUE(print());
    EXPECT_TRUE(surface.texts(kMiniInstructions).empty());
    EXPECT_EQ(surface.texts(" A. ").at(0).y1, labelY);

    doc.header.miniInstructions = true;
    doc.header.instructions.clear();
    ASSERT_TRUE(print());
    EXPECT_EQ(printer->miniInstructionsHeight, 250);
    EXPECT_EQ(surface.texts(" A. ").at(0).y1, labelY - 180);
}

TEST_F(PageTest, PageWithoutQuotationHasNoGrid) {
    addQuestion("Why", "ab");
    ASSERT_TRUE(print());
    EXPECT_TRUE(surface.ended);
    EXPECT_TRUE(surface.of(Drawn::Box).empty());
    EXPECT_EQ(printer->gridHeight, 100);
}

TEST_F(PageTest, OverflowAbandonsThePageWithoutEndingIt) {
    setQuote("Q");
    doc.header.titleGiven = true;
    doc.header.title = std::string(500, 'x');  // 80000 wide: the title x leaves 16 bits
    ASSERT_FALSE(print(true));
    EXPECT_FALSE(surface.ended);
    EXPECT_FALSE(printer->keyMode);
    EXPECT_TRUE(surface.of(Drawn::Box).empty());

    doc.header.title = std::string(400, 'x');  // -26600 still fits
    EXPECT_TRUE(print());
    EXPECT_TRUE(surface.ended);
}

}  // namespace
}  // namespace qbrx::test
