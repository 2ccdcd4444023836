// Registration with letter numbers that come with a puzzle: kept as given
// when they fit, drawn afresh with a message when they do not.
#include "editorfixture.h"

namespace qbrx::test {
namespace {

// "Less is more.": L1 E2 S3 S4, I5 S6, M7 O8 R9 E10.
class GivenNumbersTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        registerQuote("Less is more.");
        accept("Fewer", "less");
        accept("Spot", "see");
        prompter.messages.clear();
    }
};

TEST_F(GivenNumbersTest, FittingNumbersAreKeptWithoutDrawing) {
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

TEST_F(GivenNumbersTest, NumbersThatDoNotFitAreDrawnAfresh) {
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
}

}  // namespace
}  // namespace qbrx::test
