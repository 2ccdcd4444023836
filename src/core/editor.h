// SPDX-License-Identifier: GPL-3.0-or-later
// Every operation that changes the puzzle, working on the document and on
// the plain-data view of the main window. The Qt window copies what the user
// typed into `view` (quoteBox, questionBox, answerBox), calls one operation,
// then mirrors `view` back onto its widgets.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "document.h"
#include "gridgeometry.h"
#include "history.h"
#include "mainview.h"
#include "prompter.h"
#include "puzzle.h"
#include "random.h"

namespace qbrx {

// Shown when an answer would need a 51st slot (Accept or Insert with fifty
// filled slots).
inline constexpr const char* kSlotsFullMessage =
    "A puzzle holds at most 50 questions. Delete a question to make room for another.";
// Shown when stored letter numbers do not fit the quotation and answers.
inline constexpr const char* kNumbersRedrawnMessage =
    "The letter numbers stored with this puzzle do not fit its quotation and answers.\n"
    "The answers' letters have been drawn afresh, so the printed numbers will differ from the file's.";

// Asked before an answer goes into a slot whose letter in the author's
// crostic it does not start with: "ginger" under the L of LINCOLN.
std::string crosticMismatchQuestion(const std::string& answer, char letter);
// Asked before a slot with a letter of the author's crostic is deleted.
std::string keepCrosticSlotQuestion(int slot, char letter);

// What the answers still empty can average when they use up the letters
// left (Average Answer Length), to one decimal; "" when no answer is empty.
std::string averageAnswerLength(const Document& doc, int lettersLeft);

// Keys of the question and answer boxes that the program handles.
enum class BoxKey { PageUp, PageDown, Home, End, Up, Down, Enter, Other };

class Editor {
public:
    Editor(Prompter& prompter, RandomSource& random);

    Document doc;
    MainView view;

    // Question-list bookkeeping; not reset by New or Open.
    int lastListRow = 0;
    int priorListRow = 0;
    int markedSlot = 0;

    // Grid geometry of the current quotation (recomputed by registration).
    GridGeometry geometry;
    // Width of the quotation box in twips; the grid window is sized from it.
    int quoteBoxWidth = 9600;

    // Undo and Redo of every change to the puzzle (off until switched on).
    History history;

    // Called by resetDocument so that other subsystems (the word search)
    // can zero their working values.
    std::function<void()> onReset;

    Prompter& prompter() { return prompter_; }
    RandomSource& random() { return random_; }
    void setRandom(RandomSource& random) { random_ = random; }

    // --- Start-up: prompt in the quotation box, selected; currentQuestion 0;
    // docChanged off; the row for slot 1 added and selected.
    void startUp();

    // --- Opening a puzzle (loadpuzzle.cpp).
    enum class Numbering {
        Drawn,    // the puzzle kept no numbers: drawn at random
        Kept,     // the puzzle's own numbers
        Redrawn,  // the puzzle's numbers did not fit: drawn afresh (said so)
    };
    // Puts a puzzle read from a file into a freshly reset document and
    // window, as File > Open does, and rebuilds everything derived from its
    // texts. With `rebuild` false (a data file damaged in its pairs) the
    // texts read are kept but nothing is rebuilt: the window shows the reset
    // state. Opening leaves docChanged as it was.
    Numbering loadPuzzle(const Puzzle& puzzle, bool rebuild = true);

    // --- Registration and letter stock.
    void registerButton();  // the Register button, in full
    void quoteEnter();      // Enter in the quotation box
    void registerQuotation(int& slot);
    // Registers the quotation box as registerQuotation(slot 1) does, but
    // gives answer character k of slot q the letter number numbers[q-1][k-1]
    // (0: not a letter, or a gap) instead of drawing it. When the numbers do
    // not fit (another count of slots, a number that is not a letter of the
    // quotation, a letter other than the answer's, a letter given twice),
    // it says so and registers with fresh draws; false then.
    // (givennumbers.cpp)
    bool registerWithNumbers(const std::vector<std::vector<int>>& numbers);
    static std::string cleanQuotation(std::string& text);
    void numberLetters();
    void countLetters();
    void showLettersLeft();
    void enableFileMenus();

    // --- Acceptance and encoding.
    void acceptButton();
    void acceptAnswer(int& slot);
    void encodeAnswer(int& slot);
    void showEncoding(int& slot);
    void fillQuestionList();
    // True when slot q has a gap (an alphabet letter without a number).
    bool hasGap(int slot) const;

    // --- Question list.
    // Selects a row (-1 for none). Selecting another row than the selected
    // one runs the row selection; the same row again does nothing. The row
    // after fifty filled slots cannot be selected.
    void selectListRow(int row);
    void rowSelected();  // the list's selection handling
    void selectSlot(int slot);
    void listMouseDown();  // call after the click changed the row
    void listMouseUp();    // the pop-up menu is the window's
    void selectQuestionText();
    void insertQuestion();
    void deleteButton();               // asks first; also the full stop in the list
    void deleteFromPopup();            // no question
    void moveQuestion(int direction);  // -1 up, +1 down
    void jumpToLast();
    void findEmptyAnswers();
    void findGaps();
    // Key-down in the question box (questionBox true) or the answer box.
    // Returns the key the box should go on to process: Up becomes Home, Down
    // becomes End, others are returned as given.
    BoxKey boxKey(BoxKey key, bool questionBox);

    // --- Crostic.
    void setupCrostic();
    void mapCrostic();
    void showCrostic();
    void mapCrosticSlots();
    void crosticLabelClick(int n);  // label element n (0..38)
    void crosticOptionClick(bool on);

    // --- Header dialog's Okay: takes its values; different ones are a change
    // like any other (Save clears it, New, Open and Quit ask before dropping it).
    void setHeader(const HeaderValues& header);

    // --- Window-level rules of the main window and the grid window.
    void enableControls();
    void disableControls();
    void resetDocument();
    void drawQuoteGrid();
    void quoteButtonClick();  // Show Quote / Hide Quote
    void quoteGridMenu();     // Windows > Quote Grid (F7)
    void gridWindowFocus(bool gained);
    void questionBoxFocus();  // caption and "Question for" selection
    void answerBoxFocus();    // whole text selected

private:
    // The letter of the author's crostic that `slot` answers, or 0 when the
    // crostic follows the answers or has no letter for the slot.
    char crosticLetterOf(int slot) const;
    // Selects the first slot from `from` on whose answer is still empty (one
    // character at most, as a crostic letter alone; the empty row is one),
    // going round to slot 1; the question box gets the focus. False when
    // no answer is empty.
    bool advanceToEmptyAnswer(int from);
    // Deleting slot i: with its question and answer, its crostic character
    // goes (removeSlot); or the slot stays with only its crostic letter
    // (keepCrosticLetter).
    void removeSlot(int i);
    void keepCrosticLetter(int i);
    // Registering `text` when neither it nor any answer changed since the
    // answers drew their letters: the answers keep their numbers (stock,
    // marks and owners rebuilt from them), so a key printed before still
    // matches. False, and nothing touched, when anything changed.
    // (givennumbers.cpp)
    bool keepNumbers(const std::string& text);
    void focusQuestionOrQuote();
    void showGridWindow();
    Prompter& prompter_;
    std::reference_wrapper<RandomSource> random_;
};

}  // namespace qbrx
