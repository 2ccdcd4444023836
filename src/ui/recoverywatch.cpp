// SPDX-License-Identifier: GPL-3.0-or-later
#include "recoverywatch.h"

#include <ctime>

#include "documentcommands.h"
#include "mainwindow.h"
#include "text.h"

namespace qbrx {

namespace {

std::string timeText(std::time_t when) {
    char text[64] = "";
    std::tm local{};
    localtime_r(&when, &local);
    std::strftime(text, sizeof text, "%d %B %Y %H:%M", &local);
    return text[0] == '0' ? text + 1 : text;
}

}  // namespace

RecoveryWatch::RecoveryWatch(MainWindow& form, const std::string& folder) : form_(form), session_(folder) {
    timer_.setSingleShot(true);
    timer_.setInterval(kDelay);
    connect(&timer_, &QTimer::timeout, this, &RecoveryWatch::writeNow);
    form_.afterPerform = [this] { changed(); };
}

RecoveryWatch::~RecoveryWatch() { form_.afterPerform = nullptr; }

void RecoveryWatch::changed() {
    const Editor& editor = form_.editor();
    if (!editor.doc.docChanged) {
        timer_.stop();
        if (hasFile_) session_.discard();
        hasFile_ = false;
        return;
    }
    const bool behind = !hasFile_ || written_ != editor.history.revision();
    if (behind && !stopped_ && !timer_.isActive()) timer_.start();
}

void RecoveryWatch::writeNow() {
    timer_.stop();
    if (stopped_) return;
    const Editor& editor = form_.editor();
    const FileResult result = session_.write(editor, form_.documentCommands().dataFileName);
    if (result.ok()) {
        hasFile_ = true;
        written_ = editor.history.revision();
        return;
    }
    stopped_ = true;
    form_.editor().prompter().message({"Unsaved changes can no longer be kept for recovery after a crash:\r" +
                                           utf8ToCp1252(session_.path()) + ":\r" +
                                           utf8ToCp1252(result.reason) +
                                           "\rSave the puzzle to keep your work.",
                                       kRecoveryTitle, Buttons::Ok, Icon::Exclamation, 0});
}

bool RecoveryWatch::offer() {
    bool recovered = false;
    bool later = false;
    for (const LeftBehind& file : session_.leftBehind()) {
        if (recovered || later) {
            session_.release(file);
            continue;
        }
        const Reply reply = form_.editor().prompter().choose(
            {"Recover the unsaved puzzle from " + timeText(file.written) + "?", kRecoveryTitle,
             Buttons::YesNoCancel, Icon::Question, 0},
            {"Recover", "Discard", "Later"});
        if (reply == Reply::No) {
            session_.take(file);
            continue;
        }
        if (reply != Reply::Yes) {
            later = true;
            session_.release(file);
            continue;
        }
        RecoveryRead read = RecoveryRead::Ok;
        form_.perform([&](Editor& e) {
            std::string puzzlePath;
            read = readRecovery(e, file.path, &puzzlePath);
            if (read != RecoveryRead::Ok) return;
            DocumentCommands& commands = form_.documentCommands();
            commands.dataFileName = puzzlePath;
            commands.fileDialog.setFileName(puzzlePath);
        });
        if (read != RecoveryRead::Ok) {
            const std::string aside = session_.setAside(file);
            form_.editor().prompter().message(
                {"The recovery file " + utf8ToCp1252(file.path) +
                     (read == RecoveryRead::Foreign ? " was not written by Quotabrix" : " is damaged") +
                     " and was not loaded. It has been kept as " + utf8ToCp1252(aside) + ".",
                 kRecoveryTitle, Buttons::Ok, Icon::Exclamation, 0});
            continue;
        }
        // This copy keeps the puzzle from now on, before the old file goes.
        writeNow();
        if (hasFile_)
            session_.take(file);
        else
            session_.release(file);
        recovered = true;
    }
    return recovered;
}

}  // namespace qbrx
