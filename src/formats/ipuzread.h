// SPDX-License-Identifier: GPL-3.0-or-later
// Reading ipuz acrostics (kind "http://ipuz.org/acrostic#1"), Quotabrix's own
// and other programs': the quotation from the solution grid in reading
// order, the title and author, and from the "Clues" list each question,
// its answer and the grid cells that supply the answer's letters. Where the
// cells are given, the letter numbers are kept, so that a puzzle exported
// and opened again prints the same key.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document.h"
#include "fileresult.h"

namespace qbrx {

// Files beyond this size are refused unread.
inline constexpr std::size_t kMaxIpuzBytes = 4 * 1024 * 1024;

// The puzzle, with the letter numbers its cells give, or why the bytes are
// no acrostic that can be opened (NotPuzzle; the reason is one sentence,
// Windows-1252, without the file's name).
PuzzleRead parseIpuzAcrostic(std::string_view bytes);

// Reads an ipuz file: NotFound, Unreadable (a folder, a pipe, too large,
// unreadable) or NotPuzzle with the reason, or the puzzle.
PuzzleRead readIpuzFile(const std::string& path);

// The message for a file that is refused.
std::string ipuzRefusedMessage(const std::string& path, const std::string& reason);

}  // namespace qbrx
