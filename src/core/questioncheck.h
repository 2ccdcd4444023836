// SPDX-License-Identifier: GPL-3.0-or-later
// Questions not written yet: empty, or still the text the program puts in
// for an answer given without a question ("Question for [word]", which
// shows the answer to whoever reads the page). Printing and exporting warn
// about them before they go out as they are.
#pragma once

#include <string>
#include <vector>

#include "document.h"
#include "prompter.h"

namespace qbrx {

struct UnwrittenQuestions {
    std::vector<int> empty;        // slots, in order
    std::vector<int> placeholder;  // slots still reading "Question for [...]"
    bool none() const { return empty.empty() && placeholder.empty(); }
};

UnwrittenQuestions findUnwrittenQuestions(const Document& doc);

// The question the program writes for an answer given without one.
std::string placeholderQuestion(const std::string& answer);

// True when the question, outer spaces aside, is the program's own
// "Question for [word]".
bool isPlaceholderQuestion(const std::string& question);

// The questions by their labels, e.g. `Empty: B, C` and
// `Still "Question for [...]": D, AA`, joined by `separator`.
std::string unwrittenQuestionsList(const UnwrittenQuestions& found, const std::string& separator);

// Before a command prints or writes the puzzle: when some questions are not
// written, names them in a message box titled `title` and asks whether to
// go on. True to go on (at once when every question is written).
bool confirmUnwrittenQuestions(Prompter& prompter, const Document& doc, const std::string& title);

}  // namespace qbrx
