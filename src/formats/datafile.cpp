// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <vector>

#include "numeric.h"
#include "safewrite.h"
#include "text.h"

namespace qbrx {

namespace fs = std::filesystem;

namespace {

constexpr const char* kCrLf = "\r\n";

// The two-character pair number: the number with a sign position in front
// (a space for a positive number), of which the last two characters are kept.
std::string pairNumber(int i) {
    const std::string s = " " + std::to_string(i);
    return s.substr(s.size() - 2);
}

// The lines of a file as far as a puzzle can reach (the eight fixed lines,
// fifty pairs and the program's own section). The line end is LF, with a CR
// before it dropped; a last line without a line end still counts.
constexpr std::size_t kMaxLines = 8 + 2 * kMaxSlots + kMaxSectionLines;

struct FileLines {
    std::vector<std::string> lines;
    std::size_t next = 0;
    bool overlong = false;  // a line longer than kMaxLineBytes: reading stopped

    bool get(std::string& line) {
        if (next >= lines.size()) return false;
        line = lines[next++];
        return true;
    }
};

// Splits what `readChunk` delivers into lines, never holding more than
// kMaxLines lines of kMaxLineBytes. `readChunk` fills a buffer and returns
// the bytes read, 0 at the end, or -1 on an error (errno set).
template <typename ReadChunk>
bool collectLines(ReadChunk readChunk, FileLines& out, int& error) {
    std::vector<char> buffer(16384);
    std::string line;
    bool pending = false;  // `line` has begun
    for (;;) {
        const long n = readChunk(buffer.data(), buffer.size());
        if (n < 0) {
            error = errno;
            return false;
        }
        if (n == 0) break;
        for (long i = 0; i < n; ++i) {
            const char c = buffer[static_cast<std::size_t>(i)];
            if (c == '\n') {
                if (!line.empty() && line.back() == '\r') line.pop_back();
                out.lines.push_back(std::move(line));
                line.clear();
                pending = false;
                if (out.lines.size() >= kMaxLines) return true;
                continue;
            }
            if (line.size() >= kMaxLineBytes + 1) {  // room for a CR before the LF
                out.overlong = true;
                return true;
            }
            line += c;
            pending = true;
        }
    }
    if (pending) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        out.lines.push_back(std::move(line));
    }
    return true;
}

// Control characters other than tab and CR do not occur in text the
// program writes; a file holding them is binary.
bool looksLikeText(const FileLines& file) {
    for (const std::string& line : file.lines)
        for (const char ch : line) {
            const auto c = static_cast<unsigned char>(ch);
            if ((c < 32 && c != '\t' && c != '\r') || c == 127) return false;
        }
    return true;
}

bool isUtf8(std::string_view s, bool& multibyte) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        int more = 0;
        unsigned min = 0;
        unsigned code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if ((c & 0xE0) == 0xC0) {
            more = 1;
            min = 0x80;
            code = c & 0x1Fu;
        } else if ((c & 0xF0) == 0xE0) {
            more = 2;
            min = 0x800;
            code = c & 0x0Fu;
        } else if ((c & 0xF8) == 0xF0) {
            more = 3;
            min = 0x10000;
            code = c & 0x07u;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(more) >= s.size()) return false;
        for (int k = 1; k <= more; ++k) {
            const auto d = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((d & 0xC0) != 0x80) return false;
            code = (code << 6) | (d & 0x3F);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        multibyte = true;
        i += static_cast<std::size_t>(more) + 1;
    }
    return true;
}

// A file written in UTF-8 (by another editor, with or without a byte-order
// mark) is taken as UTF-8 and turned into the document's Windows-1252.
void decodeText(FileLines& file) {
    bool bom = false;
    if (!file.lines.empty() && file.lines[0].rfind("\xEF\xBB\xBF", 0) == 0) {
        file.lines[0].erase(0, 3);
        bom = true;
    }
    bool multibyte = false;
    for (const std::string& line : file.lines)
        if (!isUtf8(line, multibyte)) return;
    if (!bom && !multibyte) return;
    for (std::string& line : file.lines) line = utf8ToCp1252(line);
}

std::string cut(const std::string& s, int length) { return s.substr(0, static_cast<std::size_t>(length)); }

// Reads the puzzle's lines. Stops at the first damage; the texts read
// before it stay.
FileStatus readBody(FileLines& in, Puzzle& puzzle) {
    std::string line;
    puzzle.quotationRead = puzzle.optionsRead = false;

    if (!in.get(line)) return FileStatus::Damaged;
    puzzle.quotation = cut(line, kReadQuote);
    puzzle.quotationRead = true;

    if (!in.get(line)) return FileStatus::Damaged;
    puzzle.title = line;
    if (!in.get(line)) return FileStatus::Damaged;
    puzzle.createdBy = line;

    if (!in.get(line)) return FileStatus::Damaged;
    puzzle.crostic = cut(line, kReadCrostic);

    // An option is switched on by a value of exactly 1; anything else
    // leaves it as it was.
    for (bool* option : {&puzzle.nameLine, &puzzle.periodDateLine, &puzzle.miniInstructions}) {
        if (!in.get(line)) return FileStatus::Damaged;
        if (leadingNumber(line) == 1.0) *option = true;
    }
    puzzle.optionsRead = true;

    if (!in.get(line)) return FileStatus::Damaged;
    int count = 0;
    try {
        count = toInt16(leadingNumber(line));
    } catch (const OverflowError&) {
        return FileStatus::Damaged;
    }
    // The document holds fifty pairs; a larger count reads the first fifty.
    // A count below 1 reads no pairs, like 0, and is no damage.
    puzzle.questionCount = std::clamp(count, 0, kMaxSlots);

    std::string answerLine;
    for (int k = 1; k <= puzzle.questionCount; ++k) {
        if (!in.get(line) || !in.get(answerLine)) return FileStatus::Damaged;
        if (leadingNumber(cut(line, 2)) != leadingNumber(cut(answerLine, 2))) return FileStatus::Mismatch;
        if (line.size() < 5) return FileStatus::Damaged;
        PuzzlePair pair;
        pair.question = line.substr(5);
        if (answerLine.size() < 5) {
            puzzle.pairs.push_back(std::move(pair));
            return FileStatus::Damaged;
        }
        pair.answer = answerLine.substr(5, kReadAnswer);
        admitAnswer(pair.answer);
        puzzle.pairs.push_back(std::move(pair));
    }
    return FileStatus::Ok;
}

// "84 77 0 121": one whole number per answer character.
bool parseNumbers(const std::string& text, std::vector<int>& numbers) {
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == ' ') {
            ++at;
            continue;
        }
        const std::size_t end = std::min(text.find(' ', at), text.size());
        const std::string word = text.substr(at, end - at);
        if (word.size() > 4 || word.find_first_not_of("0123456789") != std::string::npos) return false;
        numbers.push_back(std::stoi(word));
        at = end;
    }
    return true;
}

// The program's section after the last pair: the Crostic setting, whether
// the crostic was set up, the quotation's author and the letter numbers. A line it does not know is
// passed over; numbers that are missing for a slot or malformed are all
// left out, and the answers draw theirs afresh.
void readSection(FileLines& in, Puzzle& puzzle) {
    std::string line;
    std::vector<bool> numbered(puzzle.pairs.size(), false);
    while (in.get(line)) {
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string key = line.substr(0, eq);
        const std::string value = line.substr(eq + 1);
        if (key == kSectionCrostic) {
            if (value == "1" || value == "0") puzzle.crosticOn = value == "1";
        } else if (key == kSectionCrosticSetUp) {
            puzzle.crosticSetUp = value == "1";
        } else if (key == kSectionQuotationBy) {
            puzzle.quotationBy = value;
        } else if (key.rfind(kSectionNumbers, 0) == 0) {
            const std::string slot = key.substr(std::string(kSectionNumbers).size());
            if (slot.empty() || slot.size() > 2 || slot.find_first_not_of("0123456789") != std::string::npos)
                continue;
            const std::size_t q = static_cast<std::size_t>(std::stoi(slot));
            if (q < 1 || q > puzzle.pairs.size() || numbered[q - 1]) continue;
            std::vector<int> numbers;
            if (!parseNumbers(value, numbers)) continue;
            puzzle.pairs[q - 1].numbers = std::move(numbers);
            numbered[q - 1] = true;
        }
    }
    puzzle.numbersKept =
        !numbered.empty() && std::all_of(numbered.begin(), numbered.end(), [](bool b) { return b; });
    if (!puzzle.numbersKept)
        for (PuzzlePair& pair : puzzle.pairs) pair.numbers.clear();
}

// How many lines the puzzle takes: the eight fixed ones and two for each
// pair that line 8 counts.
std::size_t puzzleLines(const FileLines& file) {
    int count = 0;
    try {
        if (file.lines.size() >= 8) count = toInt16(leadingNumber(file.lines[7]));
    } catch (const OverflowError&) {
    }
    return 8 + 2 * static_cast<std::size_t>(std::clamp(count, 0, kMaxSlots));
}

// Looks at the puzzle's lines before anything is taken from them: a file
// that is not text, or whose lines run on far beyond any the program
// writes, is refused whole. What follows the pairs is read only when it is
// the program's section; anything else there (an old end-of-file mark) is
// never looked at.
PuzzleRead readCollected(FileLines& file) {
    const std::size_t needed = puzzleLines(file);
    const bool cutShort = file.overlong && file.lines.size() < needed;
    const bool section = file.lines.size() > needed && file.lines[needed] == kSectionMark;
    if (file.lines.size() > needed && !section) file.lines.resize(needed);
    if (cutShort || !looksLikeText(file)) return {FileResult::failed(FileStatus::NotPuzzle), std::nullopt};
    decodeText(file);
    Puzzle puzzle;
    const FileStatus status = readBody(file, puzzle);
    if (status == FileStatus::Ok && section && file.next == needed) {
        ++file.next;
        readSection(file, puzzle);
    }
    return {FileResult::failed(status), std::move(puzzle)};
}

// A text is one line of the file: a line break pasted into it (the
// quotation box accepts them) is written as a space, so that every later
// line keeps its place.
std::string oneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

// The letter numbers are worth keeping once the quotation is registered,
// when every number refers to a letter the file's quotation keeps, and
// unless they were drawn by opening a file that kept none and have not
// changed since (that file is saved again as it was).
bool numbersWorthKeeping(const Document& doc) {
    if (!doc.quoteRegistered || doc.letterPool.empty() || doc.questionCount < 1) return false;
    if (doc.quotation.size() > static_cast<std::size_t>(kFileQuote)) return false;
    return !(doc.numbersDrawnOnOpen && *doc.numbersDrawnOnOpen == doc.answerLetterNo);
}

std::string formatSection(const Document& doc, int count) {
    std::string out;
    if (doc.crosticOnWritten) out += std::string(kSectionCrostic) + "=" + (doc.crosticOn ? "1" : "0") + kCrLf;
    if (doc.crosticSetUp) out += std::string(kSectionCrosticSetUp) + "=1" + kCrLf;
    if (!doc.header.quotationBy.empty())
        out += std::string(kSectionQuotationBy) + "=" + oneLine(doc.header.quotationBy) + kCrLf;
    if (numbersWorthKeeping(doc))
        for (int q = 1; q <= count; ++q) {
            out += std::string(kSectionNumbers) + std::to_string(q) + "=";
            const std::size_t length = std::min(doc.answer[q].size(), static_cast<std::size_t>(kAnswerCells));
            for (std::size_t k = 1; k <= length; ++k)
                out += (k > 1 ? " " : "") + std::to_string(doc.answerLetterNo[q][k]);
            out += kCrLf;
        }
    return out.empty() ? out : kSectionMark + std::string(kCrLf) + out;
}

}  // namespace

std::string formatDataFile(const Document& doc) {
    const HeaderValues& header = doc.header;
    const int count = std::clamp(doc.questionCount, 0, kMaxSlots);
    std::string out;
    out += oneLine(cut(doc.quotation, kFileQuote)) + kCrLf;
    out += oneLine(header.title) + kCrLf;
    out += oneLine(header.createdBy) + kCrLf;
    out += oneLine(doc.crostic) + kCrLf;
    for (bool option : {header.nameLine, header.periodDateLine, header.miniInstructions})
        out += std::string(option ? "1" : "0") + kCrLf;
    out += " " + std::to_string(count) + " " + kCrLf;
    for (int i = 1; i <= count; ++i) {
        out += pairNumber(i) + "Q. " + oneLine(doc.question[i]) + kCrLf;
        out += pairNumber(i) + "A. " + oneLine(doc.answer[i]) + kCrLf;
    }
    return out + formatSection(doc, count);
}

FileResult writeDataFile(const Document& doc, const std::string& path) {
    return writeFileSafely(path, formatDataFile(doc));
}

PuzzleRead readDataBytes(std::string_view bytes) {
    FileLines lines;
    int error = 0;
    collectLines(
        [&bytes](char* buffer, std::size_t size) -> long {
            const std::size_t n = std::min(size, bytes.size());
            std::copy_n(bytes.data(), n, buffer);
            bytes.remove_prefix(n);
            return static_cast<long>(n);
        },
        lines, error);
    return readCollected(lines);
}

PuzzleRead readDataFile(const std::string& path) {
    auto refuse = [](const std::string& why) -> PuzzleRead {
        return {FileResult::failed(FileStatus::Unreadable, why), std::nullopt};
    };
    // Opened without waiting: a named pipe with no writer must not hold the
    // program. Only a regular file is read.
    FileHandle file;
    file.fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (file.fd < 0) {
        // A file that is not there resets the document as an empty one does.
        if (errno == ENOENT) {
            Puzzle nothing;
            nothing.quotationRead = nothing.optionsRead = false;
            return {FileResult::failed(FileStatus::NotFound), nothing};
        }
        return refuse(std::strerror(errno));
    }
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) return refuse(std::strerror(errno));
    if (S_ISDIR(info.st_mode)) return refuse("it is a folder");
    if (!S_ISREG(info.st_mode)) return refuse("it is not a regular file");
    ::fcntl(file.fd, F_SETFL, ::fcntl(file.fd, F_GETFL) & ~O_NONBLOCK);

    FileLines lines;
    int error = 0;
    const bool read = collectLines(
        [&file](char* buffer, std::size_t size) -> long {
            for (;;) {
                const ssize_t n = ::read(file.fd, buffer, size);
                if (n >= 0 || errno != EINTR) return static_cast<long>(n);
            }
        },
        lines, error);
    if (!read) return refuse(std::strerror(error));
    return readCollected(lines);
}

std::string unreadableMessage(const std::string& path, const std::string& reason) {
    return "Cannot read " + utf8ToCp1252(path) + ":" + "\r" + utf8ToCp1252(reason) + "\r" +
           "Nothing was opened.";
}

std::string notDataFileMessage(const std::string& path) {
    const std::string file = path.empty() ? std::string("This file") : "The file " + utf8ToCp1252(path);
    return file + " does not look like a puzzle data file." + "\r" + "Nothing was opened.";
}

}  // namespace qbrx
