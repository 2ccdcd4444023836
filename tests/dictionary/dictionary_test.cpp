// The dictionary loaders and the word search of the dictionary window.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "dictionary.h"
#include "scriptedprompter.h"
#include "text.h"
#include "wordsearch.h"

namespace qbrx {
namespace {

using Words = std::vector<std::string>;

Words allWords(const Dictionary& d) {
    Words out;
    for (int k = 1; k <= d.loadedWords(); ++k) out.emplace_back(d.wordList(k));
    return out;
}

std::string wordsFile(const Words& words) {
    std::string s = std::to_string(words.size() + 1) + "\r\n";
    for (const auto& w : words) s += w + "\r\n";
    return s;
}

// Each item is the line (the count's line is 1) of the first word that sorts
// at or after the letter or letter pair.
std::string countFile(const Words& words) {
    std::string s;
    for (char f = 'a'; f <= 'z'; ++f) {
        for (char c = 'a' - 1; c <= 'z'; ++c) {
            const std::string prefix = c < 'a' ? std::string(1, f) : std::string{f, c};
            s += std::to_string(std::lower_bound(words.begin(), words.end(), prefix) - words.begin() + 2) + "\r\n";
        }
    }
    return s;
}

TEST(DictionaryLoad, ItemsCountsAndStartIndex) {
    Dictionary d;
    d.readWordList("3\r\nalpha\r\nbeta\r\ngamma\r\n");  // a count of N holds N - 1 words
    EXPECT_EQ(d.wordCount(), 3);
    EXPECT_EQ(allWords(d), (Words{"alpha", "beta"}));
    d.readWordList("10\r\nalpha\r\nbeta");  // ends early: keeps what it held
    EXPECT_EQ(allWords(d), (Words{"alpha", "beta"}));
    d.readWordList("7\n  \"ab,c\"  ,de ,\"x\"junk,yz\rlast\r\n\r\nnever\r\n");
    EXPECT_EQ(allWords(d), (Words{"ab,c", "de", "x", "yz", "last", ""}));

    // Items 0..5, then 106.. : a start is the item less one, 0 for 0 or 1.
    std::string file = " \"5\",7xyz\r\nabc\n2.5\n0\n1\n";
    for (int i = 6; i < 702; ++i) file += std::to_string(100 + i) + "\r\n";
    d.readCountIndex(file);
    const int starts[] = {4, 6, 0, 1, 0, 0, 105};  // "7xyz" -> 7, "abc" -> 0, 2.5 halves to 2
    for (int s = 0; s <= 6; ++s) EXPECT_EQ(d.startIndex(1, s), starts[s]) << s;
    EXPECT_EQ(d.startIndex(2, 0), 126);  // item 27
    EXPECT_EQ(d.startIndex(26, 26), 800);
}

TEST(DictionaryLoad, FilesFromAFolderAndMissingFiles) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "qbrx-dictionary-test";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "words.dic", std::ios::binary) << wordsFile({"cat", "dog"});
    std::ofstream(dir / "count.dic", std::ios::binary) << countFile({"cat", "dog"});
    Dictionary d;
    d.loadCountIndex(dir.string() + "//");  // a folder written with its separator
    d.loadWordList(dir.string() + "//");
    EXPECT_EQ(allWords(d), (Words{"cat", "dog"}));
    EXPECT_EQ(d.startIndex(4, 15), 2);  // "do": dog, line 3
    std::filesystem::remove(dir / "count.dic");
    d.loadCountIndex(dir.string());
    EXPECT_EQ(d.startIndex(4, 15), 0);
    Dictionary none;
    none.loadWordList((dir / "missing").string());
    EXPECT_EQ(none.loadedWords(), 0);
    std::filesystem::remove_all(dir);
}

TEST(DictionaryLoad, StopsAtCapacity) {
    std::string file = "100000\r\n";
    for (int k = 1; k <= kWordCapacity + 50; ++k) file += "w" + std::to_string(k) + "\r\n";
    Dictionary d;
    d.readWordList(file);
    EXPECT_EQ(d.loadedWords(), kWordCapacity - 1);
    EXPECT_EQ(d.wordList(kWordCapacity - 1), "w91531");
}

const Words kWords = {"a",   "aardvark", "able", "about", "ate", "b",   "bad",  "bat",   "be",    "dog",
                      "eagle", "ear",  "eat",  "jab",   "jade", "jaguar", "jail", "jam", "jar",  "jet",
                      "job",   "joy",  "kale", "key",   "kid",  "kit",  "lab",  "lad",  "lap",  "law",
                      "lay",   "qat",  "qua",  "quack", "quiet", "quit", "tea",  "teat", "yak",  "zoo"};

class WordSearchTest : public ::testing::Test {
protected:
    WordSearchTest() : search(dict, doc, prompter) {
        load(kWords);
        setStock("aet");
    }
    void load(const Words& words) {
        dict.readWordList(wordsFile(words));
        dict.readCountIndex(countFile(words));
    }
    // Free letters as the registration leaves them: lower case, grouped.
    void setStock(const std::string& letters) {
        doc.lettersLeft = letters;
        doc.letterLeftCount.fill(0);
        for (char c : letters) ++doc.letterLeftCount[c - 'a' + 1];
    }
    // Check with `text` in the edit box: adds to the list.
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
    for (const char* w : {"eat", "tea", "ate"}) EXPECT_TRUE(search.fitsLetterStock(w, "")) << w;
    EXPECT_FALSE(search.fitsLetterStock("teat", ""));
    EXPECT_TRUE(search.fitsLetterStock("teat", "T"));
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
        ASSERT_EQ(search.fitsLetterStock(word, answer), literalFit(word, lower(doc.lettersLeft) + lower(answer)))
            << "stock '" << doc.lettersLeft << "' answer '" << answer << "' word '" << word << "'";
    }
}

TEST_F(WordSearchTest, AllWordsCheckListsWithinTheTypedLetter) {
    search.allWords();
    EXPECT_EQ(fresh("Jaguar"), (Words{"jaguar", "jail", "jam", "jar", "jet", "job", "joy"}));
    EXPECT_EQ(search.txtDict, "joy");
    EXPECT_EQ(search.selectedIndex, 0);
    type("kale");  // appends, and selects the first word it added
    EXPECT_EQ(search.lstDict.size(), 11u);
    EXPECT_EQ(search.selectedWord(), "kale");

    EXPECT_EQ(fresh("b"), (Words{"bad", "bat", "be"}));
    EXPECT_EQ(search.searchWord, "ba");
    EXPECT_EQ(fresh("qu").front(), "qua");
    EXPECT_EQ(search.searchWord, "qu");
}

TEST_F(WordSearchTest, LimitedListsOnlyWordsTheStockAndAnswerBuild) {
    EXPECT_EQ(fresh("a"), (Words{"ate"}));
    EXPECT_EQ(fresh("b"), (Words{"eat"}));  // b is not free: on to the next free letter
    EXPECT_EQ(fresh("b", "B"), (Words{"bat", "be"}));
    EXPECT_EQ(fresh("te", "t"), (Words{"tea", "teat"}));
    EXPECT_TRUE(fresh("U").empty());  // no free letter from u to z
    EXPECT_EQ(prompter.beeps, 1);
    setStock("");  // an empty stock beeps in both modes
    EXPECT_TRUE(fresh("Dog").empty());
    search.allWords();
    EXPECT_TRUE(fresh("dog").empty());
    EXPECT_EQ(prompter.beeps, 3);
}

TEST_F(WordSearchTest, NextLetterNextTenAndOverflow) {
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
    EXPECT_EQ(search.lstDict[3], "kale");
    EXPECT_EQ(search.lstDict[12], "qat");
    search.clear();
    search.nextTen();
    EXPECT_EQ(search.lstDict.front(), "qua");
    EXPECT_EQ(prompter.messages.size(), 1u);

    // At 32,000 listed words the next search empties the list and starts at a.
    fresh("zoo");
    search.listedCount = 32000;
    type("ear");
    EXPECT_EQ(search.lstDict.size(), 3u);  // no overflow yet: zoo, ear, eat
    search.listedCount = 32001;
    type("kale");
    EXPECT_EQ(search.searchWord, "aa");
    EXPECT_EQ(search.lstDict, (Words{"aardvark", "able", "about", "ate"}));
}

TEST_F(WordSearchTest, EndMessageOnlyPastPosition91518) {
    Words words;  // a full list: aaaa, aaab, ...
    for (int k = 0; k < kWordCapacity - 1; ++k)
        words.push_back({static_cast<char>('a' + k / 17576), static_cast<char>('a' + k / 676 % 26),
                         static_cast<char>('a' + k / 26 % 26), static_cast<char>('a' + k % 26)});
    load(words);
    search.allWords();
    search.resumePosition = 91500;
    search.txtDict = words[91498];  // position 91499
    search.nextTen();
    search.nextTen();
    EXPECT_EQ(search.lstDict.size(), 18u);
    EXPECT_TRUE(prompter.messages.empty());
    search.nextTen();
    EXPECT_EQ(search.lstDict.back(), words[91517]);  // position 91518
    EXPECT_EQ(prompter.texts(), (Words{kEndOfWordListMessage}));
}

TEST_F(WordSearchTest, KeysMoveTheSelection) {
    for (int i = 0; i < 25; ++i) search.lstDict.push_back("w" + std::to_string(i));
    auto press = [&](int from, DictKey key) {
        search.selectedIndex = from;
        search.keyPressed(key);
        return search.selectedIndex;
    };
    const std::tuple<int, DictKey, int> moves[] = {
        {15, DictKey::PageUp, 5},  {11, DictKey::PageUp, 1}, {10, DictKey::PageUp, 0}, {5, DictKey::PageDown, 15},
        {14, DictKey::PageDown, 24}, {15, DictKey::PageDown, 24}, {7, DictKey::Home, 0}, {7, DictKey::End, 24},
        {7, DictKey::Up, 6}, {0, DictKey::Up, 0}, {24, DictKey::Down, 24}, {-1, DictKey::Down, 0}};
    for (const auto& [from, key, to] : moves) EXPECT_EQ(press(from, key), to) << from;
    EXPECT_EQ(search.txtDict, "w0");  // a selection puts its word in the box

    search.lstDict = {"only"};  // Home and End need two items
    EXPECT_EQ(press(-1, DictKey::Home), -1);
    EXPECT_EQ(press(-1, DictKey::End), -1);
}

}  // namespace
}  // namespace qbrx
