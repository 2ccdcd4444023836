// Opening ipuz acrostics: Quotabrix's own files come back with the letter
// numbers they were written with; other programs' files of another shape
// open too; damaged ones are refused and change nothing.
#include <chrono>

#include "../files/filesfixture.h"
#include "documentcommands.h"
#include "export.h"
#include "ipuzformat.h"
#include "ipuzread.h"

namespace qbrx::test {
namespace {

class IpuzOpenTest : public FilesTest {
protected:
    std::string write(const std::string& name, const std::string& bytes) const {
        writeBytes(path(name), bytes);
        return path(name);
    }
    static void build(Editor& e, const std::string& quote, const std::vector<std::pair<std::string, std::string>>& pairs) {
        e.view.quoteBox = quote;
        e.registerButton();
        for (const auto& [question, answer] : pairs) {
            e.view.questionBox = question;
            e.view.answerBox = answer;
            e.acceptButton();
        }
    }
    // The numbers printed under answer q's blanks, in order.
    static std::vector<int> numbersOf(const Document& doc, int q) {
        std::vector<int> out;
        for (int k = 1; k <= kAnswerCells; ++k) out.push_back(doc.answerLetterNo[q][k]);
        return out;
    }
};

TEST_F(IpuzOpenTest, OwnFileReopensWithTheSameNumbersAndTexts) {
    ScriptedPrompter authorPrompter;
    SeededRandom authorRandom{11};
    Editor author{authorPrompter, authorRandom};
    author.startUp();
    // A gap (the second answer's last E), punctuation, an accented letter,
    // markup characters and mixed case.
    build(author, "\"Less\" is more & <caf\xe9>, Mies said.",
          {{"Fewer <than> & so", "Less"}, {"Spot", "seeS"}, {"Zebra's kin, twice", "Mies-Mies"}});
    author.doc.header.title = "Week <3> & co";
    author.doc.header.titleGiven = true;
    author.doc.header.nameLine = true;
    author.doc.crostic = "LS~M";
    const std::string file = write("own.ipuz", formatIpuz(author.doc));

    ASSERT_EQ(openIpuzFile(ed, file), IpuzOpenStatus::Ok);
    EXPECT_TRUE(prompter.messages.empty());
    const Document& doc = ed.doc;
    EXPECT_EQ(doc.quotation, author.doc.quotation);
    EXPECT_EQ(doc.header.title, "Week <3> & co");
    EXPECT_TRUE(doc.header.nameLine);
    EXPECT_EQ(doc.crostic, "LS~M");
    ASSERT_EQ(doc.questionCount, 3);
    for (int q = 1; q <= 3; ++q) {
        SCOPED_TRACE(q);
        EXPECT_EQ(doc.question[q], author.doc.question[q]);
        EXPECT_EQ(doc.answer[q], author.doc.answer[q]);
        EXPECT_EQ(doc.answerMarks[q], author.doc.answerMarks[q]);
        EXPECT_EQ(numbersOf(doc, q), numbersOf(author.doc, q));
    }
    EXPECT_EQ(doc.letterPool, author.doc.letterPool);
    ASSERT_TRUE(author.hasGap(3));  // no E left for Mies-Mies
    EXPECT_TRUE(ed.hasGap(3));
    EXPECT_TRUE(doc.quoteRegistered);
}

TEST_F(IpuzOpenTest, NumbersThatDoNotFitAreDrawnAfreshWithAMessage) {
    build(ed, "Less is more.", {{"Fewer", "less"}});
    std::string text = formatIpuz(ed.doc);
    // The answer now claims the M of "more" for its L.
    const std::size_t cells = text.find("\"cells\": [[0, 0]");
    ASSERT_NE(cells, std::string::npos);
    text.replace(cells, 16, "\"cells\": [[8, 0]");
    ASSERT_EQ(openIpuzFile(ed, write("bad.ipuz", text)), IpuzOpenStatus::Renumbered);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, kNumbersRedrawnMessage);
    EXPECT_EQ(ed.doc.answer[1], "less");
    EXPECT_EQ(ed.doc.answerMarks[1], "____");  // drawn afresh, all four found
}

// Another program's acrostic: cells counted from [1, 1], a quote list, given
// letters in "puzzle", HTML in the texts, no answers but the cells.
TEST_F(IpuzOpenTest, OtherProgramsAcrosticOpens) {
    const std::string file = write("other.ipuz", R"({
  "version": "http://ipuz.org/v2",
  "kind": ["http://ipuz.org/acrostic#1"],
  "title": "<b>Small</b> &amp; odd",
  "author": "A. N. Oth\u00e9r \ud83d\ude00",
  "dimensions": {"width": 5, "height": 2},
  "puzzle": [["1A", "2B", "#", {"cell": "3A", "value": "O"}, "4B"],
             ["5A", {"cell": 0, "value": "!"}, null, null, null]],
  "solution": [["N", "O", "#", "O", "N"],
               ["E", "!", null, null, null]],
  "clues": {
    "Clues": [
      {"label": "A", "clue": "<i>Single</i> &lt;thing&gt;", "cells": [[4, 1], [1, 1], [1, 2]]},
      {"label": "B", "clue": "Upon", "cells": [[2, 1], [5, 1]]}
    ],
    "Quote": [{"clue": "Quote", "cells": [[1, 1], [2, 1], [4, 1], [5, 1], [1, 2]]}]
  }
})");
    ASSERT_EQ(openIpuzFile(ed, file), IpuzOpenStatus::Ok) << (prompter.messages.empty() ? "" : prompter.messages[0].text);
    const Document& doc = ed.doc;
    EXPECT_EQ(doc.quotation, "NO ONE!");
    EXPECT_EQ(doc.header.title, "Small & odd");
    EXPECT_EQ(doc.header.createdBy, "A. N. Oth\xe9r ?");  // an emoji has no Windows-1252 code
    ASSERT_EQ(doc.questionCount, 2);
    EXPECT_EQ(doc.question[1], "Single <thing>");
    EXPECT_EQ(doc.answer[1], "ONE");
    EXPECT_EQ(doc.answer[2], "ON");
    EXPECT_EQ(doc.answerLetterNo[1][1], 3);
    EXPECT_EQ(doc.answerLetterNo[1][2], 1);
    EXPECT_EQ(doc.answerLetterNo[1][3], 5);
    EXPECT_EQ(doc.answerLetterNo[2][1], 2);
    EXPECT_EQ(doc.answerLetterNo[2][2], 4);
    EXPECT_EQ(doc.crostic, "OO");
}

// Without a 0 in any cell, counting from 1 comes first, unless only
// counting from 0 spells the answers.
TEST(IpuzCells, CountFromWhereTheAnswersSpell) {
    auto numbersFor = [](const std::string& clue) {
        const auto parsed = parseIpuzAcrostic(R"({"kind": ["http://ipuz.org/acrostic#1"],
            "dimensions": {"width": 3, "height": 2}, "solution": [["A", "B", "C"], ["D", "E", "F"]],
            "clues": {"Clues": [)" + clue + "]}}");
        const auto* puzzle = std::get_if<IpuzAcrostic>(&parsed);
        return puzzle ? puzzle->pairs.at(0).numbers : std::vector<int>{};
    };
    EXPECT_EQ(numbersFor(R"({"clue": "x", "cells": [[1, 1], [2, 1]]})"), (std::vector<int>{1, 2}));
    EXPECT_EQ(numbersFor(R"({"clue": "x", "answer": "EF", "cells": [[1, 1], [2, 1]]})"), (std::vector<int>{5, 6}));
    EXPECT_EQ(numbersFor(R"({"clue": "x", "answer": "AB", "cells": [[1, 1], [2, 1]]})"), (std::vector<int>{1, 2}));
}

// Texts full of markup characters are read in one pass, not one per character.
TEST_F(IpuzOpenTest, HugeMarkupInTextsOpensQuickly) {
    const std::string title = std::string(1500000, '<') + std::string(1500000, '&');
    const std::string file = write("markup.ipuz", "{\"kind\": [\"http://ipuz.org/acrostic#1\"], \"title\": \"" + title +
                                                      "\", \"dimensions\": {\"width\": 2, \"height\": 1}, \"solution\": [[\"A\", \"B\"]]}");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(openIpuzFile(ed, file), IpuzOpenStatus::Ok);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_EQ(ed.doc.quotation, "AB");
}

TEST_F(IpuzOpenTest, DamagedOrForeignFilesAreRefusedAndChangeNothing) {
    build(ed, "Less is more.", {{"Fewer", "less"}});
    const Document before = ed.doc;
    std::string manyValues = "[0";  // valid JSON, but more values than a puzzle has
    for (int i = 0; i < 1000000; ++i) manyValues += ",0";
    manyValues += "]";
    const std::string grid = R"("dimensions": {"width": 2, "height": 1}, "solution": [["A", "B"]])";
    const std::vector<std::pair<std::string, std::string>> files = {
        {"not JSON", "{\"kind\": [\"http://ipuz.org/acrostic#1\"], "},
        {"a crossword", "{\"kind\": [\"http://ipuz.org/crossword#1\"], " + grid + "}"},
        {"nested deep", std::string(100000, '[') + std::string(100000, ']')},
        {"cells outside", "{\"kind\": [\"http://ipuz.org/acrostic#1\"], " + grid +
                              ", \"clues\": {\"Clues\": [{\"clue\": \"x\", \"cells\": [[5, 0]]}]}}"},
        {"no solution", "{\"kind\": [\"http://ipuz.org/acrostic#1\"], \"dimensions\": {\"width\": 2, \"height\": 1}}"},
        {"too large", std::string(kMaxIpuzBytes + 1, ' ')},
        {"too many values", manyValues},
    };
    for (const auto& [what, bytes] : files) {
        SCOPED_TRACE(what);
        prompter.messages.clear();
        EXPECT_EQ(openIpuzFile(ed, write("damaged.ipuz", bytes)), IpuzOpenStatus::Refused);
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0].text.rfind("Quotabrix cannot open " + path("damaged.ipuz") + ":\r", 0), 0u);
        EXPECT_EQ(ed.doc.quotation, before.quotation);
        EXPECT_EQ(ed.doc.answer[1], before.answer[1]);
        EXPECT_EQ(ed.doc.letterPool, before.letterPool);
    }
}

// File > Save As and Open through the document commands, as the window
// sets them up.
TEST_F(IpuzOpenTest, SaveAsWritesIpuzAndOpenReadsIt) {
    DocumentCommands commands(ed);
    commands.formats.others.push_back(ipuzFileFormat());
    build(ed, "Less is more.", {{"Fewer", "less"}, {"Spot", "see"}});
    const Document saved = ed.doc;
    prompter.files = {path("week.ipuz"), path("week.ipuz"), path("broken.ipuz")};
    ASSERT_TRUE(commands.saveAs());
    EXPECT_NE(prompter.saveRequests.at(0).filter.find("*.ipuz"), std::string::npos);

    ScriptedPrompter otherPrompter;
    SeededRandom otherRandom{99};
    Editor other{otherPrompter, otherRandom};
    other.startUp();
    DocumentCommands otherCommands(other);
    otherCommands.formats.others.push_back(ipuzFileFormat());
    otherPrompter.files = {path("week.ipuz"), path("broken.ipuz")};
    ASSERT_EQ(otherCommands.openDoc(), ReadStatus::Ok);
    EXPECT_EQ(otherCommands.dataFileName, path("week.ipuz"));
    for (int q = 1; q <= 2; ++q) EXPECT_EQ(numbersOf(other.doc, q), numbersOf(saved, q)) << q;

    write("broken.ipuz", "{");
    EXPECT_EQ(otherCommands.openDoc(), std::nullopt);
    EXPECT_EQ(otherCommands.dataFileName, path("week.ipuz"));  // Save still writes the file opened before
    EXPECT_EQ(otherCommands.fileDialog.fileName(), path("week.ipuz"));  // and Revert rereads it
    EXPECT_EQ(other.doc.answer[2], "see");
}

}  // namespace
}  // namespace qbrx::test
