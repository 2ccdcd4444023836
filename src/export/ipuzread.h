// Reading ipuz acrostics (kind "http://ipuz.org/acrostic#1"), Quotabrix's own
// and other programs': the quotation from the solution grid in reading
// order, the title and author, and from the "Clues" list each question,
// its answer and the grid cells that supply the answer's letters. Where the
// cells are given, the letter numbers are kept, so that a puzzle exported
// and opened again prints the same key.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "editor.h"

namespace qbrx {

// Files beyond this size are refused unread.
inline constexpr std::size_t kMaxIpuzBytes = 4 * 1024 * 1024;

// A puzzle as read from an ipuz file; texts are Windows-1252.
struct IpuzAcrostic {
    struct Slot {
        std::string question;
        std::string answer;
        // Per answer character: the letter number its grid cell carries, 0
        // for a character without one (not a letter, or a gap); -1 where
        // the cells do not spell the answer.
        std::vector<int> numbers;
    };
    std::string quotation;
    std::string title;
    std::string author;
    std::string crostic;
    bool nameLine = false;
    bool periodDateLine = false;
    bool miniInstructions = false;
    std::vector<Slot> pairs;
};

// The puzzle, or why the bytes are no acrostic that can be opened (one
// sentence, Windows-1252, without the file's name).
std::variant<IpuzAcrostic, std::string> parseIpuzAcrostic(std::string_view bytes);

enum class IpuzOpenStatus {
    Ok,          // read, and the file's letter numbers kept
    Renumbered,  // read, but the numbers did not fit and were drawn afresh (said so)
    NotFound,    // no such file: nothing changed
    Refused,     // not an acrostic, damaged or too large: said so, nothing changed
};

// Opens an ipuz file into the editor as File > Open opens a data file: the
// document and window are reset and rebuilt from the file. A file that
// cannot be opened is reported through the editor's prompter and leaves
// everything as it was.
IpuzOpenStatus openIpuzFile(Editor& editor, const std::string& path);

// The message for a file that is refused.
std::string ipuzRefusedMessage(const std::string& path, const std::string& reason);

}  // namespace qbrx
