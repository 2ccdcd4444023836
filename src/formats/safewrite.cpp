// SPDX-License-Identifier: GPL-3.0-or-later
#include "safewrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>

#include "text.h"

namespace qbrx {

namespace fs = std::filesystem;

FileHandle::~FileHandle() {
    if (fd >= 0) ::close(fd);
}

namespace {

FileResult failure(int error) { return FileResult::failed(FileStatus::NotWritten, std::strerror(error)); }

fs::path folderOf(const fs::path& target) {
    return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

// ".walden.dat.<process>.<n>.tmp": the name of a temporary file of a save.
std::string temporaryName(const fs::path& target) {
    static unsigned counter = 0;
    return "." + target.filename().string() + "." + std::to_string(::getpid()) + "." +
           std::to_string(++counter) + ".tmp";
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
Replaced replaceTarget(const fs::path& target, const std::string& bytes, const struct stat* existing,
                       int& error) {
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
        if (file.fd >= 0)
            named = candidate;
        else if (errno != EEXIST)
            break;
    }
    if (file.fd < 0) {
        error = errno;
        return folderRefuses(error) && existing ? Replaced::WriteInPlace : Replaced::Failed;
    }

    if (existing) {
        struct stat created {};
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

FileResult writeFileSafely(const std::string& path, const std::string& bytes) {
    if (path.empty()) return failure(ENOENT);
    const fs::path target = resolveLink(path);

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists) {
        if (S_ISDIR(existing.st_mode)) return failure(EISDIR);
        if (!S_ISREG(existing.st_mode))
            return FileResult::failed(FileStatus::NotWritten, "it is not a regular file");
        // Write permission for no one is a refusal, whoever saves.
        if ((existing.st_mode & 0222) == 0)
            return FileResult::failed(FileStatus::NotWritten, "the file is read-only");
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
        if (dot == std::string::npos || !digits(middle.substr(0, dot)) || !digits(middle.substr(dot + 1)))
            continue;
        const auto process = static_cast<pid_t>(std::stol(middle.substr(0, dot)));
        if (process == ::getpid() || ::kill(process, 0) == 0 || errno == EPERM) continue;  // still saving
        std::error_code ignored;
        fs::remove(it->path(), ignored);
    }
}

std::string saveFailedMessage(const std::string& path, const std::string& reason) {
    return "Could not save " + utf8ToCp1252(path) + ":" + "\r" + utf8ToCp1252(reason);
}

}  // namespace qbrx
