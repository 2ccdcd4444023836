// Part of a test run in a child process: to measure its peak memory alone,
// or to act as an ordinary user (root reads and writes where one cannot).
#pragma once

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace qbrx::test {

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
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 255)
        return -1;
    return WEXITSTATUS(status);
}

// `work` as an ordinary user: here when this is not root, else as "nobody".
inline int runAsOrdinaryUser(const std::function<int()>& work) {
    return runningAsRoot() ? runInChild(true, work) : work();
}

}  // namespace qbrx::test
