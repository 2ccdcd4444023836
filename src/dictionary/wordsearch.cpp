// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordsearch.h"

#include <algorithm>

#include "text.h"

namespace qbrx {

WordSearch::WordSearch(const Dictionary& dictionary, const Document& document, Prompter& prompter)
    : dict_(dictionary), doc_(document), prompter_(prompter) {}

// --- Letter stock ----------------------------------------------------------

std::string WordSearch::currentAnswer() const { return lower(doc_.answerOf(doc_.currentQuestion)); }

std::string WordSearch::stockText() const { return lower(doc_.lettersLeft) + currentAnswer(); }

void WordSearch::buildStockTable(std::string_view answer, std::array<int, 256>& counts) const {
    counts.fill(0);
    for (unsigned char c : doc_.lettersLeft) ++counts[lowerChar(c)];
    for (unsigned char c : answer) ++counts[lowerChar(c)];
}

// Each word letter takes the first copy of itself from the stock, which
// becomes a space. A space in the word is therefore served by any space of
// the stock, including the ones left by letters already taken, and takes
// nothing away.
bool WordSearch::fitsTable(std::string_view word, std::array<int, 256>& counts) {
    int spaces = counts[static_cast<unsigned char>(' ')];
    std::size_t i = 0;
    bool fits = true;
    for (; i < word.size(); ++i) {
        const auto c = static_cast<unsigned char>(word[i]);
        if (c == ' ') {
            if (spaces == 0) {
                fits = false;
                break;
            }
            continue;
        }
        if (counts[c] == 0) {
            fits = false;
            break;
        }
        --counts[c];
        ++spaces;
    }
    for (std::size_t j = 0; j < i; ++j) {
        const auto c = static_cast<unsigned char>(word[j]);
        if (c != ' ') ++counts[c];
    }
    return fits;
}

bool WordSearch::fitsLetterStock(std::string_view word, std::string_view answer) const {
    std::array<int, 256> counts;
    buildStockTable(answer, counts);
    return fitsTable(word, counts);
}

bool WordSearch::familiarOk(std::int32_t p) const {
    if (!familiarOnly || !dict_.hasLevels()) return true;
    const int level = dict_.level(p);
    return level != 0 && level <= kFamiliarLevel && !dict_.unfit(p);
}

// --- Search procedures -----------------------------------------------------

void WordSearch::findStartLetters() {
    const std::string& answer = doc_.answerOf(doc_.currentQuestion);
    if (doc_.lettersLeft.empty() && answer.empty()) {
        firstLetterNo = 27;
        return;
    }
    searchWord = txtDict;
    const auto first = static_cast<unsigned char>(searchWord.empty() ? '\0' : searchWord[0]);
    const auto second = static_cast<unsigned char>(searchWord.size() < 2 ? 'a' : searchWord[1]);
    firstLetterNo = first % 32;
    secondLetterNo = second % 32;
    if (secondLetterNo == 0) secondLetterNo = 1;
    if (firstLetterNo < 1) firstLetterNo = 1;

    if (mode == SearchMode::Limited) {
        // The current answer's letters count for the typed first letter
        // only; when skipping ahead, only free letters decide.
        const bool inAnswer = upper(answer).find(static_cast<char>(upperChar(first))) != std::string::npos;
        if (!inAnswer && doc_.letterLeftCount[firstLetterNo] == 0) {
            do {
                secondLetterNo = 1;
                ++firstLetterNo;
            } while (firstLetterNo < 27 && doc_.letterLeftCount[firstLetterNo] == 0);
        }
    }

    if (searchWord.size() < 3) {
        int c1 = firstLetterNo + 96;
        if (c1 > 122) c1 = 97;
        searchWord = {static_cast<char>(c1), static_cast<char>(secondLetterNo + 96)};
    }
}

void WordSearch::searchWords() {
    searchWord = txtDict;
    const std::string answer = currentAnswer();
    if (listedCount > kListOverflowCount) listOverflow = true;
    if (listOverflow) {
        lstDict.clear();
        selectedIndex = -1;
        searchWord = "a";
        listedCount = 0;
        listOverflow = false;
    }
    if (!searchWord.empty()) {
        searchWord = lower(searchWord);
        txtDict = searchWord;
        findStartLetters();
        if (firstLetterNo > 26) {
            prompter_.beep();
            return;
        }
    }

    const int limit = firstLetterNo + 96;
    // A second character after "z" ("{" and the like) starts with the last
    // pair of the letter, which lies before it.
    std::int32_t p = dict_.startIndex(firstLetterNo, std::min(secondLetterNo, 26));
    const bool limited = mode == SearchMode::Limited;
    std::array<int, 256> stock;
    if (limited) buildStockTable(answer, stock);
    const std::string_view target = searchWord;

    int added = 0;
    do {
        const std::string_view w = dict_.wordList(p);
        if (w >= target) {
            const int code = w.empty() ? 0 : static_cast<unsigned char>(w[0]);
            if (code > limit) break;
            if (!w.empty() && familiarOk(p) && (!limited || fitsTable(w, stock))) {
                lstDict.emplace_back(w);
                ++added;
            }
        }
        ++p;
    } while (added < kWordsPerStep && p < kCheckScanEnd);

    listedCount += added;
    resumePosition = p;
    if (!lstDict.empty()) selectItem(static_cast<int>(lstDict.size()) - 1);
    if (added == 0) added = 1;
    if (listedCount != 0) selectItem(listedCount - added);
    txtDict = lstDict.empty() ? std::string() : lower(lstDict.back());
}

void WordSearch::listNextTen() {
    const std::string answer = currentAnswer();
    const bool limited = mode == SearchMode::Limited;
    std::array<int, 256> stock;
    if (limited) buildStockTable(answer, stock);
    const std::string target = txtDict;

    std::int32_t p = resumePosition;
    int added = 0;
    do {
        const std::string_view w = dict_.wordList(p);
        // Empty positions (0, and those after the last word) are never
        // listed, even when the edit box is empty.
        if (!w.empty() && w >= std::string_view(target) && familiarOk(p) &&
            (!limited || fitsTable(w, stock))) {
            lstDict.emplace_back(w);
            ++added;
        }
        ++p;
        resumePosition = p;
    } while (added < kWordsPerStep && p < kNextTenScanEnd);

    listedCount += added;
    if (listedCount != 0) {
        const int count = static_cast<int>(lstDict.size());
        if (count > kWordsPerStep) {
            selectItem(count - 1);
            selectItem(count - kWordsPerStep);
        } else {
            selectItem(0);
        }
    }
    txtDict = lstDict.empty() ? std::string() : lower(lstDict.back());
    selectWholeText = true;
}

// --- List selection ----------------------------------------------------------

void WordSearch::selectItem(int index) {
    if (index < 0 || index >= static_cast<int>(lstDict.size())) return;
    selectedIndex = index;
    txtDict = lstDict[static_cast<std::size_t>(index)];
    selectWholeText = true;
}

std::string WordSearch::selectedWord() const {
    if (selectedIndex < 0 || selectedIndex >= static_cast<int>(lstDict.size())) return {};
    return lstDict[static_cast<std::size_t>(selectedIndex)];
}

// --- Commands ------------------------------------------------------------------

void WordSearch::beginCommand() {
    selectWholeText = false;
    focusEditBox = false;
}

bool WordSearch::saidDictionaryMissing() {
    if (dictionaryLoaded()) return false;
    prompter_.tell(kNoDictionaryMessage);
    return true;
}

void WordSearch::check() {
    beginCommand();
    if (saidDictionaryMissing()) return;
    // The list shows the words from the one typed on, each once.
    lstDict.clear();
    selectedIndex = -1;
    listedCount = 0;
    if (!txtDict.empty()) searchWords();
    focusEditBox = true;
    selectWholeText = true;
}

void WordSearch::enterKey() { check(); }

void WordSearch::nextTen() {
    beginCommand();
    if (saidDictionaryMissing()) return;
    listNextTen();
    if (resumePosition > kNextTenScanEnd) prompter_.tell(kEndOfWordListMessage);
    focusEditBox = true;
    selectWholeText = true;
}

void WordSearch::nextLetter() {
    beginCommand();
    if (saidDictionaryMissing()) return;
    if (txtDict.empty()) txtDict = "a";
    const auto first = static_cast<unsigned char>(txtDict[0]);
    if (upperChar(first) <= 'Y') txtDict = std::string(1, static_cast<char>(lowerChar(first) + 1));
    if (upperChar(static_cast<unsigned char>(txtDict[0])) == 'Z')
        prompter_.tell(kEndOfWordListMessage);
    else
        searchWords();
    focusEditBox = true;
    selectWholeText = true;
}

void WordSearch::top() {
    beginCommand();
    if (lstDict.empty()) return;
    selectItem(0);
    focusEditBox = true;
}

void WordSearch::bottom() {
    beginCommand();
    if (lstDict.empty()) return;
    selectItem(static_cast<int>(lstDict.size()) - 1);
    focusEditBox = true;
}

void WordSearch::clear() {
    beginCommand();
    lstDict.clear();
    selectedIndex = -1;
    txtDict.clear();
    focusEditBox = true;
    listedCount = 0;
}

void WordSearch::allWords() {
    beginCommand();
    mode = SearchMode::AllWords;
    focusEditBox = true;
    selectWholeText = true;
}

void WordSearch::limited() {
    beginCommand();
    mode = SearchMode::Limited;
    focusEditBox = true;
    selectWholeText = true;
}

void WordSearch::familiarWords(bool on) {
    beginCommand();
    familiarOnly = on;
    focusEditBox = true;
    selectWholeText = true;
}

void WordSearch::clickWord(int index) {
    beginCommand();
    if (index < 0 || index >= static_cast<int>(lstDict.size())) return;
    selectedIndex = index;
    txtDict = lstDict[static_cast<std::size_t>(index)];
    selectWholeText = true;
}

bool WordSearch::keyPressed(DictKey key) {
    beginCommand();
    const int count = static_cast<int>(lstDict.size());
    const int index = selectedIndex;
    switch (key) {
        case DictKey::PageUp:
            if (count == 0) break;
            selectItem(index >= 11 ? index - kWordsPerStep : 0);
            break;
        case DictKey::PageDown:
            if (count == 0 || index == count - 1) {
                listNextTen();
                return false;
            }
            selectItem(index < count - kWordsPerStep ? index + kWordsPerStep : count - 1);
            break;
        case DictKey::Home:
            if (count >= 2) selectItem(0);
            break;
        case DictKey::End:
            if (count >= 2) selectItem(count - 1);
            break;
        case DictKey::Up:
            if (count >= 2 && index >= 1) selectItem(index - 1);
            break;
        case DictKey::Down:
            if (index < count - 1) selectItem(index + 1);
            break;
    }
    return true;
}

// --- Window life and document reset ---------------------------------------------

void WordSearch::windowCreated(const std::string& answerBoxText) {
    beginCommand();
    txtDict = answerBoxText.empty() ? std::string("a") : answerBoxText.substr(0, 1);
    mode = SearchMode::Limited;
    lstDict.clear();
    selectedIndex = -1;
}

void WordSearch::windowClosed() {
    listedCount = 0;
    lstDict.clear();
    selectedIndex = -1;
}

void WordSearch::resetCounters() {
    listedCount = 0;
    listOverflow = false;
    firstLetterNo = 0;
    secondLetterNo = 0;
}

}  // namespace qbrx
