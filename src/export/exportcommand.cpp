#include "exportcommand.h"

#include "export.h"

namespace qbrx {

namespace {

int filterIndexFor(ExportFormat format) {
    switch (format) {
        case ExportFormat::Pdf: return 1;
        case ExportFormat::Ipuz: return 2;
        case ExportFormat::Jpz: return 3;
        case ExportFormat::Html: return 4;
    }
    return 1;
}

}  // namespace

bool ExportCommand::run(Prompter& prompter, const Document& doc, const PdfWriter& writePdf) {
    auto complain = [&prompter](const std::string& text) {
        prompter.message({text, std::string(kExportTitle), Buttons::Ok, Icon::Exclamation, 0});
    };
    if (doc.quoteLength <= 0 || doc.quotation.empty()) {
        complain(kNothingToExportMessage);
        return false;
    }
    const ExportFormat previous = exportFormatForName(lastName).value_or(ExportFormat::Pdf);
    const std::optional<std::string> chosen = prompter.saveFile({kExportFilter, filterIndexFor(previous), lastName, kExportTitle});
    if (!chosen || chosen->empty()) return false;

    const ExportFormat format = exportFormatForName(*chosen).value_or(ExportFormat::Pdf);
    const std::string path = withExportExtension(*chosen, format);
    WebPageOptions page{crosticOn, true};
    if (format == ExportFormat::Html) {
        const Reply reply = prompter.message({kRevealQuestion, std::string(kExportTitle), Buttons::YesNoCancel, Icon::Question, 0});
        if (reply == Reply::Cancel) return false;
        page.reveal = reply == Reply::Yes;
    }
    std::string error;
    bool ok = false;
    if (format == ExportFormat::Pdf) {
        ok = writePdf && writePdf(path, error);
        if (!writePdf) error = "PDF output is not available.";
    } else {
        const ExportResult written =
            writeExportFile(path, format == ExportFormat::Ipuz  ? formatIpuz(doc)
                                  : format == ExportFormat::Jpz ? formatJpz(doc)
                                                                : formatWebPage(doc, page));
        ok = written.ok;
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
