// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats.h"

#include "datafile.h"
#include "export.h"
#include "ipuzread.h"
#include "safewrite.h"
#include "text.h"

namespace qbrx {

namespace {

std::string withDocumentFormats(std::string filter) {
    for (const FormatInfo& f : kFormats)
        if (f.documentFilter) filter += std::string("|") + f.documentFilter;
    return filter;
}

std::string exportFilter() {
    std::string filter;
    for (const FormatInfo& f : kFormats)
        if (f.exportFilter) filter += (filter.empty() ? "" : "|") + std::string(f.exportFilter);
    return filter;
}

}  // namespace

const std::string kExportFilter = exportFilter();

std::string documentOpenFilter() { return withDocumentFormats(kOpenFilter); }
std::string documentSaveFilter() { return withDocumentFormats(kSaveFilter); }

int exportFilterIndex(Format format) {
    int index = 0;
    for (const FormatInfo& f : kFormats) {
        if (!f.exportFilter) continue;
        ++index;
        if (f.format == format) return index;
    }
    return 1;
}

std::optional<Format> formatOfName(std::string_view fileName) {
    for (const FormatInfo& f : kFormats) {
        const std::string_view tail = f.extension;
        if (fileName.size() >= tail.size() && lower(fileName.substr(fileName.size() - tail.size())) == tail)
            return f.format;
    }
    return std::nullopt;
}

std::optional<Format> exportFormatOfName(std::string_view fileName) {
    const std::optional<Format> format = formatOfName(fileName);
    for (const FormatInfo& f : kFormats)
        if (format == f.format && f.exportFilter) return format;
    return std::nullopt;
}

std::string withExportExtension(const std::string& fileName, Format format) {
    if (exportFormatOfName(fileName)) return fileName;
    for (const FormatInfo& f : kFormats)
        if (f.format == format) return fileName + f.extension;
    return fileName;
}

PuzzleRead readPuzzleFile(const std::string& path) {
    return formatOfName(path) == Format::Ipuz ? readIpuzFile(path) : readDataFile(path);
}

FileResult writePuzzleFile(const Document& doc, const std::string& path) {
    if (formatOfName(path) == Format::Ipuz) return writeExport(doc, Format::Ipuz, path);
    return writeDataFile(doc, path);
}

}  // namespace qbrx
