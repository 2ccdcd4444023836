// Documents built by hand and printed on the recording surface.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "pagelayout.h"
#include "recordingsurface.h"
#include "text.h"

namespace qbrx::test {

class PageTest : public ::testing::Test {
protected:
    Document doc;
    PageValues page = PageValues::fromPageSize(12240, 15840);
    RecordingSurface surface;
    std::optional<PagePrinter> printer;

    void setQuote(const std::string& quote) {
        doc.quotation = quote;
        doc.quoteLength = static_cast<int>(quote.size());
        doc.letterPool = upper(quote);
    }
    // Position p of the quotation is taken by the answer of `slot`.
    void take(int p, int slot) {
        doc.letterPool[static_cast<std::size_t>(p - 1)] = '_';
        doc.positionOwner[static_cast<std::size_t>(p)] = static_cast<std::int16_t>(slot);
    }
    // Appends a question; every letter of the answer is encoded (numbered
    // 1, 2, 3 ...) except the characters listed as gaps.
    void addQuestion(const std::string& question, const std::string& answer, const std::string& gaps = "") {
        const int q = ++doc.questionCount;
        doc.question[q] = question;
        doc.answer[q] = answer;
        doc.answerMarks[q] = answer;
        for (std::size_t i = 0; i < answer.size(); ++i) {
            const bool letter = static_cast<unsigned char>(answer[i]) >= 65;
            const bool gap = gaps.find(answer[i]) != std::string::npos;
            if (letter && !gap) {
                doc.answerMarks[q][i] = '_';
                doc.answerLetterNo[q][i + 1] = static_cast<std::int16_t>(i + 1);
            }
        }
    }
    bool print(bool key = false, bool crostic = false) {
        surface = RecordingSurface(page.pageWidth, page.pageHeight);
        printer.emplace(doc, surface, page);
        printer->keyMode = key;
        printer->crosticOn = crostic;
        return printer->printDoc();
    }
    // The page with a given room for the questions below a one-cell grid,
    // no header and the mini-instructions line (top of the questions 1394).
    void setAvailable(int available) { page = PageValues::fromPageSize(12240, available + 760 + 1394); }

    ::testing::AssertionResult drawnAt(const std::string& text, double x, double y) const {
        std::ostringstream seen;
        for (const Drawn& d : surface.texts(text)) {
            if (d.x1 == x && d.y1 == y) return ::testing::AssertionSuccess();
            seen << " (" << d.x1 << ", " << d.y1 << ")";
        }
        return ::testing::AssertionFailure() << "\"" << text << "\" not at (" << x << ", " << y << "); drawn at"
                                             << (seen.str().empty() ? " nowhere" : seen.str());
    }
    // Texts drawn inside a rectangle.
    std::vector<std::string> textsIn(double x1, double y1, double x2, double y2) const {
        std::vector<std::string> out;
        for (const Drawn& d : surface.of(Drawn::Text))
            if (d.x1 >= x1 && d.x1 < x2 && d.y1 >= y1 && d.y1 < y2) out.push_back(d.text);
        return out;
    }
};

}  // namespace qbrx::test
