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
    std::string error;
    bool ok = false;
    if (format == Format::Pdf) {
        ok = writePdf && writePdf(path, error);
        if (!writePdf) error = "PDF output is not available.";
    } else {
        const FileResult written = writeExport(doc, format, path);
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
