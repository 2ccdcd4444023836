#include "documentcommands.h"

#include <filesystem>

#include "text.h"

namespace qbrx {

namespace fs = std::filesystem;

namespace {

// A file name that an open can read: it exists and is not a folder.
bool namesFile(const std::string& name) {
    std::error_code ec;
    const fs::path path(name);
    return fs::exists(path, ec) && !fs::is_directory(path, ec);
}

}  // namespace

DocumentCommands::DocumentCommands(Editor& editor) : fileDialog(editor.prompter()), editor_(editor) {}

void DocumentCommands::newDocument() {
    Document& doc = editor_.doc;
    MainView& view = editor_.view;
    if (!doc.docChanged) return;

    Prompter& prompter = editor_.prompter();
    const Reply save = prompter.message({"Save changes to " + utf8ToCp1252(dataFileName) +
                                             " before creating a new document?",
                                         "", Buttons::YesNoCancel, Icon::Information, 1});
    if (save == Reply::Cancel) return;
    if (save == Reply::Yes) JustSave();

    const Reply keep = prompter.message({kPreserveQuestion, "", Buttons::YesNo, Icon::Information, 1});
    const std::string text = keep == Reply::Yes ? doc.quotation : std::string(kQuotePrompt);

    editor_.resetDocument();
    view.gridVisible = false;
    view.quoteBox = text;
    doc.quotation = text;
    editor_.countLetters();
    doc.docChanged = false;
    view.focus = Focus::Quote;
    view.quoteSelection = TextSelection{0, static_cast<int>(text.size())};
    editor_.DisableControls();
    dataFileName.clear();
}

void DocumentCommands::open() {
    if (editor_.doc.docChanged) {
        const Reply reply = editor_.prompter().message({kOpenSaveQuestion, "", Buttons::YesNo, Icon::None, 0});
        if (reply == Reply::Yes) JustSave();
    }
    openDoc();
}

void DocumentCommands::revert() {
    if (dataFileName.empty()) return;
    const Reply reply =
        editor_.prompter().message({kRevertQuestion, std::nullopt, Buttons::YesNo, Icon::None, 0});
    if (reply != Reply::Yes) return;
    revertPending = true;
    openDoc();
}

bool DocumentCommands::Writefile() {
    const auto name = fileDialog.save(formats.saveFilter(), kSaveFilterIndex);
    if (!name) return false;
    return writeTo(*name);
}

bool DocumentCommands::JustSave() {
    if (dataFileName.empty()) return Writefile();
    return writeTo(dataFileName);
}

bool DocumentCommands::writeTo(const std::string& path) {
    const WriteResult result = formats.write(editor_.doc, path);
    if (!result.ok)
        editor_.prompter().message(
            {saveFailedMessage(path, result.reason), std::nullopt, Buttons::Ok, Icon::Exclamation, 0});
    return result.ok;
}

std::optional<ReadStatus> DocumentCommands::openDoc() {
    // However the read ends, a later Open shows the dialog again.
    struct ClearRevert {
        bool& flag;
        ~ClearRevert() { flag = false; }
    } clearRevert{revertPending};
    const std::string previousFile = dataFileName, previousName = fileDialog.fileName();

    std::string file;
    if (revertPending) {
        file = fileDialog.fileName();
    } else {
        const std::string before = fileDialog.fileName();
        const auto name = fileDialog.open(formats.openFilter(), kOpenFilterIndex);
        if (!name) return std::nullopt;
        if (!namesFile(*name)) {
            editor_.prompter().tell(std::string(kFileMissingMessage) + "\r" + utf8ToCp1252(*name));
            fileDialog.setFileName(before);
            return std::nullopt;
        }
        dataFileName = *name;
        file = *name;
    }
    if (dataFileName.empty()) return std::nullopt;
    const std::optional<ReadStatus> status = formats.read(editor_, file);
    if (!status) {  // a refused file changes nothing, not even what Save and Revert use
        dataFileName = previousFile;
        fileDialog.setFileName(previousName);
    }
    return status;
}

}  // namespace qbrx
