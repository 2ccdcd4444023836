// SPDX-License-Identifier: GPL-3.0-or-later
// Registration with letter numbers that come with the puzzle (a file that
// stores them), or that the answers already hold, instead of random draws.
#include <algorithm>

#include "editor.h"
#include "text.h"

namespace qbrx {

namespace {

constexpr char kUsedMark = '_';

// The numbers fit when every numbered character of every answer names a
// free quotation letter that is the same letter. `pool` is taken as it goes.
bool numbersFit(const Document& doc, const std::string& quotation, const std::vector<int>& positionOf,
                const std::vector<std::vector<int>>& numbers, std::string& pool) {
    if (static_cast<int>(numbers.size()) != doc.questionCount) return false;
    for (int q = 1; q <= doc.questionCount; ++q) {
        const std::string word = upper(doc.answer[static_cast<std::size_t>(q)].substr(0, kAnswerCells));
        const std::vector<int>& given = numbers[static_cast<std::size_t>(q - 1)];
        if (given.size() > word.size()) return false;
        for (std::size_t k = 0; k < given.size(); ++k) {
            const int n = given[k];
            if (n == 0) continue;
            if (n < 0 || n >= static_cast<int>(positionOf.size())) return false;
            const auto c = static_cast<unsigned char>(word[k]);
            if (!isNumberedLetter(c) || c == kUsedMark) return false;
            const std::size_t p = static_cast<std::size_t>(positionOf[static_cast<std::size_t>(n)] - 1);
            if (upperChar(static_cast<unsigned char>(quotation[p])) != c || pool[p] == kUsedMark)
                return false;
            pool[p] = kUsedMark;
        }
    }
    return true;
}

// positionOf[n]: the 1-based position of letter number n in `text`.
std::vector<int> letterPositions(const std::string& text) {
    std::vector<int> positionOf(1, 0);
    for (std::size_t p = 0; p < text.size(); ++p)
        if (isNumberedLetter(static_cast<unsigned char>(text[p])))
            positionOf.push_back(static_cast<int>(p + 1));
    return positionOf;
}

// Gives the answers the fitted `numbers`: the stock, the answers' marks and
// the letters' owners follow from them.
void takeNumbers(Document& doc, const std::string& text, const std::vector<int>& positionOf,
                 const std::vector<std::vector<int>>& numbers) {
    doc.letterPool = upper(text);
    for (int q = 1; q <= doc.questionCount; ++q) {
        const std::string word = doc.answer[static_cast<std::size_t>(q)].substr(0, kAnswerCells);
        const std::vector<int>& given = numbers[static_cast<std::size_t>(q - 1)];
        std::string& marks = doc.answerMarks[static_cast<std::size_t>(q)];
        auto& letterNo = doc.answerLetterNo[static_cast<std::size_t>(q)];
        marks = word;
        std::fill(letterNo.begin(), letterNo.end(), std::int16_t{0});
        for (std::size_t k = 0; k < given.size(); ++k) {
            const int n = given[k];
            if (n == 0) continue;
            const int p = positionOf[static_cast<std::size_t>(n)];
            letterNo[k + 1] = static_cast<std::int16_t>(n);
            marks[k] = kUsedMark;
            doc.letterPool[static_cast<std::size_t>(p - 1)] = kUsedMark;
            doc.positionOwner[static_cast<std::size_t>(p)] = static_cast<std::int16_t>(q);
        }
    }
}

}  // namespace

bool Editor::registerWithNumbers(const std::vector<std::vector<int>>& numbers) {
    int one = 1;
    std::string text = view.quoteBox.substr(0, kMaxQuote);
    cleanQuotation(text);
    const std::vector<int> positionOf = letterPositions(text);
    std::string pool = upper(text);
    if (text.empty() || !numbersFit(doc, text, positionOf, numbers, pool)) {
        if (!text.empty())
            prompter_.message({kNumbersRedrawnMessage, std::nullopt, Buttons::Ok, Icon::Exclamation, 0});
        registerQuotation(one);
        return false;
    }

    doc.docChanged = true;
    doc.quotation = text;
    view.quoteBox = text;
    doc.quoteLength = static_cast<int>(text.size());
    numberLetters();
    takeNumbers(doc, text, positionOf, numbers);

    geometry = computeGridGeometry(doc.quoteLength);
    drawQuoteGrid();
    showLettersLeft();
    enableControls();
    showEncoding(one);
    mapCrostic();
    enableFileMenus();
    return true;
}

bool Editor::keepNumbers(const std::string& text) {
    if (text != doc.quotation || doc.letterPool.size() != text.size()) return false;
    std::vector<std::vector<int>> numbers;
    for (int q = 1; q <= doc.questionCount; ++q) {
        const auto& letterNo = doc.answerLetterNo[static_cast<std::size_t>(q)];
        const std::size_t length =
            std::min(doc.answer[static_cast<std::size_t>(q)].size(), static_cast<std::size_t>(kAnswerCells));
        if (std::any_of(letterNo.begin() + 1 + static_cast<std::ptrdiff_t>(length), letterNo.end(),
                        [](std::int16_t n) { return n != 0; }))
            return false;
        numbers.emplace_back(letterNo.begin() + 1,
                             letterNo.begin() + 1 + static_cast<std::ptrdiff_t>(length));
    }
    const std::vector<int> positionOf = letterPositions(text);
    std::string pool = upper(text);
    if (!numbersFit(doc, text, positionOf, numbers, pool) || pool != doc.letterPool) return false;
    // A letter left without a number is a gap only while the stock has no
    // free copy of it; otherwise the stock changed since it was drawn.
    for (int q = 1; q <= doc.questionCount; ++q) {
        const std::string word = upper(doc.answer[static_cast<std::size_t>(q)].substr(0, kAnswerCells));
        const std::vector<int>& given = numbers[static_cast<std::size_t>(q - 1)];
        for (std::size_t k = 0; k < given.size(); ++k) {
            const auto c = static_cast<unsigned char>(word[k]);
            if (given[k] == 0 && isNumberedLetter(c) && c != kUsedMark &&
                pool.find(word[k]) != std::string::npos)
                return false;
        }
    }
    takeNumbers(doc, text, positionOf, numbers);
    return true;
}

}  // namespace qbrx
