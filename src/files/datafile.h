// The puzzle data file: the texts the author typed, the three header options
// and the question/answer pairs, one per line with CR LF line ends.
// Everything derived (letter stock, encodings, crostic maps) is rebuilt
// through the Editor's registration when a file is read.
#pragma once

#include <istream>
#include <string>

#include "document.h"
#include "editor.h"

namespace qbrx {

// Written line 1 of a data file keeps the first kFileQuote characters.
// Limits applied when reading (the document's own bounds).
inline constexpr int kReadQuote = kMaxQuote;
inline constexpr int kReadAnswer = kMaxAnswer;
inline constexpr int kReadCrostic = kMaxCrostic;

inline constexpr const char* kFileMissingMessage = "File does not exist.";
inline constexpr const char* kPairMismatchMessage = "PROBLEM!!!";

// The bytes of the data file for `doc`.
std::string formatDataFile(const Document& doc);

struct WriteResult {
    bool ok = true;
    std::string reason;  // system text (UTF-8) when !ok
};

// Writes `doc` to `path` (a UTF-8 system path) without ever damaging a file
// already there: the bytes go to a temporary file in the same folder, which
// is flushed and then renamed over the target. On failure the temporary file
// is removed and the target is left as it was.
WriteResult writeDataFile(const Document& doc, const std::string& path);

enum class ReadStatus {
    Ok,        // read whole and rebuilt
    NotFound,  // no such file: nothing read, rebuilt (silently)
    Damaged,   // short file, short pair line, count beyond 16 bits: beeped, rebuilt
    Mismatch,  // a pair's numbers differ: "PROBLEM!!!" shown, not rebuilt
};

// Reads a data file into `editor` without any dialog: clears the question
// list, resets the document and the window view, reads the texts and pairs,
// then rebuilds everything through the Editor's operations. Messages and
// the beep go through the editor's prompter.
ReadStatus readDataFile(Editor& editor, const std::string& path);

// The same from a stream already open (used by readDataFile and the fuzzer).
ReadStatus readDataStream(Editor& editor, std::istream& in);

// The message of a failed save.
std::string saveFailedMessage(const std::string& path, const std::string& reason);

}  // namespace qbrx
