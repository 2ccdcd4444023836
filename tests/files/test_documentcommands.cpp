#include "documentcommands.h"
#include "filesfixture.h"

namespace qbrx::test {
namespace {

class CommandsTest : public FilesTest {
protected:
    DocumentCommands commands{ed};

    // A registered document with one pair, changed since start-up.
    void makeDocument() {
        registerQuote("Less is more.");
        accept("Opposite of more", "less");
    }
    // Writes a puzzle file with one pair and opens it; returns its path.
    std::string openPuzzle(const std::string& name, const std::string& quote) {
        writeBytes(path(name), quote + "\r\n\r\n\r\n\r\n0\r\n0\r\n0\r\n 1 \r\n 1Q. q\r\n 1A. " + quote + "\r\n");
        prompter.files.push_back(path(name));
        commands.open();
        ed.selectListRow(ed.doc.questionCount);  // the empty row, ready for a new pair
        return path(name);
    }
};

TEST_F(CommandsTest, NewAsksTwoQuestionsOnlyAfterAChange) {
    openPuzzle("a.dat", "Alpha beta");
    commands.newDocument();
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(ed.doc.questionCount, 1);

    makeDocument();
    commands.dataFileName = path("week.dat");
    prompter.replies = {Reply::Cancel};
    commands.newDocument();
    EXPECT_EQ(prompter.texts().back(), "Save changes to " + path("week.dat") + " before creating a new document?");
    EXPECT_EQ(ed.doc.questionCount, 2);

    prompter.replies = {Reply::Yes, Reply::Yes};
    commands.newDocument();
    EXPECT_EQ(prompter.texts().back(), "Preserve Quote for New document?");
    for (const auto& m : prompter.messages) {  // an empty title, the information icon, No as default
        EXPECT_EQ(m.title, "") << m.text;
        EXPECT_EQ(m.icon, Icon::Information) << m.text;
        EXPECT_EQ(m.defaultButton, 1) << m.text;
    }
    EXPECT_EQ(readBytes(path("week.dat")).substr(0, 15), "Less is more.\r\n");
    EXPECT_EQ(ed.view.quoteBox, "Less is more.");
    EXPECT_EQ(ed.doc.questionCount, 0);

    makeDocument();
    prompter.replies = {Reply::No, Reply::No};
    commands.newDocument();
    EXPECT_EQ(ed.view.quoteBox, kQuotePrompt);
    EXPECT_FALSE(ed.doc.docChanged);
    EXPECT_FALSE(ed.view.controlsEnabled);
    EXPECT_EQ(commands.dataFileName, "");
    EXPECT_TRUE(prompter.saveRequests.empty());
}

TEST_F(CommandsTest, OpenAsksToSaveAndSaveAsComesFirstWithoutAFile) {
    makeDocument();
    prompter.replies = {Reply::Yes};
    prompter.files.push_back(path("mine.dat"));
    const std::string other = openPuzzle("other.dat", "Other quote");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Do you want to save your file first?"});
    EXPECT_EQ(prompter.messages[0].title, "");
    EXPECT_EQ(readBytes(path("mine.dat")).substr(0, 15), "Less is more.\r\n");
    // The open dialog comes second and starts at the name just saved.
    ASSERT_EQ(prompter.openRequests.size(), 1u);
    EXPECT_EQ(prompter.openRequests[0].initialName, path("mine.dat"));
    EXPECT_EQ(ed.doc.quotation, "Other quote");
    EXPECT_EQ(commands.dataFileName, other);
}

TEST_F(CommandsTest, OpeningAMissingNameReportsItAndRestoresTheDialogName) {
    const std::string first = openPuzzle("first.dat", "First quote");
    prompter.files.push_back(path("nothing.dat"));
    commands.openDoc();
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"File does not exist.\r" + path("nothing.dat")});
    EXPECT_EQ(commands.fileDialog.fileName(), first);
    EXPECT_EQ(commands.dataFileName, first);
}

TEST_F(CommandsTest, RevertRereadsTheFileWithoutADialog) {
    openPuzzle("r.dat", "Revert me");
    accept("Added", "word");
    prompter.replies = {Reply::Yes};
    commands.revert();
    EXPECT_EQ(prompter.messages.at(0).title, std::nullopt);  // the program's name
    EXPECT_EQ(prompter.openRequests.size(), 1u);
    EXPECT_EQ(ed.doc.questionCount, 1);
    commands.openDoc();  // a later Open shows its dialog again
    EXPECT_EQ(prompter.openRequests.size(), 2u);
}

TEST_F(CommandsTest, SaveWritesToTheOpenedFileAfterSaveAs) {
    const std::string opened = openPuzzle("opened.dat", "Opened quote");
    accept("Second", "answer");
    prompter.files.push_back(path("copy.dat"));
    EXPECT_TRUE(commands.saveAs());
    EXPECT_EQ(commands.dataFileName, opened);
    accept("Third", "again");
    EXPECT_TRUE(commands.save());
    EXPECT_EQ(prompter.saveRequests.size(), 1u);
    EXPECT_NE(readBytes(opened).find(" 3A. again\r\n"), std::string::npos);
    EXPECT_EQ(readBytes(path("copy.dat")).find(" 3A. again"), std::string::npos);
}

TEST_F(CommandsTest, FailedSaveNamesTheFileAndKeepsTheDocument) {
    makeDocument();
    fs::create_directory(dir / "busy.dat");  // the target is a folder
    writeBytes(dir / "busy.dat" / "inside", "old");
    commands.dataFileName = path("busy.dat");
    EXPECT_FALSE(commands.save());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text.rfind("Could not save " + path("busy.dat") + ":\r", 0), 0u);
    EXPECT_EQ(readBytes(dir / "busy.dat" / "inside"), "old");
    EXPECT_EQ(entries(), 1);  // no temporary file left
}

}  // namespace
}  // namespace qbrx::test
