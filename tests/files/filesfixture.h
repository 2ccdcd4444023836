// SPDX-License-Identifier: GPL-3.0-or-later
// The editor fixture with an empty folder of its own, removed afterwards,
// and work run in a child process: to measure its peak memory alone, or to
// act as an ordinary user (root reads and writes where one cannot).
#pragma once

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "../core/editorfixture.h"
#include "datafile.h"
#include "documentcommands.h"

namespace qbrx::test {

namespace fs = std::filesystem;

inline std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline bool runningAsRoot() { return ::geteuid() == 0; }

// The exit status (0..255) of `work` run in a forked child, which first
// becomes the user "nobody" when `asNobody`; -1 when that or the child failed.
inline int runInChild(bool asNobody, const std::function<int()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        const passwd* nobody = asNobody ? ::getpwnam("nobody") : nullptr;
        if (asNobody && (!nobody || ::setgroups(0, nullptr) != 0 || ::setgid(nobody->pw_gid) != 0 ||
                         ::setuid(nobody->pw_uid) != 0))
            ::_exit(255);
        ::_exit(work());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) == 255)
        return -1;
    return WEXITSTATUS(status);
}

// `work` as an ordinary user: here when this is not root, else as "nobody".
inline int runAsOrdinaryUser(const std::function<int()>& work) {
    return runningAsRoot() ? runInChild(true, work) : work();
}

class FilesTest : public EditorTest {
protected:
    const fs::path dir = fs::temp_directory_path() / ("qbrx_files_" + std::to_string(::getpid()));

    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
        EditorTest::SetUp();
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string path(const std::string& name) const { return (dir / name).string(); }
    // A file in the folder holding "old", with the given permissions.
    std::string oldFile(const std::string& name, fs::perms perms = fs::perms(0644)) const {
        writeBytes(path(name), "old");
        fs::permissions(path(name), perms);
        return path(name);
    }
    // A folder `name` in the test's folder holding a words.dic; its path, ending in "/".
    std::string wordListFolder(const std::string& name) const {
        fs::create_directories(dir / name);
        writeBytes(dir / name / "words.dic", "a\r\n");
        return (dir / name).string() + "/";
    }
    long entries() const { return std::distance(fs::directory_iterator(dir), fs::directory_iterator()); }
    // Opens a file, or data-file bytes, into the editor as File > Open does.
    FileStatus open(const std::string& file) { return openPuzzle(ed, file).result.status; }
    FileStatus read(const std::string& bytes) {
        return takePuzzle(ed, readDataBytes(bytes), "").result.status;
    }
};

}  // namespace qbrx::test
