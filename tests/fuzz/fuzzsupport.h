// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share: a check that aborts, one in-memory input file
// for the whole run, and the bounds every document stays within whatever it
// was read from.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editor.h"

namespace fuzz {

inline void require(bool condition) {
    if (!condition) std::abort();
}

// The input lives in one in-memory file, reached through its /proc path so
// that the readers open it like any other file.
// Replaces the file's contents with the input and returns its path.
inline const std::string& memoryFile(const std::uint8_t* data, std::size_t size) {
    static const int fd = memfd_create("input", 0);
    static const std::string path = "/proc/self/fd/" + std::to_string(fd);
    require(fd >= 0);
    require(ftruncate(fd, 0) == 0);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = pwrite(fd, data + done, size - done, static_cast<off_t>(done));
        require(n > 0);
        done += static_cast<std::size_t>(n);
    }
    return path;
}

inline void checkBounds(const qbrx::Editor& editor) {
    const qbrx::Document& doc = editor.doc;
    require(doc.quoteLength >= 0 && doc.quoteLength <= qbrx::kMaxQuote);
    require(doc.letterPool.size() == static_cast<std::size_t>(doc.quoteLength));
    require(doc.questionCount >= 0 && doc.questionCount <= qbrx::kMaxSlots);
    for (int q = 1; q <= qbrx::kMaxSlots; ++q) require(doc.answer[q].size() <= 26);
    require(doc.crostic.size() <= static_cast<std::size_t>(qbrx::kMaxCrostic));
    require(doc.currentQuestion >= 0 && doc.currentQuestion <= doc.questionCount + 1);
}

}  // namespace fuzz
