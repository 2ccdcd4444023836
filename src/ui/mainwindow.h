// SPDX-License-Identifier: GPL-3.0-or-later
// The main window (MainWindow): the quotation box and its counts, the
// letters-left strip, the question list and the question and answer boxes,
// the Encoded line, the crostic strip and the menus.
//
// The window is thin. Every handler copies the three box texts into the
// editor's view, runs one Editor operation, then mirrors the view back onto
// the widgets (perform). The puzzle itself lives in the Editor.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "definitions.h"
#include "dictionary.h"
#include "dictionaryhost.h"
#include "document.h"
#include "editor.h"
#include "exportcommand.h"
#include "pageplan.h"
#include "wordsearch.h"

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace qbrx {

class DocumentCommands;
class DictionaryWindow;
class QuoteGridWindow;
class OptionsDialog;

class MainWindow : public QMainWindow, public DictionaryHost {
    Q_OBJECT
public:
    // The prompter answers every question the window asks, the random source
    // draws the encodings, the dictionary feeds the word search. The window
    // keeps references to all three.
    MainWindow(Prompter& prompter, RandomSource& random, const Dictionary& dictionary,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    Editor& editor() { return editor_; }
    WordSearch& wordSearch() { return *wordSearch_; }
    QuoteGridWindow* gridWindow() const { return gridWindow_; }
    OptionsDialog* optionsDialog();
    // New, Open, Save, Save As and Revert, and the file name they keep.
    DocumentCommands& documentCommands() { return *commands_; }

    // The window's part of start-up: the prompt in the quotation box,
    // selected; the first list row selected; only the quotation box, the
    // Register button and the menus usable.
    void startUp();

    // The printer that Print, Print Key, the print preview and the printer
    // dialogs share. Asking the print system takes a good part of a second,
    // so the printer is set up on its first use, not at start-up.
    QPrinter& printer();
    bool printerSetUp() const { return printer_ != nullptr; }

    // The definitions beside the word list, read on first use.
    const Definitions& definitions();
    // Draft Clue: the question box gets a clue drafted from the answer
    // box's word, or the next one when it holds a draft already; a question
    // the author typed is replaced only when the author agrees.
    void draftClue();

    // Opens a data file by name, as Open does after its dialog (the file
    // named on the command line).
    void openFile(const std::string& path);

    // Copies the boxes into the view, runs `operation` on the editor, and
    // mirrors the view back onto the widgets.
    void perform(const std::function<void(Editor&)>& operation);
    // The two halves of perform.
    void copyBoxesToView();
    void mirrorView();

    // --- DictionaryHost.
    std::string answerBoxText() const override;
    std::string describeWord(const std::string& word) override;
    void setAnswerBoxText(const std::string& text) override;
    void setQuestionBoxText(const std::string& text) override;
    void focusQuestionBox() override;
    bool emptyRowSelected() const override;
    void setAdvanceMarkers() override;

    // Set by the dictionary's Add & Advance: the question box's next focus
    // accepts the entry and brings the dictionary back.
    bool advancePending = false;

    // The commands that open the other windows of the program; each does
    // nothing while empty.
    std::function<void()> onOpenDictionary;
    std::function<void()> onHelpTopics;
    std::function<void()> onHavingTrouble;
    std::function<void()> onAboutQuotabrix;
    // Runs after every operation (recovery writing watches the puzzle here).
    std::function<void()> afterPerform;

    // --- Controls, named as the program names them.
    QLabel* lblEditquote;
    QPlainTextEdit* txtQuote;
    QPushButton* cmdRegister;
    QFrame* shp1;
    QFrame* shp2;
    QFrame* shp3;
    QFrame* shpRegister;
    QPushButton* cmdQuote;
    QLabel* Label9;
    QLabel* lblTotalletters;
    QLabel* Label8;
    QLabel* lblvowels;
    QLabel* Label11;
    QLabel* lblconsonants;
    QLabel* lblAverageTitle;  // "Average Answer Length:"
    QLabel* lblAverage;
    QLabel* Label7;
    std::array<QLabel*, 26> lblCountTop{};
    std::array<QLabel*, 27> lblLettersleft{};
    QLabel* Label1;
    std::array<QLabel*, kCrosticLabels> lblCrostic{};
    QRadioButton* optCrosticOn;
    QRadioButton* optCrosticOff;
    QPushButton* cmdCrostic;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* lblQuestionlist;
    QListWidget* lstQuestion;
    QToolButton* cmdMoveUp;
    QToolButton* cmdMoveDown;
    QLabel* lblMove;
    QPushButton* cmdInsert;
    QPushButton* cmdDelete;
    QPushButton* cmdJump;
    QPushButton* cmdEmpty;
    QPushButton* cmdGaps;
    QLabel* lblQA;
    QLabel* lblQuestion;
    QLineEdit* txtQuestion;
    QLabel* lblAnswer;
    QLineEdit* txtAnswer;
    QPushButton* cmdAccept;
    QPushButton* cmdDictionary;
    QPushButton* cmdDraftClue;  // Draft Clue, beside the question box
    QLabel* lblEncodedTitle;
    QLabel* lblEncoded;
    std::array<QLabel*, kNumberLabels> lblUnderCrostic{};
    QLabel* lblBottom;

    // Menus and their items.
    QMenu* mnuFile;
    QMenu* mnuEdit;
    QMenu* mnuQbrx;
    QMenu* mnuWindows;
    QMenu* mnuHelp;
    QAction* mnuNew;
    QAction* mnuOpen;
    QAction* mnuClose;
    QAction* mnuSave;
    QAction* mnuSaveAs;
    QAction* mnuRevert;
    QAction* mnuPrintSetup;
    QAction* mnuPrintPreview;  // File > Print Preview...: puzzle and key
    QAction* mnuPrint;
    QAction* mnuPrintkey;
    QAction* mnuExport;  // File > Export...: PDF, ipuz or JPZ
    QAction* mnuQuit;
    QAction* mnuUndo;
    QAction* mnuRedo;
    QAction* mnuCut;
    QAction* mnuCopy;
    QAction* mnuPaste;
    QAction* mnuClear;
    QAction* mnuSelectAll;
    QAction* mnuHeader;
    QAction* mnuDictionary;
    QAction* mnuCrosticSetup;
    QAction* mnuMoveUp;
    QAction* mnuMoveDown;
    QAction* mnuSuggest;    // Qbrx > Suggest Answers...
    QAction* mnuDraftClue;  // Qbrx > Draft Clue
    QAction* mnuControls;
    QAction* mnuQuoteGrid;
    QAction* mnuHelpTopics;
    QAction* mnuHavingTrouble;
    QAction* mnuAboutQuotabrix;
    // The question list's pop-up menu "Edit Question List" and its item.
    QMenu* Popmenu;
    QAction* Qdelete;

    // Shows the pop-up menu at a screen position; replaceable so that a
    // test can answer it.
    std::function<void(const QPoint&)> showPopup;

public slots:
    // The open-dictionary command (Dictionary button and menu item).
    void openDictionary();
    // Ends the program at once (Quit, once any unsaved changes were dealt with).
    void quit();
    // Qbrx > Suggest Answers...: the dialog of sets of answers for the empty slots.
    void openSuggestAnswers();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void connectControls();
    QWidget* buildQuotationArea();
    QWidget* buildLettersLeftStrip();
    QWidget* buildQuestionArea();
    QWidget* buildEncodedArea();
    QWidget* buildCrosticArea();

    // Handlers that need more than one operation.
    void questionBoxGotFocus();
    void listMouseUp(Qt::MouseButton button);
    bool boxKeyDown(QWidget* box, QKeyEvent* key);
    bool quoteKeyDown(QKeyEvent* key);
    bool isMenuShortcut(const QKeyEvent* key) const;
    void replayKey(QWidget* box, QKeyEvent* key, int replacement);
    void applyEnabling();
    void print(bool keyMode);
    // The puzzle (the key with `key`), with the crostic block as the crostic option says.
    PrintOptions printOptions(bool key) const;
    // Edit > Undo and Redo: the focused box's typing first, then the puzzle's
    // history; and the two items' names.
    void undoOrRedo(bool redo);
    void nameUndoItems();

    Editor editor_;
    const Dictionary& dictionary_;
    std::unique_ptr<WordSearch> wordSearch_;
    std::unique_ptr<DocumentCommands> commands_;
    std::unique_ptr<DefinitionsOnDemand> definitions_;
    std::unique_ptr<QPrinter> printer_;
    ExportCommand exportCommand_;                                  // keeps the last export name
    std::vector<QAction*> allActions_;                             // every menu item
    std::array<CrosticLabelView, kCrosticLabels> shownCrostic_{};  // as last drawn
    int questionFocusRuns_ = 0;
    QuoteGridWindow* gridWindow_ = nullptr;
    OptionsDialog* options_ = nullptr;
    QPointer<DictionaryWindow> dictionaryWindow_;
    QWidget* encodedPanel_ = nullptr;

    bool mirroring_ = false;             // widget signals from the mirror are not the user's
    bool operating_ = false;             // an operation of perform is running
    bool replayingKey_ = false;          // a replaced key is on its way to its box
    bool inQuestionFocus_ = false;       // the question box's focus handling is running
    QObject* clickedIntoBox_ = nullptr;  // question or answer box focused by a click not yet released
};

}  // namespace qbrx
