// SPDX-License-Identifier: GPL-3.0-or-later
// The file formats the program reads and writes, in one table: which format
// a file name asks for (by its extension, in any case), which formats File >
// Open and Save As handle, and which File > Export and the command line
// write.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "document.h"
#include "fileresult.h"

namespace qbrx {

enum class Format { Data, Pdf, Ipuz, Jpz, Html };

struct FormatInfo {
    Format format;
    const char* extension;       // with its dot, lower case
    const char* documentFilter;  // its entry in Open and Save As, or nullptr
    const char* exportFilter;    // its entry in File > Export, or nullptr
};

inline constexpr std::array<FormatInfo, 6> kFormats = {{
    {Format::Data, ".dat", nullptr, nullptr},
    {Format::Pdf, ".pdf", nullptr, "PDF (*.pdf)|*.pdf"},
    {Format::Ipuz, ".ipuz", "ipuz Files (*.ipuz)|*.ipuz", "ipuz (*.ipuz)|*.ipuz"},
    {Format::Jpz, ".jpz", nullptr, "JPZ (*.jpz)|*.jpz"},
    {Format::Html, ".html", nullptr, "Web page (*.html)|*.html"},
    {Format::Html, ".htm", nullptr, nullptr},  // read as a web page's name; no entry of its own
}};

// The open and save dialogs of the document commands: the data file's
// filters, then the other document formats'.
inline constexpr const char* kSaveFilter = "Data Files (*.dat)|*.dat|All Files (*.*)|*.*";
inline constexpr int kSaveFilterIndex = 1;
inline constexpr const char* kOpenFilter = "All Files (*.*)|*.*|Data Files (*.dat)|*.dat";
inline constexpr int kOpenFilterIndex = 2;
std::string documentOpenFilter();
std::string documentSaveFilter();

// File > Export's filter list, and a format's 1-based entry in it.
extern const std::string kExportFilter;
int exportFilterIndex(Format format);

// The format a file name's extension names (any case), if any.
std::optional<Format> formatOfName(std::string_view fileName);
// The same among the formats File > Export writes.
std::optional<Format> exportFormatOfName(std::string_view fileName);
// The file name with the format's extension added when it has none of the
// export formats' extensions.
std::string withExportExtension(const std::string& fileName, Format format);

// File > Open and Save As: ipuz for a name that ends in ".ipuz", else the
// data file.
PuzzleRead readPuzzleFile(const std::string& path);
FileResult writePuzzleFile(const Document& doc, const std::string& path);

}  // namespace qbrx
