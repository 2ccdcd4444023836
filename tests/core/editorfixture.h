// SPDX-License-Identifier: GPL-3.0-or-later
// An Editor after start-up whose random starts are all 1 unless a test
// scripts others (each letter then takes the leftmost free copy).
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
    using Numbers = std::vector<int>;
    using Texts = std::vector<std::string>;
    // The letter numbers of the first characters of a slot.
    Numbers numbers(int slot, int count) const {
        return Numbers(&ed.doc.answerLetterNo[slot][1], &ed.doc.answerLetterNo[slot][1] + count);
    }
    // The answers of the filled slots.
    Texts answers() const { return Texts(&ed.doc.answer[1], &ed.doc.answer[1] + ed.doc.questionCount); }
};

}  // namespace qbrx::test
