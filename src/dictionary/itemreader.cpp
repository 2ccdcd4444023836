#include "itemreader.h"

namespace qbrx {

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
    const std::size_t n = text_.size();
    while (pos_ < n && isBlank(text_[pos_])) ++pos_;
    if (pos_ >= n) return false;

    if (text_[pos_] == '"') {
        const std::size_t start = pos_ + 1;
        std::size_t end = text_.find('"', start);
        if (end == std::string_view::npos) end = n;
        item = text_.substr(start, end - start);
        pos_ = end < n ? end + 1 : n;
        while (pos_ < n && !isSeparator(text_[pos_])) ++pos_;
        skipSeparator();
        return true;
    }

    const std::size_t start = pos_;
    while (pos_ < n && !isSeparator(text_[pos_])) ++pos_;
    std::size_t end = pos_;
    while (end > start && isBlank(text_[end - 1])) --end;
    item = text_.substr(start, end - start);
    skipSeparator();
    return true;
}

}  // namespace qbrx
