// SPDX-License-Identifier: GPL-3.0-or-later
#include "itemreader.h"

#include <array>

namespace qbrx {

namespace {

constexpr std::array<bool, 256> kSeparators = [] {
    std::array<bool, 256> is{};
    is[','] = is['\r'] = is['\n'] = true;
    return is;
}();

}  // namespace

void ItemReader::skipSeparator() {
    if (pos_ >= text_.size()) return;
    const char c = text_[pos_];
    if (c == ',' || c == '\n') {
        ++pos_;
    } else if (c == '\r') {
        ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    }
}

bool ItemReader::next(std::string_view& item) {
    // The word list is read this way at start-up, some ninety thousand
    // items: the scan works on locals and looks separators up in a table.
    const char* const data = text_.data();
    const std::size_t n = text_.size();
    std::size_t p = pos_;
    while (p < n && isBlank(data[p])) ++p;
    pos_ = p;
    if (p >= n) return false;

    if (data[p] == '"') {
        const std::size_t start = p + 1;
        std::size_t end = text_.find('"', start);
        if (end == std::string_view::npos) end = n;
        item = text_.substr(start, end - start);
        pos_ = end < n ? end + 1 : n;
        while (pos_ < n && !isSeparator(text_[pos_])) ++pos_;
        skipSeparator();
        return true;
    }

    const std::size_t start = p;
    while (p < n && !kSeparators[static_cast<unsigned char>(data[p])]) ++p;
    std::size_t end = p;
    while (end > start && isBlank(data[end - 1])) --end;
    item = std::string_view(data + start, end - start);
    if (p < n) {
        if (data[p] == '\r' && p + 1 < n && data[p + 1] == '\n') ++p;
        ++p;
    }
    pos_ = p;
    return true;
}

}  // namespace qbrx
