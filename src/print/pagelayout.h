// SPDX-License-Identifier: GPL-3.0-or-later
// The printed page: header, quotation grid, mini-instructions line,
// questions with their answer blanks and the crostic block, drawn with
// absolute twip coordinates from the printable area's corner. The same page
// with the letters filled in is the key. The page is planned first
// (pageplan.h), then drawn; a coordinate that leaves 16 bits abandons it.
//
// Where the classic one-page layout would print text over text or off the
// page, it gives way as little as needed: questions that do not fit continue
// on further pages under a short header, a long crostic wraps onto a second
// row, and a title, created-by text or question too long for its room is
// shrunk, then wrapped, then cut with an ellipsis.
#pragma once

#include "document.h"
#include "pageplan.h"
#include "printsurface.h"

namespace qbrx {

// Lays out one page of a document on a surface. Construct one per page.
class PagePrinter {
public:
    PagePrinter(const Document& doc, PrintSurface& surface, const PageValues& page,
                const PrintOptions& options);

    // Plans and prints the whole page (and the pages its questions continue
    // on) and ends the job. Returns false when an error (an overflow)
    // abandoned the page; the job is then not ended and the caller discards
    // what was drawn.
    bool printDoc();

    // The plan the last printDoc drew.
    const PagePlan& plan() const { return plan_; }
    const PageValues& page() const { return page_; }

private:
    void printAt(int x, int y, const std::string& text, int size);
    void printAtXY(int x, int y, const std::string& text);
    void printPlaced(const PlacedText& text);

    // --- Blocks, in page order.
    void printGrid();
    void printOwnerLabel(int x, int y, int cell, const std::string& number, const std::string& label,
                         int size);
    void printQuestion(const Placement& at);
    void printCrostic();

    const Document& doc_;
    PrintSurface& s_;
    PageValues page_;
    PrintOptions options_;
    PagePlan plan_;
};

}  // namespace qbrx
