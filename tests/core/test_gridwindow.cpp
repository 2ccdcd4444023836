#include "editorfixture.h"

namespace qbrx::test {
namespace {

// The text drawn at (x, y) with its colour, "" when none.
std::string textAt(const GridPicture& pic, int x, int y) {
    for (const DrawOp& op : pic.ops)
        if (op.kind == DrawOp::Kind::Text && op.x1 == x && op.y1 == y)
            return op.text + (op.color == kRed ? "/red" : op.color == kBlue ? "/blue" : "");
    return "";
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
    // Cell 1: the A taken by slot A shows its number and label, not the letter.
    EXPECT_EQ(textAt(pic, cellX(1) + 32, numberY), "1/red");
    EXPECT_EQ(textAt(pic, cellX(1) + 512 - 150 + 20, numberY), "A/blue");
    EXPECT_EQ(textAt(pic, cellX(1) + 150, letterY), "");
    // Cell 3, the space, is grey without number; cell 4 a free letter; cell 5
    // a full stop without number.
    EXPECT_TRUE(std::any_of(pic.ops.begin(), pic.ops.end(),
                            [&](const DrawOp& op) { return op.x1 == cellX(3) && op.fill == kLightGrey; }));
    EXPECT_EQ(textAt(pic, cellX(3) + 32, numberY), "");
    EXPECT_EQ(textAt(pic, cellX(4) + 32, numberY), "3/red");
    EXPECT_EQ(textAt(pic, cellX(4) + 150, letterY), "C");
    EXPECT_EQ(textAt(pic, cellX(5) + 32, numberY), "");
    EXPECT_EQ(textAt(pic, cellX(5) + 150, letterY), ".");
}

}  // namespace
}  // namespace qbrx::test
