// The dictionary loaders, the familiarity levels beside the word list, and
// the word search of the dictionary window.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "dictionary.h"
#include "scriptedprompter.h"
#include "text.h"
#include "wordlists.h"
#include "wordsearch.h"

namespace qbrx {
namespace {

using namespace test;

TEST(DictionaryLoad, ItemsCountsLevelsAndStartIndex) {
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
    type("kale");  // appends, and selects the first word it added
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
    std::string levels;
    for (const auto& w : kWords)
        levels += std::to_string(w == "jail" ? 35 : w == "lab" ? 40 : w == "jade" || w == "jaguar" || w == "teat" ? 70 : 10) + "\r\n";
    dict.readLevels(levels);
    ASSERT_TRUE(search.familiarAvailable());
    search.allWords();
    EXPECT_EQ(fresh("j").size(), 9u);  // off at start
    search.familiarWords(true);
    EXPECT_EQ(search.lstDict.size(), 9u);  // switching lists nothing new
    EXPECT_EQ(fresh("j"), (Words{"jab", "jail", "jam", "jar", "jet", "job", "joy"}));
    search.nextTen();
    EXPECT_EQ(search.lstDict.at(11), "lad");
    search.limited();
    EXPECT_EQ(fresh("te", "t"), (Words{"tea"}));

    dict.readLevels("");
    EXPECT_FALSE(search.familiarAvailable());
    EXPECT_EQ(fresh("te", "t"), (Words{"tea", "teat"}));
}

}  // namespace
}  // namespace qbrx
