// A Prompter that records every question and answers from a script, and an
// Editor fixture whose random starts are all 1 unless a test scripts others
// (each letter then takes the leftmost free copy).
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "editor.h"

namespace qbrx::test {

class ScriptedPrompter : public Prompter {
public:
    std::vector<MessageRequest> messages;
    std::deque<Reply> replies;                      // the first button when empty
    std::deque<std::optional<std::string>> inputs;  // cancel when empty
    std::vector<std::string> inputPrompts;          // "title|prompt"
    int beeps = 0;

    Reply message(const MessageRequest& m) override {
        messages.push_back(m);
        if (replies.empty())
            return m.buttons == Buttons::Ok || m.buttons == Buttons::OkCancel ? Reply::Ok : Reply::Yes;
        const Reply r = replies.front();
        replies.pop_front();
        return r;
    }
    std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                     const std::string&) override {
        inputPrompts.push_back(title + "|" + prompt);
        std::optional<std::string> r;
        if (!inputs.empty()) r = inputs.front(), inputs.pop_front();
        return r;
    }
    void beep() override { ++beeps; }
    std::optional<std::string> openFile(const FileRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFile(const FileRequest&) override { return std::nullopt; }
    bool printDialog() override { return false; }
    void printSetupDialog() override {}
};

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
    // "3 4 0": the letter numbers of the first characters of a slot.
    std::string numbers(int slot, int count) const {
        std::string out;
        for (int k = 1; k <= count; ++k)
            out += (k > 1 ? " " : "") + std::to_string(ed.doc.answerLetterNo[slot][k]);
        return out;
    }
    // "apple,bear": the answers of the filled slots.
    std::string answers() const {
        std::string out;
        for (int s = 1; s <= ed.doc.questionCount; ++s) out += (s > 1 ? "," : "") + ed.doc.answer[s];
        return out;
    }
};

}  // namespace qbrx::test
