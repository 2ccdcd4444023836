// The editor fixture with an empty folder of its own, removed afterwards.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "../core/editorfixture.h"
#include "datafile.h"

namespace qbrx::test {

namespace fs = std::filesystem;

inline std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
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
    long entries() const { return std::distance(fs::directory_iterator(dir), fs::directory_iterator()); }
    ReadStatus read(const std::string& bytes) {
        std::istringstream in(bytes);
        return readDataStream(ed, in);
    }
};

}  // namespace qbrx::test
