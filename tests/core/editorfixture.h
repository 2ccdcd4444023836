// An Editor after start-up whose random starts are all 1 unless a test
// scripts others (each letter then takes the leftmost free copy).
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "editor.h"
#include "scriptedprompter.h"

namespace qbrx::test {

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
        for (int k = 1; k <= count; ++k) out += (k > 1 ? " " : "") + std::to_string(ed.doc.answerLetterNo[slot][k]);
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
