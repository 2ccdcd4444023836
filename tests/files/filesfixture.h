// An Editor after start-up whose letter searches all start at position 1, a
// scripted prompter, and an empty folder of its own, removed afterwards.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "datafile.h"
#include "editor.h"
#include "scriptedprompter.h"

namespace qbrx::test {

namespace fs = std::filesystem;

inline std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

class FilesTest : public ::testing::Test {
protected:
    ScriptedPrompter prompter;
    ScriptedRandom random{{0.0}};
    Editor ed{prompter, random};
    const fs::path dir = fs::temp_directory_path() / ("qbrx_files_" + std::to_string(::getpid()));

    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
        ed.startUp();
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string path(const std::string& name) const { return (dir / name).string(); }
    long entries() const { return std::distance(fs::directory_iterator(dir), fs::directory_iterator()); }
    ReadStatus read(const std::string& bytes) {
        std::istringstream in(bytes);
        return readDataStream(ed, in);
    }
    void accept(const std::string& question, const std::string& answer) {
        ed.view.questionBox = question;
        ed.view.answerBox = answer;
        ed.acceptButton();
    }
};

}  // namespace qbrx::test
