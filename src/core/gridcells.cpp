// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridcells.h"

namespace qbrx {

std::vector<GridCell> gridCells(const Document& doc, const GridGeometry& geometry) {
    std::vector<GridCell> cells;
    const int length = doc.quoteLength;
    auto charAt = [](const std::string& s, int p) {
        return p >= 1 && p <= static_cast<int>(s.size()) ? s.substr(static_cast<std::size_t>(p - 1), 1)
                                                         : std::string();
    };
    int number = 0;
    for (int r = 0; r < geometry.rows; ++r)
        for (int c = 0; c < geometry.columns; ++c) {
            GridCell cell;
            cell.row = r;
            cell.column = c;
            const int p = r * geometry.columns + c - geometry.leadingBlanks + 1;
            if (p >= 1 && p <= length) {
                cell.position = p;
                cell.character = charAt(doc.quotation, p);
                cell.stock = charAt(doc.letterPool, p);
                if (cell.stockCode() >= 65) cell.number = ++number;
                const int owner = doc.positionOwner[static_cast<std::size_t>(p)];
                if (cell.stock == "_" && owner >= 0 && owner < static_cast<int>(questionLetter.size()))
                    cell.ownerLabel = questionLetter[static_cast<std::size_t>(owner)];
            }
            cells.push_back(std::move(cell));
        }
    return cells;
}

}  // namespace qbrx
