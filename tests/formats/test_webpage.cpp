// SPDX-License-Identifier: GPL-3.0-or-later
// The web page's puzzle data read back with Qt's JSON reader, against the
// document it was written from. The page's behaviour in a browser is
// test_webpage.py's.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "../core/editorfixture.h"
#include "export.h"
#include "gridcells.h"
#include "pageplan.h"

namespace qbrx::test {
namespace {

// The JSON between the data element's tags.
QJsonObject pageData(const std::string& page) {
    const std::string open = "<script type=\"application/json\" id=\"puzzle\">";
    const std::size_t from = page.find(open);
    EXPECT_NE(from, std::string::npos);
    const std::size_t start = from + open.size();
    const std::string json = page.substr(start, page.find("</script>", start) - start);
    QJsonParseError err;
    const QJsonObject data = QJsonDocument::fromJson(QByteArray::fromStdString(json), &err).object();
    EXPECT_EQ(err.error, QJsonParseError::NoError) << err.errorString().toStdString();
    return data;
}

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

class WebPageTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        // L1 E2 S3 S4 I5 S6 M7 O8 R9 E10: LESS takes 1 to 4, ODE takes 8 and
        // 10 and has its D as a gap; I, S, M and R are given on the puzzle.
        registerQuote("Less is more.");
        accept("Fewer", "less");
        accept("Poem", "ode");
    }
    std::string page(bool crostic = true) { return formatWebPage(ed.doc, {crostic, true}); }
};

TEST_F(WebPageTest, GridAndAnswersCarryThePrintedNumbers) {
    const QJsonObject data = pageData(page());
    const GridGeometry geometry = computeGridGeometry(ed.doc.quoteLength);
    const std::vector<GridCell> model = gridCells(ed.doc, geometry);
    EXPECT_EQ(data["cols"].toInt(), geometry.columns);
    const QJsonArray grid = data["grid"].toArray();
    ASSERT_EQ(grid.size(), static_cast<qsizetype>(model.size()));
    EXPECT_EQ(grid[0].toInt(), model[0].number);     // L, for the solver to find
    EXPECT_EQ(grid[4].toInt(), 0);                   // the space: a black cell
    EXPECT_EQ(grid[5][0].toInt(), model[5].number);  // I, given
    EXPECT_EQ(grid[5][1].toString(), "I");
    EXPECT_EQ(grid[12].toString(), ".");  // punctuation as it is
    const QJsonArray clues = data["clues"].toArray();
    ASSERT_EQ(clues.size(), 2);
    EXPECT_EQ(clues[0][0].toString(), "A");
    EXPECT_EQ(clues[0][1].toString(), "Fewer");
    EXPECT_EQ(clues[0][2].toArray(), QJsonArray({1, 2, 3, 4}));
    EXPECT_EQ(clues[1][2].toArray(), QJsonArray({8, "D", 10}));
    EXPECT_EQ(data["hash"].toString().size(), 80);  // eight hex digits for each of ten letters
}

TEST_F(WebPageTest, HiddenLettersAreNotInThePage) {
    const std::string text = page();
    EXPECT_EQ(text.find("Less"), std::string::npos);
    EXPECT_EQ(text.find("LESS"), std::string::npos);
    EXPECT_EQ(text.find("\"ODE\""), std::string::npos);
    // Each letter is checked against its hash with the page's id as salt.
    const QJsonObject data = pageData(text);
    const std::string salt = data["id"].toString().toStdString();
    EXPECT_EQ(data["hash"].toString().toStdString().substr(0, 8), webLetterHash(salt, 1, "L"));
    EXPECT_EQ(webHash("a"), 0xe40c292cu);  // FNV-1a, as the page's script computes it
}

TEST_F(WebPageTest, SamePuzzleSamePageAndSavedLetters) {
    const std::string first = page();
    EXPECT_EQ(page(), first);
    // Drawn afresh, the letters lie elsewhere: another id, so the letters a
    // student saved for the old page are not put into the new one.
    ScriptedPrompter quiet;
    ScriptedRandom late({0.9});
    Editor other(quiet, late);
    other.startUp();
    other.view.quoteBox = "Less is more.";
    other.registerButton();
    for (const auto& [question, answer] : {std::pair{"Fewer", "less"}, std::pair{"Poem", "ode"}}) {
        other.view.questionBox = question;
        other.view.answerBox = answer;
        other.acceptButton();
    }
    ASSERT_NE(other.doc.answerLetterNo[1][2], ed.doc.answerLetterNo[1][2]);  // E10 instead of E2
    EXPECT_NE(pageData(formatWebPage(other.doc, {}))["id"], pageData(first)["id"]);
}

TEST_F(WebPageTest, PuzzleTextsCannotBreakOutOfThePage) {
    ed.doc.header.titleGiven = true;
    ed.doc.header.title = "</script><script>alert(1)</script> & \"quotes\"";
    ed.doc.question[1] = "<!-- </SCRIPT>";
    const std::string text = page();
    EXPECT_EQ(count(text, "</script>"), 2u);  // the data's and the script's own
    EXPECT_EQ(
        count(text,
              "<title>&lt;/script&gt;&lt;script&gt;alert(1)&lt;/script&gt; &amp; &quot;quotes&quot;</title>"),
        1u);
    const QJsonObject data = pageData(text);
    EXPECT_EQ(data["title"].toString(), "</script><script>alert(1)</script> & \"quotes\"");
    EXPECT_EQ(data["clues"][0][1].toString(), "<!-- </SCRIPT>");
}

TEST_F(WebPageTest, CrosticLineUpToItsCutOffWhenOn) {
    ed.doc.crostic = "L O~X";
    const QJsonObject data = pageData(page());
    EXPECT_EQ(data["crostic"].toArray(), QJsonArray({0, " ", 1}));  // question A's first letter, a space, B's
    EXPECT_NE(page().find(kCrosticInstruction), std::string::npos);  // the printed puzzle's words
    EXPECT_TRUE(pageData(page(false))["crostic"].isNull());
    ed.doc.crostic = "  ";  // a puzzle read without a crostic
    EXPECT_TRUE(pageData(page())["crostic"].isNull());
}

}  // namespace
}  // namespace qbrx::test
