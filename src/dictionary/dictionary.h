// SPDX-License-Identifier: GPL-3.0-or-later
// The word list and its two-letter index, read once at start-up from
// "words.dic" and "count.dic" in the dictionary folder, and the words'
// familiarity levels from "level.dic" beside them when that file is there.
//
// The words live in one contiguous character buffer with an offset table;
// wordList(k) hands out views into it. Positions run 0..91,531: position 0
// and every position after the last word read hold the empty text.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qbrx {

// Entries of the word list, positions 0..91,531.
inline constexpr int kWordCapacity = 91532;

// The SCOWL sizes a word's level can be: the smallest SCOWL list that
// holds the word. Small sizes are the everyday words.
inline constexpr std::array<int, 8> kLevels = {10, 20, 35, 40, 50, 55, 60, 70};
// Words up to this level are the familiar ones.
inline constexpr int kFamiliarLevel = 35;

// Said where words are looked for and the word list holds none.
inline constexpr const char* kNoDictionaryMessage =
    "The dictionary is missing: no words.dic was found in the dictionary folder that qbrx.ini names, "
    "so there are no words to list or suggest.";

class Dictionary {
public:
    Dictionary();

    // Reads "count.dic" from `folder` into the start index. A missing file
    // or a file that ends early leaves the entries not read at 0; nothing
    // is reported.
    void loadCountIndex(const std::string& folder);
    // Reads "words.dic" from `folder`: the count N, then N - 1 words into
    // positions 1 .. N - 1. Stops silently at the first item that cannot be
    // read and at the capacity.
    void loadWordList(const std::string& folder);

    // Reads "level.dic" from `folder`: one number per line, the SCOWL size
    // (10, 20, 35, 40, 50, 55, 60 or 70) of each word of "words.dic", in
    // the same order. A missing file leaves the dictionary without levels.
    void loadLevels(const std::string& folder);

    // Reads "base.dic" and "unfit.dic" from `folder`: one number per line
    // for each word of "words.dic", in its order. base.dic: 0 for a base
    // word, else the line of "words.dic" (the count's line is 1) of the word
    // it is an inflection of. unfit.dic: 0 for a word fit for a class
    // handout, else the reason it is not (1..4). Missing files, or files of
    // another word list, leave every word a fit base word.
    void loadWordNotes(const std::string& folder);

    // The same loaders working on file contents already in memory.
    void readCountIndex(std::string_view contents);
    void readWordList(std::string_view contents);
    void readLevels(std::string_view contents);
    void readWordNotes(std::string_view bases, std::string_view unfit);

    // True when levels were read for exactly the words held: a level file
    // that belongs to another word list (more or fewer lines) is not used.
    bool hasLevels() const { return loaded_ > 0 && levels_.size() == static_cast<std::size_t>(loaded_); }
    // The SCOWL size of word k (10 for the commonest words .. 70), 0 when
    // it is not known: no usable level file, a position without a word, or
    // a line that holds no such size.
    int level(std::int32_t k) const {
        if (k < 1 || k > loaded_ || !hasLevels()) return 0;
        return levels_[static_cast<std::size_t>(k - 1)];
    }

    // Position of the word that word k is an inflection of (a plural, a
    // past, an -ing form, a comparative); k itself for a base word.
    std::int32_t baseWord(std::int32_t k) const {
        if (k < 1 || k > loaded_ || bases_.size() != static_cast<std::size_t>(loaded_)) return k;
        const std::int32_t b = bases_[static_cast<std::size_t>(k - 1)];
        return b >= 1 && b <= loaded_ ? b : k;
    }
    // True when word k is one a class handout must not carry (swearing,
    // slurs, sex, drugs, alcohol, diseases and the like).
    bool unfit(std::int32_t k) const {
        return k >= 1 && k <= loaded_ && unfit_.size() == static_cast<std::size_t>(loaded_) &&
               unfit_[static_cast<std::size_t>(k - 1)] != 0;
    }

    // The position of `word` (lower case), 0 when the list does not hold it.
    // The list is sorted by byte order.
    std::int32_t find(std::string_view word) const;

    // The word at position k; "" for 0, for positions after the last word
    // and for positions outside 0..91,531.
    std::string_view wordList(std::int32_t k) const {
        if (k < 1 || k > loaded_) return {};
        return std::string_view(chars_.data() + offsets_[k - 1], offsets_[k] - offsets_[k - 1]);
    }
    // Entry (first, second) of the start index, both 0..26; 0 outside.
    std::int32_t startIndex(int first, int second) const {
        if (first < 0 || first > 26 || second < 0 || second > 26) return 0;
        return startIndex_[first][second];
    }
    // The N read from the head of "words.dic" (0 when it was not read).
    std::int32_t wordCount() const { return wordCount_; }
    // Words actually held (the last occupied position).
    std::int32_t loadedWords() const { return loaded_; }
    // The folder loadWordList last read from ("" when none); the word
    // list's other files lie beside it.
    const std::string& folder() const { return folder_; }

    // "folder" + "/" + name: the folder as given, with or without its
    // trailing separator (a doubled separator is accepted by the system).
    static std::string filePath(const std::string& folder, const char* name);

private:
    // Takes the contents of words.dic and turns them into the word list.
    void takeWordList(std::string&& contents);

    std::string chars_;                   // all words, back to back
    std::vector<std::uint32_t> offsets_;  // offsets_[k-1] .. offsets_[k]: word k
    std::int32_t loaded_ = 0;
    std::int32_t wordCount_ = 0;
    std::array<std::array<std::int32_t, 27>, 27> startIndex_{};
    std::vector<std::uint8_t> levels_;  // levels_[k-1]: level of word k
    std::vector<std::int32_t> bases_;   // bases_[k-1]: base of word k (0: itself)
    std::vector<std::uint8_t> unfit_;   // unfit_[k-1]: why word k is unfit (0: fit)
    std::string folder_;
};

// Everything read from the dictionary folder: the start index, the word
// list, the word levels and the word notes.
void loadDictionary(Dictionary& dictionary, const std::string& folder);

}  // namespace qbrx
