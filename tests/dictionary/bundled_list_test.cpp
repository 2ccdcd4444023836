// The word list that comes with the program (data/): its index, its
// familiarity levels, and the words it must not hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "dictionary.h"

namespace qbrx {
namespace {

// The bundled list, loaded once.
class BundledList : public ::testing::Test {
protected:
    static const Dictionary& dict() {
        static const Dictionary loaded = [] {
            Dictionary d;
            d.loadCountIndex(QBRX_DATA_DIR);
            d.loadWordList(QBRX_DATA_DIR);
            d.loadLevels(QBRX_DATA_DIR);
            return d;
        }();
        return loaded;
    }
    static const std::vector<std::string>& words() {
        static const std::vector<std::string> all = [] {
            std::vector<std::string> w;
            for (int k = 1; k <= dict().loadedWords(); ++k) w.emplace_back(dict().wordList(k));
            return w;
        }();
        return all;
    }
    // The level of a word of the list; 0 when it is not in the list.
    static int levelOf(const std::string& word) {
        const auto at = std::lower_bound(words().begin(), words().end(), word);
        if (at == words().end() || *at != word) return 0;
        return dict().level(static_cast<std::int32_t>(at - words().begin()) + 1);
    }
};

// The regular inflections of a word: plural or third person, past, -ing,
// and -ier/-iest after consonant + y. A final consonant after a single
// vowel doubles (chatted); in a word of more than one syllable the form
// without the doubling counts as well (visited).
std::set<std::string> inflections(const std::string& w) {
    auto vowel = [](char c) { return std::string_view("aeiou").find(c) != std::string_view::npos; };
    auto endsWith = [&](std::string_view end) {
        return w.size() >= end.size() && w.compare(w.size() - end.size(), end.size(), end) == 0;
    };
    int syllables = 0;
    for (std::size_t i = 0; i < w.size(); ++i)
        if ((vowel(w[i]) || w[i] == 'y') && (i == 0 || !(vowel(w[i - 1]) || w[i - 1] == 'y'))) ++syllables;
    const std::size_t n = w.size();
    const char last = w[n - 1];
    const bool consonantY = last == 'y' && n > 1 && !vowel(w[n - 2]);
    const std::string stem = w.substr(0, n - 1);

    std::set<std::string> forms = {w};
    if (endsWith("s") || endsWith("x") || endsWith("z") || endsWith("ch") || endsWith("sh")) {
        forms.insert(w + "es");
    } else if (last == 'o') {
        forms.insert({w + "s", w + "es"});
    } else if (consonantY) {
        forms.insert(stem + "ies");
    } else {
        forms.insert(w + "s");
    }
    if (last == 'e') {
        forms.insert({w + "d", stem + "ing"});
    } else if (consonantY) {
        forms.insert({stem + "ied", w + "ing", stem + "ier", stem + "iest"});
    } else if (n >= 3 && !vowel(last) && std::string_view("wxy").find(last) == std::string_view::npos &&
               vowel(w[n - 2]) && !vowel(w[n - 3])) {
        forms.insert({w + last + "ed", w + last + "ing"});
        if (syllables > 1) forms.insert({w + "ed", w + "ing"});
    } else {
        forms.insert({w + "ed", w + "ing"});
    }
    return forms;
}

// Entries of data/blocklist.txt with their SCOWL sizes; '#' starts a
// comment line.
std::vector<std::pair<std::string, int>> blockList() {
    std::ifstream in(std::string(QBRX_DATA_DIR) + "/blocklist.txt", std::ios::binary);
    std::vector<std::pair<std::string, int>> entries;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string word;
        int size = -1;
        fields >> word >> size;
        entries.emplace_back(word, size);
    }
    return entries;
}

// Neither a block-list entry nor any of its inflections is in the list. A
// form at a smaller SCOWL size than its entry is a more common word of its
// own (pudding is not a form of pud) and may stay.
TEST_F(BundledList, HoldsNoBlockedWordNorItsInflections) {
    const auto entries = blockList();
    ASSERT_GE(entries.size(), 500u);
    ASSERT_TRUE(dict().hasLevels());
    for (const auto& [entry, size] : entries) {
        ASSERT_GE(size, 0) << entry;
        EXPECT_EQ(levelOf(entry), 0) << entry;
        for (const std::string& form : inflections(entry)) {
            const int level = levelOf(form);
            if (form == entry || level == 0) continue;
            EXPECT_TRUE(size > 0 && level < size) << form << " (" << level << "), a form of " << entry << " (" << size << ")";
        }
    }
}

// Sorted, lower case, no word of fewer than two letters.
TEST_F(BundledList, SortedLowerCaseWordsOfTwoLettersOrMore) {
    ASSERT_GE(words().size(), 85000u);
    for (std::size_t k = 0; k < words().size(); ++k) {
        const std::string& w = words()[k];
        ASSERT_GE(w.size(), 2u) << w;
        ASSERT_EQ(w.find_first_not_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos) << w;
        if (k > 0) {
            ASSERT_LT(words()[k - 1], w);
        }
    }
}

// Each start of count.dic is exactly the position of the first word with
// that start (or of the first word after it).
TEST_F(BundledList, CountIndexPointsAtEachStartExactly) {
    EXPECT_EQ(dict().wordCount(), dict().loadedWords() + 1);
    for (char f = 'a'; f <= 'z'; ++f) {
        for (char s = 'a' - 1; s <= 'z'; ++s) {
            const std::string prefix = s < 'a' ? std::string(1, f) : std::string{f, s};
            const auto first = std::lower_bound(words().begin(), words().end(), prefix) - words().begin();
            EXPECT_EQ(dict().startIndex(f - 'a' + 1, s - 'a' + 1), first + 1) << prefix;
        }
    }
    std::ifstream in(std::string(QBRX_DATA_DIR) + "/words.dic", std::ios::binary);
    std::string line;
    std::size_t lines = 0;
    while (std::getline(in, line)) ++lines;
    EXPECT_EQ(lines, words().size() + 1);  // nothing after the last word
}

// level.dic holds one SCOWL size for every word, in the list's order.
TEST_F(BundledList, LevelsFollowTheWordOrder) {
    ASSERT_TRUE(dict().hasLevels());
    for (int k = 1; k <= dict().loadedWords(); ++k)
        ASSERT_NE(std::find(kLevels.begin(), kLevels.end(), dict().level(k)), kLevels.end()) << dict().wordList(k);
    // Sizes of SCOWL's own lists: a level file shifted by a line, or in
    // another order, would give these words their neighbours' sizes.
    const std::pair<const char*, int> known[] = {
        {"aah", 55},         {"aardvark", 20}, {"cat", 10},       {"photosynthesis", 35}, {"puzzle", 20},
        {"quotation", 20},   {"teacher", 10},  {"zygote", 50},    {"zymurgy", 60}};
    for (const auto& [word, level] : known) EXPECT_EQ(levelOf(word), level) << word;
}

}  // namespace
}  // namespace qbrx
