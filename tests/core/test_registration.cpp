#include "editorfixture.h"

namespace qbrx::test {
namespace {

TEST(CleanQuotation, QuoteMarksAndSpaces) {
    // A mark before a space or at the end closes (211); any other opens (210),
    // even before a full stop or comma.
    const std::pair<std::string, std::string> cases[] = {
        {"\"a\" \"b\". \"c\", d \"", "\xD2" "a\xD3 \xD2" "b\xD2. \xD2" "c\xD2, d \xD3"},
        {"  a   b  ", " a b "},
        {"a\t\tb \t c", "a\t\tb \t c"},
    };
    for (auto [in, out] : cases) EXPECT_EQ(Editor::cleanQuotation(in), out) << in;
}

TEST_F(EditorTest, NumbersEveryLetterButCountsOnlyAToZ) {
    registerQuote("Less   is more.");
    EXPECT_EQ(ed.view.quoteBox, "Less is more.");
    EXPECT_EQ(ed.doc.letterPool, "LESS IS MORE.");
    const int positions[] = {1, 2, 3, 4, 6, 7, 9, 10, 11, 12};
    for (int n = 1; n <= 10; ++n) EXPECT_EQ(ed.doc.positionLetterNo[positions[n - 1]], n);
    EXPECT_EQ(ed.doc.positionLetterNo[5], 0);
    EXPECT_EQ(ed.doc.positionLetterNo[13], 0);
    EXPECT_EQ(ed.view.totalLetters, "10");
    EXPECT_TRUE(ed.view.controlsEnabled && ed.view.gridVisible);

    // The accented letter and both marks are numbered, yet not counted.
    registerQuote("\"Caf\xE9\" x");
    for (int p = 1; p <= 6; ++p) EXPECT_EQ(ed.doc.positionLetterNo[p], p);
    EXPECT_EQ(ed.doc.totalLetters, 4);
    EXPECT_EQ(ed.doc.lettersLeft, "acfx");
    EXPECT_EQ(ed.view.lettersLeft[0], "1");  // A
    EXPECT_EQ(ed.view.lettersLeft[1], "0");  // B
    EXPECT_EQ(ed.view.lettersLeft[26], "4");  // all
    EXPECT_EQ(ed.view.vowels, "1");
    EXPECT_EQ(ed.view.consonants, "3");
}

TEST_F(EditorTest, EmptyQuotationIsRefusedAndEnterCutsTo255) {
    ed.view.quoteBox.clear();
    ed.registerButton();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].title, "Missing Quotation");
    EXPECT_FALSE(ed.doc.docChanged || ed.view.controlsEnabled);

    ed.view.quoteBox = std::string(300, 'x');
    ed.quoteEnter();
    EXPECT_EQ(ed.doc.quoteLength, 255);
    EXPECT_EQ(ed.doc.positionLetterNo[255], 255);
    EXPECT_EQ(ed.view.quoteBox.size(), 255u);
}

}  // namespace
}  // namespace qbrx::test
