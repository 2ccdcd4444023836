// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window's widget-building code and the rest of the window
// share.
#pragma once

namespace qbrx {

// The grid window is never narrower than this (twips).
inline constexpr int kMinQuoteBoxTwips = 9600;

// A label that shows a value (a count, a crostic letter) is named for what
// it shows: the name is kept in this property, and its accessible name
// carries the value after the name.
inline constexpr char kValueName[] = "qbrxValueName";

}  // namespace qbrx
