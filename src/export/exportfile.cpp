#include "export.h"

#include <array>

#include "datafile.h"
#include "text.h"

namespace qbrx {

namespace {

constexpr std::array<const char*, 5> kExtensions = {".pdf", ".ipuz", ".jpz", ".html", ".htm"};
constexpr std::array<ExportFormat, 5> kFormats = {ExportFormat::Pdf, ExportFormat::Ipuz, ExportFormat::Jpz,
                                                  ExportFormat::Html, ExportFormat::Html};
constexpr int kFilterEntries = 4;  // ".htm" has no entry of its own

bool endsWithNoCase(std::string_view name, std::string_view tail) {
    if (name.size() < tail.size()) return false;
    const std::string end = lower(name.substr(name.size() - tail.size()));
    return end == tail;
}

}  // namespace

std::optional<ExportFormat> exportFormatForName(std::string_view fileName) {
    for (std::size_t i = 0; i < kExtensions.size(); ++i)
        if (endsWithNoCase(fileName, kExtensions[i])) return kFormats[i];
    return std::nullopt;
}

ExportFormat exportFormatForFilter(int filterIndex) {
    if (filterIndex >= 1 && filterIndex <= kFilterEntries) return kFormats[static_cast<std::size_t>(filterIndex - 1)];
    return ExportFormat::Pdf;
}

const char* exportExtension(ExportFormat format) {
    for (std::size_t i = 0; i < kFormats.size(); ++i)
        if (kFormats[i] == format) return kExtensions[i];
    return kExtensions[0];
}

std::string withExportExtension(const std::string& fileName, ExportFormat format) {
    if (exportFormatForName(fileName)) return fileName;
    return fileName + exportExtension(format);
}

std::string formatIpuz(const Document& doc) { return formatIpuz(buildExportPuzzle(doc)); }
std::string formatJpz(const Document& doc) { return formatJpz(buildExportPuzzle(doc)); }

ExportResult writeExportFile(const std::string& path, const std::string& bytes) {
    // As a saved puzzle is written: a read-only file is refused, a file
    // already there keeps its permissions, and nothing is left half written.
    const WriteResult written = writeFileSafely(path, bytes);
    return {written.ok, written.reason};
}

std::string exportFailedMessage(const std::string& path, const std::string& reason) {
    return "The puzzle could not be exported to " + utf8ToCp1252(path) + ":\n" + utf8ToCp1252(reason);
}

}  // namespace qbrx
