#include "scriptedprompter.h"

namespace qbrx::test {
namespace {

TEST_F(EditorTest, EncodingTakesLeftmostFreeCopyFromTheRandomStart) {
    registerQuote("abab");
    ScriptedRandom starts({0.5, 0.9, 0.9, 0.0});  // starts 3, 4, 4, 1
    ed.setRandom(starts);
    accept("q", "ab");
    EXPECT_EQ(numbers(1, 2), (std::vector<int>{3, 4}));
    accept("q", "aB");  // A wraps round to position 1
    EXPECT_EQ(numbers(2, 2), (std::vector<int>{1, 2}));
    EXPECT_EQ(ed.doc.letterPool, "____");
    EXPECT_EQ(ed.doc.positionOwner[3], 1);
    EXPECT_EQ(ed.doc.positionOwner[1], 2);
    EXPECT_EQ(ed.doc.lettersLeft, "");
    EXPECT_EQ(starts.drawn(), 4);
}

TEST_F(EditorTest, LettersWithoutFreeCopyBecomeGaps) {
    registerQuote("Less is more.");
    accept("q", "less");
    EXPECT_EQ(numbers(1, 4), (std::vector<int>{1, 2, 3, 4}));
    accept("q", "see");
    EXPECT_EQ(numbers(2, 3), (std::vector<int>{6, 10, 0}));
    EXPECT_EQ(ed.doc.answerMarks[2], "__e");
    EXPECT_TRUE(ed.hasGap(2));
    EXPECT_FALSE(ed.hasGap(1));
    ed.selectListRow(1);
    EXPECT_EQ(ed.view.encodedLine, " _ _ E ");
    EXPECT_EQ(ed.view.numberLabels[0], "6");
    EXPECT_EQ(ed.view.numberLabels[2], "");
}

TEST_F(EditorTest, OneLetterQuotationSuppliesOneA) {
    ScriptedRandom late({0.99});
    ed.setRandom(late);
    registerQuote("A");
    accept("q", "aa");
    EXPECT_EQ(numbers(1, 2), (std::vector<int>{1, 0}));
    EXPECT_EQ(ed.doc.answerMarks[1], "_a");
}

TEST_F(EditorTest, AcceptingIntoTheEmptyRowAddsASlot) {
    registerQuote("Less is more.");
    accept("", "less");
    EXPECT_EQ(ed.doc.question[1], "Question for [less]");
    EXPECT_EQ(ed.doc.questionCount, 1);
    EXPECT_EQ(ed.doc.currentQuestion, 2);
    EXPECT_EQ(ed.view.listRows, (std::vector<std::string>{" A. Question for [less]", " B. "}));
    EXPECT_EQ(ed.view.selectedRow, 1);
    EXPECT_EQ(ed.view.questionBox, "");
    EXPECT_EQ(ed.view.answerBox, "");
    EXPECT_EQ(ed.doc.crostic, "l");
    EXPECT_EQ(ed.view.crostic[0].caption, "l");
    EXPECT_EQ(ed.view.lettersLeft[26], "6");
    EXPECT_EQ(ed.view.focus, Focus::Question);
}

TEST_F(EditorTest, EditingAFilledSlotReencodesEverySlot) {
    registerQuote("Less is more.");
    accept("q1", "less");
    accept("q2", "see");
    ed.selectListRow(0);
    ed.view.answerBox = "sole  ";
    ed.acceptButton();
    EXPECT_EQ(ed.doc.answer[1], "sole");
    EXPECT_EQ(numbers(1, 4), (std::vector<int>{3, 8, 1, 2}));
    EXPECT_EQ(numbers(2, 3), (std::vector<int>{4, 10, 0}));  // slot 2 drew afresh
    EXPECT_EQ(ed.doc.crostic, "ss");
    EXPECT_EQ(ed.doc.questionCount, 2);
    EXPECT_EQ(ed.view.selectedRow, 0);
    EXPECT_EQ(ed.view.answerBox, "sole");
}

TEST_F(EditorTest, AnswersWithoutALetterAfterTheFirstAreRefused) {
    registerQuote("Less is more.");
    for (const char* bad : {"a", "a1", "a_b"}) {
        accept("q", bad);
        EXPECT_EQ(ed.view.answerBox, "no answer") << bad;
        EXPECT_EQ(ed.view.focus, Focus::Answer);
    }
    EXPECT_EQ(prompter.beeps, 3);
    EXPECT_EQ(ed.doc.questionCount, 0);
    EXPECT_EQ(ed.view.selectedRow, 0);  // the next Accept goes to the same slot
    accept("q", "ab");
    EXPECT_EQ(ed.doc.questionCount, 1);
    EXPECT_EQ(prompter.beeps, 3);

    ed.selectListRow(0);
    accept("q", "b1");
    EXPECT_EQ(ed.view.answerBox, "ab");
    EXPECT_EQ(ed.doc.answer[1], "ab");
}

TEST_F(EditorTest, LongAnswersAreCutOnlyWhenTheAuthorAgrees) {
    registerQuote("Less is more.");
    const std::string longAnswer = "abcdefghijklmnopqrstuvwxyz";
    prompter.replies = {Reply::Cancel};
    accept("q", longAnswer);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
              "Answer is limited to 24 characters\nIf you continue, your answer will be truncated");
    EXPECT_EQ(prompter.messages[0].title, "Answer Limit");
    EXPECT_EQ(prompter.messages[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(ed.doc.questionCount, 0);
    accept("q", longAnswer);
    EXPECT_EQ(ed.doc.answer[1], longAnswer.substr(0, 24));
}

TEST_F(EditorTest, FiftySlotsFillTheListAndTheFiftyFirstIsRefused) {
    registerQuote("Less is more.");
    for (int i = 0; i < 50; ++i) accept("q", "ab");
    EXPECT_EQ(ed.view.listRows[25], " Z. q");
    EXPECT_EQ(ed.view.listRows[26], "AA. q");
    EXPECT_EQ(ed.view.listRows[49], "XX. q");
    EXPECT_EQ(ed.view.listRows[50], "YY. ");
    EXPECT_EQ(ed.view.selectedRow, -1);
    EXPECT_EQ(ed.doc.crostic.size(), 50u);

    accept("q", "cd");
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, kSlotsFullMessage);
    EXPECT_EQ(ed.doc.questionCount, 50);
    EXPECT_EQ(ed.doc.answer[1], "ab");
    ed.insertQuestion();
    EXPECT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(ed.doc.questionCount, 50);

    ed.selectListRow(49);
    ed.selectListRow(50);
    EXPECT_EQ(ed.view.selectedRow, 49);
    ed.boxKey(BoxKey::PageDown, false);
    ed.boxKey(BoxKey::End, false);
    EXPECT_EQ(ed.view.selectedRow, 49);
    EXPECT_EQ(ed.doc.currentQuestion, 50);
}

}  // namespace
}  // namespace qbrx::test
