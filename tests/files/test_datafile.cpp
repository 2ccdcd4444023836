#include "filesfixture.h"

namespace qbrx::test {
namespace {

// A data file: quotation, title "T", created-by "C", no crostic, options 0.
std::string dataFile(const std::string& quote, const std::string& count, const std::vector<std::string>& pairs) {
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
    EXPECT_EQ(readDataFile(ed, path("week3.dat")), ReadStatus::Ok);
    EXPECT_EQ(ed.doc.letterPool, "____ IS ____.");
    EXPECT_TRUE(ed.doc.quoteRegistered);
    EXPECT_TRUE(ed.doc.header.nameLine);
    EXPECT_FALSE(ed.doc.docChanged);
    EXPECT_EQ(prompter.beeps, 0);
    EXPECT_TRUE(prompter.messages.empty());
    ASSERT_TRUE(writeDataFile(ed.doc, path("week3.dat")).ok);
    EXPECT_EQ(readBytes(path("week3.dat")), example);
    EXPECT_EQ(entries(), 1);

    // Pair 10 on: two digits, no space. A pasted line break is written as a space.
    ed.doc.quotation = "Less\nis more.";
    ed.doc.questionCount = 10;
    const std::string bytes = formatDataFile(ed.doc);
    EXPECT_EQ(bytes.substr(0, 15), "Less is more.\r\n");
    EXPECT_NE(bytes.find("\r\n 9A. \r\n10Q. \r\n10A. \r\n"), std::string::npos);
}

TEST_F(DataFileTest, ShortFileBeepsOnceAndRegistersWhatWasRead) {
    ed.doc.header.miniInstructions = true;  // kept: the file ends before the third option
    EXPECT_EQ(read("Short quote\r\nTitle\r\n\r\nSQ\r\n0\r\n1\r\n"), ReadStatus::Damaged);
    EXPECT_EQ(prompter.beeps, 1);
    EXPECT_TRUE(ed.doc.header.periodDateLine);
    EXPECT_TRUE(ed.doc.header.miniInstructions);
    EXPECT_EQ(ed.view.quoteBox, "Short quote");
    EXPECT_EQ(ed.doc.questionCount, 0);
    EXPECT_TRUE(ed.doc.quoteRegistered);
}

TEST_F(DataFileTest, MismatchedPairNumbersStopWithoutRebuild) {
    EXPECT_EQ(read(dataFile("Abc def", " 2 ", {" 1Q. one", " 1A. ab", " 2Q. two", " 3A. cd"})),
              ReadStatus::Mismatch);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"PROBLEM!!!"});
    EXPECT_EQ(ed.doc.answer[1], "ab");
    EXPECT_EQ(ed.doc.question[2], "");
    EXPECT_FALSE(ed.doc.quoteRegistered);
    EXPECT_EQ(ed.doc.letterPool, "");
    EXPECT_EQ(ed.view.quoteBox, "");
}

TEST_F(DataFileTest, OptionsNeedTheValueOneAndStayOnAcrossReads) {
    read("Q\r\n\r\n\r\n\r\nTrue\r\n 1\r\n1\r\n -3 \r\n");  // a negative count reads no pairs, silently
    EXPECT_FALSE(ed.doc.header.nameLine);
    EXPECT_EQ(prompter.beeps, 0);
    EXPECT_EQ(ed.doc.questionCount, 0);
    EXPECT_TRUE(ed.doc.header.periodDateLine);
    read("Q\r\n\r\n\r\n\r\n1\r\n0\r\n0\r\n 0 \r\n");
    EXPECT_TRUE(ed.doc.header.nameLine);
    EXPECT_TRUE(ed.doc.header.periodDateLine);
    EXPECT_TRUE(ed.doc.header.miniInstructions);
}

TEST_F(DataFileTest, PairsTakeFileOrderAndTextsAreCutToTheDocumentsBounds) {
    EXPECT_EQ(read(dataFile("Sea and sky", " 2 ", {" 5Q. first", " 5A. sea", " 2Q. second", " 2A. sky"})),
              ReadStatus::Ok);
    EXPECT_EQ(ed.doc.question[1], "first");
    EXPECT_EQ(ed.doc.answer[1], "sea");
    EXPECT_EQ(ed.doc.question[2], "second");
    EXPECT_EQ(ed.doc.answer[2], "sky");

    std::vector<std::string> pairs;  // pairs 10 to 69
    for (int i = 10; i < 70; ++i)
        pairs.insert(pairs.end(), {std::to_string(i) + "Q. q" + std::to_string(i),
                                   std::to_string(i) + "A. " + std::string(30, 'a')});
    EXPECT_EQ(read(dataFile(std::string(300, 'x'), " 60 ", pairs)), ReadStatus::Ok);
    EXPECT_EQ(ed.doc.questionCount, 50);
    EXPECT_EQ(ed.doc.question[50], "q59");
    EXPECT_EQ(ed.doc.answer[50], std::string(26, 'a'));
    EXPECT_EQ(ed.doc.quotation, std::string(255, 'x'));

    // A quotation over 253 characters is written cut to 253.
    registerQuote(std::string(200, 'a') + " " + std::string(54, 'b'));
    ASSERT_TRUE(writeDataFile(ed.doc, path("long.dat")).ok);
    readDataFile(ed, path("long.dat"));
    EXPECT_EQ(ed.doc.quotation, std::string(200, 'a') + " " + std::string(52, 'b'));
}

TEST_F(DataFileTest, LineFeedOnlyAndMissingFiles) {
    std::string lineFeeds = example;
    std::erase(lineFeeds, '\r');
    EXPECT_EQ(read(lineFeeds), ReadStatus::Ok);
    EXPECT_EQ(formatDataFile(ed.doc), example);

    EXPECT_EQ(readDataFile(ed, path("gone.dat")), ReadStatus::NotFound);
    EXPECT_EQ(prompter.beeps, 0);
    EXPECT_EQ(ed.doc.letterPool, "LESS IS MORE.");  // kept quotation
}

}  // namespace
}  // namespace qbrx::test
