#include "scriptedprompter.h"

namespace qbrx::test {
namespace {

// The captions of the first crostic labels, "." for an empty one.
std::string captions(const Editor& ed, int count) {
    std::string out;
    for (int i = 0; i < count; ++i)
        out += ed.view.crostic[i].caption.empty() ? "." : ed.view.crostic[i].caption;
    return out;
}

TEST_F(EditorTest, SetupWithoutAnswersCreatesOneSlotPerLetter) {
    registerQuote("Clean sea");  // no O: slot 1's letter is supplied
    prompter.inputs = {"OCEAN"};
    ed.setupCrostic();
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(prompter.inputPrompts,
              std::vector<std::string>{
                  "Enter a Crostic|Type in the Crostic. Use tilde (~) to signal cutoff point (if desired)."});
    EXPECT_EQ(answers(), "O,C,E,A,N");
    EXPECT_EQ(ed.doc.question[3], "Question for []");
    ASSERT_EQ(ed.view.listRows.size(), 6u);
    EXPECT_EQ(ed.view.listRows[4] + ed.view.listRows[5], " E. Question for [] F. ");
    EXPECT_EQ(ed.view.selectedRow + ed.doc.currentQuestion, 1);
    EXPECT_TRUE(ed.view.crosticOn);
    EXPECT_EQ(captions(ed, 6), "OCEAN.");
    EXPECT_TRUE(ed.view.crostic[0].blue && ed.view.crostic[4].blue && ed.view.crostic[0].underline);
    EXPECT_FALSE(ed.view.crostic[1].underline);
}

TEST_F(EditorTest, SetupPrefixesExistingAnswersOnceAndKeepsMatchingOnes) {
    registerQuote("abcdefghijklmnopqrstuvwxyz");
    for (const char* a : {"apple", "bear", "dog"}) accept("q", a);
    prompter.replies = {Reply::Cancel};
    ed.setupCrostic();
    EXPECT_TRUE(prompter.inputPrompts.empty());

    prompter.inputs = {"AB CD", "AB ED"};
    ed.setupCrostic();
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[1].title, "Crostic");
    EXPECT_EQ(prompter.messages[1].buttons, Buttons::YesNoCancel);
    EXPECT_NE(prompter.messages[1].text.find("continue?\rClick Yes"), std::string::npos);
    EXPECT_EQ(answers(), "apple,bear,C-dog,D");
    ASSERT_EQ(ed.view.listRows.size(), 5u);
    EXPECT_EQ(ed.view.listRows[3], " D. Question for []");

    ed.setupCrostic();
    EXPECT_EQ(answers(), "apple,bear,E-dog,D");

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
    EXPECT_EQ(captions(ed, 3), "AB.");
    ed.crosticLabelClick(1);
    EXPECT_EQ(ed.view.selectedRow, 1);
    EXPECT_TRUE(ed.view.crostic[1].grey);
    EXPECT_FALSE(ed.view.crostic[0].grey);
    EXPECT_EQ(ed.doc.questionCount * 10 + ed.doc.slotCrosticPos[4], 45);
}

TEST_F(EditorTest, AFirstCharacterThatIsNoLetterShiftsTheLaterSlots) {
    registerQuote("abcdefghijklmnopqrstuvwxyz");
    for (const char* a : {"apple", "9lives", "bear"}) accept("q", a);
    EXPECT_EQ(ed.doc.crostic, "a9b");
    EXPECT_EQ(ed.doc.crosticPos[2] * 10 + ed.doc.crosticPos[3], 34);
    EXPECT_EQ(ed.doc.crosticQuestion[4], 3);  // past the end: the last slot
    ed.crosticLabelClick(2);
    EXPECT_EQ(ed.doc.currentQuestion, 2);

    // Slot 3 has no crostic character: editing it leaves the crostic alone.
    ed.selectListRow(2);
    ed.view.answerBox = "cat";
    ed.acceptButton();
    EXPECT_EQ(ed.doc.crostic + ed.doc.answer[3], "a9bcat");
}

TEST_F(EditorTest, PrefixedAnswerIsEncodedWholeAndTheCrosticStaysWithinFifty) {
    registerQuote("abcdefghijklmnopqrstuvwxyz abcdefghijklmnopqrstuvwxyz");
    accept("q", "bcdefghijklmnopqrstuvwxy");
    prompter.inputs = {"A", std::string(60, 'x')};
    ed.setupCrostic();
    EXPECT_EQ(ed.doc.answer[1].size(), 26u);
    EXPECT_EQ(numbers(1, 3), "1 0 2");
    EXPECT_EQ(ed.doc.answerLetterNo[1][25] * 100 + ed.doc.answerLetterNo[1][26], 2425);

    ed.setupCrostic();
    EXPECT_EQ(ed.doc.crostic.size(), 50u);
    EXPECT_EQ(ed.doc.questionCount, 50);
}

}  // namespace
}  // namespace qbrx::test
