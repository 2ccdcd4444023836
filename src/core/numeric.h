// SPDX-License-Identifier: GPL-3.0-or-later
// 16-bit arithmetic and rounding as the layout and the file reader use them.
#pragma once

#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace qbrx {

// Raised when a value leaves -32768..32767 where the program stores it in a
// 16-bit integer.
struct OverflowError : std::runtime_error {
    OverflowError() : std::runtime_error("Overflow") {}
};

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -0.5 -> 0).
inline double roundHalfEven(double v) { return std::nearbyint(v); }

// Stores v in a 16-bit integer: rounds halves to even, throws OverflowError
// outside -32768..32767.
inline std::int16_t toInt16(double v) {
    const double r = std::nearbyint(v);
    if (!(r >= -32768.0 && r <= 32767.0)) throw OverflowError();
    return static_cast<std::int16_t>(r);
}

}  // namespace qbrx
