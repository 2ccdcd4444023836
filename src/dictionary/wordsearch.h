// SPDX-License-Identifier: GPL-3.0-or-later
// The word search behind the dictionary window (DictionaryWindow): the program-wide
// search state, and a plain-data model of the window's search controls.
//
// A window mirrors it like this: copy the edit box text into `txtDict`,
// call one command, then read back `txtDict`, `lstDict`, `selectedIndex`,
// `selectWholeText` (caret at the start, whole edit text selected) and
// `focusEditBox`. Every command first clears the two request flags.
//
// The search reads the document (free letters, the current answer) and
// never changes it. Beeps and messages go through the Prompter.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary.h"
#include "document.h"
#include "prompter.h"

namespace qbrx {

inline constexpr const char* kEndOfWordListMessage = "You have reached the end of the word list";
inline constexpr int kWordsPerStep = 10;       // words listed per search step
inline constexpr int kCheckScanEnd = 91528;    // a Check or Next Ltr scan ends here
inline constexpr int kNextTenScanEnd = 91518;  // a Next 10 scan ends here
inline constexpr int kListOverflowCount = 32000;

enum class SearchMode { Limited, AllWords };

// Keys pressed in the edit box that act on the list.
enum class DictKey { PageUp, PageDown, Home, End, Up, Down };

class WordSearch {
public:
    WordSearch(const Dictionary& dictionary, const Document& document, Prompter& prompter);

    // --- Program-wide search state (outlives the window).
    std::string searchWord;           // lower case
    int firstLetterNo = 0;            // 1..26; 27: no letter left to search
    int secondLetterNo = 0;           // 1..26
    int listedCount = 0;              // words added since the list was emptied
    bool listOverflow = false;        // empty the list at the next search
    std::int32_t resumePosition = 0;  // where Next 10 continues
    // Familiar words: the scans skip words above kFamiliarLevel (and words
    // of unknown level). On at start; it has no effect on a dictionary
    // without levels.
    bool familiarOnly = true;

    // --- The window's controls.
    std::string txtDict;               // edit box text (Windows-1252)
    std::vector<std::string> lstDict;  // listed words, in the order found
    int selectedIndex = -1;            // selected list item, -1 for none
    SearchMode mode = SearchMode::Limited;
    // Requests for the window, cleared at the start of every command.
    bool selectWholeText = false;  // caret at 0, whole txtDict selected
    bool focusEditBox = false;     // give txtDict the focus

    // --- The search procedures.
    void findStartLetters();
    void searchWords();
    void listNextTen();
    // True when `word` can be built from the free letters plus `answer`,
    // each stock letter serving one word letter.
    bool fitsLetterStock(std::string_view word, std::string_view answer) const;

    // False when the word list holds no word (words.dic missing): Check,
    // Next 10 and Next Ltr then say so instead of listing nothing.
    bool dictionaryLoaded() const { return dict_.loadedWords() > 0; }

    // --- Buttons and commands of the window.
    void check();       // Check button: the list starts afresh
    void enterKey();    // Enter in txtDict (same as Check)
    void nextTen();     // Next 10 (end message past the end of the list)
    void nextLetter();  // Next Ltr
    void top();
    void bottom();
    void clear();
    void allWords();              // option All Words
    void limited();               // option Limited
    void familiarWords(bool on);  // check box Familiar words; no new search
    // True when the dictionary knows its words' levels, so that Familiar
    // words can be offered.
    bool familiarAvailable() const { return dict_.hasLevels(); }
    // True when the list holds `word` as one unfit for a class handout: it
    // is listed when typed, marked, but never among the Familiar words.
    bool unfitWord(const std::string& word) const { return dict_.unfit(dict_.find(word)); }
    void clickWord(int index);  // click on a list word (or any selection)
    // A key pressed in txtDict. Returns true when the key is consumed (all
    // of them, except Page Down when it starts a Next 10).
    bool keyPressed(DictKey key);

    // The window's life (the word search survives it).
    // Creating the window: txtDict <- first character of the answer box, or
    // "a"; Limited selected; list empty.
    void windowCreated(const std::string& answerBoxText);
    // Closing the window: listedCount 0, list emptied.
    void windowClosed();
    // The document reset of New and Open.
    void resetCounters();

    // The selected word, "" when nothing is selected.
    std::string selectedWord() const;

private:
    void beginCommand();
    // Tells the author when there is no word list; true then.
    bool saidDictionaryMissing();
    // Selects item `index` like a click: the word goes into txtDict, also
    // when the item was selected already (Top on the first word after the
    // edit box was changed).
    void selectItem(int index);
    std::string currentAnswer() const;  // lower case
    std::string stockText() const;      // free letters + current answer, lower case
    // Per-character counts of the stock, built once per scan: the fit test
    // then costs one table look-up per word letter.
    void buildStockTable(std::string_view answer, std::array<int, 256>& counts) const;
    // False for the word at position p when Familiar words leaves it out.
    bool familiarOk(std::int32_t p) const;
    // The fit test on a count table; leaves the table as it found it.
    static bool fitsTable(std::string_view word, std::array<int, 256>& counts);

    const Dictionary& dict_;
    const Document& doc_;
    Prompter& prompter_;
};

}  // namespace qbrx
