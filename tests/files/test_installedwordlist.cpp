// SPDX-License-Identifier: GPL-3.0-or-later
// An installed program: it takes the word list installed with it when no
// qbrx.ini names one, and keeps its preferences in the user's configuration
// folder, never beside the program.
#include "filesfixture.h"
#include "preferences.h"

namespace qbrx::test {
namespace {

class InstalledWordListTest : public FilesTest {
protected:
    PreferenceLocations where{dir / "bin", dir / "config" / "quotabrix", dir / "share" / "quotabrix"};
    std::string dataFolder() const { return where.dataFolder.string() + "/"; }
    void SetUp() override {
        FilesTest::SetUp();
        fs::create_directories(where.programFolder);
        fs::create_directories(where.dataFolder);
    }
};

// Found beside the program folder as the install lays it out.
TEST_F(InstalledWordListTest, FoundAndTakenWithoutAQuestionWhenNoPreferencesFileIsThere) {
    EXPECT_EQ(installedDataFolder(where.programFolder), where.dataFolder);
    fs::remove_all(dir / "share");
    EXPECT_EQ(installedDataFolder(where.programFolder), fs::path());
    fs::create_directories(where.dataFolder);
    writeBytes(where.dataFolder / "words.dic", "a\r\n");
    EXPECT_EQ(loadPreferences(prompter, where).dictionaryFolder, dataFolder());
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_FALSE(fs::exists(where.programFolder / "qbrx.ini"));
    EXPECT_FALSE(fs::exists(where.configFolder / "qbrx.ini"));
    EXPECT_EQ(knownDictionaryFolder(where), std::optional<std::string>(dataFolder()));
    // The user's preferences file wins over it.
    fs::create_directories(where.configFolder);
    writeBytes(where.configFolder / "qbrx.ini", "/elsewhere/\r\n");
    EXPECT_EQ(knownDictionaryFolder(where), std::optional<std::string>("/elsewhere/"));
}

TEST_F(InstalledWordListTest, WithoutItsWordsFileTheUserIsAskedAndTheConfigFolderWritten) {
    const std::string dict = wordListFolder("dict");
    prompter.files.push_back(dict + "words.dic");
    EXPECT_EQ(loadPreferences(prompter, where).dictionaryFolder, dict);
    EXPECT_EQ(prompter.texts().front(), kMissingPreferencesMessage);
    EXPECT_EQ(readBytes(where.configFolder / "qbrx.ini"), dict + "\r\n");
    EXPECT_FALSE(fs::exists(where.programFolder / "qbrx.ini"));
    EXPECT_EQ(knownDictionaryFolder(where), std::optional<std::string>(dict));
}

}  // namespace
}  // namespace qbrx::test
