#include "scriptedprompter.h"

namespace qbrx::test {
namespace {

TEST_F(EditorTest, EncodingTakesLeftmostFreeCopyFromTheRandomStart) {
    registerQuote("abab");
    ScriptedRandom starts({0.5, 0.9, 0.9, 0.0});  // starts 3, 4, 4, 1
    ed.setRandom(starts);
    accept("q", "ab");
    accept("q", "aB");  // A wraps round to position 1
    EXPECT_EQ(numbers(1, 2) + "|" + numbers(2, 2), "3 4|1 2");
    EXPECT_EQ(ed.doc.letterPool, "____");
    EXPECT_EQ(ed.doc.positionOwner[3] * 10 + ed.doc.positionOwner[1], 12);
    EXPECT_EQ(starts.drawn(), 4);
}

TEST_F(EditorTest, LettersWithoutFreeCopyBecomeGaps) {
    registerQuote("Less is more.");
    accept("q", "less");
    accept("q", "see");
    EXPECT_EQ(numbers(1, 4) + "|" + numbers(2, 3), "1 2 3 4|6 10 0");
    EXPECT_TRUE(ed.hasGap(2));
    EXPECT_FALSE(ed.hasGap(1));
    ed.selectListRow(1);
    EXPECT_EQ(ed.view.encodedLine, " _ _ E ");
    EXPECT_EQ(ed.view.numberLabels[0] + "|" + ed.view.numberLabels[2], "6|");

    // A one-letter quotation supplies one A, whatever the random start.
    ScriptedRandom late({0.99});
    ed.setRandom(late);
    registerQuote("A");
    accept("q", "aa");  // into slot 2, still selected
    EXPECT_EQ(numbers(2, 2), "1 0");
    EXPECT_EQ(ed.doc.answerMarks[2], "_a");
}

TEST_F(EditorTest, AcceptingIntoTheEmptyRowAddsASlot) {
    registerQuote("Less is more.");
    accept("", "less");
    EXPECT_EQ(ed.doc.question[1], "Question for [less]");
    EXPECT_EQ(ed.doc.questionCount * 10 + ed.doc.currentQuestion, 12);
    EXPECT_EQ(ed.view.listRows, (std::vector<std::string>{" A. Question for [less]", " B. "}));
    EXPECT_EQ(ed.view.selectedRow, 1);
    EXPECT_EQ(ed.view.questionBox + ed.view.answerBox, "");
    EXPECT_EQ(ed.view.crostic[0].caption + ed.view.lettersLeft[26], "l6");
    EXPECT_EQ(ed.view.focus, Focus::Question);
}

TEST_F(EditorTest, EditingAFilledSlotReencodesEverySlot) {
    registerQuote("Less is more.");
    accept("q1", "less");
    accept("q2", "see");
    ed.selectListRow(0);
    ed.view.answerBox = "sole  ";
    ed.acceptButton();
    EXPECT_EQ(answers(), "sole,see");
    EXPECT_EQ(numbers(1, 4) + "|" + numbers(2, 3), "3 8 1 2|4 10 0");  // slot 2 drew afresh
    EXPECT_EQ(ed.doc.crostic, "ss");
    EXPECT_EQ(ed.view.selectedRow, 0);
}

TEST_F(EditorTest, RefusedAndOverlongAnswers) {
    registerQuote("Less is more.");
    for (const char* bad : {"a", "a1", "a_b"}) {
        accept("q", bad);
        EXPECT_EQ(ed.view.answerBox, "no answer") << bad;
        EXPECT_EQ(ed.view.focus, Focus::Answer);
    }
    EXPECT_EQ(prompter.beeps, 3);
    EXPECT_EQ(ed.doc.questionCount, 0);
    EXPECT_EQ(ed.view.selectedRow, 0);  // the next Accept goes to the same slot

    const std::string longAnswer = "abcdefghijklmnopqrstuvwxyz";
    prompter.replies = {Reply::Cancel};
    accept("q", longAnswer);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
              "Answer is limited to 24 characters\nIf you continue, your answer will be truncated");
    EXPECT_EQ(prompter.messages[0].title, "Answer Limit");
    EXPECT_EQ(ed.doc.questionCount, 0);
    accept("q", longAnswer);
    EXPECT_EQ(answers(), longAnswer.substr(0, 24));

    ed.selectListRow(0);
    accept("q", "b1");
    EXPECT_EQ(ed.view.answerBox, longAnswer.substr(0, 24));
}

TEST_F(EditorTest, FiftySlotsFillTheListAndTheFiftyFirstIsRefused) {
    registerQuote("Less is more.");
    for (int i = 0; i < 50; ++i) accept("q", "ab");
    EXPECT_EQ(ed.view.listRows[25] + ed.view.listRows[26] + ed.view.listRows[49] + ed.view.listRows[50],
              " Z. qAA. qXX. qYY. ");
    EXPECT_EQ(ed.doc.crostic.size(), 50u);

    accept("q", "cd");
    ed.insertQuestion();
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[1].text, kSlotsFullMessage);
    EXPECT_EQ(ed.doc.questionCount, 50);
    EXPECT_EQ(ed.doc.answer[1], "ab");

    ed.selectListRow(49);
    ed.selectListRow(50);
    ed.boxKey(BoxKey::PageDown, false);
    ed.boxKey(BoxKey::End, false);
    EXPECT_EQ(ed.view.selectedRow * 100 + ed.doc.currentQuestion, 4950);
}

}  // namespace
}  // namespace qbrx::test
