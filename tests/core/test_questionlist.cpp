#include "scriptedprompter.h"

namespace qbrx::test {
namespace {

class QuestionListTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        registerQuote("abcdefghijklmnopqrstuvwxyz abcdefghijklmnopqrstuvwxyz");
        const char* answers[] = {"apple", "bear", "cat", "dog", "eel"};
        for (int i = 0; i < 5; ++i) accept("q" + std::to_string(i + 1), answers[i]);
    }
    std::vector<std::string> answers() const {
        return {ed.doc.answer.begin() + 1, ed.doc.answer.begin() + 1 + ed.doc.questionCount};
    }
};

TEST_F(QuestionListTest, InsertCopiesTheBoxesInFrontOfTheCurrentSlot) {
    ed.selectListRow(1);
    ed.insertQuestion();
    EXPECT_EQ(answers(), (std::vector<std::string>{"apple", "bear", "bear", "cat", "dog", "eel"}));
    EXPECT_EQ(ed.doc.question[3], "q2");
    EXPECT_EQ(ed.doc.crostic, "abbcde");
    EXPECT_EQ(ed.view.listRows.size(), 7u);
    EXPECT_EQ(ed.view.selectedRow, 1);
    EXPECT_EQ(ed.view.focus, Focus::Question);
}

TEST_F(EditorTest, InsertWithoutQuestionsInsertsNothing) {
    registerQuote("abc");
    ed.insertQuestion();
    EXPECT_EQ(ed.doc.questionCount, 0);
    EXPECT_EQ(ed.view.listRows.size(), 1u);
}

TEST_F(QuestionListTest, DeleteAsksThenShiftsAndReencodes) {
    ed.selectListRow(2);
    prompter.replies = {Reply::Cancel};
    ed.deleteButton();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Are you sure you want to delete \r\"q3\"");
    EXPECT_EQ(prompter.messages[0].buttons, Buttons::OkCancel);
    EXPECT_FALSE(prompter.messages[0].title.has_value());
    EXPECT_EQ(ed.doc.questionCount, 5);

    ed.deleteButton();
    EXPECT_EQ(answers(), (std::vector<std::string>{"apple", "bear", "dog", "eel"}));
    EXPECT_EQ(ed.doc.crostic, "abde");
    EXPECT_EQ(ed.view.selectedRow, 2);
    EXPECT_EQ(ed.view.answerBox, "dog");
    EXPECT_TRUE(ed.doc.answer[5].empty());
    EXPECT_EQ(numbers(5, 3), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(numbers(3, 3), (std::vector<int>{4, 15, 7}));  // d, o, g from the top

    ed.selectListRow(4);  // the empty row
    ed.deleteFromPopup();
    EXPECT_EQ(ed.doc.questionCount, 4);
}

TEST_F(EditorTest, DeletingTheOnlySlotLeavesTheEmptyRowSelected) {
    registerQuote("abc");
    accept("q", "ab");
    ed.selectListRow(0);
    ed.deleteFromPopup();
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(ed.doc.questionCount, 0);
    EXPECT_EQ(ed.view.listRows, std::vector<std::string>{" A. "});
    EXPECT_EQ(ed.view.selectedRow, 0);
}

TEST_F(QuestionListTest, MoveSwapsSlotsAndAsksForRegistration) {
    const auto rows = ed.view.listRows;
    ed.selectListRow(0);
    ed.moveQuestion(-1);
    ed.selectListRow(4);
    ed.moveQuestion(+1);
    EXPECT_EQ(ed.view.listRows, rows);
    EXPECT_EQ(ed.view.registerCaption, "Register");
    EXPECT_FALSE(ed.view.markersVisible);

    ed.selectListRow(0);
    ed.moveQuestion(+1);
    EXPECT_EQ(answers(), (std::vector<std::string>{"bear", "apple", "cat", "dog", "eel"}));
    EXPECT_EQ(ed.doc.crostic, "bacde");
    EXPECT_EQ(ed.view.selectedRow, 1);
    EXPECT_EQ(ed.view.answerBox, "apple");
    EXPECT_EQ(ed.view.listRows.size(), 6u);
    EXPECT_EQ(ed.view.listRows.back(), " F. ");
    EXPECT_EQ(ed.view.registerCaption, "ReRegister");
    EXPECT_TRUE(ed.view.markersVisible);
    ed.registerButton();
    EXPECT_EQ(ed.view.registerCaption, "Register");
    EXPECT_FALSE(ed.view.markersVisible);
}

TEST_F(QuestionListTest, JumpToLastAlternatesBetweenTheLastTwoClickedRows) {
    ed.selectListRow(0);
    ed.listMouseDown();
    ed.selectListRow(3);
    ed.listMouseDown();
    ed.jumpToLast();
    EXPECT_EQ(ed.view.selectedRow, 0);
    ed.jumpToLast();
    EXPECT_EQ(ed.view.selectedRow, 3);
}

TEST_F(QuestionListTest, FindEmptyAnswers) {
    ed.doc.answer[2] = "b";  // only a pre-filled crostic letter
    ed.selectListRow(3);
    ed.findEmptyAnswers();
    EXPECT_EQ(ed.view.selectedRow, 1);
    EXPECT_TRUE(prompter.messages.empty());

    ed.selectListRow(5);  // standing on the empty row: back there afterwards
    ed.findEmptyAnswers();
    EXPECT_EQ(ed.view.selectedRow, 5);

    ed.doc.answer[2] = "bear";
    ed.findEmptyAnswers();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "No empty answers");
}

TEST_F(EditorTest, FindGapsSearchesForwardFromTheCurrentSlotAndWraps) {
    registerQuote("abcdefghijklmnopqrstuvwxy");  // no z: every z is a gap
    const char* answers[] = {"az", "cd", "ez", "gh", "ij", "kz"};
    for (const char* a : answers) accept("q", a);
    ed.selectListRow(3);
    std::vector<int> visited;
    for (int i = 0; i < 4; ++i) {
        ed.findGaps();
        visited.push_back(ed.doc.currentQuestion);
    }
    EXPECT_EQ(visited, (std::vector<int>{6, 1, 3, 6}));
    EXPECT_TRUE(prompter.messages.empty());

    for (auto [slot, fixed] : {std::pair{1, "lm"}, {3, "no"}, {6, "pq"}}) {
        ed.selectSlot(slot);
        ed.view.answerBox = fixed;
        ed.acceptButton();
    }
    ed.findGaps();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "All answers are fully coded.");
}

TEST_F(QuestionListTest, BoxKeysStepThroughTheSlots) {
    ed.selectListRow(4);
    ed.boxKey(BoxKey::PageDown, false);
    EXPECT_EQ(ed.view.selectedRow, 5);
    ed.boxKey(BoxKey::PageDown, false);
    EXPECT_EQ(ed.view.selectedRow, 5);
    ed.boxKey(BoxKey::Home, true);
    EXPECT_EQ(ed.view.selectedRow, 0);
    ed.boxKey(BoxKey::PageUp, true);
    EXPECT_EQ(ed.view.selectedRow, 0);
    ed.boxKey(BoxKey::End, true);
    EXPECT_EQ(ed.doc.currentQuestion, 6);
    EXPECT_EQ(ed.view.selectedRow, 5);
    EXPECT_EQ(ed.boxKey(BoxKey::Up, true), BoxKey::Home);
    EXPECT_EQ(ed.boxKey(BoxKey::Down, false), BoxKey::End);

    ed.view.focus = Focus::None;
    ed.view.questionBox = "What?";
    ed.boxKey(BoxKey::Enter, false);
    EXPECT_EQ(ed.view.focus, Focus::None);
    ed.boxKey(BoxKey::Enter, true);
    EXPECT_EQ(ed.view.focus, Focus::Answer);
}

}  // namespace
}  // namespace qbrx::test
