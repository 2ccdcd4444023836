#include "scriptedprompter.h"

namespace qbrx::test {
namespace {

std::string clean(std::string s) { return Editor::cleanQuotation(s); }

TEST(CleanQuotation, QuoteMarksAndSpaces) {
    const std::string open(1, static_cast<char>(210)), close(1, static_cast<char>(211));
    EXPECT_EQ(clean("say \"hi\" now"), "say " + open + "hi" + close + " now");
    EXPECT_EQ(clean("say \"hi\". \"x\", ok"),
              "say " + open + "hi" + open + ". " + open + "x" + open + ", ok");
    EXPECT_EQ(clean("end \""), "end " + close);
    EXPECT_EQ(clean("  a   b  "), " a b ");
    EXPECT_EQ(clean("a\t\tb \t c"), "a\t\tb \t c");
}

TEST_F(EditorTest, NumbersEveryLetterButCountsOnlyAToZ) {
    registerQuote("Less is more.");
    const int positions[] = {1, 2, 3, 4, 6, 7, 9, 10, 11, 12};
    for (int n = 1; n <= 10; ++n) EXPECT_EQ(ed.doc.positionLetterNo[positions[n - 1]], n);
    EXPECT_EQ(ed.doc.positionLetterNo[5] + ed.doc.positionLetterNo[13], 0);
    EXPECT_EQ(ed.view.totalLetters, "10");

    // The accented letter and both marks are numbered, yet not counted.
    registerQuote("\"Caf\xE9\" x");
    for (int p = 1; p <= 6; ++p) EXPECT_EQ(ed.doc.positionLetterNo[p], p);
    EXPECT_EQ(ed.doc.totalLetters, 4);
    EXPECT_EQ(ed.doc.lettersLeft, "acfx");
    EXPECT_EQ(ed.view.lettersLeft[0] + ed.view.lettersLeft[1] + ed.view.lettersLeft[26], "104");
    EXPECT_EQ(ed.view.vowels + ed.view.consonants, "13");
}

TEST_F(EditorTest, RegisterButtonEnablesEditingAndShowsTheGrid) {
    EXPECT_EQ(ed.view.quoteBox, kQuotePrompt);
    EXPECT_EQ(ed.view.listRows, std::vector<std::string>{" A. "});
    EXPECT_EQ(ed.doc.currentQuestion, 1);
    EXPECT_FALSE(ed.view.controlsEnabled || ed.view.fileMenusEnabled);

    registerQuote("Less   is more.");
    EXPECT_EQ(ed.view.quoteBox, "Less is more.");
    EXPECT_EQ(ed.doc.quoteLength, 13);
    EXPECT_EQ(ed.doc.letterPool, "LESS IS MORE.");
    EXPECT_TRUE(ed.doc.quoteRegistered && ed.doc.docChanged);
    EXPECT_TRUE(ed.view.controlsEnabled && ed.view.fileMenusEnabled && ed.view.gridVisible);
    EXPECT_FALSE(ed.view.gridLogoVisible || ed.view.quoteTabStop || ed.view.crosticOffTabStop);
    EXPECT_EQ(ed.view.quoteButtonCaption, "Hide Quote");
}

TEST_F(EditorTest, EmptyQuotationIsRefusedButTheButtonStillFinishes) {
    ed.view.quoteBox.clear();
    ed.view.registerCaption = "ReRegister";
    ed.registerButton();
    ASSERT_EQ(prompter.messages.size(), 1u);
    const MessageRequest& m = prompter.messages[0];
    EXPECT_EQ(m.text.rfind("You need a quotation.  Possible Sources:\n", 0), 0u);
    EXPECT_EQ(m.title, "Missing Quotation");
    EXPECT_EQ(m.icon, Icon::Exclamation);
    EXPECT_FALSE(ed.doc.docChanged || ed.view.controlsEnabled);
    EXPECT_TRUE(ed.doc.quoteRegistered && ed.view.gridVisible);
    EXPECT_EQ(ed.view.registerCaption, "Register");
}

TEST_F(EditorTest, EnterRegistersOnlyAndCutsTo255) {
    registerQuote("Less is more.");
    ed.view.registerCaption = "ReRegister";
    ed.view.quoteBox = std::string(300, 'x');
    ed.quoteEnter();
    EXPECT_EQ(ed.doc.quoteLength, 255);
    EXPECT_EQ(ed.view.quoteBox.size(), 255u);
    EXPECT_EQ(ed.doc.positionLetterNo[255], 255);
    EXPECT_EQ(ed.view.totalLetters, "10");  // Total Letters waits for the button
    EXPECT_EQ(ed.view.registerCaption, "ReRegister");
}

}  // namespace
}  // namespace qbrx::test
