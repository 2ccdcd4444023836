// SPDX-License-Identifier: GPL-3.0-or-later
// What the dictionary window needs from the main window: the answer and
// question boxes, the question box's focus handling (which completes an
// Add & Advance), and whether the empty row for a new question is selected.
#pragma once

#include <string>

namespace qbrx {

class DictionaryHost {
public:
    virtual ~DictionaryHost() = default;
    virtual std::string answerBoxText() const = 0;  // Windows-1252
    virtual void setAnswerBoxText(const std::string& text) = 0;
    virtual void setQuestionBoxText(const std::string& text) = 0;
    // Gives the question box the focus; its focus handling runs (and, with
    // the advance markers set, accepts the entry and reopens the dictionary).
    virtual void focusQuestionBox() = 0;
    // True when the question list's row with index questionCount (the empty
    // row after the last filled question) is selected.
    virtual bool emptyRowSelected() const = 0;
    // Add & Advance: the main window accepts the entry when its question
    // box next gets the focus, then opens the dictionary again.
    virtual void setAdvanceMarkers() = 0;
    // The definitions of a word of the list, one line each, for showing
    // beside it; "" when there are none.
    virtual std::string describeWord(const std::string& /*word*/) { return {}; }
};

}  // namespace qbrx
