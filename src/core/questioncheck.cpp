// SPDX-License-Identifier: GPL-3.0-or-later
#include "questioncheck.h"

#include <algorithm>

namespace qbrx {

namespace {

std::string withoutOuterSpaces(const std::string& s) {
    const std::size_t first = s.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string labels(const std::vector<int>& slots) {
    std::string out;
    for (const int q : slots) out += (out.empty() ? "" : ", ") + questionLetter[static_cast<std::size_t>(q)];
    return out;
}

}  // namespace

namespace {
const std::string kPlaceholderStart = "Question for [";
}  // namespace

std::string placeholderQuestion(const std::string& answer) { return kPlaceholderStart + answer + "]"; }

bool isPlaceholderQuestion(const std::string& question) {
    const std::string trimmed = withoutOuterSpaces(question);
    const std::string& prefix = kPlaceholderStart;
    return trimmed.size() > prefix.size() && trimmed.compare(0, prefix.size(), prefix) == 0 &&
           trimmed.back() == ']';
}

UnwrittenQuestions findUnwrittenQuestions(const Document& doc) {
    UnwrittenQuestions found;
    for (int q = 1; q <= std::min(doc.questionCount, kMaxSlots); ++q) {
        const std::string question = withoutOuterSpaces(doc.question[static_cast<std::size_t>(q)]);
        if (question.empty())
            found.empty.push_back(q);
        else if (isPlaceholderQuestion(question))
            found.placeholder.push_back(q);
    }
    return found;
}

std::string unwrittenQuestionsList(const UnwrittenQuestions& found, const std::string& separator) {
    std::string out;
    if (!found.empty.empty()) out = "Empty: " + labels(found.empty);
    if (!found.placeholder.empty())
        out += (out.empty() ? "" : separator) + "Still \"Question for [...]\": " + labels(found.placeholder);
    return out;
}

bool confirmUnwrittenQuestions(Prompter& prompter, const Document& doc, const std::string& title) {
    const UnwrittenQuestions found = findUnwrittenQuestions(doc);
    if (found.none()) return true;
    const std::string text = "Some questions are not written yet; they will go out as they are.\n\n" +
                             unwrittenQuestionsList(found, "\n") + "\n\nGo on anyway?";
    return prompter.message({text, title, Buttons::OkCancel, Icon::Exclamation, 0}) == Reply::Ok;
}

}  // namespace qbrx
