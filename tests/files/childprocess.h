// Running part of a test in a child process: to measure its peak memory on
// its own, or to act as an ordinary user (root reads and writes where an
// ordinary user cannot). The child sends back lines of text.
#pragma once

#include <gtest/gtest.h>
#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace qbrx::test {

// Runs `work` in a forked child (after `prepare`, which may fail) and
// returns the lines it produced; nothing when the child failed to prepare
// or did not end normally.
inline std::optional<std::vector<std::string>> runInChild(const std::function<bool()>& prepare,
                                                          const std::function<std::vector<std::string>()>& work) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return std::nullopt;
    const pid_t child = ::fork();
    if (child < 0) return std::nullopt;
    if (child == 0) {
        ::close(pipeEnds[0]);
        if (!prepare()) ::_exit(3);
        std::string out;
        for (const std::string& line : work()) out += line + "\n";
        const char* p = out.data();
        std::size_t left = out.size();
        while (left > 0) {
            const ssize_t n = ::write(pipeEnds[1], p, left);
            if (n <= 0) ::_exit(4);
            p += n;
            left -= static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Whether this test runs as root (which an ordinary user's limits do not stop).
inline bool runningAsRoot() { return ::geteuid() == 0; }

// Drops from root to the user "nobody" in the calling (child) process.
inline bool becomeNobody() {
    const passwd* nobody = ::getpwnam("nobody");
    return nobody && ::setgroups(0, nullptr) == 0 && ::setgid(nobody->pw_gid) == 0 && ::setuid(nobody->pw_uid) == 0;
}

// Runs `work` as an ordinary user: in this process when it is not root, in
// a child that becomes "nobody" when it is. Nothing when neither works.
inline std::optional<std::vector<std::string>> runAsOrdinaryUser(
    const std::function<std::vector<std::string>()>& work) {
    if (!runningAsRoot()) return work();
    return runInChild(becomeNobody, work);
}

}  // namespace qbrx::test
