// SPDX-License-Identifier: GPL-3.0-or-later
// Qbrx > Suggest Answers...: sets of answers for the empty slots that use up
// exactly the letters left, best first (familiar words, then base words), as
// the search finds them. The search runs a slice at a time from a
// zero-interval timer, so the window stays responsive; Stop ends it. Use
// Answers writes the chosen set (or the slots ticked in it) into the puzzle
// through Accept.
//
// The author's choices: how many answers to add, the shortest and longest
// answer, familiar words only, words that must be in, and words never to
// suggest (right-click a word, or Never Suggest...; the list is kept in the
// user's configuration folder, beside the preferences).
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <memory>
#include <string>
#include <vector>

#include "fillsearch.h"
#include "puzzlefill.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTimer;

namespace qbrx {

class Dictionary;
class MainWindow;

// The "Never suggest" list's file: neversuggest.txt in the user's
// configuration folder.
std::string neverSuggestPath();

// The small dialog that edits the "Never suggest" list, a word a line.
class NeverSuggestDialog : public QDialog {
    Q_OBJECT
public:
    NeverSuggestDialog(const std::vector<std::string>& words, QWidget* parent = nullptr);
    std::vector<std::string> words() const;

    QPlainTextEdit* txtWords;
};

class SuggestDialog : public QDialog {
    Q_OBJECT
public:
    SuggestDialog(MainWindow& form, const Dictionary& dictionary, QWidget* parent = nullptr);
    ~SuggestDialog() override;

    // Plans the fill from the puzzle and the choices as they are now and
    // starts the search.
    void startSearch();
    // Runs the search for about `steps` nodes and lists what it found; the
    // timer calls it. Returns false once the search is over.
    bool searchSome(long steps);
    void stopSearch();
    bool searching() const;
    // Writes the selected set's ticked answers into the puzzle and closes.
    void useAnswers();
    // Adds `word` to the "Never suggest" list, saves it and searches again.
    void neverSuggest(const std::string& word);
    // Opens the list's dialog; saves and searches again on OK.
    void editNeverSuggest();
    const std::vector<std::string>& neverSuggestList() const { return never_; }

    QLabel* lblStatus;
    QLabel* lblAdvice;        // what to try, when no exact set turns up
    QSpinBox* spnNewAnswers;  // answers to add after the last slot
    QSpinBox* spnMinLength;
    QSpinBox* spnMaxLength;
    QCheckBox* chkFamiliarOnly;
    QLineEdit* txtInclude;  // "Must include": words separated by commas or spaces
    QListWidget* lstFills;  // one row per set found, best first
    QListWidget* lstSlots;  // the selected set, one ticked row per slot
    QProgressBar* prgSearch;
    QCheckBox* chkDraftClues;  // Use Answers drafts the new questions from the definitions
    QPushButton* cmdNever;
    QPushButton* cmdStop;
    QPushButton* cmdUse;
    QPushButton* cmdClose;

private:
    FillChoices choices() const;
    void listFills();
    void showFill(int row);
    void showStatus();
    void timerTick();
    void slotMenu(const QPoint& at);
    // The word as the dialog shows it: its familiarity mark, then the word
    // as Accept will write it.
    QString markedWord(const FillTarget& target, const std::string& word) const;
    int levelOf(const std::string& word) const;

    MainWindow& form_;
    const Dictionary& dictionary_;
    std::unique_ptr<FillLexicon> lexicon_;
    FillPlan plan_;
    FillRequest request_;
    std::unique_ptr<FillSearch> search_;
    std::vector<Fill> shown_;  // the fills listed, in list order
    std::vector<std::string> never_;
    QTimer* timer_;
    QElapsedTimer searchClock_;
    bool stopped_ = false;
};

}  // namespace qbrx
