#include "dictionary.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <limits>
#include <optional>

#include "itemreader.h"
#include "text.h"

namespace qbrx {

namespace {

// The whole file, or nothing when it cannot be opened or read.
std::optional<std::string> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) return std::nullopt;
    in.seekg(0, std::ios::beg);
    std::string contents(static_cast<std::size_t>(size), '\0');
    if (size > 0 && !in.read(contents.data(), size)) return std::nullopt;
    return contents;
}

// The whole number an item stands for (halves to even), or nothing when it
// does not fit a 32-bit number.
std::optional<std::int32_t> itemNumber(std::string_view item) {
    const double v = std::nearbyint(leadingNumber(item));
    if (!(v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(v);
}

}  // namespace

Dictionary::Dictionary() : offsets_{0} {}

std::string Dictionary::filePath(const std::string& folder, const char* name) {
    return folder + "/" + name;
}

void Dictionary::loadCountIndex(const std::string& folder) {
    const auto contents = readFile(filePath(folder, "count.dic"));
    readCountIndex(contents ? std::string_view(*contents) : std::string_view());
}

void Dictionary::loadWordList(const std::string& folder) {
    const auto contents = readFile(filePath(folder, "words.dic"));
    readWordList(contents ? std::string_view(*contents) : std::string_view());
}

void Dictionary::readCountIndex(std::string_view contents) {
    startIndex_ = {};
    ItemReader reader(contents);
    std::string_view item;
    for (int f = 1; f <= 26; ++f) {
        for (int s = 0; s <= 26; ++s) {
            if (!reader.next(item)) return;
            const auto v = itemNumber(item);
            if (!v) return;
            // A value of 0 or 1 starts the scan at the top of the list. A
            // position beyond the list makes the scan end at once.
            std::int64_t start = std::int64_t{*v} - 1;
            if (start < 0) start = 0;
            if (start > kWordCapacity) start = kWordCapacity;
            startIndex_[f][s] = static_cast<std::int32_t>(start);
        }
    }
}

void Dictionary::readWordList(std::string_view contents) {
    chars_.clear();
    offsets_.assign(1, 0);
    loaded_ = 0;
    wordCount_ = 0;

    ItemReader reader(contents);
    std::string_view item;
    if (!reader.next(item)) return;
    const auto n = itemNumber(item);
    if (!n) return;
    wordCount_ = *n;

    const std::int32_t last = std::min<std::int32_t>(wordCount_ - 1, kWordCapacity - 1);
    if (last < 1) return;
    chars_.reserve(contents.size());
    offsets_.reserve(static_cast<std::size_t>(last) + 1);
    for (std::int32_t k = 1; k <= last; ++k) {
        if (!reader.next(item)) break;
        chars_.append(item);
        offsets_.push_back(static_cast<std::uint32_t>(chars_.size()));
        loaded_ = k;
    }
}

}  // namespace qbrx
