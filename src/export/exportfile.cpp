#include "export.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "text.h"

namespace qbrx {

namespace {

constexpr std::array<const char*, 3> kExtensions = {".pdf", ".ipuz", ".jpz"};
constexpr std::array<ExportFormat, 3> kFormats = {ExportFormat::Pdf, ExportFormat::Ipuz, ExportFormat::Jpz};

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
    if (filterIndex >= 1 && filterIndex <= static_cast<int>(kFormats.size())) return kFormats[static_cast<std::size_t>(filterIndex - 1)];
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
    namespace fs = std::filesystem;
    const fs::path target(path);  // the system's own bytes (UTF-8)
    fs::path temp = target;
    temp += ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return {false, std::strerror(errno)};
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            const std::string reason = std::strerror(errno);
            out.close();
            std::error_code ignored;
            fs::remove(temp, ignored);
            return {false, reason};
        }
    }
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return {false, ec.message()};
    }
    return {};
}

std::string exportFailedMessage(const std::string& path, const std::string& reason) {
    return "The puzzle could not be exported to " + utf8ToCp1252(path) + ":\n" + utf8ToCp1252(reason);
}

}  // namespace qbrx
