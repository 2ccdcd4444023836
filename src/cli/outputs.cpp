// SPDX-License-Identifier: GPL-3.0-or-later
// The output files the command line can write. Each row is one option.
#include "commandline.h"
#include "export.h"
#include "formats.h"
#include "printing.h"

namespace qbrx {

namespace {

// Says why a file could not be written; a document without a quotation is
// reported like a file that cannot be written.
bool written(const FileResult& result, std::string& error) {
    error = result.reason;
    return result.ok();
}

}  // namespace

const std::vector<OutputKind>& outputKinds() {
    static const std::vector<OutputKind> kinds = {
        {"--pdf", "OUT.pdf", "write the puzzle's pages and then its key's as a PDF file", true,
         [](const Document& doc, const CommandLine& cl, const std::string& path, std::string& error) {
             return writePdf(doc, {false, batchCrosticOn(doc, cl)}, path, &error,
                             cl.paper.empty()   ? localePaper()
                             : cl.paper == "a4" ? Paper::A4
                                                : Paper::Letter);
         }},
        {"--ipuz", "OUT.ipuz", "write the puzzle as an ipuz file (acrostic) for solving programs", false,
         [](const Document& doc, const CommandLine&, const std::string& path, std::string& error) {
             return written(writeExport(doc, Format::Ipuz, path), error);
         }},
        {"--jpz", "OUT.jpz", "write the puzzle as a JPZ file (crossword-applet XML) for solving programs",
         false,
         [](const Document& doc, const CommandLine&, const std::string& path, std::string& error) {
             return written(writeExport(doc, Format::Jpz, path), error);
         }},
        {"--html", "OUT.html", "write the puzzle as a web page that students solve in a browser, offline",
         false,
         [](const Document& doc, const CommandLine& cl, const std::string& path, std::string& error) {
             const WebPageOptions page{batchCrosticOn(doc, cl), !cl.noReveal};
             return written(writeExport(doc, Format::Html, path, page), error);
         }},
        {"--fill", "OUT.dat", "write the puzzle with the first suggested answers accepted (see --suggest)",
         false,
         [](const Document& doc, const CommandLine&, const std::string& path, std::string& error) {
             // By the name's extension, as Save As writes: ipuz for .ipuz, else the data file.
             return written(writePuzzleFile(doc, path), error);
         }},
    };
    return kinds;
}

}  // namespace qbrx
