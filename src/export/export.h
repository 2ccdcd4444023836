// Exporting the puzzle for other solving programs: ipuz (JSON), JPZ
// (crossword-applet XML) and a web page to solve in a browser
// (webpage.h), written from the current encoding. PDF is written
// by the print layer; this header only names it among the formats.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "document.h"
#include "exportpuzzle.h"
#include "webpage.h"

namespace qbrx {

enum class ExportFormat { Pdf, Ipuz, Jpz, Html };

// The save dialog's filter list; entry 1 is PDF, 2 ipuz, 3 JPZ, 4 the web page.
inline constexpr const char* kExportFilter =
    "PDF (*.pdf)|*.pdf|ipuz (*.ipuz)|*.ipuz|JPZ (*.jpz)|*.jpz|Web page (*.html)|*.html";

// The format a file name asks for by its extension (any case).
std::optional<ExportFormat> exportFormatForName(std::string_view fileName);
// The format of a 1-based filter entry (PDF for anything out of range).
ExportFormat exportFormatForFilter(int filterIndex);
// The extension of a format, with its dot.
const char* exportExtension(ExportFormat format);
// The file name with the format's extension added when it has none of the
// export extensions (".htm" counts as a web page's).
std::string withExportExtension(const std::string& fileName, ExportFormat format);

// The file contents, UTF-8. Both throw ExportError without a quotation.
//
// ipuz ("http://ipuz.org/acrostic#1", v2): "puzzle" holds the letter number
// of each letter cell, "#" for a space, null outside the quotation; a letter
// an answer takes carries that answer's label as {"cell": n, "style":
// {"mark": {"TR": "A"}}}; a letter that no answer takes is {"cell": n,
// "value": "E"} and punctuation is {"cell": 0, "value": ","}, both given to
// the solver as on the printed puzzle. "solution" holds the letters, the
// punctuation, "#" and null. The one clue list "Clues" has per question
// "label", "clue" (the question, with the answer's pattern added when it
// has a gap), "answer", "cells" (0-based [column, row] of each letter the
// grid supplies, in answer order) and "org.quotabrix.pattern" (see
// ExportClue::pattern). "intro" is the instruction line, "explanation" the
// crostic. Text fields escape "&", "<" and ">" as HTML entities. Fields
// named "org.quotabrix.*" keep the texts as typed for reading back.
std::string formatIpuz(const ExportPuzzle& puzzle);
std::string formatIpuz(const Document& doc);
// JPZ: <crossword-compiler-applet> with an <acrostic>: cells with 1-based
// x and y; type="void" outside the quotation, type="block" for a space;
// letter cells carry their answer's label as top-right-number; given
// letters and punctuation carry solve-state and hint="true"; one <word> per
// question listing its grid cells, <clue word= number=label answer=
// pattern=> holding the question (with the pattern when it has a gap), and
// a last <word> of every quotation cell in reading order with the clue
// <clue word= number="">[QUOTE]</clue>.
std::string formatJpz(const ExportPuzzle& puzzle);
std::string formatJpz(const Document& doc);

struct ExportResult {
    bool ok = true;
    std::string reason;  // system text (UTF-8) when !ok
};

// Writes bytes to path (UTF-8 system path) as Save writes a puzzle
// (writeFileSafely): a failed export never leaves a damaged file, and a
// read-only file is refused.
ExportResult writeExportFile(const std::string& path, const std::string& bytes);

// The message shown when an export cannot be written.
std::string exportFailedMessage(const std::string& path, const std::string& reason);

}  // namespace qbrx
