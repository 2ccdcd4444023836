// --suggest and --fill on small puzzles with a word list of their own.
#include <set>

#include "../files/filesfixture.h"
#include "commandline.h"
#include "text.h"

namespace qbrx::test {
namespace {

class Suggest : public FilesTest {
protected:
    std::string puzzle = path("puzzle.dat");
    std::ostringstream out, err;

    // "Tea bat." with the crostic TB, its letters in the two slots.
    void SetUp() override {
        FilesTest::SetUp();
        registerQuote("Tea bat.");
        prompter.inputs.push_back("TB");
        ed.setupCrostic();
        ASSERT_TRUE(writeDataFile(ed.doc, puzzle).ok);
    }
    // As the file holds it: the count line, then a word a line.
    void writeWordList(const std::string& text) const { writeBytes(dir / "words.dic", text); }
    int run(const std::vector<std::string>& args) {
        CommandLine cl = parseCommandLine(args);
        cl.dictionaryFolder = dir.string();
        out.str("");
        err.str("");
        return runCommandLine(cl, out, err);
    }
};

TEST_F(Suggest, PrintsEveryFillAndWritesTheFirstIntoTheFile) {
    writeWordList("6\r\nta\r\ntab\r\nbat\r\nbeat\r\ntea\r\n");
    const std::string filled = path("filled.dat");
    ASSERT_EQ(run({"--suggest", "5", "--fill", filled, "--seed", "4", puzzle}), 0) << err.str();
    std::set<std::string> lines;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);) lines.insert(line);
    EXPECT_EQ(lines, (std::set<std::string>{"tea bat", "ta beat"}));

    // The first fill printed, whole.
    ASSERT_EQ(readDataFile(ed, filled), ReadStatus::Ok);
    EXPECT_EQ(lower(ed.doc.answer[1]), out.str().substr(0, out.str().find(' ')));
    EXPECT_TRUE(ed.doc.lettersLeft.empty());
}

TEST_F(Suggest, WithoutAnExactFillSaysSoAndOffersTheFewestGaps) {
    EXPECT_EQ(run({"--suggest", "2", puzzle}), 1);
    EXPECT_NE(err.str().find("no word list"), std::string::npos) << err.str();

    // tab and bet need a second b and leave an a.
    writeWordList("3\r\ntab\r\nbet\r\n");
    ASSERT_EQ(run({"--suggest", "2", puzzle}), 0) << err.str();
    EXPECT_EQ(out.str(), "tab bet\n");
    EXPECT_NE(err.str().find("no set of answers uses exactly the letters left; this one leaves 1 gap"),
              std::string::npos)
        << err.str();
}

}  // namespace
}  // namespace qbrx::test
