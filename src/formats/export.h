// SPDX-License-Identifier: GPL-3.0-or-later
// Exporting the puzzle for other solving programs: ipuz (JSON), JPZ
// (crossword-applet XML) and a web page to solve in a browser
// (webpage.h), written from the current encoding. PDF is written
// by the print layer.
#pragma once

#include <string>

#include "document.h"
#include "exportpuzzle.h"
#include "fileresult.h"
#include "formats.h"
#include "webpage.h"

namespace qbrx {

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

// Writes the puzzle in `format` (ipuz or JPZ; PDF is the print layer's) to
// path (UTF-8 system path) as Save writes a puzzle (writeFileSafely): a
// failed export never leaves a damaged file, and a read-only file is
// refused. Without a quotation nothing is written (NotWritten, with
// kNothingToExportMessage as the reason).
FileResult writeExport(const Document& doc, Format format, const std::string& path,
                       const WebPageOptions& page = {});

// The message shown when an export cannot be written.
std::string exportFailedMessage(const std::string& path, const std::string& reason);

}  // namespace qbrx
