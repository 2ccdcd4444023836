// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary loaders, the familiarity levels beside the word list, the
// word search of the dictionary window, and the word list that comes with
// the program (data/): its index, its familiarity levels, and the words it
// must not hold.
#include "dictionary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "backgroundload.h"
#include "scriptedprompter.h"
#include "text.h"
#include "wordlists.h"
#include "wordsearch.h"

namespace qbrx::test {
namespace {

TEST(DictionaryLoad, ItemsCountsLevelsStartIndexAndWordNotes) {
    Dictionary d;
    d.readWordList("3\r\nalpha\r\nbeta\r\ngamma\r\n");  // a count of N holds N - 1 words
    EXPECT_EQ(d.wordCount(), 3);
    EXPECT_EQ(allWords(d), (Words{"alpha", "beta"}));
    d.readWordList("7\n  \"ab,c\"  ,de ,\"x\"junk,yz\rlast\r\n\r\nnever\r\n");
    EXPECT_EQ(allWords(d), (Words{"ab,c", "de", "x", "yz", "last", ""}));
    d.readLevels("10\r\n70\n\r\n36\r\n55\r\n20");  // one per line; a blank line or a non-size gives 0
    std::vector<int> levels;
    for (int k = 1; k <= 7; ++k) levels.push_back(d.level(k));
    EXPECT_EQ(levels, (std::vector<int>{10, 70, 0, 0, 55, 20, 0}));

    // Items 0..5, then 106.. : a start is the item less one, 0 for 0 or 1.
    std::string file = " \"5\",7xyz\r\nabc\n2.5\n0\n1\n";
    for (int i = 6; i < 702; ++i) file += std::to_string(100 + i) + "\r\n";
    d.readCountIndex(file);
    const int starts[] = {4, 6, 0, 1, 0, 0, 105};  // "7xyz" -> 7, "abc" -> 0, 2.5 halves to 2
    for (int s = 0; s <= 6; ++s) EXPECT_EQ(d.startIndex(1, s), starts[s]) << s;
    EXPECT_EQ(d.startIndex(2, 0), 126);  // item 27
    EXPECT_EQ(d.startIndex(26, 26), 800);

    // Word notes of another list, or none, leave every word a fit base word.
    d.readWordList("4\r\nbat\r\nbats\r\nbeer\r\n");
    d.readWordNotes("0\r\n2\r\n0\r\n", "0\r\n0\r\n3\r\n");
    EXPECT_EQ(d.find("bats"), 2);
    EXPECT_EQ(d.find("bad"), 0);
    EXPECT_EQ(d.baseWord(2), 1);
    EXPECT_EQ(d.baseWord(1), 1);
    EXPECT_TRUE(d.unfit(3));
    EXPECT_FALSE(d.unfit(2));
    d.readWordNotes("0\r\n2\r\n", "0\r\n3\r\n");
    EXPECT_EQ(d.baseWord(2), 2);
    EXPECT_FALSE(d.unfit(2));
}

// A level file for another list, or none, leaves the list without levels.
TEST(DictionaryLoad, FilesFromAFolderAndMissingFiles) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "qbrx-dictionary-test";
    fs::create_directories(dir);
    std::ofstream(dir / "words.dic", std::ios::binary) << wordsFile({"cat", "dog"});
    std::ofstream(dir / "count.dic", std::ios::binary) << countFile({"cat", "dog"});
    std::ofstream(dir / "level.dic", std::ios::binary) << "20\r\n60\r\n";
    Dictionary d;
    for (auto load : {&Dictionary::loadCountIndex, &Dictionary::loadWordList, &Dictionary::loadLevels})
        (d.*load)(dir.string() + "//");  // a folder written with its separator
    EXPECT_EQ(allWords(d), (Words{"cat", "dog"}));
    EXPECT_EQ(d.startIndex(4, 15), 2);  // "do": dog, line 3
    EXPECT_EQ(d.level(2), 60);
    d.readWordList(wordsFile({"ant", "bee", "cat"}));
    EXPECT_FALSE(d.hasLevels());
    d.loadWordList(dir.string());
    for (const char* name : {"count.dic", "level.dic"}) fs::remove(dir / name);
    d.loadCountIndex(dir.string());
    d.loadLevels(dir.string());
    EXPECT_EQ(d.startIndex(4, 15), 0);
    EXPECT_FALSE(d.hasLevels());
    EXPECT_EQ(allWords(d), (Words{"cat", "dog"}));
    fs::remove_all(dir);
}

const Words kWords = {"a",     "aardvark", "able", "about", "ate",   "b",      "bad",  "bat",  "be",  "dog",
                      "eagle", "ear",      "eat",  "jab",   "jade",  "jaguar", "jail", "jam",  "jar", "jet",
                      "job",   "joy",      "kale", "key",   "kid",   "kit",    "lab",  "lad",  "lap", "law",
                      "lay",   "qat",      "qua",  "quack", "quiet", "quit",   "tea",  "teat", "yak", "zoo"};

class WordSearchTest : public ::testing::Test {
protected:
    // The word list; a e t free, as the registration leaves them: lower case, grouped.
    WordSearchTest() : search(dict, doc, prompter) {
        dict.readWordList(wordsFile(kWords));
        dict.readCountIndex(countFile(kWords));
        doc.lettersLeft = "aet";
        for (char c : doc.lettersLeft) ++doc.letterLeftCount[c - 'a' + 1];
    }
    // Check with `text` in the edit box: lists afresh from it.
    void type(const std::string& text) {
        search.txtDict = text;
        search.check();
    }
    // Check on an empty list, with `answer` as the current answer.
    const Words& fresh(const std::string& text, const std::string& answer = "") {
        doc.currentQuestion = 1;
        doc.answer[1] = answer;
        search.clear();
        type(text);
        return search.lstDict;
    }

    Dictionary dict;
    Document doc;
    ScriptedPrompter prompter;
    WordSearch search;
};

// The rule as written: each word character takes the first copy of itself
// from the stock, which becomes a space.
bool literalFit(std::string word, std::string stock) {
    for (char c : word) {
        const auto at = stock.find(c);
        if (at == std::string::npos) return false;
        stock[at] = ' ';
    }
    return true;
}

TEST_F(WordSearchTest, FitsLetterStockAgreesWithTheLiteralRule) {
    std::mt19937 rng(7);
    const std::string chars = "aabet \xe9\xc9Z";
    auto text = [&](std::size_t max) {  // up to `max` characters drawn from `chars`
        std::string s(rng() % (max + 1), ' ');
        for (char& c : s) c = chars[rng() % chars.size()];
        return s;
    };
    for (int i = 0; i < 3000; ++i) {
        doc.lettersLeft = text(6);
        const std::string answer = text(3), word = text(5);
        ASSERT_EQ(search.fitsLetterStock(word, answer),
                  literalFit(word, lower(doc.lettersLeft) + lower(answer)))
            << "stock '" << doc.lettersLeft << "' answer '" << answer << "' word '" << word << "'";
    }
}

TEST_F(WordSearchTest, AllWordsCheckListsWithinTheTypedLetter) {
    search.allWords();
    EXPECT_EQ(fresh("Jaguar"), (Words{"jaguar", "jail", "jam", "jar", "jet", "job", "joy"}));
    // Check again replaces the list, so no word is listed twice.
    type("jam");
    EXPECT_EQ(search.lstDict, (Words{"jam", "jar", "jet", "job", "joy"}));
    type("jam");
    EXPECT_EQ(search.lstDict, (Words{"jam", "jar", "jet", "job", "joy"}));
    EXPECT_EQ(search.selectedWord(), "jam");

    EXPECT_EQ(fresh("b"), (Words{"bad", "bat", "be"}));
    EXPECT_EQ(search.searchWord, "ba");
    EXPECT_EQ(fresh("qu").front(), "qua");
    EXPECT_EQ(search.searchWord, "qu");
}

TEST_F(WordSearchTest, LimitedListsOnlyWordsTheStockAndAnswerBuildAndNoListSaysSo) {
    EXPECT_EQ(fresh("a"), (Words{"ate"}));
    EXPECT_EQ(fresh("b"), (Words{"eat"}));  // b is not free: on to the next free letter
    EXPECT_EQ(fresh("b", "B"), (Words{"bat", "be"}));
    EXPECT_EQ(fresh("te", "t"), (Words{"tea", "teat"}));
    EXPECT_TRUE(fresh("U").empty());  // no free letter from u to z
    EXPECT_EQ(prompter.beeps, 1);

    // Without a word list the search says so.
    Dictionary none;
    WordSearch empty(none, doc, prompter);
    empty.txtDict = "a";
    empty.check();
    empty.nextTen();
    EXPECT_EQ(prompter.texts(), (Words{kNoDictionaryMessage, kNoDictionaryMessage}));
}

TEST_F(WordSearchTest, NextLetterAndNextTen) {
    search.allWords();
    search.txtDict = "dog";
    search.nextLetter();
    EXPECT_EQ(search.searchWord, "ea");
    EXPECT_EQ(search.lstDict, (Words{"eagle", "ear", "eat"}));
    search.txtDict = "yak";
    search.nextLetter();
    EXPECT_EQ(prompter.texts(), (Words{kEndOfWordListMessage}));
    EXPECT_EQ(search.lstDict.size(), 3u);

    fresh("jet");
    search.nextTen();
    EXPECT_EQ(search.lstDict.size(), 13u);
    search.clear();
    search.nextTen();  // on from where the last list ended
    EXPECT_EQ(search.lstDict.front(), "qua");
    EXPECT_EQ(prompter.messages.size(), 1u);
}

// Familiar words skips words above SCOWL size 35 (jade, jaguar and lab
// here) in every list; without levels it changes nothing.
TEST_F(WordSearchTest, FamiliarWordsSkipRareWords) {
    const std::map<std::string, int> rare{
        {"jail", 35}, {"lab", 40}, {"jade", 70}, {"jaguar", 70}, {"teat", 70}};
    std::string levels;
    for (const auto& w : kWords) levels += std::to_string(rare.contains(w) ? rare.at(w) : 10) + "\r\n";
    dict.readLevels(levels);
    ASSERT_TRUE(search.familiarAvailable());
    search.allWords();
    EXPECT_EQ(fresh("j"), (Words{"jab", "jail", "jam", "jar", "jet", "job", "joy"}));  // on at start
    search.familiarWords(false);
    EXPECT_EQ(search.lstDict.size(), 7u);  // switching lists nothing new
    EXPECT_EQ(fresh("j").size(), 9u);
    search.familiarWords(true);
    fresh("j");
    search.nextTen();
    EXPECT_EQ(search.lstDict.at(11), "lad");
    search.limited();
    EXPECT_EQ(fresh("te", "t"), (Words{"tea"}));

    // A word unfit for a class is never a familiar one, but is found when typed.
    std::string unfit;
    for (const auto& w : kWords) unfit += std::string(w == "jam" ? "1" : "0") + "\r\n";
    dict.readWordNotes("", unfit);
    search.allWords();
    EXPECT_EQ(fresh("j"), (Words{"jab", "jail", "jar", "jet", "job", "joy"}));
    EXPECT_TRUE(search.unfitWord("jam"));
    search.familiarWords(false);
    EXPECT_EQ(fresh("jam").front(), "jam");

    dict.readLevels("");
    EXPECT_FALSE(search.familiarAvailable());
    EXPECT_EQ(fresh("te", "t"), (Words{"tea", "teat"}));
}

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
            loadDictionary(d, QBRX_DATA_DIR);
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
    const bool doubles = n >= 3 && !vowel(last) &&
                         std::string_view("wxy").find(last) == std::string_view::npos && vowel(w[n - 2]) &&
                         !vowel(w[n - 3]);
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
            EXPECT_TRUE(size > 0 && level < size)
                << form << " (" << level << "), a form of " << entry << " (" << size << ")";
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
        ASSERT_NE(std::find(kLevels.begin(), kLevels.end(), dict().level(k)), kLevels.end())
            << dict().wordList(k);
    // Sizes of SCOWL's own lists: a level file shifted by a line, or in
    // another order, would give these words their neighbours' sizes.
    const std::pair<const char*, int> known[] = {
        {"aah", 55},       {"aardvark", 20}, {"cat", 10},    {"photosynthesis", 35}, {"puzzle", 20},
        {"quotation", 20}, {"teacher", 10},  {"zygote", 50}, {"zymurgy", 60}};
    for (const auto& [word, level] : known) EXPECT_EQ(levelOf(word), level) << word;
}

// base.dic ties inflections to their base words; unfit.dic keeps off a
// class handout what the block lists, WordNet and data/offlimits.txt name,
// the inflections of such words too.
TEST_F(BundledList, KnowsBaseWordsAndWordsUnfitForAClass) {
    auto baseOf = [](const std::string& word) {
        return std::string(dict().wordList(dict().baseWord(dict().find(word))));
    };
    const std::pair<const char*, const char*> inflected[] = {
        {"saluted", "salute"},   {"invoiced", "invoice"},  {"retools", "retool"},  {"lavishes", "lavish"},
        {"abandons", "abandon"}, {"robots", "robot"},      {"lightest", "light"},  {"lives", "life"},
        {"itchiest", "itchy"},   {"building", "building"}, {"glasses", "glasses"}, {"cat", "cat"}};
    for (const auto& [word, base] : inflected) EXPECT_EQ(baseOf(word), base) << word;

    const char* unfit[] = {"damn",   "crap",   "arse",   "hell",     "condom",   "stripper",    "cocaine",
                           "racist", "ghetto", "whisky", "hangover", "diarrhea", "hemorrhoids", "atheists",
                           "bawd",   "goosed", "voodoo", "opiates",  "voodooed"};
    for (const char* word : unfit) {
        ASSERT_NE(dict().find(word), 0) << word;
        EXPECT_TRUE(dict().unfit(dict().find(word))) << word;
    }
    for (const char* word : {"goose", "teacher", "puzzle", "hugging", "cold", "add", "sweat"})
        EXPECT_FALSE(dict().unfit(dict().find(word))) << word;
}

// Start-up reads the bundled list on a thread of its own; what it holds then
// is what reading it in place gives.
TEST_F(BundledList, ReadOnAThreadHoldsWhatLoadingInPlaceGives) {
    Dictionary background;
    { BackgroundLoad load(background, QBRX_DATA_DIR); }  // waits for the thread
    EXPECT_EQ(background.loadedWords(), dict().loadedWords());
    EXPECT_EQ(background.wordList(dict().loadedWords()), dict().wordList(dict().loadedWords()));
    EXPECT_EQ(background.startIndex(19, 20), dict().startIndex(19, 20));
    EXPECT_TRUE(background.hasLevels());
}

}  // namespace
}  // namespace qbrx::test
