// Small dictionaries for tests: words.dic and count.dic contents made from
// a sorted word list, and a temporary folder to write them to.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace qbrx::test {

inline std::string wordsFile(const std::vector<std::string>& words) {
    std::string s = std::to_string(words.size() + 1) + "\r\n";
    for (const auto& w : words) s += w + "\r\n";
    return s;
}

// Each pair's value is the line (the count's line is 1) of the first word
// that sorts at or after the pair.
inline std::string countFile(const std::vector<std::string>& words) {
    std::string s;
    auto line = [&](const std::string& prefix) {
        const auto it = std::lower_bound(words.begin(), words.end(), prefix);
        return std::to_string(it - words.begin() + 2) + "\r\n";
    };
    for (char f = 'a'; f <= 'z'; ++f) {
        s += line(std::string(1, f));
        for (char c = 'a'; c <= 'z'; ++c) s += line(std::string{f, c});
    }
    return s;
}

class TempDir {
public:
    TempDir() {
        static int serial = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("qbrx-dict-" + std::to_string(::getpid()) + "-" + std::to_string(++serial));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string path() const { return path_.string(); }
    void write(const std::string& name, const std::string& contents) const {
        std::ofstream(path_ / name, std::ios::binary) << contents;
    }

private:
    std::filesystem::path path_;
};

}  // namespace qbrx::test
