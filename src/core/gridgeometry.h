// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the quotation grid, computed from the quotation length. The
// printed grid and the grid window share it. All lengths are twips.
#pragma once

namespace qbrx {

struct GridGeometry {
    int columnsWanted = 0;
    int cellSize = 0;  // unenlarged; printing multiplies by 1.2
    int rows = 0;
    int columns = 0;
    int leadingBlanks = 0;
    int numberFont = 0;  // points
    int letterFont = 0;  // points
    int numberOffset = 0;
    int letterOffset = 0;
    int letterXOffset = 0;   // grid window only
    int labelSlotWidth = 0;  // grid window only
};

// Bands: below 86, 86-120, 121-161, 162-200, 201 and above. A length of 0
// gives no rows and no columns.
GridGeometry computeGridGeometry(int quoteLength);

}  // namespace qbrx
