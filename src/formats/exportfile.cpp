// SPDX-License-Identifier: GPL-3.0-or-later
#include "export.h"
#include "safewrite.h"
#include "text.h"

namespace qbrx {

std::string formatIpuz(const Document& doc) { return formatIpuz(buildExportPuzzle(doc)); }
std::string formatJpz(const Document& doc) { return formatJpz(buildExportPuzzle(doc)); }

FileResult writeExport(const Document& doc, Format format, const std::string& path,
                       const WebPageOptions& page) {
    std::string bytes;
    try {
        bytes = format == Format::Jpz    ? formatJpz(doc)
                : format == Format::Html ? formatWebPage(doc, page)
                                         : formatIpuz(doc);
    } catch (const ExportError& e) {
        return FileResult::failed(FileStatus::NotWritten, e.what());
    }
    // As a saved puzzle is written: a read-only file is refused, a file
    // already there keeps its permissions, and nothing is left half written.
    return writeFileSafely(path, bytes);
}

std::string exportFailedMessage(const std::string& path, const std::string& reason) {
    return "The puzzle could not be exported to " + utf8ToCp1252(path) + ":\n" + utf8ToCp1252(reason);
}

}  // namespace qbrx
