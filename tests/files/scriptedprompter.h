// A Prompter that answers from a script and records what was asked, and a
// fixture with an Editor, a fixed random source and a scratch folder.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "editor.h"

namespace qbrx::test {

class ScriptedPrompter : public Prompter {
public:
    std::vector<MessageRequest> messages;
    std::deque<Reply> replies;  // the first button of the set when empty
    std::vector<FileRequest> openRequests, saveRequests;
    std::deque<std::string> openNames, saveNames;  // cancel when empty
    int beeps = 0;

    Reply message(const MessageRequest& request) override {
        messages.push_back(request);
        if (replies.empty())
            return request.buttons == Buttons::Ok || request.buttons == Buttons::OkCancel ? Reply::Ok : Reply::Yes;
        const Reply r = replies.front();
        replies.pop_front();
        return r;
    }
    std::optional<std::string> input(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    void beep() override { ++beeps; }
    std::optional<std::string> openFile(const FileRequest& request) override {
        openRequests.push_back(request);
        return next(openNames);
    }
    std::optional<std::string> saveFile(const FileRequest& request) override {
        saveRequests.push_back(request);
        return next(saveNames);
    }
    bool printDialog() override { return false; }
    void printSetupDialog() override {}

    std::vector<std::string> texts() const {
        std::vector<std::string> t;
        for (const auto& m : messages) t.push_back(m.text);
        return t;
    }

private:
    static std::optional<std::string> next(std::deque<std::string>& names) {
        if (names.empty()) return std::nullopt;
        std::string name = names.front();
        names.pop_front();
        return name;
    }
};

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// An Editor after start-up whose letter searches all start at position 1,
// and an empty folder, removed afterwards.
class FilesTest : public ::testing::Test {
protected:
    ScriptedPrompter prompter;
    ScriptedRandom random{{0.0}};
    Editor ed{prompter, random};
    std::filesystem::path dir;

    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::temp_directory_path() /
              ("qbrx_files_" + std::to_string(::getpid()) + "_" + info->test_suite_name() + "_" + info->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        ed.startUp();
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string path(const std::string& name) const { return (dir / name).string(); }
    void registerQuote(const std::string& quote) {
        ed.view.quoteBox = quote;
        ed.registerButton();
    }
    void accept(const std::string& question, const std::string& answer) {
        ed.view.questionBox = question;
        ed.view.answerBox = answer;
        ed.acceptButton();
    }
    std::vector<std::string> folderEntries() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir)) names.push_back(e.path().filename().string());
        return names;
    }
};

}  // namespace qbrx::test
