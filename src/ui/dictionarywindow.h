// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary window: a view of the word search. Every button and key
// copies the edit box into the search, runs one search command and then
// shows the search's state again. It talks to the main window only through
// DictionaryHost.
#pragma once

#include <QPointer>
#include <QWidget>

#include "dictionaryhost.h"
#include "wordsearch.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;

namespace qbrx {

class DictionaryWindow : public QWidget {
    Q_OBJECT
public:
    // Creating the window: the edit box starts with the first character of
    // the answer box (or "a"), Limited is selected, and Add & Advance is
    // enabled only when the main window's empty row is selected.
    DictionaryWindow(WordSearch& search, DictionaryHost& host, QWidget* parent = nullptr);

    // The window side of the "open dictionary" command: show, bring to the
    // front, focus the edit box and select its first 50 characters.
    void openDictionary();

    // The commands behind the buttons and the list, callable directly.
    void check();
    void nextTen();
    void nextLetter();
    void top();
    void bottom();
    void clear();
    void addAndEdit();
    void addAndAdvance();
    void sendSelectedWord();  // double-click on a list word

    QLineEdit* txtDict;
    QListWidget* lstDict;
    QRadioButton* optAllWords;
    QRadioButton* optLimited;
    QCheckBox* chkFamiliar;  // Familiar words: list only the everyday words
    QPushButton* cmdCheck;
    QPushButton* cmdNext10;
    QPushButton* cmdNextLtr;
    QPushButton* cmdTop;
    QPushButton* cmdBottom;
    QPushButton* cmdClear;
    QPushButton* cmdAddAdvance;
    QPushButton* cmdAddEdit;
    QLabel* lblDefinition;  // the selected word's part of speech and first senses

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Copies the edit box into the search before a command.
    void takeEditText();
    // Shows the search's edit text, list, selection and requests.
    void mirror();
    void markUnfit(QListWidgetItem* item, const std::string& word) const;
    void run(void (WordSearch::*command)());
    void listRowChanged(int row);
    void sendWord(bool advance);

    WordSearch& search_;
    DictionaryHost& host_;
    bool mirroring_ = false;
};

// The open-dictionary command for the main window: creates the window in
// `window` when it is not loaded (placing it beside `mainWindow`, or, with
// no room beside it, over it but clear of `keepClear`, the question and
// answer boxes in screen coordinates), then runs openDictionary. The window deletes itself when the user
// closes it, which empties `window`.
DictionaryWindow* openDictionaryWindow(QPointer<DictionaryWindow>& window, WordSearch& search,
                                       DictionaryHost& host, QWidget* mainWindow,
                                       const QRect& keepClear = {});

}  // namespace qbrx
