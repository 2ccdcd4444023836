// The output files the command line can write. Each row is one option.
#include "commandline.h"
#include "printing.h"

namespace qbrx {

const std::vector<OutputKind>& outputKinds() {
    static const std::vector<OutputKind> kinds = {
        {"--pdf", "OUT.pdf", "write the puzzle (page 1) and its key (page 2) as a PDF file", true,
         [](const Document& doc, const CommandLine& cl, const std::string& path, std::string& error) {
             return writePdf(doc, batchCrosticOn(doc, cl), path, &error);
         }},
    };
    return kinds;
}

}  // namespace qbrx
