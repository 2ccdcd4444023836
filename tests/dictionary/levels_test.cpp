// The familiarity levels beside the word list.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "dictionary.h"

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

}  // namespace
}  // namespace qbrx
