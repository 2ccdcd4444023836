// SPDX-License-Identifier: GPL-3.0-or-later
#include "definitions.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "dictionary.h"

namespace qbrx {

namespace {

// The next line of `text` from `pos` (ended by LF or CR LF).
bool nextLine(std::string_view text, std::size_t& pos, std::string_view& line) {
    if (pos >= text.size()) return false;
    const char* start = text.data() + pos;
    const void* lf = std::memchr(start, '\n', text.size() - pos);
    const std::size_t end =
        lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - text.data()) : text.size();
    line = text.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    pos = end + 1;
    return true;
}

// Splits off the text before the next `separator`.
std::string_view field(std::string_view& rest, char separator) {
    const std::size_t at = rest.find(separator);
    const std::string_view head = rest.substr(0, at);
    rest = at == std::string_view::npos ? std::string_view() : rest.substr(at + 1);
    return head;
}

}  // namespace

const char* partOfSpeechName(char partOfSpeech) {
    switch (partOfSpeech) {
        case 'n':
            return "noun";
        case 'v':
            return "verb";
        case 'a':
            return "adjective";
        case 'r':
            return "adverb";
        default:
            return "";
    }
}

void Definitions::load(const std::string& folder) {
    const std::string path = Dictionary::filePath(folder, "definitions.dic");
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    size_ = 0;
    if (std::ifstream in(path, std::ios::binary); in && !error) {
        // Read straight into a buffer that nothing clears first.
        contents_ = std::make_unique_for_overwrite<char[]>(static_cast<std::size_t>(size));
        in.read(contents_.get(), static_cast<std::streamsize>(size));
        size_ = static_cast<std::size_t>(in.gcount());
    }
    parse();
}

void Definitions::read(std::string contents) {
    contents_ = std::make_unique_for_overwrite<char[]>(contents.size());
    std::memcpy(contents_.get(), contents.data(), contents.size());
    size_ = contents.size();
    parse();
}

void Definitions::parse() {
    glosses_.clear();
    entries_.clear();
    const std::string_view all = text(0, size_);
    // Offsets are 32-bit.
    if (all.size() > UINT32_MAX) return;
    std::size_t pos = 0;
    std::string_view line;
    std::size_t count = 0;
    if (!nextLine(all, pos, line) ||
        std::from_chars(line.data(), line.data() + line.size(), count).ec != std::errc())
        return;
    auto offset = [&all](std::string_view part) {
        return static_cast<std::uint32_t>(part.data() - all.data());
    };
    glosses_.reserve(std::min(count, all.size() / 4));
    for (std::size_t i = 0; i < count && nextLine(all, pos, line); ++i) {
        Gloss g;
        if (line.size() >= 3 && line.size() - 2 <= UINT16_MAX)
            g = Gloss{offset(line) + 2, static_cast<std::uint16_t>(line.size() - 2), line[0]};
        glosses_.push_back(g);
    }
    entries_.reserve(all.size() / 64);
    while (nextLine(all, pos, line)) {
        const std::uint32_t at = offset(line);
        const std::string_view word = field(line, '\t');
        const std::string_view bases = field(line, '\t');
        if (word.empty() || word.size() > UINT8_MAX || bases.size() > UINT8_MAX || line.size() > UINT16_MAX)
            continue;
        entries_.push_back(Entry{at, static_cast<std::uint8_t>(word.size()),
                                 static_cast<std::uint8_t>(bases.size()),
                                 static_cast<std::uint16_t>(line.size())});
    }
    sorted_ = std::is_sorted(entries_.begin(), entries_.end(),
                             [this](const Entry& a, const Entry& b) { return wordOf(a) < wordOf(b); });
}

const Definitions::Entry* Definitions::find(std::string_view word) const {
    const auto it = std::lower_bound(entries_.begin(), entries_.end(), word,
                                     [this](const Entry& e, std::string_view w) { return wordOf(e) < w; });
    if (it != entries_.end() && wordOf(*it) == word) return &*it;
    if (!sorted_) {
        const auto any = std::find_if(entries_.begin(), entries_.end(),
                                      [this, word](const Entry& e) { return wordOf(e) == word; });
        if (any != entries_.end()) return &*any;
    }
    return nullptr;
}

std::vector<Sense> Definitions::senses(std::string_view word) const {
    std::vector<Sense> found;
    const Entry* e = find(word);
    if (!e) return found;
    std::string_view rest = text(e->at + e->wordLength + e->basesLength + 2u, e->sensesLength);
    while (!rest.empty()) {
        const std::string_view number = field(rest, ' ');
        std::size_t n = 0;
        if (std::from_chars(number.data(), number.data() + number.size(), n).ec == std::errc() && n >= 1 &&
            n <= glosses_.size() && glosses_[n - 1].length > 0)
            found.push_back(
                Sense{glosses_[n - 1].partOfSpeech, text(glosses_[n - 1].at, glosses_[n - 1].length)});
    }
    return found;
}

std::vector<std::string_view> Definitions::bases(std::string_view word) const {
    std::vector<std::string_view> found;
    const Entry* e = find(word);
    if (!e) return found;
    std::string_view rest = text(e->at + e->wordLength + 1u, e->basesLength);
    while (!rest.empty())
        if (const std::string_view base = field(rest, ','); !base.empty()) found.push_back(base);
    return found;
}

const Definitions& DefinitionsOnDemand::get() {
    if (!loaded_) {
        loaded_ = std::make_unique<Definitions>();
        loaded_->load(folder_);
    }
    return *loaded_;
}

}  // namespace qbrx
