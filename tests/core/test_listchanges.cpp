#include "editorfixture.h"

namespace qbrx::test {
namespace {

// Three slots whose answers the stock supplies in full; the empty row (slot
// 4) is selected and the puzzle counts as saved.
class ListChangeTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        registerQuote("abcdefghijklmnopqrstuvwxyz");
        accept("q1", "ab");
        accept("q2", "cd");
        accept("q3", "ef");
        ed.doc.docChanged = false;
    }
};

TEST_F(ListChangeTest, FindGapsWithNothingFoundLeavesTheEmptyRowCurrent) {
    ed.findGaps();
    EXPECT_EQ(prompter.texts().back(), "All answers are fully coded.");
    EXPECT_EQ(ed.view.selectedRow, 3);
    EXPECT_EQ(ed.doc.currentQuestion, 4);
}

TEST_F(ListChangeTest, InsertMarksThePuzzleChangedAndAsksForRegistration) {
    ed.selectListRow(1);
    ed.insertQuestion();
    EXPECT_EQ(ed.doc.questionCount, 4);
    EXPECT_TRUE(ed.doc.docChanged);
    EXPECT_TRUE(ed.view.markersVisible);
    EXPECT_EQ(ed.view.registerCaption, "ReRegister");
}

TEST_F(ListChangeTest, MoveMarksThePuzzleChanged) {
    ed.selectListRow(0);
    ed.moveQuestion(+1);
    EXPECT_EQ(ed.doc.answer[2], "ab");
    EXPECT_TRUE(ed.doc.docChanged);
}

TEST_F(ListChangeTest, MoveOffTheEndChangesNothing) {
    ed.selectListRow(0);
    ed.moveQuestion(-1);
    EXPECT_FALSE(ed.doc.docChanged);
}

TEST_F(EditorTest, CrosticSetupBeforeRegistrationRegistersNothing) {
    prompter.inputs = {std::string("AB")};
    ed.setupCrostic();
    EXPECT_TRUE(prompter.inputPrompts.empty());
    EXPECT_TRUE(ed.doc.quotation.empty());
    EXPECT_FALSE(ed.view.controlsEnabled);
}

}  // namespace
}  // namespace qbrx::test
