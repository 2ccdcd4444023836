// SPDX-License-Identifier: GPL-3.0-or-later
// How reading or writing a file went: one shape for every format, read or
// written. Readers and writers never talk to the user; the window words the
// message and the command line prints the reason.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "puzzle.h"

namespace qbrx {

enum class FileStatus {
    Ok,          // read whole, or written
    NotFound,    // no such file
    Damaged,     // a data file that ends too early or has a malformed line: what was read is kept
    Mismatch,    // a data file pair whose question and answer carry different numbers
    Unreadable,  // cannot be opened or read, or is not a regular file: nothing read
    NotPuzzle,   // read, but no puzzle of its format (binary bytes, no acrostic, damaged JSON)
    NotWritten,  // a file that could not be written
};

struct FileResult {
    FileStatus status = FileStatus::Ok;
    // Why, when not Ok: the system's words (UTF-8) for a file that cannot be
    // read or written, the reader's (Windows-1252) for a file refused.
    std::string reason;

    bool ok() const { return status == FileStatus::Ok; }
    static FileResult failed(FileStatus status, std::string reason = {}) {
        return {status, std::move(reason)};
    }
};

// What a reader returns: how it went and, when there is anything to put
// into the document, the puzzle. A data file that is not found or damaged
// still gives one (the document is reset and rebuilt from what was read);
// a file that is refused gives none, and nothing changes.
struct PuzzleRead {
    FileResult result;
    std::optional<Puzzle> puzzle;
};

}  // namespace qbrx
