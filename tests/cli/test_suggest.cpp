// --suggest and --fill on small puzzles with a word list of their own.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include <unistd.h>

#include "commandline.h"
#include "datafile.h"
#include "editor.h"
#include "scriptedprompter.h"
#include "text.h"

namespace fs = std::filesystem;

namespace qbrx {
namespace {

class Suggest : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("qbrx-suggest-" + std::to_string(::getpid()));
    ScriptedPrompter prompter;
    SeededRandom random{3};
    Editor ed{prompter, random};
    std::string out, err;

    void SetUp() override {
        fs::create_directories(dir);
        ed.startUp();
    }
    void TearDown() override { fs::remove_all(dir); }

    // The word list, and a puzzle with the crostic's letters in its slots.
    std::string writePuzzle(const std::vector<std::string>& words, const std::string& quote, const std::string& crostic) {
        std::ofstream list(dir / "words.dic", std::ios::binary);
        list << words.size() + 1 << "\r\n";
        for (const std::string& w : words) list << w << "\r\n";
        ed.view.quoteBox = quote;
        ed.registerButton();
        prompter.inputs.push_back(crostic);
        ed.setupCrostic();
        const std::string path = (dir / "puzzle.dat").string();
        EXPECT_TRUE(writeDataFile(ed.doc, path).ok);
        return path;
    }
    int run(const std::vector<std::string>& args) {
        CommandLine cl = parseCommandLine(args);
        cl.dictionaryFolder = dir.string();
        std::ostringstream o, e;
        const int status = runCommandLine(cl, o, e);
        out = o.str();
        err = e.str();
        return status;
    }
};

TEST_F(Suggest, PrintsEveryFillAndWritesTheFirstIntoTheFile) {
    EXPECT_EQ(parseCommandLine({"--suggest", "0", "a.dat"}).mode, CommandLine::Mode::Error);
    EXPECT_EQ(parseCommandLine({"--suggest", "3"}).mode, CommandLine::Mode::Error);

    const std::string puzzle = writePuzzle({"ta", "tab", "bat", "beat", "tea"}, "Tea bat.", "TB");
    const std::string filled = (dir / "filled.dat").string();
    ASSERT_EQ(run({"--suggest", "5", "--fill", filled, "--seed", "4", puzzle}), 0) << err;
    std::set<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) lines.insert(line);
    EXPECT_EQ(lines, (std::set<std::string>{"tea bat", "ta beat"}));

    ASSERT_EQ(readDataFile(ed, filled), ReadStatus::Ok);
    EXPECT_EQ(lower(ed.doc.answer[1]) + " " + lower(ed.doc.answer[2]), out.substr(0, out.find('\n')));
    EXPECT_EQ(ed.doc.question[1], "Question for [" + ed.doc.answer[1] + "]");
    EXPECT_TRUE(ed.doc.lettersLeft.empty());
}

TEST_F(Suggest, WithoutAnExactFillSaysSoAndOffersTheFewestGaps) {
    const std::string puzzle = writePuzzle({"tab", "tot"}, "Tax.", "T");
    ASSERT_EQ(run({"--suggest", "2", puzzle}), 0) << err;
    EXPECT_EQ(out, "tab\n");
    EXPECT_NE(err.find("no set of answers uses exactly the letters left; this one leaves 1 gap"), std::string::npos)
        << err;
    fs::remove(dir / "words.dic");
    EXPECT_EQ(run({"--suggest", "2", puzzle}), 1);
    EXPECT_NE(err.find("no word list"), std::string::npos) << err;
}

}  // namespace
}  // namespace qbrx
