// SPDX-License-Identifier: GPL-3.0-or-later
#include "editorfixture.h"

namespace qbrx::test {
namespace {

// Five slots apple, bear, cat, dog, eel; the empty row is selected.
class QuestionListTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        registerQuote("abcdefghijklmnopqrstuvwxyz abcdefghijklmnopqrstuvwxyz");
        const char* given[] = {"apple", "bear", "cat", "dog", "eel"};
        for (int i = 0; i < 5; ++i) accept("q" + std::to_string(i + 1), given[i]);
    }
};

TEST_F(QuestionListTest, InsertAndDelete) {
    ed.doc.docChanged = false;
    ed.selectListRow(1);
    ed.insertQuestion();  // a copy of the boxes in front of the current slot
    EXPECT_TRUE(ed.doc.docChanged);
    EXPECT_EQ(ed.view.registerCaption, "ReRegister");
    EXPECT_EQ(answers(), (Texts{"apple", "bear", "bear", "cat", "dog", "eel"}));
    EXPECT_EQ(ed.doc.question[3], "q2");
    EXPECT_EQ(ed.doc.crostic, "abbcde");
    EXPECT_EQ(ed.view.selectedRow, 1);
    ed.deleteFromPopup();

    ed.selectListRow(2);
    prompter.replies = {Reply::Cancel};
    ed.deleteButton();
    EXPECT_EQ(prompter.texts().back(), "Are you sure you want to delete \r\"q3\"");
    EXPECT_EQ(ed.doc.questionCount, 5);
    ed.deleteButton();
    EXPECT_EQ(answers(), (Texts{"apple", "bear", "dog", "eel"}));
    EXPECT_EQ(ed.doc.crostic, "abde");
    EXPECT_EQ(ed.view.answerBox, "dog");
    EXPECT_EQ(numbers(3, 3), (Numbers{4, 15, 7}));  // d, o, g drawn again
    EXPECT_EQ(numbers(5, 3), (Numbers{0, 0, 0}));
}

TEST_F(QuestionListTest, MoveSwapsSlotsButNotPastTheEnds) {
    const auto rows = ed.view.listRows;
    for (auto [row, direction] : {std::pair{0, -1}, {4, +1}}) {
        ed.selectListRow(row);
        ed.moveQuestion(direction);
    }
    EXPECT_EQ(ed.view.listRows, rows);
    EXPECT_EQ(ed.view.registerCaption, "Register");
    EXPECT_FALSE(ed.view.markersVisible);

    ed.doc.docChanged = false;
    ed.selectListRow(0);
    ed.moveQuestion(+1);
    EXPECT_EQ(answers(), (Texts{"bear", "apple", "cat", "dog", "eel"}));
    EXPECT_EQ(ed.doc.crostic, "bacde");
    EXPECT_EQ(ed.view.selectedRow, 1);
    EXPECT_TRUE(ed.doc.docChanged);
}

TEST_F(QuestionListTest, JumpToLastFindEmptyAndBoxKeys) {
    for (int row : {0, 3}) {
        ed.selectListRow(row);
        ed.listMouseDown();
    }
    ed.jumpToLast();
    EXPECT_EQ(ed.view.selectedRow, 0);
    ed.jumpToLast();
    EXPECT_EQ(ed.view.selectedRow, 3);

    ed.doc.answer[2] = "b";  // only a pre-filled crostic letter
    ed.findEmptyAnswers();
    EXPECT_EQ(ed.view.selectedRow, 1);

    ed.selectListRow(4);
    std::vector<int> rows;
    for (BoxKey key : {BoxKey::PageDown, BoxKey::PageDown, BoxKey::Home, BoxKey::PageUp, BoxKey::End}) {
        ed.boxKey(key, false);
        rows.push_back(ed.view.selectedRow);
    }
    EXPECT_EQ(rows, (std::vector<int>{5, 5, 0, 0, 5}));
}

TEST_F(EditorTest, FindGapsSearchesForwardFromTheCurrentSlotAndWraps) {
    registerQuote("abcdefghijklmnopqrstuvwxy");  // no z: every z is a gap
    for (const char* a : {"az", "cd", "ez", "gh", "ij", "kz"}) accept("q", a);
    ed.selectListRow(3);
    std::vector<int> visited;
    for (int i = 0; i < 4; ++i) {
        ed.findGaps();
        visited.push_back(ed.doc.currentQuestion);
    }
    EXPECT_EQ(visited, (std::vector<int>{6, 1, 3, 6}));
    for (auto [slot, fixed] : {std::pair{1, "lm"}, {3, "no"}, {6, "pq"}}) {
        ed.selectSlot(slot);
        ed.view.answerBox = fixed;
        ed.acceptButton();
    }
    ed.selectListRow(6);  // from the empty row, nothing found: it stays current
    ed.findGaps();
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"All answers are fully coded."});
    EXPECT_EQ(ed.view.selectedRow, 6);
    EXPECT_EQ(ed.doc.currentQuestion, 7);
}

}  // namespace
}  // namespace qbrx::test
