// SPDX-License-Identifier: GPL-3.0-or-later
// Every question the program asks the user goes through this interface:
// message boxes, the input box, the beep, file and print dialogs. The window
// answers with real dialogs; tests answer with a script, so nothing blocks.
// All texts are Windows-1252 bytes; file names are the system's own (UTF-8).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qbrx {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Information, Exclamation, Question, Critical };
enum class Reply { Ok, Cancel, Yes, No };

struct MessageRequest {
    std::string text;
    // nullopt: the default title (the program's name); "" an empty title.
    std::optional<std::string> title;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    int defaultButton = 0;  // 0-based index into the button set
};

struct FileRequest {
    // Filter list in the form "Data Files (*.dat)|*.dat|All Files (*.*)|*.*".
    std::string filter;
    int filterIndex = 1;      // 1-based entry preselected
    std::string initialName;  // preset file name
    std::string title{};      // the dialog's title; empty: "Open" or "Save As"
};

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual Reply message(const MessageRequest& request) = 0;
    // A message whose buttons carry these captions instead of the standard
    // ones, in the order of the button set ("Recover", "Discard", "Later"
    // for Yes, No and Cancel). A script answers it as a message.
    virtual Reply choose(const MessageRequest& request, const std::vector<std::string>& captions) {
        (void)captions;
        return message(request);
    }
    // nullopt when cancelled. Returns the typed text otherwise.
    virtual std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                             const std::string& defaultText) = 0;
    virtual void beep() = 0;
    // nullopt when cancelled.
    virtual std::optional<std::string> openFile(const FileRequest& request) = 0;
    virtual std::optional<std::string> saveFile(const FileRequest& request) = 0;
    // The print dialog; false when the user cancelled it.
    virtual bool printDialog() = 0;
    virtual void printSetupDialog() = 0;

    // Convenience: a plain OK box with the default title.
    void tell(const std::string& text) { message({text, std::nullopt, Buttons::Ok, Icon::None, 0}); }
};

}  // namespace qbrx
