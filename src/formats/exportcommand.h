// SPDX-License-Identifier: GPL-3.0-or-later
// File > Export...: asks for a file name through the prompter and writes the
// puzzle from its current encoding in the format the name's extension asks
// for (.pdf, .ipuz, .jpz or .html; a name without one of them becomes a PDF
// and gets ".pdf"). For a web page it asks whether the page offers reveals. The PDF itself is drawn by the
// print layer, which the window passes in, so that this command stays free of Qt.
#pragma once

#include <functional>
#include <string>

#include "document.h"
#include "prompter.h"

namespace qbrx {

inline constexpr const char* kExportTitle = "Export";
inline constexpr const char* kRevealQuestion =
    "Should students be able to reveal letters and words on the page?\r\r"
    "Click Yes to offer \"Reveal letter\" and \"Reveal word\", No to leave them out.";

class ExportCommand {
public:
    // Writes the puzzle and its key as a PDF file; false with a reason when
    // it cannot.
    using PdfWriter = std::function<bool(const std::string& path, std::string& error)>;

    // Runs the command; true when a file was written. Without a registered
    // quotation it says so and asks nothing; a failed write is reported in
    // a message box titled "Export".
    bool run(Prompter& prompter, const Document& doc, const PdfWriter& writePdf);

    // The name last written, the dialog's initial name the next time.
    std::string lastName;
    // Whether a web page shows the crostic line: the window's crostic option.
    bool crosticOn = true;
};

}  // namespace qbrx
