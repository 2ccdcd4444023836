// SPDX-License-Identifier: GPL-3.0-or-later
#include "editorfixture.h"
#include "gridcells.h"

namespace qbrx::test {
namespace {

TEST(CleanQuotation, QuoteMarksAndSpaces) {
    // A mark before a space or at the end closes (211); any other opens (210),
    // even before a full stop or comma.
    const std::pair<std::string, std::string> cases[] = {
        {"\"a\" \"b\". \"c\", d \"",
         "\xD2"
         "a\xD3 \xD2"
         "b\xD2. \xD2"
         "c\xD2, d \xD3"},
        {"  a   b  ", " a b "},
        {"a\t\tb \t c", "a\t\tb \t c"},
    };
    for (auto [in, out] : cases) EXPECT_EQ(Editor::cleanQuotation(in), out) << in;
}

TEST_F(EditorTest, NumbersEveryLetterButCountsOnlyAToZ) {
    registerQuote("Less   is more.");
    EXPECT_EQ(ed.doc.letterPool, "LESS IS MORE.");
    const int positions[] = {1, 2, 3, 4, 6, 7, 9, 10, 11, 12};
    for (int n = 1; n <= 10; ++n) EXPECT_EQ(ed.doc.positionLetterNo[positions[n - 1]], n);
    EXPECT_EQ(ed.doc.positionLetterNo[5], 0);
    EXPECT_EQ(ed.doc.positionLetterNo[13], 0);
    EXPECT_TRUE(ed.view.gridVisible);

    // The accented letter and both marks are numbered, yet not counted.
    registerQuote("\"Caf\xE9\" x");
    for (int p = 1; p <= 6; ++p) EXPECT_EQ(ed.doc.positionLetterNo[p], p);
    EXPECT_EQ(ed.doc.totalLetters, 4);
    EXPECT_EQ(ed.doc.lettersLeft, "acfx");
    EXPECT_EQ(ed.view.lettersLeft[0], "1");   // A
    EXPECT_EQ(ed.view.lettersLeft[1], "0");   // B
    EXPECT_EQ(ed.view.lettersLeft[26], "4");  // all
    EXPECT_EQ(ed.view.vowels, "1");
    EXPECT_EQ(ed.view.consonants, "3");
}

TEST_F(EditorTest, EmptyQuotationIsRefusedAndEnterCutsTo255) {
    ed.view.quoteBox.clear();
    ed.registerButton();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].title, "Missing Quotation");
    EXPECT_FALSE(ed.doc.docChanged);
    EXPECT_FALSE(ed.view.controlsEnabled);

    ed.view.quoteBox = std::string(300, 'x');
    ed.quoteEnter();
    EXPECT_EQ(ed.doc.quoteLength, 255);
    EXPECT_EQ(ed.doc.positionLetterNo[255], 255);
    EXPECT_EQ(ed.view.quoteBox.size(), 255u);
}

// The letter numbers are what the printed puzzle and key carry: a
// registration that changes neither the quotation nor an answer keeps them,
// so a key printed later matches the puzzle already handed out.
class RegisterAgainTest : public EditorTest {
protected:
    ScriptedRandom later{{0.5, 0.9, 0.3, 0.7}};
    void SetUp() override {
        EditorTest::SetUp();
        registerQuote("Less is more, said the architect of glass towers.");
        accept("Fewer", "less");
        accept("Spoke", "said");
        ed.setRandom(later);  // a fresh draw would now take other copies
    }
};

TEST_F(RegisterAgainTest, NothingChangedKeepsEveryNumberAndAChangeOrAMoveDrawsAfresh) {
    const Numbers less = numbers(1, 4);
    const Numbers said = numbers(2, 4);
    const std::string pool = ed.doc.letterPool;
    ed.registerButton();
    EXPECT_EQ(numbers(1, 4), less);
    EXPECT_EQ(numbers(2, 4), said);
    EXPECT_EQ(ed.doc.letterPool, pool);
    EXPECT_EQ(later.drawn(), 0);
    ed.quoteEnter();
    EXPECT_EQ(numbers(1, 4), less);

    // A changed quotation, or a move, draws afresh.
    registerQuote("Less is more, said the architect of glass towers!");
    EXPECT_EQ(later.drawn(), 8);
    ed.selectListRow(0);
    ed.moveQuestion(1);
    ed.registerButton();
    EXPECT_EQ(later.drawn(), 16);
}

TEST_F(RegisterAgainTest, AnEditedQuestionKeepsTheNumbersAndAnEditedAnswerDrawsAfresh) {
    const Numbers less = numbers(1, 4);
    ed.selectListRow(0);
    accept("Not as much", "less");
    EXPECT_EQ(numbers(1, 4), less);
    EXPECT_EQ(ed.doc.answerMarks[1], "____");

    ed.selectListRow(1);
    accept("Spoke", "told");
    EXPECT_EQ(later.drawn(), 8);  // every letter of both answers
}

// The text drawn at (x, y); an empty one when none is.
DrawOp textAt(const GridPicture& pic, int x, int y) {
    for (const DrawOp& op : pic.ops)
        if (op.kind == DrawOp::Kind::Text && op.x1 == x && op.y1 == y) return op;
    return {};
}

TEST_F(EditorTest, GridOfAnEightyFiveCharacterQuotation) {
    registerQuote("ab c." + std::string(80, 'x'));
    accept("q", "ab");
    const GridPicture& pic = ed.view.grid;
    EXPECT_EQ(pic.height, 5 * 512 + 400);
    EXPECT_EQ(pic.width, ed.quoteBoxWidth + 10);
    const auto cells = std::count_if(pic.ops.begin(), pic.ops.end(), [](const DrawOp& op) {
        return op.kind == DrawOp::Kind::Box && op.border == kBlack && op.x2 - op.x1 == 512 + 12;
    });
    EXPECT_EQ(cells, 85);

    const int gx = (9600 - 17 * 512) / 2, numberY = 200 + 64 - 60, letterY = 200 + 512 - 96 - 290;
    const auto cellX = [&](int c) { return gx + (c - 1) * 512; };
    // The numbers and labels are the grid model's.
    const std::vector<GridCell> model = gridCells(ed.doc, computeGridGeometry(ed.doc.quoteLength));
    // Cell 1: the A taken by slot A shows its number and label, not the letter.
    EXPECT_EQ(textAt(pic, cellX(1) + 32, numberY).text, std::to_string(model[0].number));
    EXPECT_EQ(textAt(pic, cellX(1) + 32, numberY).color, kRed);
    EXPECT_EQ(textAt(pic, cellX(1) + 512 - 150 + 20, numberY).text, model[0].ownerLabel);
    EXPECT_EQ(textAt(pic, cellX(1) + 512 - 150 + 20, numberY).color, kBlue);
    EXPECT_EQ(textAt(pic, cellX(1) + 150, letterY).text, "");
    // Cell 3, the space, is grey without number; cell 4 a free letter; cell 5
    // a full stop without number.
    EXPECT_TRUE(std::any_of(pic.ops.begin(), pic.ops.end(),
                            [&](const DrawOp& op) { return op.x1 == cellX(3) && op.fill == kLightGrey; }));
    EXPECT_EQ(textAt(pic, cellX(3) + 32, numberY).text, "");
    EXPECT_EQ(textAt(pic, cellX(4) + 32, numberY).text, std::to_string(model[3].number));
    EXPECT_EQ(textAt(pic, cellX(4) + 32, numberY).color, kRed);
    EXPECT_EQ(textAt(pic, cellX(4) + 150, letterY).text, "C");
    EXPECT_EQ(textAt(pic, cellX(5) + 32, numberY).text, "");
    EXPECT_EQ(textAt(pic, cellX(5) + 150, letterY).text, ".");
}

}  // namespace
}  // namespace qbrx::test
