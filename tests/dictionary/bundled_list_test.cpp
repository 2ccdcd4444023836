// The word list that comes with the program (data/): its index, its
// familiarity levels, and the words it must not hold.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <utility>

#include "backgroundload.h"
#include "wordlists.h"

namespace qbrx::test {
namespace {

std::string dataFile(const std::string& name) {
    std::ifstream in(std::string(QBRX_DATA_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The bundled list, loaded once.
class BundledList : public ::testing::Test {
protected:
    static const Dictionary& dict() {
        static const Dictionary loaded = [] {
            Dictionary d;
            d.loadWordList(QBRX_DATA_DIR);
            d.loadLevels(QBRX_DATA_DIR);
            return d;
        }();
        return loaded;
    }
    static const Words& words() {
        static const Words all = allWords(dict());
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
    int syllables = 0;
    for (std::size_t i = 0; i < w.size(); ++i)
        if ((vowel(w[i]) || w[i] == 'y') && (i == 0 || !(vowel(w[i - 1]) || w[i - 1] == 'y'))) ++syllables;
    const std::size_t n = w.size();
    const char last = w[n - 1];
    const bool consonantY = last == 'y' && n > 1 && !vowel(w[n - 2]);
    const bool doubles = n >= 3 && !vowel(last) && std::string_view("wxy").find(last) == std::string_view::npos &&
                         vowel(w[n - 2]) && !vowel(w[n - 3]);
    const std::string stem = w.substr(0, n - 1);
    std::set<std::string> forms = {w};
    if (w.ends_with('s') || w.ends_with('x') || w.ends_with('z') || w.ends_with("ch") || w.ends_with("sh"))
        forms.insert(w + "es");
    else if (last == 'o')
        forms.insert({w + "s", w + "es"});
    else
        forms.insert(consonantY ? stem + "ies" : w + "s");
    if (last == 'e')
        forms.insert({w + "d", stem + "ing"});
    else if (consonantY)
        forms.insert({stem + "ied", w + "ing", stem + "ier", stem + "iest"});
    else if (doubles)
        forms.insert({w + last + "ed", w + last + "ing"});
    if (last != 'e' && !consonantY && (!doubles || syllables > 1)) forms.insert({w + "ed", w + "ing"});
    return forms;
}

// Neither an entry of data/blocklist.txt (a word and its SCOWL size; '#'
// starts a comment line) nor any of its inflections is in the list. A
// form at a smaller SCOWL size than its entry is a more common word of its
// own (pudding is not a form of pud) and may stay.
TEST_F(BundledList, HoldsNoBlockedWordNorItsInflections) {
    std::istringstream lines(dataFile("blocklist.txt"));
    std::vector<std::pair<std::string, int>> entries;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with('#') || line.find_first_not_of(" \r") == std::string::npos) continue;
        auto& [word, size] = entries.emplace_back(std::string(), -1);
        std::istringstream(line) >> word >> size;
    }
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

// Sorted, lower case, no word of fewer than two letters; words.dic holds
// nothing but its count line and the words, and each start of count.dic
// is exactly the line of the first word with that start (or after it).
TEST_F(BundledList, SortedWordsExactlyIndexedByCountDic) {
    ASSERT_GE(words().size(), 85000u);
    for (std::size_t k = 0; k < words().size(); ++k) {
        const std::string& w = words()[k];
        ASSERT_GE(w.size(), 2u) << w;
        ASSERT_EQ(w.find_first_not_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos) << w;
        if (k > 0) {
            ASSERT_LT(words()[k - 1], w);
        }
    }
    EXPECT_EQ(dataFile("words.dic"), wordsFile(words()));
    EXPECT_EQ(dataFile("count.dic"), countFile(words()));
}

// level.dic holds one SCOWL size for every word, in the list's order.
TEST_F(BundledList, LevelsFollowTheWordOrder) {
    ASSERT_TRUE(dict().hasLevels());
    for (int k = 1; k <= dict().loadedWords(); ++k)
        ASSERT_NE(std::find(kLevels.begin(), kLevels.end(), dict().level(k)), kLevels.end()) << dict().wordList(k);
    // Sizes of SCOWL's own lists: a level file shifted by a line, or in
    // another order, would give these words their neighbours' sizes.
    const std::pair<const char*, int> known[] = {{"aah", 55},       {"aardvark", 20}, {"cat", 10},
                                                 {"photosynthesis", 35}, {"puzzle", 20}, {"quotation", 20},
                                                 {"teacher", 10},   {"zygote", 50},   {"zymurgy", 60}};
    for (const auto& [word, level] : known) EXPECT_EQ(levelOf(word), level) << word;
}

}  // namespace
// Start-up reads the bundled list on a thread of its own; what it holds then
// is what reading it in place gives.
TEST(BackgroundLoad, HoldsWhatLoadingInPlaceGives) {
    Dictionary background;
    {
        BackgroundLoad load(background, QBRX_DATA_DIR);
    }  // waits for the thread
    Dictionary direct;
    loadDictionary(direct, QBRX_DATA_DIR);
    EXPECT_EQ(background.loadedWords(), direct.loadedWords());
    EXPECT_EQ(background.wordList(direct.loadedWords()), direct.wordList(direct.loadedWords()));
    EXPECT_EQ(background.startIndex(19, 20), direct.startIndex(19, 20));
    EXPECT_TRUE(background.hasLevels());
}

}  // namespace qbrx::test
