#include "datafile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

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

// One whole line; the line end is LF, with a CR before it dropped. A last
// line without a line end still counts; nothing left at all is no line.
bool readLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
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
ReadStatus readBody(Editor& editor, std::istream& in) {
    Document& doc = editor.doc;
    HeaderValues& header = doc.header;
    std::string line;

    if (!readLine(in, line)) return ReadStatus::Damaged;
    doc.quotation = cut(line, kReadQuote);
    editor.countLetters();

    if (!readLine(in, line)) return ReadStatus::Damaged;
    header.title = line;
    if (!header.title.empty()) header.titleGiven = true;
    if (!readLine(in, line)) return ReadStatus::Damaged;
    header.createdBy = line;
    if (!header.createdBy.empty()) header.createdByGiven = true;

    if (!readLine(in, line)) return ReadStatus::Damaged;
    doc.crostic = cut(line, kReadCrostic);

    // An option is switched on by a value of exactly 1; anything else
    // leaves it as it was.
    for (bool* option : {&header.nameLine, &header.periodDateLine, &header.miniInstructions}) {
        if (!readLine(in, line)) return ReadStatus::Damaged;
        if (leadingNumber(line) == 1.0) *option = true;
    }
    header.instructions = kMiniInstructions;

    if (!readLine(in, line)) return ReadStatus::Damaged;
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
        if (!readLine(in, line) || !readLine(in, answerLine)) return ReadStatus::Damaged;
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
ReadStatus readInto(Editor& editor, std::istream* in) {
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

// Creates a new file next to `target` that no one else uses.
int createTemporary(const fs::path& target, fs::path& tempPath, int& error) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = folder / ("." + target.filename().string() + "." + std::to_string(::getpid()) + "." +
                             std::to_string(++counter) + ".tmp");
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) return fd;
        if (errno != EEXIST) break;
    }
    error = errno;
    return -1;
}

bool writeAll(int fd, const std::string& bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
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
    if (path.empty()) return failure(ENOENT);
    fs::path target(path);
    std::error_code ec;
    // Saving through a link replaces the file it points to, not the link.
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::canonical(target, ec);
        if (!ec) target = resolved;
    }

    fs::path tempPath;
    int error = 0;
    FileHandle file;
    file.fd = createTemporary(target, tempPath, error);
    if (file.fd < 0) return failure(error);

    struct stat existing{};
    const bool keepMode = ::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
    bool ok = writeAll(file.fd, formatDataFile(doc)) && (!keepMode || ::fchmod(file.fd, existing.st_mode & 07777) == 0) &&
              ::fsync(file.fd) == 0;
    if (ok) {
        ok = ::close(file.fd) == 0;
        file.fd = -1;
    }
    if (ok) ok = ::rename(tempPath.c_str(), target.c_str()) == 0;
    if (!ok) {
        error = errno;
        ::unlink(tempPath.c_str());
        return failure(error);
    }
    // Make the rename itself durable; a failure here loses nothing.
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    FileHandle dir;
    dir.fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir.fd >= 0) ::fsync(dir.fd);
    return {};
}

ReadStatus readDataStream(Editor& editor, std::istream& in) { return readInto(editor, &in); }

ReadStatus readDataFile(Editor& editor, const std::string& path) {
    std::error_code ec;
    if (!fs::exists(fs::path(path), ec)) return readInto(editor, nullptr);
    // A file that cannot be opened reads as an empty, damaged one.
    std::ifstream in(fs::path(path), std::ios::binary);
    return readInto(editor, &in);
}

std::string saveFailedMessage(const std::string& path, const std::string& reason) {
    return "Could not save " + utf8ToCp1252(path) + ":" + "\r" + utf8ToCp1252(reason);
}

}  // namespace qbrx
