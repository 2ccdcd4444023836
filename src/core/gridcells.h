// SPDX-License-Identifier: GPL-3.0-or-later
// The numbered quotation grid, cell by cell: what the grid window, the
// printed grid and the exports all draw from. The grid's rows, columns and
// leading blanks come from its geometry; the cells from the document.
#pragma once

#include <string>
#include <vector>

#include "document.h"
#include "gridgeometry.h"

namespace qbrx {

struct GridCell {
    int row = 0;     // 0-based
    int column = 0;  // 0-based
    // Quotation position 1..L; 0 for a blank cell before the quotation or
    // past its end.
    int position = 0;
    // The quotation's character at the position and the letter stock's (in
    // capitals, "_" for a letter an answer took); "" outside the quotation.
    std::string character;
    std::string stock;
    // The letter number of a numbered letter (code 65 and above), else 0.
    int number = 0;
    // The label of the answer that took the letter; "" for a free one.
    std::string ownerLabel;

    bool outside() const { return position == 0; }
    // The stock's character code, 32 (a blank) outside the quotation.
    unsigned char stockCode() const { return stock.empty() ? 32 : static_cast<unsigned char>(stock[0]); }
};

// The cells row by row, geometry.rows x geometry.columns of them.
std::vector<GridCell> gridCells(const Document& doc, const GridGeometry& geometry);

}  // namespace qbrx
