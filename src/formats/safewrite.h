// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a file without ever damaging the one already there. Every file
// the program saves or exports goes through writeFileSafely.
#pragma once

#include <string>

#include "fileresult.h"

namespace qbrx {

// Writes `bytes` to `path` (a UTF-8 system path) without ever damaging a file
// already there: the bytes go to a temporary file in the same folder, which
// is flushed and then renamed over the target. A file that has other hard
// links, whose owner or group the new file could not keep, or whose folder
// refuses a temporary file is written in place instead, after its room has
// been reserved. A read-only file is refused. On failure (NotWritten, with
// the system's reason) no temporary file remains, and the target is as it
// was (short of a write in place that breaks off after its room was
// reserved).
FileResult writeFileSafely(const std::string& path, const std::string& bytes);

// Removes the temporary files that an interrupted save of `path` left beside
// it (those of processes no longer running).
void removeStaleTemporaries(const std::string& path);

// The message of a failed save.
std::string saveFailedMessage(const std::string& path, const std::string& reason);

// A file descriptor closed when it goes.
struct FileHandle {
    int fd = -1;
    FileHandle() = default;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle();
};

}  // namespace qbrx
