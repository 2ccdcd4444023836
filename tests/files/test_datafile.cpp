// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle data file and the preferences file qbrx.ini.
#include "filesfixture.h"
#include "preferences.h"

namespace qbrx::test {
namespace {

// A data file: quotation, title "T", created-by "C", no crostic, options 0.
std::string dataFile(const std::string& quote, const std::string& count,
                     const std::vector<std::string>& pairs) {
    std::string s = quote + "\r\nT\r\nC\r\n\r\n0\r\n0\r\n0\r\n" + count + "\r\n";
    for (const auto& line : pairs) s += line + "\r\n";
    return s;
}

const std::string example =
    "Less is more.\r\nWeek 3\r\n\r\nLM\r\n1\r\n0\r\n0\r\n 2 \r\n"
    " 1Q. Opposite of more\r\n 1A. less\r\n 2Q. Opposite of less\r\n 2A. more\r\n";

using DataFileTest = FilesTest;

TEST_F(DataFileTest, ExampleFileReadsAndWritesBackByteForByte) {
    writeBytes(path("week3.dat"), example);
    EXPECT_EQ(open(path("week3.dat")), FileStatus::Ok);
    EXPECT_EQ(ed.doc.letterPool, "____ IS ____.");
    EXPECT_TRUE(ed.doc.quoteRegistered);
    EXPECT_TRUE(ed.doc.header.nameLine);
    EXPECT_FALSE(ed.doc.docChanged);
    EXPECT_EQ(prompter.beeps, 0);
    EXPECT_TRUE(prompter.messages.empty());
    ASSERT_TRUE(writeDataFile(ed.doc, path("week3.dat")).ok());
    EXPECT_EQ(readBytes(path("week3.dat")), example);
    // With line feeds alone, it reads the same.
    std::string lineFeeds = example;
    std::erase(lineFeeds, '\r');
    EXPECT_EQ(read(lineFeeds), FileStatus::Ok);
    EXPECT_EQ(formatDataFile(ed.doc), example);

    // Pair 10 on: two digits, no space. A pasted line break is written as a space.
    ed.doc.quotation = "Less\nis more.";
    ed.doc.questionCount = 10;
    const std::string bytes = formatDataFile(ed.doc);
    EXPECT_EQ(bytes.substr(0, 15), "Less is more.\r\n");
    EXPECT_NE(bytes.find("\r\n 9A. \r\n10Q. \r\n10A. \r\n"), std::string::npos);
}

TEST_F(DataFileTest, MismatchedPairNumbersStopWithoutRebuild) {
    EXPECT_EQ(read(dataFile("Abc def", " 2 ", {" 1Q. one", " 1A. ab", " 2Q. two", " 3A. cd"})),
              FileStatus::Mismatch);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"PROBLEM!!!"});
    EXPECT_EQ(ed.doc.answer[1], "ab");
    EXPECT_EQ(ed.doc.question[2], "");
    EXPECT_FALSE(ed.doc.quoteRegistered);
    EXPECT_EQ(ed.doc.letterPool, "");
    EXPECT_EQ(ed.view.quoteBox, "");
}

TEST_F(DataFileTest, PairsTakeFileOrderAndTextsAreCutToTheDocumentsBounds) {
    EXPECT_EQ(read(dataFile("Sea and sky", " 2 ", {" 5Q. first", " 5A. sea", " 2Q. second", " 2A. sky"})),
              FileStatus::Ok);
    EXPECT_EQ(ed.doc.question[1], "first");
    EXPECT_EQ(ed.doc.answer[1], "sea");
    EXPECT_EQ(ed.doc.question[2], "second");
    EXPECT_EQ(ed.doc.answer[2], "sky");

    std::vector<std::string> pairs;  // pairs 10 to 69
    for (int i = 10; i < 70; ++i)
        pairs.insert(pairs.end(), {std::to_string(i) + "Q. q" + std::to_string(i),
                                   std::to_string(i) + "A. " + std::string(30, 'a')});
    EXPECT_EQ(read(dataFile(std::string(300, 'x'), " 60 ", pairs)), FileStatus::Ok);
    EXPECT_EQ(ed.doc.questionCount, 50);
    EXPECT_EQ(ed.doc.question[50], "q59");
    EXPECT_EQ(ed.doc.answer[50], std::string(26, 'a'));
    EXPECT_EQ(ed.doc.quotation, std::string(255, 'x'));

    // A quotation over 253 characters is written cut to 253.
    registerQuote(std::string(200, 'a') + " " + std::string(54, 'b'));
    ASSERT_TRUE(writeDataFile(ed.doc, path("long.dat")).ok());
    open(path("long.dat"));
    EXPECT_EQ(ed.doc.quotation, std::string(200, 'a') + " " + std::string(52, 'b'));
}

// What the lines cannot hold follows the last pair: the Crostic setting,
// the quotation's author and the letter numbers, which another editor,
// drawing other numbers, takes back as they were.
TEST_F(DataFileTest, TheSectionAfterThePairsKeepsNumbersCrosticAndAuthor) {
    registerQuote("Less is more.");
    accept("Opposite of more", "less");
    accept("Opposite of less", "more");
    ed.crosticOptionClick(true);
    ed.doc.header.quotationBy = "Mies van der Rohe";
    const std::string bytes = formatDataFile(ed.doc);
    const std::string pairsEnd = " 2A. more\r\n";
    EXPECT_EQ(bytes.find("[Quotabrix]\r\n"), bytes.find(pairsEnd) + pairsEnd.size());

    ScriptedPrompter otherPrompter;
    SeededRandom otherRandom(7);
    Editor other(otherPrompter, otherRandom);
    other.startUp();
    const PuzzleRead read = readDataBytes(bytes);
    ASSERT_TRUE(read.puzzle);
    EXPECT_EQ(other.loadPuzzle(*read.puzzle), Editor::Numbering::Kept);
    EXPECT_EQ(other.doc.answerLetterNo[1], ed.doc.answerLetterNo[1]);
    EXPECT_EQ(other.doc.answerLetterNo[2], ed.doc.answerLetterNo[2]);
    EXPECT_EQ(other.doc.letterPool, ed.doc.letterPool);
    EXPECT_TRUE(other.doc.crosticOn);
    EXPECT_EQ(other.doc.header.quotationBy, "Mies van der Rohe");
    EXPECT_TRUE(otherPrompter.messages.empty());
    EXPECT_EQ(formatDataFile(other.doc), bytes);
}

TEST_F(DataFileTest, NumbersThatNoLongerFitAreDrawnAfresh) {
    // Both answers claim letter 1 (the L): the second is drawn afresh.
    const std::string edited = example + "[Quotabrix]\r\nNumbers1=1 2 3 4\r\nNumbers2=1 8 9 10\r\n";
    EXPECT_EQ(read(edited), FileStatus::Ok);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{kNumbersRedrawnMessage});
    EXPECT_EQ(ed.doc.letterPool, "____ IS ____.");
    // A section that gives no numbers for a slot draws them all, silently.
    prompter.messages.clear();
    EXPECT_EQ(read(example + "[Quotabrix]\r\nNumbers1=1 2 3 4\r\n"), FileStatus::Ok);
    EXPECT_TRUE(prompter.messages.empty());
}

class PreferencesTest : public FilesTest {
protected:
    PreferenceLocations where{dir, dir / "config" / "quotabrix"};
};

TEST_F(PreferencesTest, CreationAsksForTheWordsFileOrEndsOnCancelAndWritesOnlyAFolderWithIt) {
    prompter.replies = {Reply::Cancel};
    EXPECT_TRUE(loadPreferences(prompter, where).endProgram);
    EXPECT_TRUE(prompter.openRequests.empty());

    // The locate dialog offers words.dic first; a folder without it (the
    // dialog cancelled, another file chosen) serves this start only, and the
    // next start asks again.
    prompter.files.push_back(std::nullopt);
    loadPreferences(prompter, where);
    const FileRequest& request = prompter.openRequests.at(0);
    std::vector<std::string> entries;
    for (std::size_t from = 0, bar = 0; bar != std::string::npos; from = bar + 1) {
        bar = request.filter.find('|', from);
        entries.push_back(request.filter.substr(from, bar == std::string::npos ? bar : bar - from));
    }
    EXPECT_EQ(entries.at(static_cast<std::size_t>(2 * request.filterIndex - 1)), "words.dic");
    EXPECT_FALSE(fs::exists(dir / "qbrx.ini"));

    prompter.files.push_back((dir / "notes.txt").string());
    EXPECT_EQ(loadPreferences(prompter, where).dictionaryFolder, dir.string() + "/");
    EXPECT_FALSE(fs::exists(dir / "qbrx.ini"));
    EXPECT_FALSE(fs::exists(where.configFolder / "qbrx.ini"));

    const std::string elsewhere = wordListFolder("elsewhere");
    prompter.files.push_back(elsewhere + "words.dic");
    EXPECT_EQ(loadPreferences(prompter, where).dictionaryFolder, elsewhere);
    EXPECT_EQ(readBytes(where.programFolder / "qbrx.ini"), elsewhere + "\r\n");
    fs::create_directories(where.configFolder);
    writeBytes(where.configFolder / "qbrx.ini", "/from/config/\r\n");
    EXPECT_EQ(readPreferences(where), std::optional<std::string>(elsewhere));  // the program folder's first
}

TEST_F(PreferencesTest, UnwritableProgramFolderFallsBackToTheConfigFolder) {
    where.programFolder = dir / "prog";
    writeBytes(where.programFolder, "not a folder");
    const std::string dict = wordListFolder("dict");
    prompter.files.push_back(dict + "words.dic");
    EXPECT_EQ(loadPreferences(prompter, where).dictionaryFolder, dict);
    EXPECT_EQ(readBytes(where.configFolder / "qbrx.ini"), dict + "\r\n");
    EXPECT_EQ(readPreferences(where), std::optional<std::string>(dict));
}

TEST_F(PreferencesTest, AFolderWithoutTheDictionaryIsReportedAndLocatedAgain) {
    const std::string dict = wordListFolder("dict");
    writeBytes(dir / "qbrx.ini", "/moved/away/\r\n");
    prompter.files.push_back(dict + "words.dic");
    EXPECT_EQ(loadPreferences(prompter, where).dictionaryFolder, dict);
    EXPECT_EQ(prompter.texts().front(), dictionaryMissingMessage("/moved/away/"));
    EXPECT_EQ(readBytes(dir / "qbrx.ini"), dict + "\r\n");

    writeBytes(dir / "qbrx.ini", "\xEF\xBB\xBF" + dict + "   \r\n");  // a byte-order mark, trailing spaces
    EXPECT_EQ(loadPreferences(prompter, where).dictionaryFolder, dict);
    EXPECT_EQ(prompter.messages.size(), 2u);  // the two of the first start-up only

    writePreferences(where, "/a, b/");
    EXPECT_EQ(readPreferences(where), std::optional<std::string>("/a, b/"));
}

}  // namespace
}  // namespace qbrx::test
