// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a text item by item, the way the dictionary files are read: items
// are separated by line ends (CR LF, LF or a lone CR) or commas; blanks
// before an item are skipped; an item in double quotes ends at the next
// quote, and whatever follows it up to the next separator is passed over.
// Blanks at the end of an unquoted item are not part of it.
#pragma once

#include <cstddef>
#include <string_view>

namespace qbrx {

class ItemReader {
public:
    explicit ItemReader(std::string_view text) : text_(text) {}

    // The next item, or false at the end of the text.
    bool next(std::string_view& item);

private:
    static bool isBlank(char c) { return c == ' ' || c == '\t'; }
    static bool isSeparator(char c) { return c == ',' || c == '\r' || c == '\n'; }
    // Steps over one separator (CR LF counts as one) if one is next.
    void skipSeparator();

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace qbrx
