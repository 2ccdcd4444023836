// The File menu's document commands: New, Open, Save, Save As, Revert and
// Quit. They work on the Editor (document and window view) and talk to the
// user only through the editor's Prompter; the Qt window calls one command
// and then mirrors Editor::view onto its widgets.
#pragma once

#include <optional>
#include <string>

#include "datafile.h"
#include "documentformats.h"
#include "editor.h"
#include "filedialog.h"

namespace qbrx {

inline constexpr const char* kOpenSaveQuestion = "Do you want to save your file first?";
inline constexpr const char* kRevertQuestion = "Are you sure you want to revert to the last saved file?";
inline constexpr const char* kPreserveQuestion = "Preserve Quote for New document?";

class DocumentCommands {
public:
    explicit DocumentCommands(Editor& editor);

    // Full path (UTF-8) of the file Save writes to: set by Open, kept by
    // Revert, emptied by New; Save As leaves it alone.
    std::string dataFileName;
    // On only while Revert has openDoc reread the file without a dialog.
    bool revertPending = false;
    // Set by Quit: the window ends the program at once, asking nothing.
    bool quitRequested = false;

    // The shared open/save dialog (remembers the last name it returned).
    FileDialog fileDialog;
    // What Open reads and Save writes, by the file name's extension.
    DocumentFormats formats;

    // Menu commands.
    void newDocument();  // New
    void open();         // Open...
    bool save() { return JustSave(); }
    bool saveAs() { return Writefile(); }
    void revert();
    void quit() { quitRequested = true; }

    // Save As: asks for a name and writes. True when a file was written.
    bool Writefile();
    // Save: writes to dataFileName, or runs Writefile when there is none.
    bool JustSave();
    // Open and Revert: chooses the file, resets the document, reads it and
    // rebuilds. Returns the read status, or nothing when no file was read
    // (dialog cancelled, or the chosen name names no file).
    std::optional<ReadStatus> openDoc();

private:
    bool writeTo(const std::string& path);
    Editor& editor_;
};

}  // namespace qbrx
