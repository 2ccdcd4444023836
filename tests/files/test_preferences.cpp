#include "filesfixture.h"
#include "preferences.h"

namespace qbrx::test {
namespace {

TEST(PreferenceItem, FirstItemRules) {
    EXPECT_EQ(firstItem("   /data/dict,second\r\n"), "/data/dict");
    EXPECT_EQ(firstItem("  \"/my, dict/\" trailing\r\n"), "/my, dict/");
}

class PreferencesTest : public FilesTest {
protected:
    PreferenceLocations where{dir, dir / "config" / "quotabrix"};
};

TEST_F(PreferencesTest, ReadsTheProgramFolderFirstThenTheConfigFolder) {
    EXPECT_EQ(readPreferences(where), std::nullopt);
    fs::create_directories(where.configFolder);
    writeBytes(where.configFolder / "qbrx.ini", "/from/config/\r\n");
    EXPECT_EQ(readPreferences(where), std::optional<std::string>("/from/config/"));
    writeBytes(where.programFolder / "qbrx.ini", " \"/from/program\"\r\n");
    EXPECT_EQ(readPreferences(where), std::optional<std::string>("/from/program"));
}

TEST_F(PreferencesTest, CreationAsksForTheWordsFileOrEndsOnCancel) {
    prompter.replies = {Reply::Cancel};
    EXPECT_TRUE(loadPreferences(prompter, where).endProgram);
    EXPECT_TRUE(prompter.openRequests.empty());

    const std::string elsewhere = (dir / "elsewhere").string() + "/";
    prompter.files.push_back(elsewhere + "words.dic");
    EXPECT_EQ(loadPreferences(prompter, where).dictionaryFolder, elsewhere);
    EXPECT_EQ(readBytes(where.programFolder / "qbrx.ini"), elsewhere + "\r\n");
}

TEST_F(PreferencesTest, UnwritableProgramFolderFallsBackToTheConfigFolder) {
    where.programFolder = dir / "prog";
    writeBytes(where.programFolder, "not a folder");
    prompter.files.push_back("/dict/words.dic");
    EXPECT_EQ(loadPreferences(prompter, where).dictionaryFolder, "/dict/");
    EXPECT_EQ(readBytes(where.configFolder / "qbrx.ini"), "/dict/\r\n");
}

TEST_F(PreferencesTest, AFolderWithoutTheDictionaryIsReportedAndLocatedAgain) {
    const std::string dict = dir.string() + "/dict/";
    fs::create_directories(dict);
    writeBytes(dict + "words.dic", "a\r\n");
    writeBytes(dir / "qbrx.ini", "/moved/away/\r\n");
    prompter.files.push_back(dict + "words.dic");
    EXPECT_EQ(loadPreferences(prompter, where).dictionaryFolder, dict);
    EXPECT_EQ(prompter.texts().front(), dictionaryMissingMessage("/moved/away/"));
    EXPECT_EQ(readBytes(dir / "qbrx.ini"), dict + "\r\n");

    writeBytes(dir / "qbrx.ini", "\xEF\xBB\xBF" + dict + "   \r\n");  // a byte-order mark, trailing spaces
    EXPECT_EQ(loadPreferences(prompter, where).dictionaryFolder, dict);
    EXPECT_EQ(prompter.messages.size(), 2u);  // the two of the first start-up only

    writePreferences(where, "/a, b/");
    EXPECT_EQ(readPreferences(where), std::optional<std::string>("/a, b/"));
}

}  // namespace
}  // namespace qbrx::test
