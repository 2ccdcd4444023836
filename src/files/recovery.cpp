// SPDX-License-Identifier: GPL-3.0-or-later
#include "recovery.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

namespace qbrx {

namespace fs = std::filesystem;

namespace {

constexpr const char* kRecoveryExtension = ".recovery";
constexpr const char* kLockExtension = ".lock";

std::string lockOf(const std::string& recoveryPath) {
    return recoveryPath.substr(0, recoveryPath.size() - std::string(kRecoveryExtension).size()) +
           kLockExtension;
}

// Takes the lock of `path` without waiting; -1 when another process holds it.
// A copy that looks at another's lock holds it for a moment only, so a
// refusal is tried again a few times before it counts.
int takeLock(const std::string& path, int attempts) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return -1;
    for (int i = 0; i < attempts; ++i) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ::close(fd);
    return -1;
}

std::time_t modified(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mtime : 0;
}

bool readWhole(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream all;
    all << in.rdbuf();
    bytes = all.str();
    return true;
}

// Splits off the next CR LF line of `bytes` from `at`.
bool nextLine(const std::string& bytes, std::size_t& at, std::string& line) {
    const std::size_t end = bytes.find("\r\n", at);
    if (end == std::string::npos) return false;
    line = bytes.substr(at, end - at);
    at = end + 2;
    return true;
}

struct Parsed {
    std::string puzzlePath;
    bool crosticOn = false;
    std::string dat;
};

bool parse(const std::string& bytes, Parsed& out) {
    std::size_t at = 0;
    std::string mark, crostic;
    if (!nextLine(bytes, at, mark) || mark != kRecoveryMark) return false;
    if (!nextLine(bytes, at, out.puzzlePath) || !nextLine(bytes, at, crostic)) return false;
    out.crosticOn = crostic == "1";
    out.dat = bytes.substr(at);
    return true;
}

}  // namespace

std::string recoveryFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state && *state == '/') return (fs::path(state) / "quotabrix").string();
    const char* home = std::getenv("HOME");
    return (fs::path(home ? home : ".") / ".local" / "state" / "quotabrix").string();
}

std::string formatRecovery(const Editor& editor, const std::string& puzzlePath) {
    return std::string(kRecoveryMark) + "\r\n" + puzzlePath + "\r\n" + (editor.doc.crosticOn ? "1" : "0") +
           "\r\n" + formatDataFile(editor.doc);
}

RecoveryRead readRecovery(Editor& editor, const std::string& path, std::string* puzzlePath) {
    std::string bytes;
    Parsed parsed;
    if (!readWhole(path, bytes) || !parse(bytes, parsed)) return RecoveryRead::Foreign;
    // The reader says what the file holds before anything changes.
    const PuzzleRead read = readDataBytes(parsed.dat);
    if (!read.result.ok() || !read.puzzle) return RecoveryRead::Damaged;
    editor.loadPuzzle(*read.puzzle);
    editor.doc.crosticOn = parsed.crosticOn;
    editor.doc.docChanged = true;
    if (puzzlePath) *puzzlePath = parsed.puzzlePath;
    return RecoveryRead::Ok;
}

RecoverySession::RecoverySession(std::string folder) : folder_(std::move(folder)) {
    std::error_code ec;
    fs::create_directories(folder_, ec);
    const auto now = std::chrono::duration_cast<std::chrono::milliseconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    base_ =
        (fs::path(folder_) / ("puzzle-" + std::to_string(::getpid()) + "-" + std::to_string(now))).string();
    path_ = base_ + kRecoveryExtension;
    lock_ = takeLock(base_ + kLockExtension, 20);
}

RecoverySession::~RecoverySession() {
    discard();
    for (const auto& claim : claims_) ::close(claim.second);
    if (lock_ >= 0) {
        ::unlink((base_ + kLockExtension).c_str());
        ::close(lock_);
    }
}

FileResult RecoverySession::write(const Editor& editor, const std::string& puzzlePath) {
    std::error_code ec;
    fs::create_directories(folder_, ec);
    return writeFileSafely(path_, formatRecovery(editor, puzzlePath));
}

void RecoverySession::discard() {
    std::error_code ec;
    fs::remove(path_, ec);
}

std::vector<LeftBehind> RecoverySession::leftBehind() {
    std::vector<LeftBehind> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string path = it->path().string();
        if (it->path().extension() != kRecoveryExtension || path == path_) continue;
        if (std::any_of(claims_.begin(), claims_.end(),
                        [&](const auto& c) { return c.first == lockOf(path); }))
            continue;
        // A running copy holds its lock; so does another new copy that is
        // offering the same file.
        const int lock = takeLock(lockOf(path), 3);
        if (lock < 0) continue;
        claims_.emplace_back(lockOf(path), lock);
        LeftBehind file{path, {}, modified(path)};
        std::string bytes;
        Parsed parsed;
        if (readWhole(path, bytes) && parse(bytes, parsed)) file.puzzlePath = parsed.puzzlePath;
        if (!file.puzzlePath.empty() && modified(file.puzzlePath) > file.written) {
            take(file);
            continue;
        }
        found.push_back(file);
    }
    std::sort(found.begin(), found.end(),
              [](const LeftBehind& a, const LeftBehind& b) { return a.written > b.written; });
    return found;
}

void RecoverySession::release(const LeftBehind& file) {
    const std::string lock = lockOf(file.path);
    const auto claim =
        std::find_if(claims_.begin(), claims_.end(), [&](const auto& c) { return c.first == lock; });
    if (claim == claims_.end()) return;
    ::close(claim->second);
    claims_.erase(claim);
}

void RecoverySession::take(const LeftBehind& file) {
    std::error_code ec;
    fs::remove(file.path, ec);
    fs::remove(lockOf(file.path), ec);
    release(file);
}

std::string RecoverySession::setAside(const LeftBehind& file) {
    const std::string aside = file.path + ".damaged";
    std::error_code ec;
    fs::rename(file.path, aside, ec);
    fs::remove(lockOf(file.path), ec);
    release(file);
    return ec ? file.path : aside;
}

}  // namespace qbrx
