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
    std::string_view word(std::size_t i) const { return entries_[i].word; }

    // The senses of `word` (lower case), commonest first; none for a word
    // the file does not hold.
    std::vector<Sense> senses(std::string_view word) const;
    // The base forms `word` is an inflection of (empty when it is its own).
    std::vector<std::string_view> bases(std::string_view word) const;
    // True when the file has a line for `word`.
    bool holds(std::string_view word) const { return find(word) != nullptr; }

private:
    struct Entry {
        std::string_view word;
        std::string_view bases;   // comma-separated
        std::string_view senses;  // blank-separated gloss numbers
    };
    const Entry* find(std::string_view word) const;

    std::string contents_;
    std::vector<Sense> glosses_;
    std::vector<Entry> entries_;   // sorted as words.dic is
    bool sorted_ = true;           // false: a damaged file, looked through
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
