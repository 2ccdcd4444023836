// Planning a fill from a puzzle and writing it back through Accept.
#include "../core/editorfixture.h"
#include "puzzlefill.h"

namespace qbrx::test {
namespace {

class PuzzleFill : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        registerQuote("Tea at a bat.");
    }
    // Accept into `slot` as the window does after a click on its row.
    void accept(int slot, const std::string& question, const std::string& answer) {
        ed.selectListRow(slot - 1);
        EditorTest::accept(question, answer);
    }
};

TEST_F(PuzzleFill, FillsTheEmptySlotsAroundTheWrittenAnswers) {
    prompter.inputs.push_back("TBAT");
    ed.setupCrostic();
    accept(1, "What is brewed?", "Tea");
    accept(2, "It flies at night", "B");
    accept(3, "Question for []", "");
    accept(4, "Ends here", "T");
    const FillPlan plan = planFill(ed.doc, 0);
    ASSERT_EQ(plan.targets.size(), 3u);
    EXPECT_EQ(plan.targets[0].first, 'B');
    // "no answer" put its own "n" in place of the crostic's A.
    EXPECT_EQ(plan.targets[1].first, 0);
    // The letters the empty slots hold go back to the fill.
    EXPECT_EQ(plan.letters['b' - 'a'], 1);
    EXPECT_EQ(plan.letters['a' - 'a'], 3);
    EXPECT_EQ(plan.letters['n' - 'a'], 0);
    EXPECT_EQ(fillRequest(plan, 1).exclude, (std::vector<std::string>{"tea"}));

    // An empty word leaves its slot as it is.
    EXPECT_EQ(acceptFill(ed, plan, {"bat", "at", ""}), 2);
    EXPECT_EQ(ed.doc.answer[1], "Tea");
    EXPECT_EQ(ed.doc.question[1], "What is brewed?");
    EXPECT_EQ(ed.doc.answer[2], "Bat");
    EXPECT_EQ(ed.doc.question[2], "It flies at night");
    EXPECT_EQ(ed.doc.answer[3], "at");
    EXPECT_EQ(ed.doc.question[3], "Question for [at]");
    EXPECT_EQ(ed.doc.answer[4], "T");
}

TEST_F(PuzzleFill, NewSlotsTakeAnyLetter) {
    accept(1, "Drink", "tea");
    accept(2, "Nothing", "");
    const FillPlan plan = planFill(ed.doc, 2);
    ASSERT_EQ(plan.targets.size(), 3u);
    EXPECT_EQ(plan.targets[1].slot, 3);
    EXPECT_EQ(plan.addedSlots, 2);

    EXPECT_EQ(acceptFill(ed, plan, {"aba", "tat"}), 2);
    EXPECT_EQ(ed.doc.answer[2], "aba");
    EXPECT_EQ(ed.doc.answer[3], "tat");
    EXPECT_EQ(ed.doc.question[3], "Question for [tat]");
    EXPECT_TRUE(ed.doc.lettersLeft.empty());
}

}  // namespace
}  // namespace qbrx::test
