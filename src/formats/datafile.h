// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle data file: the texts the author typed, the three header options
// and the question/answer pairs, one per line with CR LF line ends, then,
// when there is anything to keep, the program's own section:
//
//   [Quotabrix]
//   CrosticOn=1                       the Crostic option
//   CrosticSetUp=1                    the crostic is the author's (Setup)
//   QuotationBy=Henry David Thoreau   the quotation's author and work
//   Numbers1=84 77 0 121              per answer character, the letter
//   ...                               number it takes (0: none), slot 1..N
//
// A reader that takes only the count line's pairs never sees the section.
// The reader returns the puzzle; Editor::loadPuzzle rebuilds everything
// derived (letter stock, encodings, crostic maps) from it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "document.h"
#include "fileresult.h"

namespace qbrx {

// Limits applied when reading (the document's own bounds).
inline constexpr int kReadQuote = kMaxQuote;
// An answer may carry a crostic prefix (its letter and a hyphen) in front of
// its 24 characters: reading keeps what Save wrote.
inline constexpr int kReadAnswer = kMaxAnswer + 2;
inline constexpr int kReadCrostic = kMaxCrostic;

inline constexpr const char* kFileMissingMessage = "File does not exist.";
inline constexpr const char* kPairMismatchMessage = "PROBLEM!!!";

// The section after the last pair.
inline constexpr const char* kSectionMark = "[Quotabrix]";
inline constexpr const char* kSectionCrostic = "CrosticOn";
inline constexpr const char* kSectionCrosticSetUp = "CrosticSetUp";
inline constexpr const char* kSectionQuotationBy = "QuotationBy";
inline constexpr const char* kSectionNumbers = "Numbers";
inline constexpr std::size_t kMaxSectionLines = 1 + 3 + kMaxSlots;

// The longest line the program writes: a pair's five-character prefix and
// a question box filled to its 32,767 characters. A file with a longer line
// among the puzzle's lines is no data file.
inline constexpr std::size_t kMaxLineBytes = 5 + 32767;

// The bytes of the data file for `doc`.
std::string formatDataFile(const Document& doc);

// Writes `doc` as a data file, safely.
FileResult writeDataFile(const Document& doc, const std::string& path);

// Reads a data file. Only a regular file is read, and only as far as the
// puzzle goes, a bounded line at a time; a file in UTF-8 is taken as UTF-8.
//   Ok        the puzzle
//   NotFound  an empty puzzle (opening a file that is gone resets the document)
//   Damaged   short file, short pair line, count beyond 16 bits: what was read
//   Mismatch  a pair's numbers differ: what was read before that pair
//   Unreadable, NotPuzzle (binary bytes, an overlong line): no puzzle
PuzzleRead readDataFile(const std::string& path);
// The same from the file's bytes.
PuzzleRead readDataBytes(std::string_view bytes);

// The messages of a file that cannot be read and of one that is no data file.
std::string unreadableMessage(const std::string& path, const std::string& reason);
std::string notDataFileMessage(const std::string& path);

}  // namespace qbrx
