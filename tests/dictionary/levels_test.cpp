// The familiarity levels beside the word list.
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

class LevelsTest : public ::testing::Test {
protected:
    LevelsTest() { dict.readWordList("5\r\nant\r\nbee\r\ncat\r\ndog\r\n"); }
    Dictionary dict;
};

TEST_F(LevelsTest, OneLevelPerWordInListOrder) {
    dict.readLevels("10\r\n35\n70\r\n55\r\n");
    ASSERT_TRUE(dict.hasLevels());
    EXPECT_EQ(dict.level(1), 10);
    EXPECT_EQ(dict.level(2), 35);
    EXPECT_EQ(dict.level(3), 70);
    EXPECT_EQ(dict.level(4), 55);
    EXPECT_EQ(dict.level(0), 0);
    EXPECT_EQ(dict.level(5), 0);
}

TEST_F(LevelsTest, ALineThatIsNoSizeHasLevelZeroAndKeepsItsPlace) {
    dict.readLevels("10\r\n\r\n36\r\n1020\r\n");
    ASSERT_TRUE(dict.hasLevels());
    EXPECT_EQ(dict.level(1), 10);
    EXPECT_EQ(dict.level(2), 0);
    EXPECT_EQ(dict.level(3), 0);
    EXPECT_EQ(dict.level(4), 0);
}

TEST_F(LevelsTest, AFileForAnotherListIsNotUsed) {
    dict.readLevels("10\r\n20\r\n35\r\n");
    EXPECT_FALSE(dict.hasLevels());
    EXPECT_EQ(dict.level(1), 0);
    dict.readLevels("10\r\n20\r\n35\r\n40\r\n50\r\n");
    EXPECT_FALSE(dict.hasLevels());
    dict.readLevels("");
    EXPECT_FALSE(dict.hasLevels());
}

TEST_F(LevelsTest, LoadsFromTheFolderAndWorksWithoutTheFile) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "qbrx-levels-test";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "level.dic", std::ios::binary) << "20\r\n20\r\n60\r\n10\r\n";
    dict.loadLevels(dir.string());
    ASSERT_TRUE(dict.hasLevels());
    EXPECT_EQ(dict.level(3), 60);
    std::filesystem::remove(dir / "level.dic");
    dict.loadLevels(dir.string());
    EXPECT_FALSE(dict.hasLevels());
    EXPECT_EQ(dict.level(3), 0);
    std::filesystem::remove_all(dir);
}

using Words = std::vector<std::string>;

// A small list in which every third word is rare.
class FamiliarWordsTest : public ::testing::Test {
protected:
    FamiliarWordsTest() : search(dict, doc, prompter) {
        dict.readWordList("14\r\njab\r\njade\r\njaguar\r\njail\r\njam\r\njar\r\njet\r\n"
                          "kale\r\nkea\r\nkey\r\nkid\r\nkit\r\ntea\r\n");
        std::string count;
        const int starts[26] = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 9, 14, 14, 14, 14, 14, 14, 14, 14, 14, 15, 15, 15, 15, 15, 15};
        for (int f = 0; f < 26; ++f)
            for (int s = 0; s <= 26; ++s) count += std::to_string(starts[f]) + "\r\n";
        dict.readCountIndex(count);
        dict.readLevels("10\r\n60\r\n35\r\n20\r\n70\r\n10\r\n40\r\n55\r\n70\r\n10\r\n20\r\n35\r\n10\r\n");
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

TEST_F(FamiliarWordsTest, OffByDefaultListsEveryWord) {
    EXPECT_FALSE(search.familiarOnly);
    EXPECT_EQ(check("j"), (Words{"jab", "jade", "jaguar", "jail", "jam", "jar", "jet"}));
}

TEST_F(FamiliarWordsTest, OnCheckAndNextTenSkipWordsAboveSize35) {
    search.familiarWords(true);
    EXPECT_TRUE(search.lstDict.empty());  // switching lists nothing
    EXPECT_EQ(check("j"), (Words{"jab", "jaguar", "jail", "jar"}));
    search.clear();
    search.resumePosition = 1;
    search.nextTen();
    EXPECT_EQ(search.lstDict, (Words{"jab", "jaguar", "jail", "jar", "key", "kid", "kit", "tea"}));
}

TEST_F(FamiliarWordsTest, LimitedAndFamiliarBothApply) {
    search.limited();
    search.familiarWords(true);
    EXPECT_EQ(check("j"), (Words{"jail", "jar"}));  // jab has no free b; jade is rare
    search.familiarWords(false);
    EXPECT_EQ(check("j"), (Words{"jade", "jail", "jam", "jar", "jet"}));
}

TEST_F(FamiliarWordsTest, WithoutLevelsTheOptionChangesNothing) {
    dict.readLevels("");
    EXPECT_FALSE(search.familiarAvailable());
    search.familiarWords(true);
    EXPECT_EQ(check("k"), (Words{"kale", "kea", "key", "kid", "kit"}));
}

}  // namespace
}  // namespace qbrx
