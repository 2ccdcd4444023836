// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle as one web page that a student opens in any browser and solves
// on screen, offline: the page's markup, style and script are built into the
// program (src/formats/web/), and the puzzle goes into it as data.
//
// The answers are not in the page in plain text: each hidden letter is
// stored as a short hash of the page's salt, its square number and the
// letter, so that the page can check a letter (and find one to reveal by
// trying the alphabet) without carrying the key. The quotation shown when
// the puzzle is solved is enciphered with the solution's letters. This stops
// a glance at the source, not a determined student; the page's help says so.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "document.h"
#include "exportpuzzle.h"

namespace qbrx {

struct WebPageOptions {
    bool crostic = true;  // show the crostic line (when the puzzle has a crostic)
    bool reveal = true;   // offer "Reveal letter" and "Reveal word"
};

// The page, UTF-8. Throws ExportError without a quotation.
std::string formatWebPage(const ExportPuzzle& puzzle, const WebPageOptions& options);
std::string formatWebPage(const Document& doc, const WebPageOptions& options);

// The 32-bit FNV-1a hash of the bytes; the page's script computes the same.
std::uint32_t webHash(std::string_view bytes);
// The stored check value of one square: the hash of "salt:number:LETTER".
std::string webLetterHash(const std::string& salt, int number, std::string_view letter);

// The page's markup, style and script, joined at build time.
extern const char* const kWebPageTemplate;

}  // namespace qbrx
