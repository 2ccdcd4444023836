#include "editorfixture.h"

namespace qbrx::test {
namespace {

// Three slots the stock supplies in full, the empty row (slot 4) selected,
// the puzzle as after a save.
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
    EXPECT_EQ(ed.view.selectedRow, 3);
    EXPECT_EQ(ed.doc.currentQuestion, 4);
}

TEST_F(ListChangeTest, InsertAndMoveAreChangesThatAskForRegistration) {
    ed.selectListRow(1);
    ed.insertQuestion();
    EXPECT_TRUE(ed.doc.docChanged);
    EXPECT_EQ(ed.view.registerCaption, "ReRegister");
    ed.doc.docChanged = false;
    ed.moveQuestion(+1);
    EXPECT_TRUE(ed.doc.docChanged);
}

TEST_F(EditorTest, CrosticSetupBeforeRegistrationRegistersNothing) {
    prompter.inputs = {std::string("AB")};
    ed.setupCrostic();
    EXPECT_TRUE(ed.doc.quotation.empty());
}

}  // namespace
}  // namespace qbrx::test
