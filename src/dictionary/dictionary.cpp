// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>
#include <optional>
#include <utility>

#include "itemreader.h"
#include "text.h"

namespace qbrx {

namespace {

// Reads the whole file into `contents`; false when it cannot be opened or
// read.
bool readFile(const std::string& path, std::string& contents) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) return false;
    in.seekg(0, std::ios::beg);
    contents.resize(static_cast<std::size_t>(size));
    return size == 0 || static_cast<bool>(in.read(contents.data(), size));
}

// The whole number an item stands for (halves to even), or nothing when it
// does not fit a 32-bit number.
std::optional<std::int32_t> itemNumber(std::string_view item) {
    const double v = std::nearbyint(leadingNumber(item));
    if (!(v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(v);
}

// Which two-digit numbers are levels.
constexpr std::array<bool, 100> kIsLevel = [] {
    std::array<bool, 100> is{};
    for (int size : kLevels) is[static_cast<std::size_t>(size)] = true;
    return is;
}();

// The level a line of level.dic gives: its size when it is one the
// program knows (all of them have two digits), else 0.
std::uint8_t levelOf(const char* line, std::size_t length) {
    if (length != 2) return 0;
    const unsigned tens = static_cast<unsigned char>(line[0]) - '0';
    const unsigned ones = static_cast<unsigned char>(line[1]) - '0';
    if (tens > 9 || ones > 9) return 0;
    const unsigned value = tens * 10 + ones;
    return kIsLevel[value] ? static_cast<std::uint8_t>(value) : 0;
}

}  // namespace

Dictionary::Dictionary() : offsets_{0} {}

void loadDictionary(Dictionary& dictionary, const std::string& folder) {
    dictionary.loadCountIndex(folder);
    dictionary.loadWordList(folder);
    dictionary.loadLevels(folder);
    dictionary.loadWordNotes(folder);
}

std::string Dictionary::filePath(const std::string& folder, const char* name) { return folder + "/" + name; }

void Dictionary::loadCountIndex(const std::string& folder) {
    std::string contents;
    if (!readFile(filePath(folder, "count.dic"), contents)) contents.clear();
    readCountIndex(contents);
}

void Dictionary::loadWordList(const std::string& folder) {
    folder_ = folder;
    std::string contents;
    if (!readFile(filePath(folder, "words.dic"), contents)) contents.clear();
    takeWordList(std::move(contents));
}

void Dictionary::loadLevels(const std::string& folder) {
    std::string contents;
    if (!readFile(filePath(folder, "level.dic"), contents)) contents.clear();
    readLevels(contents);
}

// One level a line (CR LF, LF or a lone CR). A line that is not a size the
// program knows gives level 0; blank lines are lines too, so the levels
// stay in step with the words.
void Dictionary::readLevels(std::string_view contents) {
    levels_.clear();
    levels_.reserve(contents.size() / 4 + 1);
    const char* p = contents.data();
    const char* const end = p + contents.size();
    while (p < end) {
        const char* eol = p;
        while (eol < end && *eol != '\r' && *eol != '\n') ++eol;
        levels_.push_back(levelOf(p, static_cast<std::size_t>(eol - p)));
        p = eol;
        if (p < end && *p == '\r') ++p;
        if (p < end && *p == '\n') ++p;
    }
}

std::int32_t Dictionary::find(std::string_view word) const {
    std::int32_t lo = 1, hi = loaded_;
    while (lo <= hi) {
        const std::int32_t mid = lo + (hi - lo) / 2;
        const std::string_view w = wordList(mid);
        if (w == word) return mid;
        if (w < word)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
    return 0;
}

void Dictionary::loadWordNotes(const std::string& folder) {
    std::string bases, unfit;
    if (!readFile(filePath(folder, "base.dic"), bases)) bases.clear();
    if (!readFile(filePath(folder, "unfit.dic"), unfit)) unfit.clear();
    readWordNotes(bases, unfit);
}

namespace {

// The numbers of a file of one whole number a line; a line without one
// counts 0.
template <typename T>
std::vector<T> numberLines(std::string_view contents) {
    std::vector<T> values;
    values.reserve(contents.size() / 3 + 1);
    const char* p = contents.data();
    const char* const end = p + contents.size();
    while (p < end) {
        std::int64_t n = 0;
        for (; p < end && *p >= '0' && *p <= '9'; ++p)
            n = std::min<std::int64_t>(n * 10 + (*p - '0'), kWordCapacity);
        while (p < end && *p != '\r' && *p != '\n') ++p;
        values.push_back(static_cast<T>(n));
        if (p < end && *p == '\r') ++p;
        if (p < end && *p == '\n') ++p;
    }
    return values;
}

}  // namespace

void Dictionary::readWordNotes(std::string_view bases, std::string_view unfit) {
    // base.dic counts lines from the count's line; bases_ holds positions.
    bases_ = numberLines<std::int32_t>(bases);
    for (std::int32_t& b : bases_) b = b > 1 ? b - 1 : 0;
    unfit_ = numberLines<std::uint8_t>(unfit);
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

void Dictionary::readWordList(std::string_view contents) { takeWordList(std::string(contents)); }

// The words are moved to the front of the file's own buffer, one after the
// other: each item lies behind the words already written, so the text
// still to be read is never overwritten.
void Dictionary::takeWordList(std::string&& contents) {
    chars_ = std::move(contents);
    offsets_.assign(1, 0);
    loaded_ = 0;
    wordCount_ = 0;

    std::size_t used = 0;
    ItemReader reader(chars_);
    std::string_view item;
    if (reader.next(item)) {
        if (const auto n = itemNumber(item)) {
            wordCount_ = *n;
            const std::int32_t last = std::min<std::int32_t>(wordCount_ - 1, kWordCapacity - 1);
            // Every item takes at least one character of the file.
            if (last >= 1)
                offsets_.reserve(std::min<std::size_t>(static_cast<std::size_t>(last), chars_.size()) + 1);
            for (std::int32_t k = 1; k <= last && reader.next(item); ++k) {
                std::memmove(chars_.data() + used, item.data(), item.size());
                used += item.size();
                offsets_.push_back(static_cast<std::uint32_t>(used));
                loaded_ = k;
            }
        }
    }
    chars_.resize(used);
    // The separators and the count are gone: hand their room back.
    chars_.shrink_to_fit();
}

}  // namespace qbrx
