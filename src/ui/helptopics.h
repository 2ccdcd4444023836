// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in help: 42 topics, each a title and a body, built once at
// start-up by makeHelp and shown by the help window. Texts are Windows-1252
// bytes; a line feed separates paragraphs and list items start with the
// middle dot (code 183).
#pragma once

#include <array>
#include <string>

namespace qbrx {

constexpr int kHelpTopics = 42;   // topics 1..42 are used
constexpr int kHelpEntries = 51;  // indices 0..50
inline constexpr char kHelpBullet = '\xB7';

// Entry 0 and entries 43..50 stay empty.
extern std::array<std::string, kHelpEntries> helpTitle;
extern std::array<std::string, kHelpEntries> helpBody;

// Fills helpTitle and helpBody 1..42. Running it again rebuilds the same
// texts.
void makeHelp();

}  // namespace qbrx
