// Planning a fill from a puzzle and writing it back through Accept.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor.h"
#include "puzzlefill.h"
#include "scriptedprompter.h"

namespace qbrx {
namespace {

class PuzzleFill : public ::testing::Test {
protected:
    ScriptedPrompter prompter;
    ScriptedRandom random{{0.0}};
    Editor ed{prompter, random};

    void SetUp() override {
        ed.startUp();
        ed.view.quoteBox = "Tea at a bat.";
        ed.registerButton();
    }
    void setupCrostic(const std::string& crostic) {
        prompter.inputs.push_back(crostic);
        ed.setupCrostic();
    }
    // Accept into `slot` as the window does after a click on its row.
    void accept(int slot, const std::string& question, const std::string& answer) {
        ed.selectListRow(slot - 1);
        ed.view.questionBox = question;
        ed.view.answerBox = answer;
        ed.acceptButton();
    }
};

TEST_F(PuzzleFill, EmptySlotsAndTheLettersTheyMayUse) {
    setupCrostic("TBA");
    accept(2, "Question for []", "");
    const FillPlan plan = planFill(ed.doc, 0);
    ASSERT_EQ(plan.targets.size(), 3u);
    EXPECT_EQ(plan.targets[0].first, 'T');
    // "no answer" put its own "n" in place of the crostic's B.
    EXPECT_EQ(plan.targets[1].first, 0);
    EXPECT_EQ(plan.targets[2].first, 'A');
    // The pre-filled T and A and the letters "no answer" took go back to
    // the fill: every letter of the quotation.
    EXPECT_EQ(plan.letters['t' - 'a'], 3);
    EXPECT_EQ(plan.letters['a' - 'a'], 4);
    EXPECT_EQ(plan.letters['n' - 'a'], 0);
}

TEST_F(PuzzleFill, WrittenAnswersStayAndAreKeptOutOfTheFill) {
    setupCrostic("TB");
    accept(1, "What is brewed?", "Tea");
    accept(2, "It flies at night", "B");
    const FillPlan plan = planFill(ed.doc, 0);
    ASSERT_EQ(plan.targets.size(), 1u);
    EXPECT_EQ(plan.targets[0].slot, 2);
    EXPECT_EQ(fillRequest(plan, 1).exclude, (std::vector<std::string>{"tea"}));
    EXPECT_EQ(acceptFill(ed, plan, {"bat"}), 1);
    EXPECT_EQ(ed.doc.answer[1], "Tea");
    EXPECT_EQ(ed.doc.question[1], "What is brewed?");
    EXPECT_EQ(ed.doc.answer[2], "Bat");
    EXPECT_EQ(ed.doc.question[2], "It flies at night");
}

TEST_F(PuzzleFill, AFillIsAcceptedLikeTypedAnswers) {
    setupCrostic("TBA");
    const FillPlan plan = planFill(ed.doc, 0);
    // Slot 3 is left out: a fill can be taken for some slots only.
    EXPECT_EQ(acceptFill(ed, plan, {"tea", "bat", ""}), 2);
    EXPECT_EQ(ed.doc.answer[1], "Tea");
    EXPECT_EQ(ed.doc.question[1], "Question for [Tea]");
    EXPECT_EQ(ed.doc.answer[2], "Bat");
    EXPECT_EQ(ed.doc.answer[3], "A");
    EXPECT_EQ(ed.doc.crostic, "TBA");
    // Every letter of tea and bat was encoded: no gaps.
    EXPECT_FALSE(ed.hasGap(1));
    EXPECT_FALSE(ed.hasGap(2));
}

TEST_F(PuzzleFill, WithoutACrosticNewSlotsTakeAnyLetter) {
    accept(1, "Drink", "tea");
    accept(2, "Nothing", "");
    EXPECT_EQ(ed.doc.answer[2], "no answer");
    const FillPlan plan = planFill(ed.doc, 2);
    ASSERT_EQ(plan.targets.size(), 3u);
    // The "n" that "no answer" put into the crostic is no crostic letter.
    EXPECT_EQ(plan.targets[0].first, 0);
    EXPECT_EQ(plan.targets[1].slot, 3);
    EXPECT_EQ(plan.addedSlots, 2);

    EXPECT_EQ(acceptFill(ed, plan, {"aba", "tat", ""}), 2);
    EXPECT_EQ(ed.doc.answer[2], "aba");
    EXPECT_EQ(ed.doc.answer[3], "tat");
    EXPECT_EQ(ed.doc.question[3], "Question for [tat]");
    EXPECT_EQ(ed.doc.crostic, "tat");
    EXPECT_TRUE(ed.doc.lettersLeft.empty());
}

}  // namespace
}  // namespace qbrx
