// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu's document commands: New, Open, Save, Save As, Revert and
// Quit. They work on the Editor (document and window view) and talk to the
// user only through the editor's Prompter; the Qt window calls one command
// and then mirrors Editor::view onto its widgets.
#pragma once

#include <optional>
#include <string>

#include "editor.h"
#include "filedialog.h"
#include "fileresult.h"

namespace qbrx {

inline constexpr const char* kOpenSaveQuestion = "Do you want to save your file first?";
inline constexpr const char* kRevertQuestion = "Are you sure you want to revert to the last saved file?";
inline constexpr const char* kPreserveQuestion = "Preserve Quote for New document?";
// The extension Save As gives a name typed without one.
inline constexpr const char* kDataExtension = ".dat";

// Opens a puzzle file into the editor by the name's format, as File > Open
// does after its dialog: reads it, puts what it holds into the document
// (Editor::loadPuzzle) and tells the user through the editor's prompter
// what went wrong: "File does not exist." for a file that is gone and
// gives nothing, a beep for a damaged data file, "PROBLEM!!!" for a pair
// whose numbers differ, a message naming the file for one refused.
struct OpenedPuzzle {
    FileResult result;
    bool loaded = false;  // the document holds what the file gave
};
OpenedPuzzle openPuzzle(Editor& editor, const std::string& path);
// The same for what a reader already returned from the file at `path`.
OpenedPuzzle takePuzzle(Editor& editor, const PuzzleRead& read, const std::string& path);

class DocumentCommands {
public:
    explicit DocumentCommands(Editor& editor);

    // Full path (UTF-8) of the file Save writes to: set by Open and by the
    // first save of a new puzzle, kept by Revert, emptied by New; Save As
    // of a puzzle that has a file leaves it alone.
    std::string dataFileName;
    // On only while Revert has openDoc reread the file without a dialog.
    bool revertPending = false;
    // Set by Quit once the user has let the program end.
    bool quitRequested = false;

    // The shared open/save dialog (remembers the last name it returned).
    FileDialog fileDialog;

    // Menu commands.
    void newDocument();  // New
    void open();         // Open...
    bool save() { return justSave(); }
    bool saveAs() { return writeFile(); }
    void revert();
    void quit() { quitRequested = confirmEnd(); }

    // Before the program ends (Quit, closing the main window): with unsaved
    // changes, asks whether to save them. False when the program must stay:
    // the user cancelled, or the save did not happen.
    bool confirmEnd();

    // Opens a file by name without the dialog (the file named on the
    // command line), as Open does after its dialog.
    std::optional<FileStatus> openFile(const std::string& path);

    // The main window's title: the program's name, the file's name and a
    // mark for unsaved changes ("Quotabrix – walden.dat *"). UTF-8.
    std::string windowTitle() const;

    // Save As: asks for a name and writes. True when a file was written.
    bool writeFile();
    // Save: writes to dataFileName, or runs writeFile when there is none.
    bool justSave();
    // Open and Revert: chooses the file, resets the document, reads it and
    // rebuilds. Returns the read status, or nothing when no file was read
    // (dialog cancelled, or the chosen name names no file).
    std::optional<FileStatus> openDoc();

private:
    // How a save asked for by another command ended: only NotSaved stops
    // that command (a failed write, or a damaged file not to be replaced).
    enum class SaveOutcome { Saved, Cancelled, NotSaved };
    SaveOutcome saveAsOutcome();
    SaveOutcome justSaveOutcome();
    bool writeTo(const std::string& path);
    // Reads `file` (the one place a data file is read); a file that cannot
    // be read puts the file name and the dialog's name back as they were.
    std::optional<FileStatus> readFile(const std::string& file, const std::string& previousFile,
                                       const std::string& previousDialogName);
    Editor& editor_;
    // The file at dataFileName was read damaged: Save asks before replacing it.
    bool readDamaged_ = false;
    // A save since the last change: New goes on without asking to save.
    bool saved_ = false;
};

}  // namespace qbrx
