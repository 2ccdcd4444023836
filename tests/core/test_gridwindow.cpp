#include "scriptedprompter.h"

namespace qbrx::test {
namespace {

std::vector<DrawOp> textsAt(const GridPicture& pic, int x, int y) {
    std::vector<DrawOp> out;
    for (const DrawOp& op : pic.ops)
        if (op.kind == DrawOp::Kind::Text && op.x1 == x && op.y1 == y) out.push_back(op);
    return out;
}

TEST_F(EditorTest, GridOfAnEightyFiveCharacterQuotation) {
    registerQuote("ab c." + std::string(80, 'x'));
    accept("q", "ab");
    const GridPicture& pic = ed.view.grid;
    EXPECT_EQ(pic.height, 5 * 512 + 400);
    EXPECT_EQ(pic.width, ed.quoteBoxWidth + 10);
    ASSERT_FALSE(pic.ops.empty());
    EXPECT_EQ(pic.ops[0].fill, kGridBackground);
    const auto cells = std::count_if(pic.ops.begin(), pic.ops.end(), [](const DrawOp& op) {
        return op.kind == DrawOp::Kind::Box && op.border == kBlack && op.x2 - op.x1 == 512 + 12;
    });
    EXPECT_EQ(cells, 85);

    const int gx = (9600 - 17 * 512) / 2;
    // Cell 1: the A taken by slot A shows its number and label, not the letter.
    const auto taken = textsAt(pic, gx + 32, 200 + 64 - 60);
    ASSERT_EQ(taken.size(), 1u);
    EXPECT_EQ(taken[0].text, "1");
    EXPECT_EQ(taken[0].color, kRed);
    const auto label = textsAt(pic, gx + 512 - 150 + 20, 200 + 64 - 60);
    ASSERT_EQ(label.size(), 1u);
    EXPECT_EQ(label[0].text, "A");
    EXPECT_EQ(label[0].color, kBlue);
    const int letterY = 200 + 512 - 96 - 290;
    EXPECT_TRUE(textsAt(pic, gx + 150, letterY).empty());

    // Cell 3 is the space: grey, no number. Cell 4 is a free letter, cell 5
    // a full stop without number.
    const auto grey = std::count_if(pic.ops.begin(), pic.ops.end(), [&](const DrawOp& op) {
        return op.kind == DrawOp::Kind::Box && op.x1 == gx + 2 * 512 && op.fill == kLightGrey;
    });
    EXPECT_GE(grey, 1);
    EXPECT_TRUE(textsAt(pic, gx + 2 * 512 + 32, 204).empty());
    EXPECT_EQ(textsAt(pic, gx + 3 * 512 + 32, 204).at(0).text, "3");
    EXPECT_EQ(textsAt(pic, gx + 3 * 512 + 150, letterY).at(0).text, "C");
    EXPECT_EQ(textsAt(pic, gx + 4 * 512 + 150, letterY).at(0).text, ".");
    EXPECT_TRUE(textsAt(pic, gx + 4 * 512 + 32, 204).empty());
}

TEST_F(EditorTest, ShowQuoteButtonAndGridFocus) {
    ed.quoteGridMenu();
    EXPECT_FALSE(ed.view.gridVisible);
    registerQuote("abc");
    ed.quoteButtonClick();
    EXPECT_FALSE(ed.view.gridVisible);
    EXPECT_EQ(ed.view.quoteButtonCaption, "Show Quote");
    ed.quoteButtonClick();
    EXPECT_TRUE(ed.view.gridVisible);
    ed.gridWindowFocus(false);
    EXPECT_EQ(ed.view.focus, Focus::Question);
    ed.questionBoxFocus();
    EXPECT_EQ(ed.view.quoteButtonCaption, "Show Quote");
    EXPECT_TRUE(ed.view.gridVisible);
    ed.gridWindowFocus(true);
    ed.quoteButtonClick();
    EXPECT_EQ(ed.view.quoteButtonCaption, "Hide Quote");
    EXPECT_TRUE(ed.view.quoteButtonTag.empty());
}

}  // namespace
}  // namespace qbrx::test
