// SPDX-License-Identifier: GPL-3.0-or-later
#include "scriptedprompter.h"

namespace qbrx {

namespace {

std::optional<std::string> takeNext(std::deque<std::optional<std::string>>& script) {
    if (script.empty()) return std::nullopt;
    std::optional<std::string> answer = script.front();
    script.pop_front();
    return answer;
}

}  // namespace

Reply ScriptedPrompter::button(Buttons buttons, int index) {
    switch (buttons) {
        case Buttons::Ok:
            return Reply::Ok;
        case Buttons::OkCancel:
            return index == 1 ? Reply::Cancel : Reply::Ok;
        case Buttons::YesNo:
            return index == 1 ? Reply::No : Reply::Yes;
        case Buttons::YesNoCancel:
            return index == 1 ? Reply::No : index == 2 ? Reply::Cancel : Reply::Yes;
    }
    return Reply::Ok;
}

Reply ScriptedPrompter::message(const MessageRequest& request) {
    messages.push_back(request);
    if (replies.empty()) return button(request.buttons, request.defaultButton);
    const Reply reply = replies.front();
    replies.pop_front();
    return reply;
}

std::optional<std::string> ScriptedPrompter::input(const std::string& prompt, const std::string& title,
                                                   const std::string&) {
    inputPrompts.push_back(title + "|" + prompt);
    return takeNext(inputs);
}

std::optional<std::string> ScriptedPrompter::openFile(const FileRequest& request) {
    openRequests.push_back(request);
    return takeNext(files);
}

std::optional<std::string> ScriptedPrompter::saveFile(const FileRequest& request) {
    saveRequests.push_back(request);
    return takeNext(files);
}

std::vector<std::string> ScriptedPrompter::texts() const {
    std::vector<std::string> out;
    for (const MessageRequest& m : messages) out.push_back(m.text);
    return out;
}

}  // namespace qbrx
