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
    EXPECT_EQ(firstItem("/lf/only\nnext line"), "/lf/only");
    EXPECT_EQ(folderOf("/home/t/puzzles/words.dic"), "/home/t/puzzles/");
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
    const PreferencesResult result = loadPreferences(prompter, where);
    EXPECT_EQ(result.dictionaryFolder, "/from/program");
    EXPECT_FALSE(result.endProgram);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(PreferencesTest, CancelInTheCreationQuestionEndsTheProgram) {
    prompter.replies = {Reply::Cancel};
    EXPECT_TRUE(loadPreferences(prompter, where).endProgram);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Can't find Preference File.  Click OK to create a new "
                                                         "preference file, or Cancel to end the program."});
    EXPECT_EQ(prompter.messages[0].buttons, Buttons::OkCancel);
    EXPECT_TRUE(prompter.openRequests.empty());
    EXPECT_FALSE(fs::exists(where.programFolder / "qbrx.ini"));
}

TEST_F(PreferencesTest, ChosenWordsFileGivesItsFolderAndCreatesTheFile) {
    const std::string elsewhere = (dir / "elsewhere").string() + "/";
    prompter.openNames.push_back(elsewhere + "words.dic");
    const PreferencesResult result = loadPreferences(prompter, where);
    EXPECT_FALSE(result.endProgram);
    EXPECT_EQ(result.dictionaryFolder, elsewhere);
    EXPECT_EQ(prompter.texts()[1], "Please locate the dictionary files [words.dic]");
    ASSERT_EQ(prompter.openRequests.size(), 1u);
    EXPECT_EQ(prompter.openRequests[0].initialName, (where.programFolder / "words.dic").string());
    EXPECT_EQ(prompter.openRequests[0].filter, "All Files (*.*)|*.*|Preference Files (*.dic)|*.dic");
    EXPECT_EQ(prompter.openRequests[0].filterIndex, 2);
    EXPECT_EQ(readBytes(where.programFolder / "qbrx.ini"), elsewhere + "\r\n");

    // A cancelled dialog keeps its preset name: the program folder.
    fs::remove(where.programFolder / "qbrx.ini");
    EXPECT_EQ(loadPreferences(prompter, where).dictionaryFolder, where.programFolder.string() + "/");
}

TEST_F(PreferencesTest, UnwritableProgramFolderFallsBackToTheConfigFolder) {
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
