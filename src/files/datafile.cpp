#include "datafile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <vector>

#include "numeric.h"
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

// The lines of a file as far as a puzzle can reach (the eight fixed lines and
// fifty pairs). The line end is LF, with a CR before it dropped; a last line
// without a line end still counts.
constexpr std::size_t kMaxLines = 8 + 2 * kMaxSlots;

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

// Empties the question list, resets the document and the window and hides
// the grid window's logo: the state in which a file is read.
void prepare(Editor& editor) {
    editor.view.listRows.clear();
    editor.view.selectedRow = -1;
    editor.resetDocument();
    editor.view.gridLogoVisible = false;
}

// Reads the lines into the reset document. Stops at the first damage; the
// texts read before it stay.
ReadStatus readBody(Editor& editor, FileLines& in) {
    Document& doc = editor.doc;
    HeaderValues& header = doc.header;
    std::string line;

    if (!in.get(line)) return ReadStatus::Damaged;
    doc.quotation = cut(line, kReadQuote);
    editor.countLetters();

    if (!in.get(line)) return ReadStatus::Damaged;
    header.title = line;
    if (!header.title.empty()) header.titleGiven = true;
    if (!in.get(line)) return ReadStatus::Damaged;
    header.createdBy = line;
    if (!header.createdBy.empty()) header.createdByGiven = true;

    if (!in.get(line)) return ReadStatus::Damaged;
    doc.crostic = cut(line, kReadCrostic);

    // An option is switched on by a value of exactly 1; anything else
    // leaves it as it was.
    for (bool* option : {&header.nameLine, &header.periodDateLine, &header.miniInstructions}) {
        if (!in.get(line)) return ReadStatus::Damaged;
        if (leadingNumber(line) == 1.0) *option = true;
    }
    header.instructions = kMiniInstructions;

    if (!in.get(line)) return ReadStatus::Damaged;
    int count = 0;
    try {
        count = toInt16(leadingNumber(line));
    } catch (const OverflowError&) {
        return ReadStatus::Damaged;
    }
    // The document holds fifty pairs; a larger count reads the first fifty.
    // A count below 1 reads no pairs, like 0, and is no damage.
    doc.questionCount = std::clamp(count, 0, kMaxSlots);

    std::string answerLine;
    for (int k = 1; k <= doc.questionCount; ++k) {
        if (!in.get(line) || !in.get(answerLine)) return ReadStatus::Damaged;
        if (leadingNumber(cut(line, 2)) != leadingNumber(cut(answerLine, 2))) {
            editor.prompter().tell(kPairMismatchMessage);
            return ReadStatus::Mismatch;
        }
        if (line.size() < 5) return ReadStatus::Damaged;
        doc.question[k] = line.substr(5);
        if (answerLine.size() < 5) return ReadStatus::Damaged;
        doc.answer[k] = answerLine.substr(5, kReadAnswer);
        admitAnswer(doc.answer[k]);
    }
    return ReadStatus::Ok;
}

// Rebuilds the derived state and the window from the texts just read.
void rebuild(Editor& editor) {
    Document& doc = editor.doc;
    MainView& view = editor.view;
    view.quoteBox = doc.quotation;
    editor.fillQuestionList();
    editor.selectListRow(0);
    view.questionSelection = TextSelection{0, 255};
    int slot = 1;
    editor.registerQuotation(slot);
    for (int k = 1; k <= doc.questionCount; ++k) {
        int q = k;
        editor.encodeAnswer(q);
    }
    editor.mapCrosticSlots();
    editor.showLettersLeft();
    slot = 1;
    editor.registerQuotation(slot);
    view.quoteTabStop = false;
    doc.quoteRegistered = true;
}

// Resets, reads (nothing when `in` is null: the file was not found) and
// rebuilds. Opening a file leaves docChanged as it was, although the
// registrations of the rebuild set it: only New and start-up clear it.
ReadStatus readInto(Editor& editor, FileLines* in) {
    const bool changed = editor.doc.docChanged;
    prepare(editor);
    const ReadStatus status = in ? readBody(editor, *in) : ReadStatus::NotFound;
    if (status == ReadStatus::Damaged) editor.prompter().beep();
    if (status != ReadStatus::Mismatch) rebuild(editor);
    editor.doc.docChanged = changed;
    return status;
}

struct FileHandle {
    int fd = -1;
    ~FileHandle() {
        if (fd >= 0) ::close(fd);
    }
};

WriteResult failure(int error) { return {false, std::strerror(error)}; }

fs::path folderOf(const fs::path& target) { return target.has_parent_path() ? target.parent_path() : fs::path("."); }

// ".walden.dat.<process>.<n>.tmp": the name of a temporary file of a save.
std::string temporaryName(const fs::path& target) {
    static unsigned counter = 0;
    return "." + target.filename().string() + "." + std::to_string(::getpid()) + "." + std::to_string(++counter) +
           ".tmp";
}

// Errors with which a folder refuses a new file; the file itself may still
// be written in place.
bool folderRefuses(int error) { return error == EACCES || error == EPERM || error == EROFS; }

bool writeAll(int fd, const std::string& bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    off_t at = 0;
    while (left > 0) {
        const ssize_t n = ::pwrite(fd, p, left, at);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        at += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

enum class Replaced { Done, Failed, WriteInPlace };

// Writes `bytes` into a new file in the target's folder, with the owner,
// group and permissions of the file it replaces, and renames it over the
// target. The new file has no name until it is complete (where the file
// system allows), so an interrupted save leaves nothing behind.
Replaced replaceTarget(const fs::path& target, const std::string& bytes, const struct stat* existing, int& error) {
    const fs::path folder = folderOf(target);
    FileHandle file;
    fs::path named;  // the temporary's name, once it has one
    struct Unlink {
        fs::path& path;
        ~Unlink() {
            if (!path.empty()) ::unlink(path.c_str());
        }
    } unlinkTemporary{named};

    file.fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    const bool unnamed = file.fd >= 0;
    for (int attempt = 0; file.fd < 0 && attempt < 100; ++attempt) {
        const fs::path candidate = folder / temporaryName(target);
        file.fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (file.fd >= 0) named = candidate;
        else if (errno != EEXIST) break;
    }
    if (file.fd < 0) {
        error = errno;
        return folderRefuses(error) && existing ? Replaced::WriteInPlace : Replaced::Failed;
    }

    if (existing) {
        struct stat created{};
        if (::fstat(file.fd, &created) != 0) {
            error = errno;
            return Replaced::Failed;
        }
        // A file of another owner or group keeps them only when written in place.
        if ((created.st_uid != existing->st_uid || created.st_gid != existing->st_gid) &&
            ::fchown(file.fd, existing->st_uid, existing->st_gid) != 0)
            return Replaced::WriteInPlace;
        if (::fchmod(file.fd, existing->st_mode & 07777) != 0) {
            error = errno;
            return Replaced::Failed;
        }
    }
    if (!writeAll(file.fd, bytes) || ::fsync(file.fd) != 0) {
        error = errno;
        return Replaced::Failed;
    }
    if (unnamed) {
        const std::string self = "/proc/self/fd/" + std::to_string(file.fd);
        for (int attempt = 0; named.empty() && attempt < 100; ++attempt) {
            const fs::path candidate = folder / temporaryName(target);
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, candidate.c_str(), AT_SYMLINK_FOLLOW) == 0)
                named = candidate;
            else if (errno != EEXIST)
                break;
        }
        if (named.empty()) {
            error = errno;
            return Replaced::Failed;
        }
    }
    const int closed = ::close(file.fd);
    file.fd = -1;
    if (closed != 0 || ::rename(named.c_str(), target.c_str()) != 0) {
        error = errno;
        return Replaced::Failed;
    }
    named.clear();
    // Make the rename itself durable; a failure here loses nothing.
    FileHandle dir;
    dir.fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir.fd >= 0) ::fsync(dir.fd);
    return Replaced::Done;
}

// Writes `bytes` over the file itself, which keeps its links, owner, group
// and permissions. The room is reserved first, so that a full disk refuses
// before any of the old content is touched.
bool writeInPlace(const fs::path& target, const std::string& bytes, int& error) {
    FileHandle file;
    file.fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    const auto size = static_cast<off_t>(bytes.size());
    const bool ok = file.fd >= 0 &&
                    (::fallocate(file.fd, 0, 0, size) == 0 || errno == EOPNOTSUPP || errno == ENOSYS) &&
                    writeAll(file.fd, bytes) && ::ftruncate(file.fd, size) == 0 && ::fsync(file.fd) == 0;
    if (!ok) error = errno;
    return ok;
}

fs::path resolveLink(const std::string& path) {
    fs::path target(path);
    std::error_code ec;
    // Saving through a link replaces the file it points to, not the link.
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::canonical(target, ec);
        if (!ec) target = resolved;
    }
    return target;
}

}  // namespace

// A text is one line of the file: a line break pasted into it (the
// quotation box accepts them) is written as a space, so that every later
// line keeps its place.
static std::string oneLine(std::string text) {
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

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
    return out;
}

WriteResult writeDataFile(const Document& doc, const std::string& path) {
    return writeFileSafely(path, formatDataFile(doc));
}

WriteResult writeFileSafely(const std::string& path, const std::string& bytes) {
    if (path.empty()) return failure(ENOENT);
    const fs::path target = resolveLink(path);

    struct stat existing{};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists) {
        if (S_ISDIR(existing.st_mode)) return failure(EISDIR);
        if (!S_ISREG(existing.st_mode)) return {false, "it is not a regular file"};
        // Write permission for no one is a refusal, whoever saves.
        if ((existing.st_mode & 0222) == 0) return {false, "the file is read-only"};
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return failure(errno);
    }
    removeStaleTemporaries(target.string());

    int error = 0;
    // A second name (hard link) would keep the old content after a rename.
    if (!exists || existing.st_nlink <= 1) {
        const Replaced replaced = replaceTarget(target, bytes, exists ? &existing : nullptr, error);
        if (replaced == Replaced::Done) return {};
        if (replaced == Replaced::Failed) return failure(error);
    }
    if (!writeInPlace(target, bytes, error)) return failure(error);
    return {};
}

void removeStaleTemporaries(const std::string& path) {
    const fs::path target = resolveLink(path);
    const std::string prefix = "." + target.filename().string() + ".";
    const std::string suffix = ".tmp";
    auto digits = [](const std::string& s) {
        return !s.empty() && s.size() < 10 && s.find_first_not_of("0123456789") == std::string::npos;
    };
    std::error_code ec;
    for (fs::directory_iterator it(folderOf(target), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() <= prefix.size() + suffix.size() || name.rfind(prefix, 0) != 0 ||
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        const std::string middle = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
        const std::size_t dot = middle.find('.');
        if (dot == std::string::npos || !digits(middle.substr(0, dot)) || !digits(middle.substr(dot + 1))) continue;
        const auto process = static_cast<pid_t>(std::stol(middle.substr(0, dot)));
        if (process == ::getpid() || ::kill(process, 0) == 0 || errno == EPERM) continue;  // still saving
        std::error_code ignored;
        fs::remove(it->path(), ignored);
    }
}

namespace {

// How many lines the puzzle takes: the eight fixed ones and two for each
// pair that line 8 counts. What follows them is never read.
std::size_t puzzleLines(const FileLines& file) {
    int count = 0;
    try {
        if (file.lines.size() >= 8) count = toInt16(leadingNumber(file.lines[7]));
    } catch (const OverflowError&) {
    }
    return 8 + 2 * static_cast<std::size_t>(std::clamp(count, 0, kMaxSlots));
}

// Looks at the puzzle's lines before anything changes: a file that is not
// text, or whose lines run on far beyond any the program writes, is refused
// whole.
ReadStatus readCollected(Editor& editor, FileLines& file, const std::string& path) {
    const std::size_t needed = puzzleLines(file);
    const bool cutShort = file.overlong && file.lines.size() < needed;
    if (file.lines.size() > needed) file.lines.resize(needed);
    if (cutShort || !looksLikeText(file)) {
        editor.prompter().message({notDataFileMessage(path), std::nullopt, Buttons::Ok, Icon::Exclamation, 0});
        return ReadStatus::NotDataFile;
    }
    decodeText(file);
    return readInto(editor, &file);
}

}  // namespace

ReadStatus readDataStream(Editor& editor, std::istream& in) {
    FileLines lines;
    int error = 0;
    collectLines(
        [&in](char* buffer, std::size_t size) -> long {
            in.read(buffer, static_cast<std::streamsize>(size));
            return static_cast<long>(in.gcount());
        },
        lines, error);
    return readCollected(editor, lines, "");
}

ReadStatus readDataFile(Editor& editor, const std::string& path, std::string* reason) {
    auto refuse = [&](const std::string& why) {
        if (reason) *reason = why;
        editor.prompter().message({unreadableMessage(path, why), std::nullopt, Buttons::Ok, Icon::Exclamation, 0});
        return ReadStatus::Unreadable;
    };
    // Opened without waiting: a named pipe with no writer must not hold the
    // program. Only a regular file is read.
    FileHandle file;
    file.fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (file.fd < 0) {
        if (errno == ENOENT) return readInto(editor, nullptr);
        return refuse(std::strerror(errno));
    }
    struct stat info{};
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
    return readCollected(editor, lines, path);
}

std::string saveFailedMessage(const std::string& path, const std::string& reason) {
    return "Could not save " + utf8ToCp1252(path) + ":" + "\r" + utf8ToCp1252(reason);
}

std::string unreadableMessage(const std::string& path, const std::string& reason) {
    return "Cannot read " + utf8ToCp1252(path) + ":" + "\r" + utf8ToCp1252(reason) + "\r" + "Nothing was opened.";
}

std::string notDataFileMessage(const std::string& path) {
    const std::string file = path.empty() ? std::string("This file") : "The file " + utf8ToCp1252(path);
    return file + " does not look like a puzzle data file." + "\r" + "Nothing was opened.";
}

}  // namespace qbrx
