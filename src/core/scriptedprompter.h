// SPDX-License-Identifier: GPL-3.0-or-later
// A Prompter that asks no one: it answers every question from a script, or
// with the question's default button when the script is empty, cancels input
// boxes and file dialogs it has no answer for, and records what was asked.
// The command line runs with an empty script; tests, benchmarks and fuzzers
// script it.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "prompter.h"

namespace qbrx {

class ScriptedPrompter : public Prompter {
public:
    std::vector<MessageRequest> messages;
    std::deque<Reply> replies;                      // the default button when empty
    std::deque<std::optional<std::string>> inputs;  // cancelled when empty
    std::vector<std::string> inputPrompts;          // "title|prompt" of each input box
    std::deque<std::optional<std::string>> files;   // open and save dialogs; cancelled when empty
    std::vector<FileRequest> openRequests;
    std::vector<FileRequest> saveRequests;
    bool printAccepted = false;  // the print dialog's answer
    int printDialogs = 0;
    int setupDialogs = 0;
    int beeps = 0;

    Reply message(const MessageRequest& request) override;
    std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                     const std::string& defaultText) override;
    void beep() override { ++beeps; }
    std::optional<std::string> openFile(const FileRequest& request) override;
    std::optional<std::string> saveFile(const FileRequest& request) override;
    bool printDialog() override {
        ++printDialogs;
        return printAccepted;
    }
    void printSetupDialog() override { ++setupDialogs; }

    // The texts of the messages shown so far.
    std::vector<std::string> texts() const;

    // The button at `index` of a button set (0-based; the first when out of range).
    static Reply button(Buttons buttons, int index);
};

}  // namespace qbrx
