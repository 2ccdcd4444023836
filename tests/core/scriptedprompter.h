// A Prompter that records every question and answers from a script, and an
// Editor fixture with a predictable random source.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "editor.h"

namespace qbrx::test {

class ScriptedPrompter : public Prompter {
public:
    std::vector<MessageRequest> messages;
    std::deque<Reply> replies;  // the first button when empty
    std::vector<std::string> inputPrompts;
    std::deque<std::optional<std::string>> inputs;  // cancel when empty
    int beeps = 0;

    Reply message(const MessageRequest& request) override {
        messages.push_back(request);
        if (!replies.empty()) {
            const Reply r = replies.front();
            replies.pop_front();
            return r;
        }
        return request.buttons == Buttons::Ok || request.buttons == Buttons::OkCancel ? Reply::Ok : Reply::Yes;
    }
    std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                     const std::string&) override {
        inputPrompts.push_back(title + "|" + prompt);
        if (inputs.empty()) return std::nullopt;
        auto r = inputs.front();
        inputs.pop_front();
        return r;
    }
    void beep() override { ++beeps; }
    std::optional<std::string> openFile(const FileRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFile(const FileRequest&) override { return std::nullopt; }
    bool printDialog() override { return false; }
    void printSetupDialog() override {}
};

// Random start 1 for every letter unless a test scripts other numbers:
// each letter then takes the leftmost free copy.
class EditorTest : public ::testing::Test {
protected:
    ScriptedPrompter prompter;
    ScriptedRandom random{{0.0}};
    Editor ed{prompter, random};

    void SetUp() override { ed.startUp(); }

    void registerQuote(const std::string& quote) {
        ed.view.quoteBox = quote;
        ed.registerButton();
    }
    void accept(const std::string& question, const std::string& answer) {
        ed.view.questionBox = question;
        ed.view.answerBox = answer;
        ed.acceptButton();
    }
    std::vector<int> numbers(int slot, int count) const {
        return {ed.doc.answerLetterNo[slot].begin() + 1, ed.doc.answerLetterNo[slot].begin() + 1 + count};
    }
};

}  // namespace qbrx::test
