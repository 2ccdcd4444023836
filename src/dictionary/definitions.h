// SPDX-License-Identifier: GPL-3.0-or-later
// Definitions of the word list's words, read from "definitions.dic" in the
// dictionary folder: for each word its base forms (run for ran and runs)
// and the glosses of its senses, commonest first, each with its part of
// speech. Only senses fit for a class are in the file.
//
// The file: the count G of glosses, G lines "p gloss" (p: n, v, a or r),
// then one line per word of words.dic, in its order:
// "word<TAB>base,base<TAB>gloss numbers", the numbers counting from 1.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qbrx {

struct Sense {
    char partOfSpeech = 0;   // 'n', 'v', 'a' or 'r'
    std::string_view gloss;  // the definition, without examples
};

// "noun", "verb", "adjective", "adverb" ("" for anything else).
const char* partOfSpeechName(char partOfSpeech);

class Definitions {
public:
    // Reads "definitions.dic" from `folder`; a missing file leaves no
    // definitions.
    void load(const std::string& folder);
    // The same from the file's contents.
    void read(std::string contents);

    // Words with a line in the file, in the file's order.
    std::size_t wordCount() const { return entries_.size(); }
    std::string_view word(std::size_t i) const { return wordOf(entries_[i]); }

    // The senses of `word` (lower case), commonest first; none for a word
    // the file does not hold.
    std::vector<Sense> senses(std::string_view word) const;
    // The base forms `word` is an inflection of (empty when it is its own).
    std::vector<std::string_view> bases(std::string_view word) const;
    // True when the file has a line for `word`.
    bool holds(std::string_view word) const { return find(word) != nullptr; }

private:
    // A line of the file, kept small: a definitions file has a line for
    // each of 90,000 words. Its word starts at `at`; its bases and its
    // gloss numbers follow, each after a tab.
    struct Entry {
        std::uint32_t at = 0;
        std::uint8_t wordLength = 0;
        std::uint8_t basesLength = 0;    // comma-separated
        std::uint16_t sensesLength = 0;  // blank-separated gloss numbers
    };
    struct Gloss {
        std::uint32_t at = 0;
        std::uint16_t length = 0;
        char partOfSpeech = 0;
    };
    void parse();
    std::string_view text(std::size_t at, std::size_t length) const {
        return length == 0 ? std::string_view() : std::string_view(contents_.get() + at, length);
    }
    std::string_view wordOf(const Entry& e) const { return text(e.at, e.wordLength); }
    const Entry* find(std::string_view word) const;

    std::unique_ptr<char[]> contents_;
    std::size_t size_ = 0;
    std::vector<Gloss> glosses_;
    std::vector<Entry> entries_;  // sorted as words.dic is
    bool sorted_ = true;          // false: a damaged file, looked through
};

// The definitions of one dictionary folder, read when they are first asked
// for rather than at start-up.
class DefinitionsOnDemand {
public:
    explicit DefinitionsOnDemand(std::string folder) : folder_(std::move(folder)) {}
    const Definitions& get();
    bool loaded() const { return loaded_ != nullptr; }

private:
    std::string folder_;
    std::unique_ptr<Definitions> loaded_;
};

}  // namespace qbrx
