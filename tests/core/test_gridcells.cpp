// SPDX-License-Identifier: GPL-3.0-or-later
// The grid model every drawing of the grid starts from: the cells row by
// row, with the leading blanks, the letter numbers, and the labels of the
// answers that took the letters.
#include <algorithm>

#include "editorfixture.h"
#include "gridcells.h"

namespace qbrx::test {
namespace {

class GridCellsTest : public EditorTest {
protected:
    std::vector<GridCell> cells() const { return gridCells(ed.doc, computeGridGeometry(ed.doc.quoteLength)); }
};

// 86 characters: 5 rows of 18 columns, the quotation after 2 leading
// blanks, 2 blanks after it. The apostrophe and the space take cells
// without numbers, so the letter after them is number 4.
TEST_F(GridCellsTest, LeadingBlanksTheLastRowAndCellsWithoutNumbers) {
    registerQuote("It's not the years in your life that count. It's the life in your years, said Lincoln!");
    const std::vector<GridCell> all = cells();
    ASSERT_EQ(all.size(), 90u);
    EXPECT_TRUE(all[1].outside());
    EXPECT_EQ(all[2].position, 1);
    EXPECT_EQ(all[2].character, "I");
    EXPECT_EQ(all[2].number, 1);
    EXPECT_EQ(all[4].character, "'");
    EXPECT_EQ(all[4].number, 0);
    EXPECT_EQ(all[5].number, 3);
    EXPECT_EQ(all[6].number, 0);
    EXPECT_EQ(all[7].number, 4);
    EXPECT_EQ(all[87].position, 86);
    EXPECT_EQ(all[87].row, 4);
    EXPECT_EQ(all[87].column, 15);
    EXPECT_TRUE(all[88].outside());
    EXPECT_EQ(all[89].stockCode(), 32);
}

// An answer's letters carry its label and the stock's "_"; free ones none,
// also a free accented letter (its stock code is above 90) whose answer was
// deleted: in the model and in the grid window's picture.
TEST_F(GridCellsTest, OwnerLabelsFollowTheAnswers) {
    const auto blueLabels = [this] {
        const auto& ops = ed.view.grid.ops;
        return std::count_if(ops.begin(), ops.end(), [](const DrawOp& op) { return op.color == kBlue; });
    };
    registerQuote("Caf\xe9 au lait");
    accept("Drink", "caf\xe9");
    accept("Milk, in French", "lait");
    std::vector<GridCell> all = cells();
    EXPECT_EQ(all[3].ownerLabel, "A");
    EXPECT_EQ(all[3].stock, "_");
    EXPECT_EQ(all[8].ownerLabel, "B");
    EXPECT_EQ(all[6].ownerLabel, "");
    EXPECT_EQ(all[6].stock, "U");
    EXPECT_EQ(blueLabels(), 8);
    ed.selectListRow(0);
    prompter.replies = {Reply::Ok};
    ed.deleteFromPopup();
    all = cells();
    EXPECT_EQ(all[3].ownerLabel, "");
    EXPECT_EQ(all[3].stock, "\xc9");
    EXPECT_EQ(blueLabels(), 4);
}

}  // namespace
}  // namespace qbrx::test
