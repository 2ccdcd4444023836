// SPDX-License-Identifier: GPL-3.0-or-later
// Word lists as the dictionary files hold them, and back.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "dictionary.h"

namespace qbrx::test {

using Words = std::vector<std::string>;

inline Words allWords(const Dictionary& d) {
    Words out;
    for (int k = 1; k <= d.loadedWords(); ++k) out.emplace_back(d.wordList(k));
    return out;
}

// words.dic: the count line (one more than the words), then the words.
inline std::string wordsFile(const Words& words) {
    std::string s = std::to_string(words.size() + 1) + "\r\n";
    for (const auto& w : words) s += w + "\r\n";
    return s;
}

// count.dic: for each letter, then each letter pair, the line of words.dic
// (the count's line is 1) of the first word that sorts at or after it.
inline std::string countFile(const Words& words) {
    std::string s;
    for (char f = 'a'; f <= 'z'; ++f)
        for (char c = 'a' - 1; c <= 'z'; ++c) {
            const std::string prefix = c < 'a' ? std::string(1, f) : std::string{f, c};
            s += std::to_string(std::lower_bound(words.begin(), words.end(), prefix) - words.begin() + 2) +
                 "\r\n";
        }
    return s;
}

}  // namespace qbrx::test
