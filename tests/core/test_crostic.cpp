// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafile.h"
#include "editorfixture.h"

namespace qbrx::test {
namespace {

// The captions of the first crostic labels.
std::vector<std::string> captions(const Editor& ed, int count) {
    std::vector<std::string> out;
    for (int i = 0; i < count; ++i) out.push_back(ed.view.crostic[i].caption);
    return out;
}

TEST_F(EditorTest, SetupWithoutAnswersCreatesOneSlotPerLetter) {
    prompter.inputs = {"OCEAN"};
    ed.setupCrostic();  // before registration: registers nothing
    EXPECT_TRUE(ed.doc.quotation.empty());
    registerQuote("Clean sea");  // no O: slot 1's letter is supplied
    ed.setupCrostic();
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(answers(), (Texts{"O", "C", "E", "A", "N"}));
    ASSERT_EQ(ed.view.listRows.size(), 6u);
    EXPECT_EQ(ed.view.listRows[4], " E. Question for []");
    EXPECT_EQ(ed.view.listRows[5], " F. ");
    EXPECT_EQ(captions(ed, 6), (Texts{"O", "C", "E", "A", "N", ""}));
    EXPECT_TRUE(ed.view.crostic[0].blue);
    EXPECT_TRUE(ed.view.crostic[4].blue);
    EXPECT_TRUE(ed.view.crostic[0].underline);
    EXPECT_FALSE(ed.view.crostic[1].underline);
}

TEST_F(EditorTest, SetupPrefixesExistingAnswersOnce) {
    registerQuote("abcdefghijklmnopqrstuvwxyz");
    for (const char* a : {"apple", "bear", "dog"}) accept("q", a);
    prompter.inputs = {"AB CD", "AB ED"};
    prompter.replies = {Reply::Yes, Reply::Yes};
    ed.setupCrostic();
    EXPECT_EQ(prompter.messages.at(0).title, "Crostic");
    EXPECT_EQ(answers(), (Texts{"apple", "bear", "C-dog", "D"}));
    ed.setupCrostic();
    EXPECT_EQ(answers(), (Texts{"apple", "bear", "E-dog", "D"}));

    // The slot that Setup goes on to stays selected, yet the boxes show its
    // answer afresh, not what they held before.
    ed.selectListRow(3);
    ed.view.answerBox = "typed";
    prompter.inputs = {"XBED"};
    ed.setupCrostic();
    EXPECT_EQ(ed.view.selectedRow, 3);
    EXPECT_EQ(ed.view.answerBox, "D");
}

TEST_F(EditorTest, TildeHidesTheRestButItsLettersStillTakeSlots) {
    registerQuote("abcd");
    prompter.inputs = {"AB~CD"};
    ed.setupCrostic();
    EXPECT_EQ(captions(ed, 3), (Texts{"A", "B", ""}));
    EXPECT_EQ(ed.doc.questionCount, 4);
    EXPECT_EQ(ed.doc.slotCrosticPos[4], 5);
}

TEST_F(EditorTest, AFirstCharacterThatIsNoLetterShiftsTheLaterSlots) {
    registerQuote("abcdefghijklmnopqrstuvwxyz");
    for (const char* a : {"apple", "9lives", "bear"}) accept("q", a);
    EXPECT_EQ(ed.doc.crostic, "a9b");
    EXPECT_EQ(ed.doc.crosticPos[2], 3);
    EXPECT_EQ(ed.doc.crosticPos[3], 4);
    ed.crosticLabelClick(2);
    EXPECT_EQ(ed.doc.currentQuestion, 2);
}

TEST_F(EditorTest, PrefixedAnswerIsEncodedWholeAndTheCrosticStaysWithinFifty) {
    registerQuote("abcdefghijklmnopqrstuvwxyz abcdefghijklmnopqrstuvwxyz");
    accept("q", "bcdefghijklmnopqrstuvwxy");
    prompter.inputs = {"A", std::string(60, 'x')};
    ed.setupCrostic();
    EXPECT_EQ(ed.doc.answer[1].size(), 26u);
    EXPECT_EQ(numbers(1, 3), (Numbers{1, 0, 2}));  // the hyphen is no gap
    EXPECT_FALSE(ed.hasGap(1));
    EXPECT_EQ(ed.doc.answerLetterNo[1][25], 24);
    EXPECT_EQ(ed.doc.answerLetterNo[1][26], 25);
    ed.setupCrostic();
    EXPECT_EQ(ed.doc.crostic.size(), 50u);
    EXPECT_EQ(ed.doc.questionCount, 50);
}

// After Setup the phrase is the author's: answers, acceptances and
// deletions change it only when the author says so.
class TypedCrosticTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        registerQuote(
            "Four score and seven years ago our fathers brought forth on this continent a new nation");
        prompter.inputs = {"LINCOLN"};
        ed.setupCrostic();
    }
};

TEST_F(TypedCrosticTest, SetupAcceptAndRegisterGoToTheFirstEmptyAnswer) {
    EXPECT_EQ(ed.view.selectedRow, 0);
    EXPECT_EQ(ed.view.focus, Focus::Question);
    accept("Hidden in the woods", "lair");
    EXPECT_EQ(ed.view.selectedRow, 1);
    EXPECT_EQ(ed.view.answerBox, "I");
    EXPECT_EQ(ed.view.focus, Focus::Question);
    ed.selectListRow(0);
    ed.view.focus = Focus::None;
    ed.registerButton();
    EXPECT_EQ(ed.view.selectedRow, 1);
    EXPECT_EQ(ed.view.focus, Focus::Question);
}

TEST_F(TypedCrosticTest, AnAnswerWithAnotherFirstLetterIsAskedAboutAndMarked) {
    prompter.replies = {Reply::Cancel};
    accept("Root spice", "ginger");
    EXPECT_EQ(prompter.messages.at(0).text, crosticMismatchQuestion("ginger", 'L'));
    EXPECT_EQ(ed.doc.answer[1], "L");

    prompter.replies = {Reply::Ok};
    accept("Root spice", "ginger");
    EXPECT_EQ(ed.doc.answer[1], "ginger");
    EXPECT_EQ(ed.doc.crostic, "LINCOLN");
    EXPECT_TRUE(ed.view.crostic[0].mismatch);
    EXPECT_FALSE(ed.view.crostic[1].mismatch);

    // An answer after the last letter leaves the phrase alone too.
    ed.selectListRow(7);
    accept("Striped horse", "zebra");
    EXPECT_EQ(ed.doc.crostic, "LINCOLN");
}

TEST_F(TypedCrosticTest, DeleteAsksWhetherToKeepTheSlotForItsLetter) {
    accept("Hidden in the woods", "lair");
    ed.selectListRow(0);
    prompter.replies = {Reply::Yes};
    ed.deleteButton();
    EXPECT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages.at(0).text, keepCrosticSlotQuestion(1, 'L'));
    EXPECT_EQ(ed.doc.answer[1], "L");
    EXPECT_EQ(ed.doc.questionCount, 7);
    EXPECT_EQ(ed.doc.crostic, "LINCOLN");

    prompter.replies = {Reply::Cancel};
    ed.deleteFromPopup();
    EXPECT_EQ(ed.doc.questionCount, 7);

    prompter.replies = {Reply::No};
    ed.deleteFromPopup();
    EXPECT_EQ(ed.doc.crostic, "INCOLN");
    EXPECT_EQ(ed.doc.questionCount, 6);
}

// The phrase stays the author's after Save and Open.
TEST_F(TypedCrosticTest, SaveAndOpenKeepThePhraseTheAuthors) {
    accept("Hidden in the woods", "lair");
    const PuzzleRead read = readDataBytes(formatDataFile(ed.doc));
    ASSERT_TRUE(read.puzzle);
    ed.loadPuzzle(*read.puzzle);

    ed.selectListRow(1);
    prompter.replies = {Reply::Ok};
    accept("Fish eggs", "roe");
    EXPECT_EQ(prompter.messages.at(0).text, crosticMismatchQuestion("roe", 'I'));
    EXPECT_EQ(ed.doc.crostic, "LINCOLN");

    ed.selectListRow(0);
    prompter.replies = {Reply::Cancel};
    ed.deleteFromPopup();
    EXPECT_EQ(prompter.messages.at(1).text, keepCrosticSlotQuestion(1, 'L'));
}

TEST_F(EditorTest, UndoOfSetupGivesThePhraseBackToTheAnswers) {
    ed.history.enabled = true;
    registerQuote("Four score and seven years ago");
    ed.history.commit(ed);
    prompter.inputs = {"LINCOLN"};
    ed.setupCrostic();
    ed.history.commit(ed);
    ed.history.undo(ed);
    accept("Root spice", "ginger");
    EXPECT_EQ(ed.doc.crostic, "g");
}

// Average Answer Length: the letters left with the crostic letters alone in
// empty answers, shared among those answers.
TEST_F(EditorTest, AverageAnswerLengthSharesTheLettersLeftAmongTheEmptyAnswers) {
    registerQuote("abcdefghijklmnopqrst");
    EXPECT_EQ(ed.view.averageLength, "");
    prompter.inputs = {"AB"};
    ed.setupCrostic();
    EXPECT_EQ(ed.view.lettersLeft[26], "18");
    EXPECT_EQ(ed.view.averageLength, "10.0");
    accept("First", "acdef");
    EXPECT_EQ(ed.view.averageLength, "15.0");
    accept("Second", "bghi");
    EXPECT_EQ(ed.view.averageLength, "");
}

}  // namespace
}  // namespace qbrx::test
