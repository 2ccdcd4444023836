// SPDX-License-Identifier: GPL-3.0-or-later
#include "document.h"

#include <algorithm>

namespace qbrx {

const std::string alphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

namespace {

std::array<std::string, 53> makeQuestionLetters() {
    std::array<std::string, 53> t;
    for (int q = 1; q <= 52; ++q) {
        const char c = static_cast<char>('A' + (q - 1) % 26);
        t[q] = q <= 26 ? std::string(1, c) : std::string(2, c);
    }
    return t;
}

std::array<std::string, 53> makeListPrefixes(const std::array<std::string, 53>& letters) {
    std::array<std::string, 53> t;
    for (int q = 1; q <= 52; ++q) t[q] = (q <= 26 ? " " : "") + letters[q] + ". ";
    return t;
}

}  // namespace

const std::array<std::string, 53> questionLetter = makeQuestionLetters();
const std::array<std::string, 53> listPrefix = makeListPrefixes(questionLetter);

bool isAlphabetLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

void admitAnswer(std::string& answer) { std::replace(answer.begin(), answer.end(), '_', '-'); }

const std::string& Document::answerOf(int slot) const {
    static const std::string empty;
    return slot >= 1 && slot <= kMaxSlots ? answer[slot] : empty;
}

void resetDocumentValues(Document& doc) {
    for (int q = 1; q <= kMaxSlots; ++q) {
        doc.question[q].clear();
        doc.answer[q].clear();
        doc.answerMarks[q].clear();
        doc.crosticPos[q] = 0;
        doc.crosticQuestion[q] = 0;
        doc.answerLetterNo[q].fill(0);
    }
    doc.positionLetterNo.fill(0);
    doc.positionOwner.fill(0);
    doc.letterLeftCount.fill(0);
    doc.crostic.clear();
    doc.crosticSetUp = false;
    doc.lettersLeft.clear();
    doc.letterPool.clear();
    doc.quoteLength = 0;
    doc.questionCount = 0;
    doc.currentQuestion = 1;
    doc.header.title.clear();
    doc.header.createdBy.clear();
    doc.header.quotationBy.clear();
    doc.header.instructions.clear();
}

}  // namespace qbrx
