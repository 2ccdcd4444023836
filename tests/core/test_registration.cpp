#include "scriptedprompter.h"

namespace qbrx::test {
namespace {

std::string clean(std::string s) { return Editor::cleanQuotation(s); }

TEST(CleanQuotation, QuoteMarksAndSpaces) {
    const std::string open(1, static_cast<char>(210)), close(1, static_cast<char>(211));
    EXPECT_EQ(clean("say \"hi\" now"), "say " + open + "hi" + close + " now");
    EXPECT_EQ(clean("say \"hi\". ok"), "say " + open + "hi" + open + ". ok");
    EXPECT_EQ(clean("say \"hi\", ok"), "say " + open + "hi" + open + ", ok");
    EXPECT_EQ(clean("end \""), "end " + close);
    EXPECT_EQ(clean("a   b"), "a b");
    EXPECT_EQ(clean("  a  b  "), " a b ");
    EXPECT_EQ(clean("a\t\tb \t c"), "a\t\tb \t c");
    std::string arg = "x  y";
    Editor::cleanQuotation(arg);
    EXPECT_EQ(arg, "x y");
}

TEST_F(EditorTest, StartUpLeavesSlotOneCurrentAndControlsDisabled) {
    EXPECT_EQ(ed.view.quoteBox, kQuotePrompt);
    ASSERT_TRUE(ed.view.quoteSelection);
    EXPECT_EQ(ed.view.quoteSelection->length, 256);
    EXPECT_EQ(ed.view.listRows, std::vector<std::string>{" A. "});
    EXPECT_EQ(ed.view.selectedRow, 0);
    EXPECT_EQ(ed.doc.currentQuestion, 1);
    EXPECT_FALSE(ed.view.controlsEnabled);
    EXPECT_FALSE(ed.view.fileMenusEnabled);
}

TEST_F(EditorTest, NumbersEveryLetterButCountsOnlyAToZ) {
    registerQuote("Less is more.");
    const int positions[] = {1, 2, 3, 4, 6, 7, 9, 10, 11, 12};
    for (int n = 1; n <= 10; ++n) EXPECT_EQ(ed.doc.positionLetterNo[positions[n - 1]], n);
    EXPECT_EQ(ed.doc.positionLetterNo[5], 0);
    EXPECT_EQ(ed.doc.positionLetterNo[13], 0);
    EXPECT_EQ(ed.view.totalLetters, "10");

    // The accented letter and both marks are numbered, yet not counted.
    registerQuote("\"Caf\xE9\" x");
    for (int p = 1; p <= 6; ++p) EXPECT_EQ(ed.doc.positionLetterNo[p], p);
    EXPECT_EQ(ed.doc.totalLetters, 4);
    EXPECT_EQ(ed.doc.lettersLeft, "acfx");
    EXPECT_EQ(ed.view.lettersLeft[0], "1");
    EXPECT_EQ(ed.view.lettersLeft[1], "0");
    EXPECT_EQ(ed.view.lettersLeft[26], "4");
    EXPECT_EQ(ed.view.vowels, "1");
    EXPECT_EQ(ed.view.consonants, "3");
}

TEST_F(EditorTest, RegisterButtonEnablesEditingAndShowsTheGrid) {
    registerQuote("Less   is more.");
    EXPECT_EQ(ed.view.quoteBox, "Less is more.");
    EXPECT_EQ(ed.doc.quotation, "Less is more.");
    EXPECT_EQ(ed.doc.quoteLength, 13);
    EXPECT_EQ(ed.doc.letterPool, "LESS IS MORE.");
    EXPECT_TRUE(ed.doc.quoteRegistered);
    EXPECT_TRUE(ed.doc.docChanged);
    EXPECT_TRUE(ed.view.controlsEnabled);
    EXPECT_TRUE(ed.view.fileMenusEnabled);
    EXPECT_TRUE(ed.view.gridVisible);
    EXPECT_FALSE(ed.view.gridLogoVisible);
    EXPECT_EQ(ed.view.quoteButtonCaption, "Hide Quote");
    EXPECT_FALSE(ed.view.quoteTabStop);
    EXPECT_FALSE(ed.view.crosticOffTabStop);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(EditorTest, EmptyQuotationIsRefusedButTheButtonStillFinishes) {
    ed.view.quoteBox.clear();
    ed.view.registerCaption = "ReRegister";
    ed.registerButton();
    ASSERT_EQ(prompter.messages.size(), 1u);
    const MessageRequest& m = prompter.messages[0];
    EXPECT_EQ(m.text.rfind("You need a quotation.  Possible Sources:\n", 0), 0u);
    EXPECT_NE(m.text.find("{"), std::string::npos);
    EXPECT_EQ(m.title, "Missing Quotation");
    EXPECT_EQ(m.icon, Icon::Exclamation);
    EXPECT_TRUE(ed.doc.quotation.empty());
    EXPECT_FALSE(ed.doc.docChanged);
    EXPECT_FALSE(ed.view.controlsEnabled);
    EXPECT_TRUE(ed.doc.quoteRegistered);
    EXPECT_TRUE(ed.view.gridVisible);
    EXPECT_EQ(ed.view.registerCaption, "Register");
}

TEST_F(EditorTest, EnterRegistersOnlyAndCutsTo255) {
    ed.view.quoteBox = "abc";
    ed.quoteEnter();
    EXPECT_EQ(ed.doc.quotation, "abc");
    EXPECT_FALSE(ed.doc.quoteRegistered);
    EXPECT_TRUE(ed.view.controlsEnabled);

    registerQuote("Less is more.");
    ed.view.registerCaption = "ReRegister";
    ed.view.quoteBox = "ab";
    ed.quoteEnter();
    EXPECT_EQ(ed.doc.quotation, "ab");
    EXPECT_EQ(ed.view.totalLetters, "10");  // Total Letters waits for the button
    EXPECT_EQ(ed.view.registerCaption, "ReRegister");

    ed.view.quoteBox = std::string(300, 'x');
    ed.quoteEnter();
    EXPECT_EQ(ed.doc.quoteLength, 255);
    EXPECT_EQ(ed.view.quoteBox.size(), 255u);
    EXPECT_EQ(ed.doc.positionLetterNo[255], 255);
}

TEST_F(EditorTest, ResetEmptiesDocumentAndWindow) {
    registerQuote("Less is more.");
    accept("q", "less");
    bool resetSeen = false;
    ed.onReset = [&] { resetSeen = true; };
    ed.resetDocument();
    EXPECT_TRUE(resetSeen);
    EXPECT_EQ(ed.doc.questionCount, 0);
    EXPECT_EQ(ed.doc.currentQuestion, 1);
    EXPECT_TRUE(ed.doc.letterPool.empty());
    EXPECT_EQ(ed.doc.quotation, "Less is more.");
    EXPECT_TRUE(ed.view.listRows.empty());
    EXPECT_TRUE(ed.view.quoteBox.empty());
    EXPECT_TRUE(ed.view.lettersLeft[26].empty());
    EXPECT_TRUE(ed.view.crostic[0].caption.empty());
    EXPECT_TRUE(ed.view.grid.ops.empty());
    EXPECT_TRUE(ed.view.gridVisible);
}

}  // namespace
}  // namespace qbrx::test
