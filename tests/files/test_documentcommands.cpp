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
    // Writes a puzzle file with one pair to `name` and returns its path.
    std::string puzzleFile(const std::string& name, const std::string& quote) {
        const std::string p = path(name);
        writeBytes(p, quote + "\r\n\r\n\r\n\r\n0\r\n0\r\n0\r\n 1 \r\n 1Q. q\r\n 1A. " + quote + "\r\n");
        return p;
    }
    void openFile(const std::string& name) {
        prompter.openNames.push_back(name);
        commands.open();
    }
};

TEST_F(CommandsTest, NewDoesNothingWithoutChanges) {
    commands.newDocument();
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(ed.view.quoteBox, kQuotePrompt);

    // Opening a file does not count as a change.
    openFile(puzzleFile("a.dat", "Alpha beta"));
    ASSERT_EQ(ed.doc.quotation, "Alpha beta");
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
    const MessageRequest& save = prompter.messages[0];
    EXPECT_EQ(save.text, "Save changes to " + path("week.dat") + " before creating a new document?");
    EXPECT_EQ(save.buttons, Buttons::YesNoCancel);
    EXPECT_EQ(save.icon, Icon::Information);
    EXPECT_EQ(save.defaultButton, 1);
    EXPECT_EQ(save.title, std::optional<std::string>(""));
    const MessageRequest& keep = prompter.messages[1];
    EXPECT_EQ(keep.text, "Preserve Quote for New document?");
    EXPECT_EQ(keep.buttons, Buttons::YesNo);
    EXPECT_EQ(keep.icon, Icon::Information);
    EXPECT_EQ(keep.defaultButton, 1);
    EXPECT_EQ(keep.title, std::optional<std::string>(""));

    EXPECT_FALSE(fs::exists(path("week.dat")));
    EXPECT_EQ(ed.view.quoteBox, kQuotePrompt);
    EXPECT_EQ(ed.doc.quotation, kQuotePrompt);
    ASSERT_TRUE(ed.view.quoteSelection.has_value());
    EXPECT_EQ(ed.view.quoteSelection->start, 0);
    EXPECT_EQ(ed.view.quoteSelection->length, static_cast<int>(std::string(kQuotePrompt).size()));
    EXPECT_EQ(ed.view.focus, Focus::Quote);
    EXPECT_EQ(ed.doc.totalLetters, 45);
    EXPECT_EQ(ed.doc.questionCount, 0);
    EXPECT_EQ(ed.doc.currentQuestion, 1);
    EXPECT_TRUE(ed.view.listRows.empty());
    EXPECT_FALSE(ed.doc.docChanged);
    EXPECT_FALSE(ed.view.controlsEnabled);
    EXPECT_FALSE(ed.view.gridVisible);
    EXPECT_TRUE(ed.doc.quoteRegistered);
    EXPECT_TRUE(commands.dataFileName.empty());
}

TEST_F(CommandsTest, NewSavesAndKeepsTheQuotationOrStopsOnCancel) {
    makeDocument();
    commands.dataFileName = path("week.dat");
    prompter.replies = {Reply::Cancel};
    commands.newDocument();
    EXPECT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(ed.doc.questionCount, 1);
    EXPECT_EQ(commands.dataFileName, path("week.dat"));

    prompter.replies = {Reply::Yes, Reply::Yes};
    commands.newDocument();
    EXPECT_EQ(readBytes(path("week.dat")).substr(0, 15), "Less is more.\r\n");
    EXPECT_EQ(ed.view.quoteBox, "Less is more.");
    EXPECT_EQ(ed.doc.totalLetters, 10);
    EXPECT_EQ(ed.doc.questionCount, 0);
    EXPECT_TRUE(prompter.saveRequests.empty());

    // Without a file name, Yes asks through Save As; cancelling it saves
    // nothing and New goes on.
    makeDocument("Second one");
    prompter.replies = {Reply::Yes, Reply::No};
    commands.newDocument();
    ASSERT_EQ(prompter.messages.size(), 5u);
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

    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Do you want to save your file first?");
    EXPECT_EQ(prompter.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(prompter.messages[0].title, std::optional<std::string>(""));
    ASSERT_EQ(prompter.saveRequests.size(), 1u);
    EXPECT_EQ(prompter.saveRequests[0].filter, "Data Files (*.dat)|*.dat|All Files (*.*)|*.*");
    EXPECT_EQ(prompter.saveRequests[0].filterIndex, 1);
    EXPECT_EQ(readBytes(path("mine.dat")).substr(0, 15), "Less is more.\r\n");

    // The open dialog came second and starts at the name just saved.
    ASSERT_EQ(prompter.openRequests.size(), 1u);
    EXPECT_EQ(prompter.openRequests[0].filter, "All Files (*.*)|*.*|Data Files (*.dat)|*.dat");
    EXPECT_EQ(prompter.openRequests[0].filterIndex, 2);
    EXPECT_EQ(prompter.openRequests[0].initialName, path("mine.dat"));
    EXPECT_EQ(ed.doc.quotation, "Other quote");
    EXPECT_EQ(commands.dataFileName, other);
    EXPECT_TRUE(ed.doc.docChanged);  // neither saving nor opening clears it
}

TEST_F(CommandsTest, OpenWithNoSavesNothingAndCancelChangesNothing) {
    makeDocument();
    prompter.replies = {Reply::No};
    commands.open();  // the dialog is cancelled
    EXPECT_TRUE(prompter.saveRequests.empty());
    EXPECT_EQ(prompter.openRequests.size(), 1u);
    EXPECT_EQ(ed.doc.questionCount, 1);
    EXPECT_EQ(ed.view.listRows.size(), 2u);
    EXPECT_TRUE(commands.dataFileName.empty());
}

TEST_F(CommandsTest, OpeningAMissingNameReportsItAndRestoresTheDialogName) {
    const std::string first = puzzleFile("first.dat", "First quote");
    openFile(first);
    prompter.openNames.push_back(path("nothing.dat"));
    commands.openDoc();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "File does not exist.\r" + path("nothing.dat"));
    EXPECT_EQ(prompter.messages[0].title, std::nullopt);
    EXPECT_EQ(commands.fileDialog.fileName(), first);
    EXPECT_EQ(commands.dataFileName, first);
    EXPECT_EQ(ed.doc.quotation, "First quote");
    EXPECT_EQ(ed.doc.questionCount, 1);
}

TEST_F(CommandsTest, RevertRereadsTheFileWithoutADialog) {
    commands.revert();  // no file yet: nothing asked
    EXPECT_TRUE(prompter.messages.empty());

    const std::string file = puzzleFile("r.dat", "Revert me");
    openFile(file);
    ed.selectListRow(1);
    accept("Added", "word");
    ASSERT_EQ(ed.doc.questionCount, 2);

    prompter.replies = {Reply::No};
    commands.revert();
    EXPECT_EQ(ed.doc.questionCount, 2);

    commands.revert();
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[1].text, "Are you sure you want to revert to the last saved file?");
    EXPECT_EQ(prompter.messages[1].buttons, Buttons::YesNo);
    EXPECT_EQ(prompter.messages[1].title, std::nullopt);
    EXPECT_EQ(prompter.openRequests.size(), 1u);
    EXPECT_EQ(ed.doc.questionCount, 1);
    EXPECT_EQ(ed.doc.answer[1], "Revert me");
    EXPECT_FALSE(commands.revertPending);
    EXPECT_EQ(commands.dataFileName, file);

    // A later Open shows its dialog again.
    commands.openDoc();
    EXPECT_EQ(prompter.openRequests.size(), 2u);
}

TEST_F(CommandsTest, SaveWritesToTheOpenedFileAfterSaveAs) {
    const std::string opened = puzzleFile("opened.dat", "Opened quote");
    openFile(opened);
    ed.selectListRow(1);
    accept("Second", "answer");

    prompter.saveNames.push_back(path("copy.dat"));
    EXPECT_TRUE(commands.saveAs());
    EXPECT_EQ(prompter.saveRequests[0].initialName, opened);
    EXPECT_EQ(commands.dataFileName, opened);
    EXPECT_EQ(commands.fileDialog.fileName(), path("copy.dat"));

    accept("Third", "again");
    EXPECT_TRUE(commands.save());
    EXPECT_EQ(prompter.saveRequests.size(), 1u);
    EXPECT_NE(readBytes(opened).find(" 3A. again\r\n"), std::string::npos);
    EXPECT_EQ(readBytes(path("copy.dat")).find(" 3A. again"), std::string::npos);

    // Save As cancelled writes nothing.
    EXPECT_FALSE(commands.saveAs());
    EXPECT_EQ(folderEntries().size(), 2u);
}

TEST_F(CommandsTest, FailedSaveNamesTheFileAndKeepsTheDocument) {
    makeDocument();
    fs::create_directory(dir / "busy.dat");
    commands.dataFileName = path("busy.dat");
    EXPECT_FALSE(commands.save());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text.rfind("Could not save " + path("busy.dat") + ":\r", 0), 0u);
    EXPECT_EQ(prompter.messages[0].buttons, Buttons::Ok);
    EXPECT_TRUE(fs::is_directory(dir / "busy.dat"));
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"busy.dat"});
    EXPECT_TRUE(ed.doc.docChanged);
    EXPECT_EQ(ed.doc.questionCount, 1);
    EXPECT_EQ(commands.dataFileName, path("busy.dat"));
}

TEST_F(CommandsTest, QuitAsksNothing) {
    makeDocument();
    commands.quit();
    EXPECT_TRUE(commands.quitRequested);
    EXPECT_TRUE(prompter.messages.empty());
}

}  // namespace
}  // namespace qbrx::test
