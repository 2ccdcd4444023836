// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's Draft Clue command and the definitions it drafts from.
#include <QLineEdit>
#include <optional>

#include "cluedraft.h"
#include "mainwindow.h"
#include "qttext.h"

namespace qbrx {

const Definitions& MainWindow::definitions() {
    if (!definitions_) definitions_ = std::make_unique<DefinitionsOnDemand>(dictionary_.folder());
    return definitions_->get();
}

void MainWindow::draftClue() {
    if (!txtQuestion->isEnabled()) return;
    copyBoxesToView();
    // The other answers of the puzzle: every filled slot but the one edited.
    std::vector<std::string> others;
    const int editedSlot = editor_.view.selectedRow + 1;
    for (int q = 1; q <= editor_.doc.questionCount; ++q)
        if (q != editedSlot) others.push_back(editor_.doc.answer[static_cast<std::size_t>(q)]);
    const std::optional<DraftChoice> choice =
        nextDraft(draftClues(definitions(), editor_.view.answerBox, others), editor_.view.questionBox);
    if (!choice) {
        editor_.prompter().beep();
        return;
    }
    if (choice->replacesTyped &&
        editor_.prompter().message(
            {kReplaceQuestionMessage, std::nullopt, Buttons::YesNo, Icon::Question, 1}) != Reply::Yes)
        return;
    // Replaced as an edit of the box, so that Undo gives the old text back.
    txtQuestion->setFocus(Qt::OtherFocusReason);
    txtQuestion->selectAll();
    txtQuestion->insert(screenText(choice->text));
}

std::string MainWindow::describeWord(const std::string& word) {
    // With no word selected the definitions are not read yet.
    return word.empty() ? std::string() : describeSenses(definitions(), word, 3);
}

}  // namespace qbrx
