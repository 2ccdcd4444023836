#include <filesystem>

#include "preferences.h"
#include "scriptedprompter.h"

namespace qbrx::test {
namespace {

namespace fs = std::filesystem;

TEST(PreferenceItem, FirstItemRules) {
    EXPECT_EQ(firstItem("/usr/share/quotabrix/\r\n"), "/usr/share/quotabrix/");
    EXPECT_EQ(firstItem("   /data/dict,second\r\n"), "/data/dict");
    EXPECT_EQ(firstItem("  \"/my, dict/\" trailing\r\n"), "/my, dict/");
    EXPECT_EQ(firstItem("\"/open quote\r\nnext"), "/open quote");
    EXPECT_EQ(firstItem("/lf/only\nnext line"), "/lf/only");
    EXPECT_EQ(firstItem(""), "");
    EXPECT_EQ(folderOf("/home/t/puzzles/words.dic"), "/home/t/puzzles/");
    EXPECT_EQ(folderOf("words.dic"), "");
}

class PreferencesTest : public FilesTest {
protected:
    PreferenceLocations where;
    void SetUp() override {
        FilesTest::SetUp();
        fs::create_directories(dir / "prog");
        where = {dir / "prog", dir / "config" / "quotabrix"};
    }
};

TEST_F(PreferencesTest, ReadsTheProgramFolderFirstThenTheConfigFolder) {
    EXPECT_EQ(readPreferences(where), std::nullopt);
    fs::create_directories(where.configFolder);
    writeBytes(where.configFolder / "qbrx.ini", "/from/config/\r\n");
    EXPECT_EQ(readPreferences(where), std::optional<std::string>("/from/config/"));
    writeBytes(where.programFolder / "qbrx.ini", " \"/from/program\"\r\n");
    EXPECT_EQ(readPreferences(where), std::optional<std::string>("/from/program"));

    const PreferencesResult result = loadPreferences(prompter, where);
    EXPECT_FALSE(result.endProgram);
    EXPECT_EQ(result.dictionaryFolder, "/from/program");
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(PreferencesTest, CancelInTheCreationQuestionEndsTheProgram) {
    prompter.replies = {Reply::Cancel};
    const PreferencesResult result = loadPreferences(prompter, where);
    EXPECT_TRUE(result.endProgram);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
              "Can't find Preference File.  Click OK to create a new preference file, or Cancel to end the program.");
    EXPECT_EQ(prompter.messages[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(prompter.messages[0].title, std::nullopt);
    EXPECT_TRUE(prompter.openRequests.empty());
    EXPECT_FALSE(fs::exists(where.programFolder / "qbrx.ini"));
}

TEST_F(PreferencesTest, ChosenWordsFileGivesItsFolderAndCreatesTheFile) {
    prompter.openNames.push_back((dir / "elsewhere" / "words.dic").string());
    const PreferencesResult result = loadPreferences(prompter, where);
    EXPECT_FALSE(result.endProgram);
    EXPECT_EQ(result.dictionaryFolder, (dir / "elsewhere").string() + "/");
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{kMissingPreferencesMessage,
                                                          "Please locate the dictionary files [words.dic]"}));
    ASSERT_EQ(prompter.openRequests.size(), 1u);
    EXPECT_EQ(prompter.openRequests[0].initialName, (where.programFolder / "words.dic").string());
    EXPECT_EQ(prompter.openRequests[0].filter, "All Files (*.*)|*.*|Preference Files (*.dic)|*.dic");
    EXPECT_EQ(prompter.openRequests[0].filterIndex, 2);
    EXPECT_EQ(readBytes(where.programFolder / "qbrx.ini"), (dir / "elsewhere").string() + "/\r\n");
    EXPECT_EQ(readPreferences(where), std::optional<std::string>(result.dictionaryFolder));
}

TEST_F(PreferencesTest, CancelledDialogGivesTheProgramFolder) {
    const PreferencesResult result = loadPreferences(prompter, where);
    EXPECT_EQ(result.dictionaryFolder, where.programFolder.string() + "/");
}

TEST_F(PreferencesTest, UnwritableProgramFolderFallsBackToTheConfigFolder) {
    // A program folder that is a plain file cannot take qbrx.ini.
    fs::remove(where.programFolder);
    writeBytes(where.programFolder, "not a folder");
    prompter.openNames.push_back("/dict/words.dic");
    EXPECT_EQ(loadPreferences(prompter, where).dictionaryFolder, "/dict/");
    EXPECT_EQ(readBytes(where.configFolder / "qbrx.ini"), "/dict/\r\n");

    prompter.messages.clear();
    EXPECT_EQ(loadPreferences(prompter, where).dictionaryFolder, "/dict/");
    EXPECT_TRUE(prompter.messages.empty());
}

}  // namespace
}  // namespace qbrx::test
