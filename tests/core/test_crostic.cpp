#include "scriptedprompter.h"

namespace qbrx::test {
namespace {

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
    ASSERT_EQ(prompter.inputPrompts.size(), 1u);
    EXPECT_EQ(prompter.inputPrompts[0],
              "Enter a Crostic|Type in the Crostic. Use tilde (~) to signal cutoff point (if desired).");
    EXPECT_EQ(ed.doc.questionCount, 5);
    EXPECT_EQ(ed.doc.answer[1], "O");
    EXPECT_EQ(ed.doc.answer[5], "N");
    EXPECT_EQ(ed.doc.question[3], "Question for []");
    ASSERT_EQ(ed.view.listRows.size(), 6u);
    EXPECT_EQ(ed.view.listRows[4], " E. Question for []");
    EXPECT_EQ(ed.view.listRows[5], " F. ");
    EXPECT_EQ(ed.view.selectedRow, 0);
    EXPECT_EQ(ed.doc.currentQuestion, 1);
    EXPECT_TRUE(ed.view.crosticOn);
    EXPECT_EQ(captions(ed, 6), (std::vector<std::string>{"O", "C", "E", "A", "N", ""}));
    EXPECT_TRUE(ed.view.crostic[0].blue && ed.view.crostic[4].blue);
    EXPECT_TRUE(ed.view.crostic[0].underline);
    EXPECT_FALSE(ed.view.crostic[1].underline);
}

TEST_F(EditorTest, SetupPrefixesExistingAnswersOnceAndKeepsMatchingOnes) {
    registerQuote("abcdefghijklmnopqrstuvwxyz");
    for (const char* a : {"apple", "bear", "dog"}) accept("q", a);

    prompter.replies = {Reply::Cancel};
    ed.setupCrostic();
    EXPECT_TRUE(prompter.inputPrompts.empty());
    EXPECT_EQ(ed.doc.crostic, "abd");

    prompter.inputs = {"AB CD", "AB ED"};
    ed.setupCrostic();
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[1].title, "Crostic");
    EXPECT_EQ(prompter.messages[1].buttons, Buttons::YesNoCancel);
    EXPECT_NE(prompter.messages[1].text.find("continue?\rClick Yes"), std::string::npos);
    EXPECT_EQ(ed.doc.questionCount, 4);
    EXPECT_EQ(ed.doc.answer[1], "apple");
    EXPECT_EQ(ed.doc.answer[2], "bear");
    EXPECT_EQ(ed.doc.answer[3], "C-dog");
    EXPECT_EQ(ed.doc.answer[4], "D");
    ASSERT_EQ(ed.view.listRows.size(), 5u);
    EXPECT_EQ(ed.view.listRows[3], " D. Question for []");

    ed.setupCrostic();
    EXPECT_EQ(ed.doc.answer[3], "E-dog");
    EXPECT_EQ(ed.doc.crostic, "AB ED");
}

TEST_F(EditorTest, TildeHidesTheRestButItsLettersStillTakeSlots) {
    registerQuote("abcd");
    prompter.inputs = {"AB~CD"};
    ed.setupCrostic();
    EXPECT_EQ(ed.doc.questionCount, 4);
    EXPECT_EQ(captions(ed, 3), (std::vector<std::string>{"A", "B", ""}));
    ed.crosticLabelClick(1);
    EXPECT_EQ(ed.view.selectedRow, 1);
    EXPECT_TRUE(ed.view.crostic[1].grey);
    EXPECT_FALSE(ed.view.crostic[0].grey);
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

TEST_F(EditorTest, PrefixedTwentyFourCharacterAnswerIsEncodedWhole) {
    registerQuote("abcdefghijklmnopqrstuvwxyz abcdefghijklmnopqrstuvwxyz");
    accept("q", "bcdefghijklmnopqrstuvwxy");
    prompter.inputs = {"A"};
    ed.setupCrostic();
    ASSERT_EQ(ed.doc.answer[1].size(), 26u);
    EXPECT_EQ(numbers(1, 3), (std::vector<int>{1, 0, 2}));
    EXPECT_EQ(ed.doc.answerLetterNo[1][25], 24);
    EXPECT_EQ(ed.doc.answerLetterNo[1][26], 25);
}

TEST_F(EditorTest, CrosticNeverExceedsFiftyCharacters) {
    registerQuote("abc");
    prompter.inputs = {std::string(60, 'x')};
    ed.setupCrostic();
    EXPECT_EQ(ed.doc.crostic.size(), 50u);
    EXPECT_EQ(ed.doc.questionCount, 50);
}

}  // namespace
}  // namespace qbrx::test
