// SPDX-License-Identifier: GPL-3.0-or-later
#include "editorfixture.h"

namespace qbrx::test {
namespace {

TEST_F(EditorTest, EncodingTakesLeftmostFreeCopyFromTheRandomStart) {
    registerQuote("abab");
    ScriptedRandom starts({0.5, 0.9, 0.9, 0.0});  // starts 3, 4, 4, 1
    ed.setRandom(starts);
    accept("q", "ab");
    accept("q", "aB");  // A wraps round to position 1
    EXPECT_EQ(numbers(1, 2), (Numbers{3, 4}));
    EXPECT_EQ(numbers(2, 2), (Numbers{1, 2}));
    EXPECT_EQ(ed.doc.letterPool, "____");
    EXPECT_EQ(ed.doc.positionOwner[3], 1);
    EXPECT_EQ(ed.doc.positionOwner[1], 2);
}

TEST_F(EditorTest, AcceptAddsASlotAndLettersWithoutFreeCopyBecomeGaps) {
    registerQuote("Less is more.");
    accept("q1", "less");
    EXPECT_EQ(ed.doc.questionCount, 1);
    EXPECT_EQ(ed.doc.currentQuestion, 2);
    EXPECT_EQ(ed.view.selectedRow, 1);
    EXPECT_TRUE(ed.view.questionBox.empty());
    EXPECT_TRUE(ed.view.answerBox.empty());
    accept("q2", "see");
    EXPECT_EQ(numbers(1, 4), (Numbers{1, 2, 3, 4}));
    EXPECT_EQ(numbers(2, 3), (Numbers{6, 10, 0}));
    EXPECT_EQ(ed.doc.crostic, "ls");
    ed.selectListRow(1);
    EXPECT_EQ(ed.view.encodedLine, " _ _ E ");

    // Editing a filled slot re-encodes every slot and replaces its letter.
    ed.selectListRow(0);
    ed.view.answerBox = "sole  ";
    ed.acceptButton();
    EXPECT_EQ(answers(), (Texts{"sole", "see"}));
    EXPECT_EQ(numbers(1, 4), (Numbers{3, 8, 1, 2}));
    EXPECT_EQ(numbers(2, 3), (Numbers{4, 10, 0}));  // slot 2 drew afresh
    EXPECT_EQ(ed.view.selectedRow, 0);

    // A one-letter quotation supplies one A, whatever the random start.
    ScriptedRandom late({0.99});
    ed.setRandom(late);
    registerQuote("A");  // goes on to the empty row
    ed.selectListRow(0);
    accept("q", "aa");
    EXPECT_EQ(numbers(1, 2), (Numbers{1, 0}));
}

TEST_F(EditorTest, RefusedAndOverlongAnswersAndDeletingTheOnlySlot) {
    registerQuote("Less is more.");
    for (const char* bad : {"a", "a1", "a_b"}) {
        accept("q", bad);
        EXPECT_EQ(ed.view.answerBox, "no answer") << bad;
    }
    EXPECT_EQ(prompter.beeps, 3);
    EXPECT_EQ(ed.doc.questionCount, 0);

    const std::string longAnswer = "abcdefghijklmnopqrstuvwxyz";
    prompter.replies = {Reply::Cancel, Reply::Ok};
    accept("q", longAnswer);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].title, "Answer Limit");
    EXPECT_EQ(ed.doc.questionCount, 0);
    accept("q", longAnswer);
    EXPECT_EQ(answers(), Texts{longAnswer.substr(0, 24)});
    // Deleting the only slot asks nothing.
    prompter.messages.clear();
    ed.selectListRow(0);
    ed.deleteFromPopup();
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(ed.view.listRows, std::vector<std::string>{" A. "});
}

TEST_F(EditorTest, FiftySlotsFillTheListAndTheFiftyFirstIsRefused) {
    registerQuote("Less is more.");
    for (int i = 0; i < 50; ++i) accept("q", "ab");
    EXPECT_EQ(ed.view.listRows[25], " Z. q");
    EXPECT_EQ(ed.view.listRows[26], "AA. q");
    EXPECT_EQ(ed.view.listRows[49], "XX. q");
    accept("q", "cd");
    ed.insertQuestion();
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{kSlotsFullMessage, kSlotsFullMessage}));
    EXPECT_EQ(ed.doc.questionCount, 50);
    EXPECT_EQ(ed.doc.answer[1], "ab");
}

// Registration with letter numbers that come with a puzzle: kept as given
// when they fit, drawn afresh with a message when they do not.
// "Less is more.": L1 E2 S3 S4, I5 S6, M7 O8 R9 E10.
TEST_F(EditorTest, GivenNumbersAreKeptWhenTheyFitAndDrawnAfreshWhenNot) {
    registerQuote("Less is more.");
    accept("Fewer", "less");
    accept("Spot", "see");
    const std::pair<const char*, std::vector<Numbers>> misfits[] = {
        {"a letter given twice", {{1, 10, 6, 4}, {4, 2, 0}}},
        {"another letter", {{2, 10, 6, 4}, {3, 0, 0}}},
        {"beyond the quotation", {{1, 11, 6, 4}, {3, 0, 0}}},
        {"negative", {{-1, 10, 6, 4}, {3, 0, 0}}},
        {"one slot short", {{1, 10, 6, 4}}},
        {"longer than the answer", {{1, 10, 6, 4, 0}, {3, 2, 0}}},
    };
    for (const auto& [what, numbers] : misfits) {
        SCOPED_TRACE(what);
        prompter.messages.clear();
        EXPECT_FALSE(ed.registerWithNumbers(numbers));
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0].text, kNumbersRedrawnMessage);
        // Drawn from position 1: the leftmost free copies.
        EXPECT_EQ(ed.doc.answerLetterNo[1][2], 2);
        EXPECT_EQ(ed.doc.answerLetterNo[2][2], 10);
    }

    prompter.messages.clear();
    const int drawnBefore = random.drawn();
    // The E of "more" for less; see takes the first E and has a gap.
    ASSERT_TRUE(ed.registerWithNumbers({{1, 10, 6, 4}, {3, 2, 0}}));
    EXPECT_EQ(random.drawn(), drawnBefore);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(numbers(1, 4), (Numbers{1, 10, 6, 4}));
    EXPECT_EQ(numbers(2, 3), (Numbers{3, 2, 0}));
    EXPECT_EQ(ed.doc.answerMarks[2], "__e");
    EXPECT_EQ(ed.doc.letterPool, "____ I_ MOR_.");
    EXPECT_EQ(ed.doc.positionOwner[12], 1);  // the E of "more"
    EXPECT_EQ(ed.doc.lettersLeft, "imor");
    EXPECT_TRUE(ed.hasGap(2));
}

}  // namespace
}  // namespace qbrx::test
