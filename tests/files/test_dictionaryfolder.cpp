// A qbrx.ini whose folder holds no dictionary: said, and words.dic is
// located again.
#include "filesfixture.h"
#include "preferences.h"

namespace qbrx::test {
namespace {

class DictionaryFolderTest : public FilesTest {
protected:
    PreferenceLocations where{dir, dir / "config"};
    std::string dictionary;  // a folder with words.dic, with its trailing slash

    void SetUp() override {
        FilesTest::SetUp();
        fs::create_directories(dir / "dict");
        writeBytes(dir / "dict" / "words.dic", "a\r\n");
        dictionary = (dir / "dict").string() + "/";
    }
};

TEST_F(DictionaryFolderTest, AMovedDictionaryIsReportedAndLocatedAgain) {
    writeBytes(dir / "qbrx.ini", "/moved/away/\r\n");
    prompter.files.push_back(dictionary + "words.dic");
    EXPECT_EQ(loadPreferences(prompter, where).dictionaryFolder, dictionary);
    EXPECT_EQ(prompter.texts().front(), dictionaryMissingMessage("/moved/away/"));
    EXPECT_EQ(readBytes(dir / "qbrx.ini"), dictionary + "\r\n");
}

TEST_F(DictionaryFolderTest, CancelGoesOnWithTheFolderAsRead) {
    writeBytes(dir / "qbrx.ini", "/moved/away/\r\n");
    prompter.replies = {Reply::Cancel};
    EXPECT_EQ(loadPreferences(prompter, where).dictionaryFolder, "/moved/away/");
    EXPECT_TRUE(prompter.openRequests.empty());
}

TEST_F(DictionaryFolderTest, AByteOrderMarkAndTrailingSpacesAreForgiven) {
    writeBytes(dir / "qbrx.ini", "\xEF\xBB\xBF" + dictionary + "   \r\n");
    EXPECT_EQ(loadPreferences(prompter, where).dictionaryFolder, dictionary);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(DictionaryFolderTest, AFolderWithACommaIsWrittenSoThatItReadsBack) {
    const std::string comma = (dir / "a, b").string() + "/";
    writePreferences(where, comma);
    EXPECT_EQ(readPreferences(where), std::optional<std::string>(comma));
}

}  // namespace
}  // namespace qbrx::test
