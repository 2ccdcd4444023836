// The word list and its two-letter index, read once at start-up from
// "words.dic" and "count.dic" in the dictionary folder.
//
// The words live in one contiguous character buffer with an offset table;
// wordList(k) hands out views into it. Positions run 0..91,531: position 0
// and every position after the last word read hold the empty text.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qbrx {

// Entries of the word list, positions 0..91,531.
inline constexpr int kWordCapacity = 91532;

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

    // The same two loaders working on file contents already in memory.
    void readCountIndex(std::string_view contents);
    void readWordList(std::string_view contents);

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

    // "folder" + "/" + name: the folder as given, with or without its
    // trailing separator (a doubled separator is accepted by the system).
    static std::string filePath(const std::string& folder, const char* name);

private:
    // Takes the contents of words.dic and turns them into the word list.
    void takeWordList(std::string&& contents);

    std::string chars_;                    // all words, back to back
    std::vector<std::uint32_t> offsets_;   // offsets_[k-1] .. offsets_[k]: word k
    std::int32_t loaded_ = 0;
    std::int32_t wordCount_ = 0;
    std::array<std::array<std::int32_t, 27>, 27> startIndex_{};
};

}  // namespace qbrx
