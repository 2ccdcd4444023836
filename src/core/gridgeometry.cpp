// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridgeometry.h"

#include <cmath>

#include "numeric.h"

namespace qbrx {

namespace {

struct Band {
    int gridWidth, cellSize, numberFont, letterFont, numberOffset, letterOffset, letterXOffset,
        labelSlotWidth;
};

const Band& bandFor(int length) {
    static const Band bands[] = {
        {8704, 512, 8, 18, 64, 96, 150, 150},  // below 86
        {8960, 448, 7, 18, 64, 48, 96, 150},   // 86 to 120
        {8832, 384, 6, 16, 48, 8, 96, 120},    // 121 to 161
        {8800, 352, 6, 14, 48, -16, 72, 120},  // 162 to 200
        {8960, 320, 6, 12, 48, -50, 80, 120},  // 201 and above
    };
    if (length < 86) return bands[0];
    if (length <= 120) return bands[1];
    if (length <= 161) return bands[2];
    if (length <= 200) return bands[3];
    return bands[4];
}

}  // namespace

GridGeometry computeGridGeometry(int quoteLength) {
    const Band& b = bandFor(quoteLength);
    GridGeometry g;
    g.cellSize = b.cellSize;
    g.columnsWanted = b.gridWidth / b.cellSize;
    g.numberFont = b.numberFont;
    g.letterFont = b.letterFont;
    g.numberOffset = b.numberOffset;
    g.letterOffset = b.letterOffset;
    g.letterXOffset = b.letterXOffset;
    g.labelSlotWidth = b.labelSlotWidth;
    if (quoteLength <= 0) return g;
    // The divisions are done in single precision, then rounded up.
    g.rows =
        static_cast<int>(std::ceil(static_cast<float>(quoteLength) / static_cast<float>(g.columnsWanted)));
    g.columns = static_cast<int>(std::ceil(static_cast<float>(quoteLength) / static_cast<float>(g.rows)));
    g.leadingBlanks = static_cast<int>(roundHalfEven((g.rows * g.columns - quoteLength) / 2.0));
    return g;
}

}  // namespace qbrx
