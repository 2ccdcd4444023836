#include <filesystem>
#include <sstream>

#include "datafile.h"
#include "scriptedprompter.h"

namespace qbrx::test {
namespace {

namespace fs = std::filesystem;

const std::string kExample =
    "Less is more.\r\n"
    "Week 3\r\n"
    "\r\n"
    "LM\r\n"
    "1\r\n"
    "0\r\n"
    "0\r\n"
    " 2 \r\n"
    " 1Q. Opposite of more\r\n"
    " 1A. less\r\n"
    " 2Q. Opposite of less\r\n"
    " 2A. more\r\n";

// The file of a document with the given quotation and pairs; header lines
// are "T", "C", crostic "", options 0.
std::string dataFile(const std::string& quote, const std::vector<std::string>& pairLines, const std::string& count,
                     const std::string& eol = "\r\n") {
    std::string s = quote + eol + "T" + eol + "C" + eol + "" + eol + "0" + eol + "0" + eol + "0" + eol + count + eol;
    for (const auto& line : pairLines) s += line + eol;
    return s;
}

using DataFileTest = FilesTest;

TEST_F(DataFileTest, WritesTheExampleByteForByte) {
    Document doc;
    doc.quotation = "Less is more.";
    doc.header.title = "Week 3";
    doc.crostic = "LM";
    doc.header.nameLine = true;
    doc.questionCount = 2;
    doc.question[1] = "Opposite of more";
    doc.answer[1] = "less";
    doc.question[2] = "Opposite of less";
    doc.answer[2] = "more";
    EXPECT_EQ(formatDataFile(doc), kExample);

    ASSERT_TRUE(writeDataFile(doc, path("week3.dat")).ok);
    EXPECT_EQ(readBytes(path("week3.dat")), kExample);
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"week3.dat"});
}

TEST_F(DataFileTest, PairNumbersKeepAFiveCharacterPrefixAndTheQuotationIsCut) {
    Document doc;
    doc.quotation = std::string(250, 'a') + "bcdef";  // 255 characters
    doc.questionCount = 12;
    for (int i = 1; i <= 12; ++i) {
        doc.question[i] = "q" + std::to_string(i);
        doc.answer[i] = "Ans wer";
    }
    const std::string bytes = formatDataFile(doc);
    EXPECT_EQ(bytes.substr(0, 255), std::string(250, 'a') + "bcd\r\n");
    EXPECT_NE(bytes.find("\r\n 12 \r\n 1Q. q1\r\n 1A. Ans wer\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n 9Q. q9\r\n 9A. Ans wer\r\n10Q. q10\r\n10A. Ans wer\r\n"), std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 14), "12A. Ans wer\r\n");

    // No pairs: eight lines, the count line " 0 ".
    Document empty;
    EXPECT_EQ(formatDataFile(empty), "\r\n\r\n\r\n\r\n0\r\n0\r\n0\r\n 0 \r\n");
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
    ASSERT_EQ(ed.doc.questionCount, 3);
    ASSERT_TRUE(writeDataFile(ed.doc, path("round.dat")).ok);

    ScriptedPrompter otherPrompter;
    ScriptedRandom otherRandom{{0.0}};
    Editor other{otherPrompter, otherRandom};
    other.startUp();
    EXPECT_EQ(readDataFile(other, path("round.dat")), ReadStatus::Ok);

    const Document& a = ed.doc;
    const Document& b = other.doc;
    EXPECT_EQ(b.quotation, a.quotation);
    EXPECT_EQ(b.header.title, "Week 3");
    EXPECT_EQ(b.header.createdBy, "Ms. Beck");
    EXPECT_TRUE(b.header.titleGiven);
    EXPECT_TRUE(b.header.createdByGiven);
    EXPECT_FALSE(b.header.nameLine);
    EXPECT_TRUE(b.header.periodDateLine);
    EXPECT_TRUE(b.header.miniInstructions);
    EXPECT_EQ(b.header.instructions, kMiniInstructions);
    EXPECT_EQ(b.crostic, a.crostic);
    ASSERT_EQ(b.questionCount, 3);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(b.question[k], a.question[k]) << k;
        EXPECT_EQ(b.answer[k], a.answer[k]) << k;
        EXPECT_EQ(b.answerMarks[k], a.answerMarks[k]) << k;  // same random starts, same encoding
    }
    EXPECT_EQ(b.letterPool, a.letterPool);
    EXPECT_EQ(b.lettersLeft, a.lettersLeft);
    EXPECT_EQ(b.totalLetters, a.totalLetters);
    EXPECT_TRUE(b.quoteRegistered);
    EXPECT_EQ(b.currentQuestion, 1);
    EXPECT_EQ(other.view.quoteBox, a.quotation);
    EXPECT_FALSE(other.view.quoteTabStop);
    EXPECT_FALSE(other.view.gridLogoVisible);
    EXPECT_EQ(other.view.listRows.size(), 4u);
    EXPECT_EQ(other.view.selectedRow, 0);
    EXPECT_EQ(other.view.questionBox, a.question[1]);
    EXPECT_EQ(otherPrompter.beeps, 0);
    EXPECT_TRUE(otherPrompter.messages.empty());
}

TEST_F(DataFileTest, ReadingEncodesEveryAnswerThreeTimes) {
    // Registration, the encoding of each slot, registration again: every
    // answer letter draws three random starts.
    std::istringstream in(dataFile("Less is more.", {" 1Q. a", " 1A. less", " 2Q. b", " 2A. mo-re"}, " 2 "));
    EXPECT_EQ(readDataStream(ed, in), ReadStatus::Ok);
    EXPECT_EQ(random.drawn(), 3 * 8);
    EXPECT_EQ(ed.doc.answerMarks[1], "____");
    EXPECT_EQ(ed.doc.answerMarks[2], "__-__");
    EXPECT_EQ(ed.doc.lettersLeft, "is");
}

TEST_F(DataFileTest, ShortFileBeepsAndStillRegistersWhatWasRead) {
    ed.doc.header.miniInstructions = true;
    writeBytes(path("short.dat"), "Short quote\r\nTitle\r\n\r\nSQ\r\n0\r\n1\r\n");
    EXPECT_EQ(readDataFile(ed, path("short.dat")), ReadStatus::Damaged);
    EXPECT_EQ(prompter.beeps, 1);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_FALSE(ed.doc.header.nameLine);
    EXPECT_TRUE(ed.doc.header.periodDateLine);
    EXPECT_TRUE(ed.doc.header.miniInstructions);  // its line is missing: kept
    EXPECT_EQ(ed.doc.questionCount, 0);
    EXPECT_EQ(ed.doc.quotation, "Short quote");
    EXPECT_EQ(ed.doc.quoteLength, 11);
    EXPECT_EQ(ed.view.quoteBox, "Short quote");
    EXPECT_TRUE(ed.doc.quoteRegistered);
    EXPECT_EQ(ed.view.listRows, std::vector<std::string>{listPrefix[1]});
}

TEST_F(DataFileTest, DamagedPairLinesAndCountsBeepOnce) {
    struct Case {
        std::string file;
        int count;
        std::string lastQuestion;
    };
    const std::vector<Case> cases = {
        // Fewer pairs than the count: N stays as read.
        {dataFile("Abc def", {" 1Q. one", " 1A. ab", " 2Q. two"}, " 3 "), 3, "one"},
        // An answer line under five characters.
        {dataFile("Abc def", {" 1Q. one", " 1A."}, " 1 "), 1, "one"},
        // A count that does not fit 16 bits, and a negative one.
        {dataFile("Abc def", {" 1Q. one", " 1A. ab"}, " 40000 "), 0, ""},
        {dataFile("Abc def", {}, "-2"), 0, ""},
    };
    for (const auto& c : cases) {
        ScriptedPrompter p;
        ScriptedRandom r{{0.5}};
        Editor e{p, r};
        e.startUp();
        std::istringstream in(c.file);
        EXPECT_EQ(readDataStream(e, in), ReadStatus::Damaged) << c.file;
        EXPECT_EQ(p.beeps, 1) << c.file;
        EXPECT_EQ(e.doc.questionCount, c.count) << c.file;
        EXPECT_EQ(e.doc.question[1], c.lastQuestion) << c.file;
        EXPECT_TRUE(e.doc.quoteRegistered) << c.file;
        EXPECT_EQ(e.doc.quotation, "Abc def") << c.file;
    }
}

TEST_F(DataFileTest, MismatchedPairNumbersStopWithoutRebuild) {
    writeBytes(path("bad.dat"), dataFile("Abc def", {" 1Q. one", " 1A. ab", " 2Q. two", " 3A. cd"}, " 2 "));
    EXPECT_EQ(readDataFile(ed, path("bad.dat")), ReadStatus::Mismatch);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "PROBLEM!!!");
    EXPECT_EQ(prompter.messages[0].title, std::nullopt);
    EXPECT_EQ(prompter.messages[0].buttons, Buttons::Ok);
    EXPECT_EQ(prompter.beeps, 0);
    // Read as far as the damaged pair; the window shows the reset state.
    EXPECT_EQ(ed.doc.questionCount, 2);
    EXPECT_EQ(ed.doc.question[1], "one");
    EXPECT_EQ(ed.doc.answer[1], "ab");
    EXPECT_EQ(ed.doc.question[2], "");
    EXPECT_EQ(ed.doc.quotation, "Abc def");
    EXPECT_TRUE(ed.doc.letterPool.empty());
    EXPECT_FALSE(ed.doc.quoteRegistered);
    EXPECT_TRUE(ed.view.listRows.empty());
    EXPECT_TRUE(ed.view.quoteBox.empty());
    EXPECT_EQ(random.drawn(), 0);
}

TEST_F(DataFileTest, OptionsNeedTheValueOneAndStayOnAcrossReads) {
    std::string file = "Q\r\n\r\n\r\n\r\nTrue\r\n 1\r\n1.0\r\n 0 \r\n";
    std::istringstream first(file);
    readDataStream(ed, first);
    EXPECT_FALSE(ed.doc.header.nameLine);
    EXPECT_TRUE(ed.doc.header.periodDateLine);
    EXPECT_TRUE(ed.doc.header.miniInstructions);

    std::istringstream allOn("Q\r\n\r\n\r\n\r\n1\r\n1\r\n1\r\n 0 \r\n");
    readDataStream(ed, allOn);
    std::istringstream allOff("Q\r\n\r\n\r\n\r\n0\r\n0\r\n0\r\n 0 \r\n");
    readDataStream(ed, allOff);
    EXPECT_TRUE(ed.doc.header.nameLine);
    EXPECT_TRUE(ed.doc.header.periodDateLine);
    EXPECT_TRUE(ed.doc.header.miniInstructions);
    // Neither given-flag is switched off by a file with empty texts.
    ed.doc.header.titleGiven = true;
    std::istringstream again("Q\r\n\r\n\r\n\r\n0\r\n0\r\n0\r\n 0 \r\n");
    readDataStream(ed, again);
    EXPECT_TRUE(ed.doc.header.titleGiven);
    EXPECT_TRUE(ed.doc.header.title.empty());
    EXPECT_EQ(prompter.beeps, 0);
}

TEST_F(DataFileTest, PairsTakeFileOrderWhateverTheirNumbers) {
    std::istringstream in(dataFile("Sea and sky", {" 5Q. first", " 5A. sea", " 2Q. second", " 2A. sky"}, " 2 "));
    EXPECT_EQ(readDataStream(ed, in), ReadStatus::Ok);
    EXPECT_EQ(ed.doc.questionCount, 2);
    EXPECT_EQ(ed.doc.question[1], "first");
    EXPECT_EQ(ed.doc.answer[1], "sea");
    EXPECT_EQ(ed.doc.question[2], "second");
    EXPECT_EQ(ed.doc.answer[2], "sky");
    EXPECT_EQ(ed.view.listRows.size(), 3u);
}

TEST_F(DataFileTest, LongCountsAndTextsAreCutToTheDocumentsBounds) {
    std::vector<std::string> pairs;
    for (int i = 1; i <= 60; ++i) {
        const std::string n = i < 10 ? " " + std::to_string(i) : std::to_string(i);
        pairs.push_back(n + "Q. question " + std::to_string(i));
        pairs.push_back(n + "A. " + std::string(30, 'a'));
    }
    std::string file = dataFile(std::string(300, 'x'), pairs, " 60 ");
    // Line 4, the crostic, made 70 characters long.
    file.replace(file.find("C\r\n\r\n") + 3, 0, std::string(70, 'c'));
    std::istringstream in(file);
    EXPECT_EQ(readDataStream(ed, in), ReadStatus::Ok);
    EXPECT_EQ(prompter.beeps, 0);
    EXPECT_EQ(ed.doc.questionCount, 50);
    EXPECT_EQ(ed.doc.question[50], "question 50");
    EXPECT_EQ(ed.doc.answer[50], std::string(24, 'a'));
    EXPECT_EQ(ed.doc.quotation, std::string(255, 'x'));
    EXPECT_EQ(ed.doc.quoteLength, 255);
    EXPECT_EQ(ed.doc.crostic, std::string(50, 'c'));
    EXPECT_EQ(ed.view.listRows.size(), 51u);
}

TEST_F(DataFileTest, QuotationOverTheFileLimitReadsBackCut) {
    registerQuote(std::string(200, 'a') + " " + std::string(54, 'b'));
    ASSERT_EQ(ed.doc.quoteLength, 255);
    ASSERT_TRUE(writeDataFile(ed.doc, path("long.dat")).ok);
    readDataFile(ed, path("long.dat"));
    EXPECT_EQ(ed.doc.quotation, std::string(200, 'a') + " " + std::string(52, 'b'));
}

TEST_F(DataFileTest, LineFeedOnlyFileReadsLikeCrLf) {
    const std::vector<std::string> pairs = {" 1Q. Opposite of more", " 1A. less", " 2Q. x", " 2A. mo re"};
    Editor crlf{prompter, random};
    crlf.startUp();
    std::istringstream a(dataFile("Less is more.", pairs, " 2 ", "\r\n"));
    std::istringstream b(dataFile("Less is more.", pairs, " 2 ", "\n"));
    EXPECT_EQ(readDataStream(crlf, a), ReadStatus::Ok);
    EXPECT_EQ(readDataStream(ed, b), ReadStatus::Ok);
    EXPECT_EQ(ed.doc.quotation, crlf.doc.quotation);
    EXPECT_EQ(ed.doc.header.title, "T");
    EXPECT_EQ(ed.doc.question[1], "Opposite of more");
    EXPECT_EQ(ed.doc.answer[2], "mo re");
    EXPECT_EQ(ed.doc.letterPool, crlf.doc.letterPool);
    // A last line without any line end still counts.
    std::istringstream c("Q\nT\nC\n\n1\n0\n0\n 0 ");
    EXPECT_EQ(readDataStream(ed, c), ReadStatus::Ok);
    EXPECT_EQ(prompter.beeps, 0);
}

TEST_F(DataFileTest, MissingFileIsSilentAndRegistersTheKeptQuotation) {
    registerQuote("Kept quote");
    accept("q", "kept");
    EXPECT_EQ(readDataFile(ed, path("gone.dat")), ReadStatus::NotFound);
    EXPECT_EQ(prompter.beeps, 0);
    EXPECT_EQ(ed.doc.questionCount, 0);
    EXPECT_EQ(ed.view.quoteBox, "Kept quote");
    EXPECT_EQ(ed.doc.letterPool, "KEPT QUOTE");
}

TEST_F(DataFileTest, FailedWriteLeavesTheTargetAndNoTemporaryFile) {
    Document doc;
    doc.quotation = "New text";
    // The target is a folder that holds a file of its own.
    fs::create_directory(dir / "taken.dat");
    writeBytes(dir / "taken.dat" / "inside", "old");
    const WriteResult onFolder = writeDataFile(doc, path("taken.dat"));
    EXPECT_FALSE(onFolder.ok);
    EXPECT_FALSE(onFolder.reason.empty());
    EXPECT_TRUE(fs::is_directory(dir / "taken.dat"));
    EXPECT_EQ(readBytes(dir / "taken.dat" / "inside"), "old");
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"taken.dat"});

    // The target's folder does not exist.
    EXPECT_FALSE(writeDataFile(doc, path("missing/x.dat")).ok);

    const std::string message = saveFailedMessage("/tmp/caf\xC3\xA9.dat", "Is a directory");
    EXPECT_EQ(message, "Could not save /tmp/caf\xE9.dat:\rIs a directory");
}

TEST_F(DataFileTest, WriteReplacesAnExistingFileAndKeepsItsMode) {
    writeBytes(path("old.dat"), std::string(5000, 'z'));
    fs::permissions(path("old.dat"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    Document doc;
    doc.quotation = "Fresh";
    ASSERT_TRUE(writeDataFile(doc, path("old.dat")).ok);
    EXPECT_EQ(readBytes(path("old.dat")), formatDataFile(doc));
    EXPECT_EQ(fs::status(path("old.dat")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"old.dat"});
}

}  // namespace
}  // namespace qbrx::test
