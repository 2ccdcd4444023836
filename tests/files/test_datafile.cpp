#include <filesystem>
#include <sstream>

#include "datafile.h"
#include "scriptedprompter.h"

namespace qbrx::test {
namespace {

namespace fs = std::filesystem;

// A data file: quotation, title "T", created-by "C", no crostic, options 0.
std::string dataFile(const std::string& quote, const std::string& count, const std::vector<std::string>& pairs,
                     const std::string& eol = "\r\n") {
    std::string s = quote + eol + "T" + eol + "C" + eol + eol + "0" + eol + "0" + eol + "0" + eol + count + eol;
    for (const auto& line : pairs) s += line + eol;
    return s;
}

class DataFileTest : public FilesTest {
protected:
    ReadStatus read(const std::string& bytes) {
        std::istringstream in(bytes);
        return readDataStream(ed, in);
    }
};

TEST_F(DataFileTest, WritesTheDocumentByteForByte) {
    Document doc;
    doc.quotation = "Less is more.";
    doc.header.title = "Week 3";
    doc.crostic = "LM";
    doc.header.nameLine = true;
    doc.questionCount = 2;
    doc.question = {"", "Opposite of more", "Opposite of less"};
    doc.answer = {"", "less", "more"};
    ASSERT_TRUE(writeDataFile(doc, path("week3.dat")).ok);
    EXPECT_EQ(readBytes(path("week3.dat")),
              "Less is more.\r\nWeek 3\r\n\r\nLM\r\n1\r\n0\r\n0\r\n 2 \r\n"
              " 1Q. Opposite of more\r\n 1A. less\r\n 2Q. Opposite of less\r\n 2A. more\r\n");
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"week3.dat"});

    // Pair 10 on: two digits, no space; the quotation cut to 253 characters.
    doc.quotation = std::string(250, 'a') + "bcdef";
    doc.questionCount = 12;
    for (int i = 1; i <= 12; ++i) doc.question[i] = "q" + std::to_string(i);
    const std::string bytes = formatDataFile(doc);
    EXPECT_EQ(bytes.substr(0, 255), std::string(250, 'a') + "bcd\r\n");
    EXPECT_NE(bytes.find("\r\n 12 \r\n 1Q. q1\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n 9A. \r\n10Q. q10\r\n10A. \r\n"), std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 7), "12A. \r\n");

    // A pasted line break never splits a line of the file.
    doc.quotation = "Less\r\nis\nmore.";
    EXPECT_EQ(formatDataFile(doc).substr(0, 16), "Less  is more.\r\n");
}

TEST_F(DataFileTest, SavedDocumentReadsBackWithTheSameTextsAndARebuiltStock) {
    registerQuote("Less is more, and \"more\" is less.");
    ed.doc.header.title = "Week 3";
    ed.doc.header.createdBy = "Ms. Beck";
    ed.doc.header.periodDateLine = true;
    ed.doc.header.miniInstructions = true;
    accept("Opposite of more", "less");
    accept("", "Mores");
    accept("Third  one ", "is  it");
    ASSERT_TRUE(writeDataFile(ed.doc, path("round.dat")).ok);

    ScriptedPrompter otherPrompter;
    ScriptedRandom otherRandom{{0.0}};
    Editor other{otherPrompter, otherRandom};
    other.startUp();
    EXPECT_EQ(readDataFile(other, path("round.dat")), ReadStatus::Ok);
    EXPECT_EQ(formatDataFile(other.doc), formatDataFile(ed.doc));
    EXPECT_TRUE(other.doc.header.titleGiven && other.doc.header.createdByGiven);
    EXPECT_EQ(other.doc.letterPool, ed.doc.letterPool);  // same random starts, same encodings
    EXPECT_EQ(other.doc.answerMarks, ed.doc.answerMarks);
    EXPECT_TRUE(other.doc.quoteRegistered);
    EXPECT_FALSE(other.doc.docChanged);  // opening does not count as a change
    EXPECT_EQ(other.doc.currentQuestion, 1);
    EXPECT_EQ(other.view.quoteBox, ed.doc.quotation);
    EXPECT_FALSE(other.view.quoteTabStop);
    EXPECT_FALSE(other.view.gridLogoVisible);
    EXPECT_EQ(other.view.listRows.size(), 4u);
    EXPECT_EQ(other.view.questionBox, "Opposite of more");
    EXPECT_EQ(otherPrompter.beeps + otherPrompter.messages.size(), 0u);
}

TEST_F(DataFileTest, ReadingRegistersEncodesEachSlotAndRegistersAgain) {
    // Every answer letter draws three random starts.
    EXPECT_EQ(read(dataFile("Less is more.", " 2 ", {" 1Q. a", " 1A. less", " 2Q. b", " 2A. mo-re"})),
              ReadStatus::Ok);
    EXPECT_EQ(random.drawn(), 3 * 8);
    EXPECT_EQ(ed.doc.lettersLeft, "is");
}

TEST_F(DataFileTest, ShortFileBeepsAndStillRegistersWhatWasRead) {
    ed.doc.header.miniInstructions = true;
    writeBytes(path("short.dat"), "Short quote\r\nTitle\r\n\r\nSQ\r\n0\r\n1\r\n");
    EXPECT_EQ(readDataFile(ed, path("short.dat")), ReadStatus::Damaged);
    EXPECT_EQ(prompter.beeps, 1);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_TRUE(ed.doc.header.periodDateLine);
    EXPECT_TRUE(ed.doc.header.miniInstructions);  // its line is missing: kept
    EXPECT_EQ(ed.doc.questionCount, 0);
    EXPECT_EQ(ed.doc.quoteLength, 11);
    EXPECT_EQ(ed.view.quoteBox, "Short quote");
    EXPECT_TRUE(ed.doc.quoteRegistered);
    EXPECT_EQ(ed.view.listRows, std::vector<std::string>{listPrefix[1]});
}

TEST_F(DataFileTest, DamagedPairLinesAndCountsBeepOnceAndKeepWhatWasRead) {
    const struct {
        std::string file;
        int count;
        std::string question1;
    } cases[] = {
        {dataFile("Abc def", " 3 ", {" 1Q. one", " 1A. ab", " 2Q. two"}), 3, "one"},  // pairs missing
        {dataFile("Abc def", " 1 ", {" 1Q. one", " 1A."}), 1, "one"},                // answer line too short
        {dataFile("Abc def", " 40000 ", {" 1Q. one", " 1A. ab"}), 0, ""},            // not 16 bits
        {dataFile("Abc def", "-2", {}), 0, ""},
    };
    for (const auto& c : cases) {
        prompter.beeps = 0;
        EXPECT_EQ(read(c.file), ReadStatus::Damaged) << c.file;
        EXPECT_EQ(prompter.beeps, 1) << c.file;
        EXPECT_EQ(ed.doc.questionCount, c.count) << c.file;
        EXPECT_EQ(ed.doc.question[1], c.question1) << c.file;
        EXPECT_EQ(ed.view.quoteBox, "Abc def") << c.file;  // rebuilt
    }
}

TEST_F(DataFileTest, MismatchedPairNumbersStopWithoutRebuild) {
    EXPECT_EQ(read(dataFile("Abc def", " 2 ", {" 1Q. one", " 1A. ab", " 2Q. two", " 3A. cd"})),
              ReadStatus::Mismatch);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"PROBLEM!!!"});
    EXPECT_EQ(prompter.messages[0].title, std::nullopt);
    EXPECT_EQ(prompter.beeps, 0);
    EXPECT_EQ(ed.doc.questionCount, 2);
    EXPECT_EQ(ed.doc.answer[1], "ab");
    EXPECT_EQ(ed.doc.question[2], "");
    EXPECT_TRUE(ed.doc.letterPool.empty());
    EXPECT_FALSE(ed.doc.quoteRegistered);
    EXPECT_TRUE(ed.view.listRows.empty());
    EXPECT_TRUE(ed.view.quoteBox.empty());
    EXPECT_EQ(random.drawn(), 0);
}

TEST_F(DataFileTest, OptionsNeedTheValueOneAndStayOnAcrossReads) {
    read("Q\r\n\r\n\r\n\r\nTrue\r\n 1\r\n1.0\r\n 0 \r\n");
    EXPECT_FALSE(ed.doc.header.nameLine);
    EXPECT_TRUE(ed.doc.header.periodDateLine);
    EXPECT_TRUE(ed.doc.header.miniInstructions);
    read("Q\r\n\r\n\r\n\r\n1\r\n1\r\n1\r\n 0 \r\n");
    read("Q\r\n\r\n\r\n\r\n0\r\n0\r\n0\r\n 0 \r\n");
    EXPECT_TRUE(ed.doc.header.nameLine && ed.doc.header.periodDateLine && ed.doc.header.miniInstructions);
}

TEST_F(DataFileTest, PairsTakeFileOrderAndTextsAreCutToTheDocumentsBounds) {
    EXPECT_EQ(read(dataFile("Sea and sky", " 2 ", {" 5Q. first", " 5A. sea", " 2Q. second", " 2A. sky"})),
              ReadStatus::Ok);
    EXPECT_EQ(ed.doc.question[1] + ed.doc.answer[1] + ed.doc.question[2] + ed.doc.answer[2], "firstseasecondsky");

    std::vector<std::string> pairs;
    for (int i = 1; i <= 60; ++i) {
        const std::string n = (i < 10 ? " " : "") + std::to_string(i);
        pairs.push_back(n + "Q. question " + std::to_string(i));
        pairs.push_back(n + "A. " + std::string(30, 'a'));
    }
    std::string file = dataFile(std::string(300, 'x'), " 60 ", pairs);
    file.insert(file.find("C\r\n") + 3, std::string(70, 'c'));  // the crostic line
    EXPECT_EQ(read(file), ReadStatus::Ok);
    EXPECT_EQ(prompter.beeps, 0);
    EXPECT_EQ(ed.doc.questionCount, 50);
    EXPECT_EQ(ed.doc.question[50], "question 50");
    EXPECT_EQ(ed.doc.answer[50], std::string(24, 'a'));
    EXPECT_EQ(ed.doc.quotation, std::string(255, 'x'));
    EXPECT_EQ(ed.doc.crostic, std::string(50, 'c'));

    // A quotation longer than the file keeps reads back cut to 253.
    registerQuote(std::string(200, 'a') + " " + std::string(54, 'b'));
    ASSERT_TRUE(writeDataFile(ed.doc, path("long.dat")).ok);
    readDataFile(ed, path("long.dat"));
    EXPECT_EQ(ed.doc.quotation, std::string(200, 'a') + " " + std::string(52, 'b'));
}

TEST_F(DataFileTest, LineFeedOnlyFileReadsLikeCrLf) {
    const std::vector<std::string> pairs = {" 1Q. Opposite of more", " 1A. less", " 2Q. x", " 2A. mo re"};
    read(dataFile("Less is more.", " 2 ", pairs, "\r\n"));
    const std::string crlf = formatDataFile(ed.doc);
    EXPECT_EQ(read(dataFile("Less is more.", " 2 ", pairs, "\n")), ReadStatus::Ok);
    EXPECT_EQ(formatDataFile(ed.doc), crlf);
    EXPECT_EQ(read("Q\nT\nC\n\n1\n0\n0\n 0 "), ReadStatus::Ok);  // no end on the last line
    EXPECT_EQ(prompter.beeps, 0);
}

TEST_F(DataFileTest, MissingFileIsSilentAndRegistersTheKeptQuotation) {
    registerQuote("Kept quote");
    accept("q", "kept");
    EXPECT_EQ(readDataFile(ed, path("gone.dat")), ReadStatus::NotFound);
    EXPECT_EQ(prompter.beeps, 0);
    EXPECT_EQ(ed.doc.questionCount, 0);
    EXPECT_EQ(ed.doc.letterPool, "KEPT QUOTE");
}

TEST_F(DataFileTest, FailedWriteLeavesTheTargetAndNoTemporaryFile) {
    Document doc;
    fs::create_directory(dir / "taken.dat");  // the target is a folder
    writeBytes(dir / "taken.dat" / "inside", "old");
    const WriteResult result = writeDataFile(doc, path("taken.dat"));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(readBytes(dir / "taken.dat" / "inside"), "old");
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"taken.dat"});
    EXPECT_FALSE(writeDataFile(doc, path("missing/x.dat")).ok);
    EXPECT_EQ(saveFailedMessage("/tmp/caf\xC3\xA9.dat", "Is a directory"),
              "Could not save /tmp/caf\xE9.dat:\rIs a directory");

    // Replacing a file keeps its permissions.
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    writeBytes(path("old.dat"), std::string(5000, 'z'));
    fs::permissions(path("old.dat"), mode);
    ASSERT_TRUE(writeDataFile(doc, path("old.dat")).ok);
    EXPECT_EQ(readBytes(path("old.dat")), formatDataFile(doc));
    EXPECT_EQ(fs::status(path("old.dat")).permissions() & fs::perms::all, mode);
}

}  // namespace
}  // namespace qbrx::test
