// The output files the command line can write. Each row is one option.
#include "commandline.h"
#include "datafile.h"
#include "documentformats.h"
#include "export.h"
#include "ipuzformat.h"
#include "printing.h"

namespace qbrx {

namespace {

// Writes what `format` makes; a document without a quotation is reported
// like a file that cannot be written.
template <typename Format>
bool writeExport(const std::string& path, Format format, std::string& error) {
    try {
        const ExportResult r = writeExportFile(path, format());
        error = r.reason;
        return r.ok;
    } catch (const ExportError& e) {
        error = e.what();
        return false;
    }
}

}  // namespace

const std::vector<OutputKind>& outputKinds() {
    static const std::vector<OutputKind> kinds = {
        {"--pdf", "OUT.pdf", "write the puzzle's pages and then its key's as a PDF file", true,
         [](const Document& doc, const CommandLine& cl, const std::string& path, std::string& error) {
             return writePdf(doc, batchCrosticOn(doc, cl), path, &error,
                             cl.paper == "a4" ? Paper::A4 : Paper::Letter);
         }},
        {"--ipuz", "OUT.ipuz", "write the puzzle as an ipuz file (acrostic) for solving programs", false,
         [](const Document& doc, const CommandLine&, const std::string& path, std::string& error) {
             return writeExport(path, [&doc] { return formatIpuz(doc); }, error);
         }},
        {"--jpz", "OUT.jpz", "write the puzzle as a JPZ file (crossword-applet XML) for solving programs", false,
         [](const Document& doc, const CommandLine&, const std::string& path, std::string& error) {
             return writeExport(path, [&doc] { return formatJpz(doc); }, error);
         }},
        {"--html", "OUT.html", "write the puzzle as a web page that students solve in a browser, offline", false,
         [](const Document& doc, const CommandLine& cl, const std::string& path, std::string& error) {
             const WebPageOptions page{batchCrosticOn(doc, cl), !cl.noReveal};
             return writeExport(path, [&] { return formatWebPage(doc, page); }, error);
         }},
        {"--fill", "OUT.dat", "write the puzzle with the first suggested answers accepted (see --suggest)", false,
         [](const Document& doc, const CommandLine&, const std::string& path, std::string& error) {
             // By the name's extension, as Save As writes: ipuz for .ipuz, else the data file.
             DocumentFormats formats;
             formats.others.push_back(ipuzFileFormat());
             const WriteResult r = formats.write(doc, path);
             error = r.reason;
             return r.ok;
         }},
    };
    return kinds;
}

}  // namespace qbrx
