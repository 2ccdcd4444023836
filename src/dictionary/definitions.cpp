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
    const std::size_t end = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - text.data()) : text.size();
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
        case 'n': return "noun";
        case 'v': return "verb";
        case 'a': return "adjective";
        case 'r': return "adverb";
        default: return "";
    }
}

void Definitions::load(const std::string& folder) {
    const std::string path = Dictionary::filePath(folder, "definitions.dic");
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    std::string contents;
    if (std::ifstream in(path, std::ios::binary); in && !error) {
        contents.resize(static_cast<std::size_t>(size));
        in.read(contents.data(), static_cast<std::streamsize>(size));
        contents.resize(static_cast<std::size_t>(in.gcount()));
    }
    read(std::move(contents));
}

void Definitions::read(std::string contents) {
    contents_ = std::move(contents);
    glosses_.clear();
    entries_.clear();
    const std::string_view text = contents_;
    std::size_t pos = 0;
    std::string_view line;
    std::size_t count = 0;
    if (!nextLine(text, pos, line) || std::from_chars(line.data(), line.data() + line.size(), count).ec != std::errc())
        return;
    glosses_.reserve(std::min(count, text.size() / 4));
    for (std::size_t i = 0; i < count && nextLine(text, pos, line); ++i)
        glosses_.push_back(line.size() >= 2 ? Sense{line[0], line.substr(2)} : Sense{});
    entries_.reserve(text.size() / 64);
    while (nextLine(text, pos, line)) {
        Entry e;
        e.word = field(line, '\t');
        e.bases = field(line, '\t');
        e.senses = line;
        if (!e.word.empty()) entries_.push_back(e);
    }
    sorted_ = std::is_sorted(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) { return a.word < b.word; });
}

const Definitions::Entry* Definitions::find(std::string_view word) const {
    const auto it = std::lower_bound(entries_.begin(), entries_.end(), word,
                                     [](const Entry& e, std::string_view w) { return e.word < w; });
    if (it != entries_.end() && it->word == word) return &*it;
    if (!sorted_) {
        const auto any = std::find_if(entries_.begin(), entries_.end(), [word](const Entry& e) { return e.word == word; });
        if (any != entries_.end()) return &*any;
    }
    return nullptr;
}

std::vector<Sense> Definitions::senses(std::string_view word) const {
    std::vector<Sense> found;
    const Entry* e = find(word);
    if (!e) return found;
    std::string_view rest = e->senses;
    while (!rest.empty()) {
        const std::string_view number = field(rest, ' ');
        std::size_t n = 0;
        if (std::from_chars(number.data(), number.data() + number.size(), n).ec == std::errc() && n >= 1 &&
            n <= glosses_.size() && !glosses_[n - 1].gloss.empty())
            found.push_back(glosses_[n - 1]);
    }
    return found;
}

std::vector<std::string_view> Definitions::bases(std::string_view word) const {
    std::vector<std::string_view> found;
    const Entry* e = find(word);
    if (!e) return found;
    std::string_view rest = e->bases;
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
