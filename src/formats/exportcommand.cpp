// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportcommand.h"

#include "export.h"
#include "questioncheck.h"

namespace qbrx {

bool ExportCommand::run(Prompter& prompter, const Document& doc, const PdfWriter& writePdf) {
    auto complain = [&prompter](const std::string& text) {
        prompter.message({text, std::string(kExportTitle), Buttons::Ok, Icon::Exclamation, 0});
    };
    if (doc.quoteLength <= 0 || doc.quotation.empty()) {
        complain(kNothingToExportMessage);
        return false;
    }
    if (!confirmUnwrittenQuestions(prompter, doc, kExportTitle)) return false;
    const Format previous = exportFormatOfName(lastName).value_or(Format::Pdf);
    const std::optional<std::string> chosen =
        prompter.saveFile({kExportFilter, exportFilterIndex(previous), lastName, kExportTitle});
    if (!chosen || chosen->empty()) return false;

    const Format format = exportFormatOfName(*chosen).value_or(Format::Pdf);
    const std::string path = withExportExtension(*chosen, format);
    WebPageOptions page{crosticOn, true};
    if (format == Format::Html) {
        const Reply reply = prompter.message(
            {kRevealQuestion, std::string(kExportTitle), Buttons::YesNoCancel, Icon::Question, 0});
        if (reply == Reply::Cancel) return false;
        page.reveal = reply == Reply::Yes;
    }
    std::string error;
    bool ok = false;
    if (format == Format::Pdf) {
        ok = writePdf && writePdf(path, error);
        if (!writePdf) error = "PDF output is not available.";
    } else {
        const FileResult written = writeExport(doc, format, path, page);
        ok = written.ok();
        error = written.reason;
    }
    if (!ok) {
        complain(exportFailedMessage(path, error));
        return false;
    }
    lastName = path;
    return true;
}

}  // namespace qbrx
