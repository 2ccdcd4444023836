// A Prompter that answers from a script and records what it was asked.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "prompter.h"

namespace qbrx::test {

class ScriptedPrompter : public Prompter {
public:
    std::deque<Reply> replies;            // answers to message boxes, Ok when empty
    std::vector<std::string> messages;    // texts of the boxes shown
    int beeps = 0;

    Reply message(const MessageRequest& request) override {
        messages.push_back(request.text);
        if (replies.empty()) return Reply::Ok;
        const Reply r = replies.front();
        replies.pop_front();
        return r;
    }
    std::optional<std::string> input(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    void beep() override { ++beeps; }
    std::optional<std::string> openFile(const FileRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFile(const FileRequest&) override { return std::nullopt; }
    bool printDialog() override { return false; }
    void printSetupDialog() override {}
};

}  // namespace qbrx::test
