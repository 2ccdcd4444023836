// The puzzle data file: the texts the author typed, the three header options
// and the question/answer pairs, one per line with CR LF line ends.
// Everything derived (letter stock, encodings, crostic maps) is rebuilt
// through the Editor's registration when a file is read.
#pragma once

#include <cstddef>
#include <istream>
#include <string>

#include "document.h"
#include "editor.h"

namespace qbrx {

// Written line 1 of a data file keeps the first kFileQuote characters.
// Limits applied when reading (the document's own bounds).
inline constexpr int kReadQuote = kMaxQuote;
// An answer may carry a crostic prefix (its letter and a hyphen) in front of
// its 24 characters: reading keeps what Save wrote.
inline constexpr int kReadAnswer = kMaxAnswer + 2;
inline constexpr int kReadCrostic = kMaxCrostic;

inline constexpr const char* kFileMissingMessage = "File does not exist.";
inline constexpr const char* kPairMismatchMessage = "PROBLEM!!!";

// The longest line the program writes: a pair's five-character prefix and
// a question box filled to its 32,767 characters. A file with a longer line
// among the puzzle's lines is no data file.
inline constexpr std::size_t kMaxLineBytes = 5 + 32767;

// The bytes of the data file for `doc`.
std::string formatDataFile(const Document& doc);

struct WriteResult {
    bool ok = true;
    std::string reason;  // system text (UTF-8) when !ok
};

// Writes `bytes` to `path` (a UTF-8 system path) without ever damaging a file
// already there: the bytes go to a temporary file in the same folder, which
// is flushed and then renamed over the target. A file that has other hard
// links, whose owner or group the new file could not keep, or whose folder
// refuses a temporary file is written in place instead, after its room has
// been reserved. A read-only file is refused. On failure no temporary file
// remains, and the target is as it was (short of a write in place that
// breaks off after its room was reserved). Every puzzle file is saved so.
WriteResult writeFileSafely(const std::string& path, const std::string& bytes);

// Writes `doc` as a data file, safely.
WriteResult writeDataFile(const Document& doc, const std::string& path);

// Removes the temporary files that an interrupted save of `path` left beside
// it (those of processes no longer running).
void removeStaleTemporaries(const std::string& path);

enum class ReadStatus {
    Ok,        // read whole and rebuilt
    NotFound,  // no such file: nothing read, rebuilt (silently)
    Damaged,   // short file, short pair line, count beyond 16 bits: beeped, rebuilt
    Mismatch,  // a pair's numbers differ: "PROBLEM!!!" shown, not rebuilt
    Unreadable,   // cannot be opened or read, or not a regular file: said so, nothing changed
    NotDataFile,  // binary bytes or an overlong line: said so, nothing changed
};

// Reads a data file into `editor` without any dialog: clears the question
// list, resets the document and the window view, reads the texts and pairs,
// then rebuilds everything through the Editor's operations. Messages and
// the beep go through the editor's prompter. Only a regular file is read,
// and only as far as the puzzle goes, a bounded line at a time; a file in
// UTF-8 is taken as UTF-8. When the file cannot be read, `reason` (if
// given) receives the system's text.
ReadStatus readDataFile(Editor& editor, const std::string& path, std::string* reason = nullptr);

// The same from a stream already open.
ReadStatus readDataStream(Editor& editor, std::istream& in);

// The message of a failed save.
std::string saveFailedMessage(const std::string& path, const std::string& reason);
// The messages of a file that cannot be read and of one that is no data file.
std::string unreadableMessage(const std::string& path, const std::string& reason);
std::string notDataFileMessage(const std::string& path);

}  // namespace qbrx
