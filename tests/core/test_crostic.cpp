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
    registerQuote("Clean sea");  // no O: slot 1's letter is supplied
    prompter.inputs = {"OCEAN"};
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

    // Slot 1 stays selected through Setup, yet the boxes show its new answer.
    ed.selectListRow(0);
    prompter.inputs = {"XBED"};
    ed.setupCrostic();
    EXPECT_EQ(ed.view.selectedRow, 0);
    EXPECT_EQ(ed.view.answerBox, "X-apple");
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

TEST_F(EditorTest, CrosticSetupBeforeRegistrationRegistersNothing) {
    prompter.inputs = {"AB"};
    ed.setupCrostic();
    EXPECT_TRUE(ed.doc.quotation.empty());
}

}  // namespace
}  // namespace qbrx::test
