// The familiarity levels beside the word list, and Familiar words.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "dictionary.h"
#include "scriptedprompter.h"
#include "wordsearch.h"

namespace qbrx {
namespace {

TEST(Levels, OneLevelPerLineInListOrder) {
    Dictionary dict;
    dict.readWordList("6\r\nant\r\nbee\r\ncat\r\ndog\r\nelk\r\n");
    dict.readLevels("10\r\n70\n\r\n36\r\n55");  // a blank line and a non-size give 0
    ASSERT_TRUE(dict.hasLevels());
    EXPECT_EQ(dict.level(1), 10);
    EXPECT_EQ(dict.level(2), 70);
    EXPECT_EQ(dict.level(3), 0);
    EXPECT_EQ(dict.level(4), 0);
    EXPECT_EQ(dict.level(5), 55);
    EXPECT_EQ(dict.level(6), 0);
}

// A level file for another list, or none, leaves the dictionary without
// levels and everything else as it was.
TEST(Levels, UsedOnlyWhenItMatchesTheList) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "qbrx-levels-test";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "level.dic", std::ios::binary) << "20\r\n60\r\n";
    Dictionary dict;
    dict.readWordList("3\r\nant\r\nbee\r\n");
    dict.loadLevels(dir.string());
    EXPECT_TRUE(dict.hasLevels());
    dict.readWordList("4\r\nant\r\nbee\r\ncat\r\n");
    EXPECT_FALSE(dict.hasLevels());
    EXPECT_EQ(dict.level(1), 0);
    std::filesystem::remove_all(dir);
    dict.loadLevels(dir.string());
    EXPECT_FALSE(dict.hasLevels());
    EXPECT_EQ(dict.wordList(3), "cat");
}

using Words = std::vector<std::string>;

class FamiliarWordsTest : public ::testing::Test {
protected:
    FamiliarWordsTest() : search(dict, doc, prompter) {
        dict.readWordList("9\r\njab\r\njade\r\njail\r\njam\r\njar\r\nkea\r\nkey\r\ntea\r\n");
        std::string count;  // j.. from line 2, k.. from line 7, the rest from line 9
        for (int f = 1; f <= 26; ++f)
            for (int s = 0; s <= 26; ++s) count += (f <= 10 ? "2" : f == 11 ? "7" : "9") + std::string("\r\n");
        dict.readCountIndex(count);
        dict.readLevels("10\r\n60\r\n20\r\n70\r\n35\r\n70\r\n10\r\n10\r\n");
        doc.lettersLeft = "adeijklmrt";
        doc.letterLeftCount.fill(0);
        for (char c : doc.lettersLeft) ++doc.letterLeftCount[c - 'a' + 1];
        doc.currentQuestion = 1;
        search.allWords();
    }
    const Words& check(const std::string& text) {
        search.clear();
        search.txtDict = text;
        search.check();
        return search.lstDict;
    }

    Dictionary dict;
    Document doc;
    ScriptedPrompter prompter;
    WordSearch search;
};

TEST_F(FamiliarWordsTest, SkipsWordsAboveSize35WhenOn) {
    EXPECT_EQ(check("j"), (Words{"jab", "jade", "jail", "jam", "jar"}));  // off at start
    search.familiarWords(true);
    EXPECT_EQ(search.lstDict.size(), 5u);  // switching lists nothing new
    EXPECT_EQ(check("j"), (Words{"jab", "jail", "jar"}));
    search.clear();
    search.resumePosition = 1;
    search.nextTen();
    EXPECT_EQ(search.lstDict, (Words{"jab", "jail", "jar", "key", "tea"}));
}

TEST_F(FamiliarWordsTest, LimitedAndFamiliarBothApply) {
    search.limited();
    search.familiarWords(true);
    EXPECT_EQ(check("j"), (Words{"jail", "jar"}));  // jab needs a b; jade is rare
}

TEST_F(FamiliarWordsTest, WithoutLevelsTheOptionChangesNothing) {
    dict.readLevels("");
    EXPECT_FALSE(search.familiarAvailable());
    search.familiarWords(true);
    EXPECT_EQ(check("k"), (Words{"kea", "key"}));
}

}  // namespace
}  // namespace qbrx
