// SPDX-License-Identifier: GPL-3.0-or-later
#include "documentcommands.h"

#include <filesystem>

#include "datafile.h"
#include "formats.h"
#include "ipuzread.h"
#include "safewrite.h"
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

// A name typed without an extension gets the data file's.
std::string withDataExtension(const std::string& name) {
    return fs::path(name).extension().empty() ? name + kDataExtension : name;
}

// The message of a file that is refused, in its format's words.
std::string refusedMessage(const std::string& path, const FileResult& result) {
    if (formatOfName(path) == Format::Ipuz) return ipuzRefusedMessage(path, result.reason);
    if (result.status == FileStatus::NotPuzzle) return notDataFileMessage(path);
    return unreadableMessage(path, result.reason);
}

}  // namespace

OpenedPuzzle openPuzzle(Editor& editor, const std::string& path) {
    return takePuzzle(editor, readPuzzleFile(path), path);
}

OpenedPuzzle takePuzzle(Editor& editor, const PuzzleRead& read, const std::string& path) {
    const FileStatus status = read.result.status;
    Prompter& prompter = editor.prompter();
    if (!read.puzzle) {
        if (status == FileStatus::NotFound)
            prompter.tell(std::string(kFileMissingMessage) + "\r" + utf8ToCp1252(path));
        else
            prompter.message(
                {refusedMessage(path, read.result), std::nullopt, Buttons::Ok, Icon::Exclamation, 0});
        return {read.result, false};
    }
    if (status == FileStatus::Damaged) prompter.beep();
    if (status == FileStatus::Mismatch) prompter.tell(kPairMismatchMessage);
    editor.loadPuzzle(*read.puzzle, status != FileStatus::Mismatch);
    return {read.result, true};
}

DocumentCommands::DocumentCommands(Editor& editor) : fileDialog(editor.prompter()), editor_(editor) {}

void DocumentCommands::newDocument() {
    Document& doc = editor_.doc;
    MainView& view = editor_.view;
    if (!doc.docChanged && !saved_) return;

    Prompter& prompter = editor_.prompter();
    if (doc.docChanged) {
        const Reply save = prompter.message(
            {"Save changes to " + utf8ToCp1252(dataFileName) + " before creating a new document?", "",
             Buttons::YesNoCancel, Icon::Information, 1});
        if (save == Reply::Cancel) return;
        // A save that fails keeps the document; cancelling the Save As dialog
        // goes on without saving.
        if (save == Reply::Yes && justSaveOutcome() == SaveOutcome::NotSaved) return;
    }

    const Reply keep = prompter.message({kPreserveQuestion, "", Buttons::YesNoCancel, Icon::Information, 1});
    if (keep == Reply::Cancel) return;
    const std::string text = keep == Reply::Yes ? doc.quotation : std::string(kQuotePrompt);

    editor_.resetDocument();
    view.gridVisible = false;
    view.quoteBox = text;
    // The prompt is no quotation: its letters are not counted, as at start-up.
    doc.quotation = keep == Reply::Yes ? text : std::string();
    doc.totalLetters = 0;
    if (keep == Reply::Yes) editor_.countLetters();
    doc.docChanged = false;
    view.focus = Focus::Quote;
    view.quoteSelection = TextSelection{0, static_cast<int>(text.size())};
    editor_.disableControls();
    dataFileName.clear();
    readDamaged_ = false;
    saved_ = false;
}

void DocumentCommands::open() {
    if (editor_.doc.docChanged) {
        const Reply reply =
            editor_.prompter().message({kOpenSaveQuestion, "", Buttons::YesNo, Icon::None, 0});
        if (reply == Reply::Yes && justSaveOutcome() == SaveOutcome::NotSaved) return;
    }
    openDoc();
}

bool DocumentCommands::confirmEnd() {
    if (!editor_.doc.docChanged) return true;
    const std::string text = dataFileName.empty()
                                 ? std::string("Save changes before quitting?")
                                 : "Save changes to " + utf8ToCp1252(dataFileName) + " before quitting?";
    const Reply reply =
        editor_.prompter().message({text, std::nullopt, Buttons::YesNoCancel, Icon::Exclamation, 0});
    if (reply == Reply::No) return true;
    return reply == Reply::Yes && justSaveOutcome() == SaveOutcome::Saved;
}

std::string DocumentCommands::windowTitle() const {
    std::string title = kProgramName;
    const std::string name = fs::path(dataFileName).filename().string();
    if (!name.empty()) title += " \u2013 " + name;
    if (editor_.doc.docChanged) title += " *";
    return title;
}

void DocumentCommands::revert() {
    if (dataFileName.empty()) return;
    const Reply reply =
        editor_.prompter().message({kRevertQuestion, std::nullopt, Buttons::YesNo, Icon::None, 0});
    if (reply != Reply::Yes) return;
    revertPending = true;
    openDoc();
}

bool DocumentCommands::writeFile() { return saveAsOutcome() == SaveOutcome::Saved; }

bool DocumentCommands::justSave() { return justSaveOutcome() == SaveOutcome::Saved; }

DocumentCommands::SaveOutcome DocumentCommands::saveAsOutcome() {
    const auto name = fileDialog.save(documentSaveFilter(), kSaveFilterIndex);
    if (!name) return SaveOutcome::Cancelled;
    const std::string file = withDataExtension(*name);
    fileDialog.setFileName(file);
    return writeTo(file) ? SaveOutcome::Saved : SaveOutcome::NotSaved;
}

DocumentCommands::SaveOutcome DocumentCommands::justSaveOutcome() {
    if (dataFileName.empty()) return saveAsOutcome();
    if (readDamaged_) {
        const Reply reply = editor_.prompter().message(
            {"The file " + utf8ToCp1252(dataFileName) +
                 " was damaged when it was opened; the puzzle holds only what could be read.\r"
                 "Replace the file with it?",
             std::nullopt, Buttons::YesNo, Icon::Exclamation, 1});
        if (reply != Reply::Yes) return SaveOutcome::NotSaved;
    }
    if (!writeTo(dataFileName)) return SaveOutcome::NotSaved;
    readDamaged_ = false;
    return SaveOutcome::Saved;
}

bool DocumentCommands::writeTo(const std::string& path) {
    const FileResult result = writePuzzleFile(editor_.doc, path);
    if (!result.ok()) {
        editor_.prompter().message(
            {saveFailedMessage(path, result.reason), std::nullopt, Buttons::Ok, Icon::Exclamation, 0});
        return false;
    }
    // The puzzle is saved when the file Save writes to holds it, or when
    // there is no such file; a copy made with Save As leaves the mark on.
    if (dataFileName.empty() || path == dataFileName) {
        editor_.doc.docChanged = false;
        saved_ = true;
        // The first save names the puzzle's file: the title shows it, and
        // the next Save writes there.
        dataFileName = path;
    }
    return true;
}

std::optional<FileStatus> DocumentCommands::openDoc() {
    // However the read ends, a later Open shows the dialog again.
    struct ClearRevert {
        bool& flag;
        ~ClearRevert() { flag = false; }
    } clearRevert{revertPending};

    const std::string previousFile = dataFileName;
    const std::string before = fileDialog.fileName();
    std::string file;
    if (revertPending) {
        file = fileDialog.fileName();
    } else {
        const auto name = fileDialog.open(documentOpenFilter(), kOpenFilterIndex);
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
    return readFile(file, previousFile, before);
}

std::optional<FileStatus> DocumentCommands::openFile(const std::string& path) {
    if (!namesFile(path)) {
        editor_.prompter().tell(std::string(kFileMissingMessage) + "\r" + utf8ToCp1252(path));
        return std::nullopt;
    }
    const std::string previousFile = dataFileName;
    const std::string before = fileDialog.fileName();
    fileDialog.setFileName(path);
    dataFileName = path;
    return readFile(path, previousFile, before);
}

std::optional<FileStatus> DocumentCommands::readFile(const std::string& file, const std::string& previousFile,
                                                     const std::string& previousDialogName) {
    const OpenedPuzzle opened = openPuzzle(editor_, file);
    const FileStatus status = opened.result.status;
    if (!opened.loaded) {
        // Nothing was read: the file never becomes the one Save writes to.
        dataFileName = previousFile;
        fileDialog.setFileName(previousDialogName);
        return status;
    }
    readDamaged_ = status == FileStatus::Damaged || status == FileStatus::Mismatch;
    // The puzzle is the file's now: changes made before were saved or given
    // up at the question, so the title shows no mark and Quit and New ask
    // nothing until the next change.
    editor_.doc.docChanged = false;
    saved_ = false;
    removeStaleTemporaries(file);
    return status;
}

}  // namespace qbrx
