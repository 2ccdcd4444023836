// SPDX-License-Identifier: GPL-3.0-or-later
// Opening ipuz acrostics: Quotabrix's own files come back with the letter
// numbers they were written with; other programs' files of another shape
// open too; damaged ones are refused and change nothing.
#include "../files/filesfixture.h"
#include "documentcommands.h"
#include "ipuzread.h"

namespace qbrx::test {
namespace {

// The numbers printed under answer q's blanks, in order.
std::vector<int> numbersOf(const Document& doc, int q) {
    return {&doc.answerLetterNo[q][1], &doc.answerLetterNo[q][1] + kAnswerCells};
}

// The start of an ipuz acrostic.
const std::string kAcrostic = R"({"kind": ["http://ipuz.org/acrostic#1"], )";
const std::string kTwoCells = R"("dimensions": {"width": 2, "height": 1}, "solution": [["A", "B"]])";

// A second editor, drawing numbers of its own.
struct OtherEditor {
    ScriptedPrompter prompter;
    SeededRandom random;
    Editor ed{prompter, random};
    explicit OtherEditor(std::uint64_t seed) : random(seed) { ed.startUp(); }
};

class IpuzOpenTest : public FilesTest {
protected:
    std::string write(const std::string& name, const std::string& bytes) const {
        writeBytes(path(name), bytes);
        return path(name);
    }
    void build(const std::string& quote, const std::vector<std::pair<std::string, std::string>>& pairs) {
        registerQuote(quote);
        for (const auto& [question, answer] : pairs) accept(question, answer);
    }
};

// File > Save As writes an ipuz file that File > Open, in another editor
// drawing other numbers, reads back with the same numbers and texts; a
// damaged file opened after it leaves it the file that Save writes and
// Revert rereads.
TEST_F(IpuzOpenTest, SavedFileReopensWithTheSameNumbersAndTexts) {
    // A gap (the second answer's last E), punctuation, an accented letter,
    // markup characters and mixed case.
    build("\"Less\" is more & <caf\xe9>, Mies said.",
          {{"Fewer <than> & so", "Less"}, {"Spot", "seeS"}, {"Zebra's kin, twice", "Mies-Mies"}});
    ed.doc.header.title = "Week <3> & co";
    ed.doc.header.titleGiven = ed.doc.header.nameLine = true;
    ed.doc.crostic = "LS~M";
    ASSERT_TRUE(ed.hasGap(3));  // no E left for Mies-Mies
    DocumentCommands commands(ed);
    prompter.files = {path("week.ipuz"), path("week.ipuz")};
    ASSERT_TRUE(commands.saveAs());

    OtherEditor other{99};
    DocumentCommands otherCommands(other.ed);
    other.prompter.files = {path("week.ipuz"), path("broken.ipuz")};
    ASSERT_EQ(otherCommands.openDoc(), FileStatus::Ok);
    EXPECT_TRUE(other.prompter.messages.empty());
    const Document& doc = other.ed.doc;
    EXPECT_EQ(doc.quotation, ed.doc.quotation);
    EXPECT_EQ(doc.header.title, "Week <3> & co");
    EXPECT_TRUE(doc.header.nameLine);
    EXPECT_EQ(doc.crostic, "LS~M");
    ASSERT_EQ(doc.questionCount, 3);
    for (int q = 1; q <= 3; ++q) {
        SCOPED_TRACE(q);
        EXPECT_EQ(doc.question[q], ed.doc.question[q]);
        EXPECT_EQ(doc.answer[q], ed.doc.answer[q]);
        EXPECT_EQ(doc.answerMarks[q], ed.doc.answerMarks[q]);
        EXPECT_EQ(numbersOf(doc, q), numbersOf(ed.doc, q));
    }
    EXPECT_EQ(doc.letterPool, ed.doc.letterPool);
    EXPECT_TRUE(doc.quoteRegistered);

    write("broken.ipuz", "{");
    EXPECT_EQ(otherCommands.openDoc(), FileStatus::NotPuzzle);
    EXPECT_EQ(otherCommands.dataFileName, path("week.ipuz"));
    EXPECT_EQ(otherCommands.fileDialog.fileName(), path("week.ipuz"));
    EXPECT_EQ(doc.answer[2], "seeS");
}

// Another program's acrostic: cells counted from [1, 1], a quote list, given
// letters in "puzzle", HTML in the texts, no answers but the cells.
TEST_F(IpuzOpenTest, OtherProgramsAcrosticOpens) {
    const std::string file = write("other.ipuz", R"({"version": "http://ipuz.org/v2",
  "kind": ["http://ipuz.org/acrostic#1"], "dimensions": {"width": 5, "height": 2},
  "title": "<b>Small</b> &amp; odd", "author": "A. N. Oth\u00e9r \ud83d\ude00",
  "puzzle": [["1A", "2B", "#", {"cell": "3A", "value": "O"}, "4B"],
             ["5A", {"cell": 0, "value": "!"}, null, null, null]],
  "solution": [["N", "O", "#", "O", "N"], ["E", "!", null, null, null]],
  "clues": {"Clues": [{"label": "A", "clue": "<i>Single</i> &lt;thing&gt;", "cells": [[4, 1], [1, 1], [1, 2]]},
                      {"label": "B", "clue": "Upon", "cells": [[2, 1], [5, 1]]}],
            "Quote": [{"clue": "Quote", "cells": [[1, 1], [2, 1], [4, 1], [5, 1], [1, 2]]}]}})");
    ASSERT_EQ(open(file), FileStatus::Ok) << (prompter.messages.empty() ? "" : prompter.messages[0].text);
    const Document& doc = ed.doc;
    EXPECT_EQ(doc.quotation, "NO ONE!");
    EXPECT_EQ(doc.header.title, "Small & odd");
    EXPECT_EQ(doc.header.createdBy, "A. N. Oth\xe9r ?");  // an emoji has no Windows-1252 code
    ASSERT_EQ(doc.questionCount, 2);
    EXPECT_EQ(doc.question[1], "Single <thing>");
    EXPECT_EQ(doc.answer[1], "ONE");
    EXPECT_EQ(doc.answer[2], "ON");
    EXPECT_EQ(numbers(1, 4), (Numbers{3, 1, 5, 0}));
    EXPECT_EQ(numbers(2, 3), (Numbers{2, 4, 0}));
    EXPECT_EQ(doc.crostic, "OO");
}

TEST_F(IpuzOpenTest, DamagedOrForeignFilesAreRefusedAndChangeNothing) {
    build("Less is more.", {{"Fewer", "less"}});
    const Document before = ed.doc;
    std::string manyValues = "[0";  // valid JSON, but more values than a puzzle has
    for (int i = 0; i < 1000000; ++i) manyValues += ",0";
    manyValues += "]";
    const std::vector<std::pair<std::string, std::string>> files = {
        {"not JSON", kAcrostic},
        {"a crossword", R"({"kind": ["http://ipuz.org/crossword#1"], )" + kTwoCells + "}"},
        {"nested deep", std::string(100000, '[') + std::string(100000, ']')},
        {"cells outside",
         kAcrostic + kTwoCells + R"(, "clues": {"Clues": [{"clue": "x", "cells": [[5, 0]]}]}})"},
        {"no solution", kAcrostic + R"("dimensions": {"width": 2, "height": 1}})"},
        {"too large", std::string(kMaxIpuzBytes + 1, ' ')},
        {"too many values", manyValues},
    };
    for (const auto& [what, bytes] : files) {
        SCOPED_TRACE(what);
        prompter.messages.clear();
        EXPECT_FALSE(openPuzzle(ed, write("damaged.ipuz", bytes)).loaded);
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0].text.rfind("Quotabrix cannot open " + path("damaged.ipuz") + ":\r", 0),
                  0u);
        EXPECT_EQ(ed.doc.quotation, before.quotation);
        EXPECT_EQ(ed.doc.answer[1], before.answer[1]);
        EXPECT_EQ(ed.doc.letterPool, before.letterPool);
    }
}

}  // namespace
}  // namespace qbrx::test
