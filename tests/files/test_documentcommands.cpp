#include <filesystem>

#include "documentcommands.h"
#include "scriptedprompter.h"

namespace qbrx::test {
namespace {

namespace fs = std::filesystem;

class CommandsTest : public FilesTest {
protected:
    DocumentCommands commands{ed};

    // A registered document with one pair, changed since start-up.
    void makeDocument(const std::string& quote = "Less is more.") {
        registerQuote(quote);
        accept("Opposite of more", "less");
    }
    // A puzzle file with one pair whose answer is the quotation; returns its path.
    std::string puzzleFile(const std::string& name, const std::string& quote) {
        writeBytes(path(name), quote + "\r\n\r\n\r\n\r\n0\r\n0\r\n0\r\n 1 \r\n 1Q. q\r\n 1A. " + quote + "\r\n");
        return path(name);
    }
    // Opens `file` and makes the empty row current, ready for a new pair.
    void openFile(const std::string& file) {
        prompter.openNames.push_back(file);
        commands.open();
        ed.selectListRow(ed.doc.questionCount);
    }
};

TEST_F(CommandsTest, NewDoesNothingUntilSomethingWasAccepted) {
    commands.newDocument();
    openFile(puzzleFile("a.dat", "Alpha beta"));
    commands.newDocument();
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(ed.doc.questionCount, 1);
}

TEST_F(CommandsTest, NewAsksTwoQuestionsAndStartsWithThePrompt) {
    makeDocument();
    commands.dataFileName = path("week.dat");
    prompter.replies = {Reply::No, Reply::No};
    commands.newDocument();

    ASSERT_EQ(prompter.messages.size(), 2u);
    for (const MessageRequest& m : prompter.messages) {
        EXPECT_EQ(m.icon, Icon::Information);
        EXPECT_EQ(m.defaultButton, 1);
        EXPECT_EQ(m.title, std::optional<std::string>(""));
    }
    EXPECT_EQ(prompter.messages[0].text, "Save changes to " + path("week.dat") + " before creating a new document?");
    EXPECT_EQ(prompter.messages[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(prompter.messages[1].text, "Preserve Quote for New document?");
    EXPECT_EQ(prompter.messages[1].buttons, Buttons::YesNo);

    EXPECT_FALSE(fs::exists(path("week.dat")));
    EXPECT_EQ(ed.doc.quotation, kQuotePrompt);
    EXPECT_EQ(ed.view.quoteBox, kQuotePrompt);
    ASSERT_TRUE(ed.view.quoteSelection.has_value());
    EXPECT_EQ(ed.view.quoteSelection->length, static_cast<int>(std::string(kQuotePrompt).size()));
    EXPECT_EQ(ed.view.focus, Focus::Quote);
    EXPECT_EQ(ed.doc.totalLetters, 45);
    EXPECT_EQ(ed.doc.questionCount, 0);
    EXPECT_TRUE(ed.view.listRows.empty());
    EXPECT_FALSE(ed.doc.docChanged);
    EXPECT_FALSE(ed.view.controlsEnabled);
    EXPECT_FALSE(ed.view.gridVisible);
    EXPECT_TRUE(commands.dataFileName.empty());
}

TEST_F(CommandsTest, NewSavesAndKeepsTheQuotationOrStopsOnCancel) {
    makeDocument();
    commands.dataFileName = path("week.dat");
    prompter.replies = {Reply::Cancel};
    commands.newDocument();
    EXPECT_EQ(ed.doc.questionCount, 1);
    EXPECT_EQ(commands.dataFileName, path("week.dat"));

    prompter.replies = {Reply::Yes, Reply::Yes};
    commands.newDocument();
    EXPECT_EQ(readBytes(path("week.dat")).substr(0, 15), "Less is more.\r\n");
    EXPECT_EQ(ed.view.quoteBox, "Less is more.");
    EXPECT_EQ(ed.doc.totalLetters, 10);
    EXPECT_EQ(ed.doc.questionCount, 0);

    // Without a file, Yes asks through Save As; cancelling it New goes on.
    makeDocument("Second one");
    prompter.replies = {Reply::Yes, Reply::No};
    commands.newDocument();
    EXPECT_EQ(prompter.messages[3].text, "Save changes to  before creating a new document?");
    EXPECT_EQ(prompter.saveRequests.size(), 1u);
    EXPECT_EQ(ed.view.quoteBox, kQuotePrompt);
}

TEST_F(CommandsTest, OpenAsksToSaveAndSaveAsComesFirstWithoutAFile) {
    const std::string other = puzzleFile("other.dat", "Other quote");
    makeDocument();
    prompter.replies = {Reply::Yes};
    prompter.saveNames.push_back(path("mine.dat"));
    openFile(other);

    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Do you want to save your file first?"});
    EXPECT_EQ(prompter.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(prompter.messages[0].title, std::optional<std::string>(""));
    ASSERT_EQ(prompter.saveRequests.size(), 1u);
    EXPECT_EQ(prompter.saveRequests[0].filter, "Data Files (*.dat)|*.dat|All Files (*.*)|*.*");
    EXPECT_EQ(prompter.saveRequests[0].filterIndex, 1);
    EXPECT_EQ(readBytes(path("mine.dat")).substr(0, 15), "Less is more.\r\n");
    // The open dialog comes second and starts at the name just saved.
    ASSERT_EQ(prompter.openRequests.size(), 1u);
    EXPECT_EQ(prompter.openRequests[0].filter, "All Files (*.*)|*.*|Data Files (*.dat)|*.dat");
    EXPECT_EQ(prompter.openRequests[0].filterIndex, 2);
    EXPECT_EQ(prompter.openRequests[0].initialName, path("mine.dat"));
    EXPECT_EQ(ed.doc.quotation, "Other quote");
    EXPECT_EQ(commands.dataFileName, other);
    EXPECT_TRUE(ed.doc.docChanged);  // neither saving nor opening clears it

    // No saves nothing; a cancelled dialog changes nothing.
    prompter.replies = {Reply::No};
    commands.open();
    EXPECT_EQ(prompter.saveRequests.size(), 1u);
    EXPECT_EQ(ed.doc.quotation, "Other quote");
    EXPECT_EQ(ed.view.listRows.size(), 2u);
}

TEST_F(CommandsTest, OpeningAMissingNameReportsItAndRestoresTheDialogName) {
    const std::string first = puzzleFile("first.dat", "First quote");
    openFile(first);
    prompter.openNames.push_back(path("nothing.dat"));
    commands.openDoc();
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"File does not exist.\r" + path("nothing.dat")});
    EXPECT_EQ(commands.fileDialog.fileName(), first);
    EXPECT_EQ(commands.dataFileName, first);
    EXPECT_EQ(ed.doc.questionCount, 1);
}

TEST_F(CommandsTest, RevertRereadsTheFileWithoutADialog) {
    commands.revert();  // no file yet: nothing asked
    EXPECT_TRUE(prompter.messages.empty());

    const std::string file = puzzleFile("r.dat", "Revert me");
    openFile(file);
    accept("Added", "word");
    prompter.replies = {Reply::No};
    commands.revert();
    EXPECT_EQ(ed.doc.questionCount, 2);

    commands.revert();
    EXPECT_EQ(prompter.messages[1].text, "Are you sure you want to revert to the last saved file?");
    EXPECT_EQ(prompter.messages[1].buttons, Buttons::YesNo);
    EXPECT_EQ(prompter.messages[1].title, std::nullopt);
    EXPECT_EQ(prompter.openRequests.size(), 1u);
    EXPECT_EQ(ed.doc.questionCount, 1);
    EXPECT_FALSE(commands.revertPending);
    EXPECT_EQ(commands.dataFileName, file);
    commands.openDoc();  // a later Open shows its dialog again
    EXPECT_EQ(prompter.openRequests.size(), 2u);
}

TEST_F(CommandsTest, SaveWritesToTheOpenedFileAfterSaveAs) {
    const std::string opened = puzzleFile("opened.dat", "Opened quote");
    openFile(opened);
    accept("Second", "answer");
    prompter.saveNames.push_back(path("copy.dat"));
    EXPECT_TRUE(commands.saveAs());
    EXPECT_EQ(prompter.saveRequests[0].initialName, opened);
    EXPECT_EQ(commands.dataFileName, opened);

    accept("Third", "again");
    EXPECT_TRUE(commands.save());
    EXPECT_EQ(prompter.saveRequests.size(), 1u);
    EXPECT_NE(readBytes(opened).find(" 3A. again\r\n"), std::string::npos);
    EXPECT_EQ(readBytes(path("copy.dat")).find(" 3A. again"), std::string::npos);
    EXPECT_FALSE(commands.saveAs());  // cancelled: nothing written
    EXPECT_EQ(folderEntries().size(), 2u);
}

TEST_F(CommandsTest, FailedSaveNamesTheFileAndKeepsTheDocument) {
    makeDocument();
    fs::create_directory(dir / "busy.dat");
    commands.dataFileName = path("busy.dat");
    EXPECT_FALSE(commands.save());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text.rfind("Could not save " + path("busy.dat") + ":\r", 0), 0u);
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"busy.dat"});
    EXPECT_TRUE(ed.doc.docChanged);
    EXPECT_EQ(ed.doc.questionCount, 1);

    commands.quit();  // asks nothing, even with unsaved changes
    EXPECT_TRUE(commands.quitRequested);
    EXPECT_EQ(prompter.messages.size(), 1u);
}

}  // namespace
}  // namespace qbrx::test
