// A Prompter for window tests and screenshots: it records every question
// and answers from a script, so that no dialog ever blocks.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "prompter.h"

namespace qbrx::test {

class ScriptedPrompter final : public Prompter {
public:
    std::vector<MessageRequest> messages;
    std::deque<Reply> replies;                      // the default button when empty
    std::deque<std::optional<std::string>> inputs;  // cancelled when empty
    std::deque<std::optional<std::string>> files;   // file dialogs; cancelled when empty
    std::vector<FileRequest> fileRequests;
    int beeps = 0;

    Reply message(const MessageRequest& m) override {
        messages.push_back(m);
        if (!replies.empty()) {
            const Reply r = replies.front();
            replies.pop_front();
            return r;
        }
        static const Reply first[] = {Reply::Ok, Reply::Ok, Reply::Yes, Reply::Yes};
        static const Reply second[] = {Reply::Ok, Reply::Cancel, Reply::No, Reply::No};
        return m.defaultButton == 0 ? first[static_cast<int>(m.buttons)] : second[static_cast<int>(m.buttons)];
    }
    std::optional<std::string> input(const std::string&, const std::string&, const std::string&) override {
        return next(inputs);
    }
    void beep() override { ++beeps; }
    std::optional<std::string> openFile(const FileRequest& request) override {
        fileRequests.push_back(request);
        return next(files);
    }
    std::optional<std::string> saveFile(const FileRequest& request) override {
        fileRequests.push_back(request);
        return next(files);
    }
    bool printDialog() override { return false; }
    void printSetupDialog() override {}

    // The texts of the messages shown so far.
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const MessageRequest& m : messages) out.push_back(m.text);
        return out;
    }

private:
    static std::optional<std::string> next(std::deque<std::optional<std::string>>& script) {
        if (script.empty()) return std::nullopt;
        std::optional<std::string> r = script.front();
        script.pop_front();
        return r;
    }
};

}  // namespace qbrx::test
