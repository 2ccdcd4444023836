#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "scriptedprompter.h"
#include "testdictionary.h"
#include "text.h"
#include "wordsearch.h"

namespace qbrx {
namespace {

using Words = std::vector<std::string>;

const Words kWords = {
    "a",     "aardvark", "able", "about", "ate",  "b",    "bad",  "bat",  "be",   "dog",
    "eagle", "ear",      "eat",  "jab",   "jade", "jaguar", "jail", "jam", "jar",  "jet",
    "job",   "joy",      "kale", "key",   "kid",  "kit",  "lab",  "lad",  "lap",  "law",
    "lay",   "qat",      "qua",  "quack", "quiet", "quit", "tea",  "teat", "yak",  "zoo",
};

class WordSearchTest : public ::testing::Test {
protected:
    WordSearchTest() : search(dict, doc, prompter) { load(kWords); }

    void load(const Words& words) {
        dict.readWordList(test::wordsFile(words));
        dict.readCountIndex(test::countFile(words));
    }
    // Free letters as the registration leaves them: lower case, grouped.
    void setStock(const std::string& letters) {
        doc.lettersLeft = letters;
        doc.letterLeftCount.fill(0);
        for (char c : letters) ++doc.letterLeftCount[c - 'a' + 1];
    }
    void setAnswer(const std::string& a) {
        doc.currentQuestion = 1;
        doc.answer[1] = a;
    }
    void check(const std::string& text) {
        search.txtDict = text;
        search.check();
    }

    Dictionary dict;
    Document doc;
    test::ScriptedPrompter prompter;
    WordSearch search;
};

// The fit rule as written: each word character takes the first copy of
// itself from the stock, which becomes a space.
bool literalFit(std::string word, std::string stock) {
    for (char c : word) {
        const auto at = stock.find(c);
        if (at == std::string::npos) return false;
        stock[at] = ' ';
    }
    return true;
}

TEST_F(WordSearchTest, FitsLetterStock) {
    setStock("aet");
    for (const char* w : {"eat", "tea", "ate"}) EXPECT_TRUE(search.fitsLetterStock(w, "")) << w;
    EXPECT_FALSE(search.fitsLetterStock("teat", ""));
    EXPECT_TRUE(search.fitsLetterStock("teat", "T"));

    // Same answer as the literal rule on odd stocks and words, spaces and
    // characters outside a-z included.
    std::mt19937 rng(7);
    const std::string chars = "aabet \xe9\xc9Z";
    auto text = [&](std::size_t max) {
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

TEST_F(WordSearchTest, CheckListsFromTypedWordWithinItsLetter) {
    setStock("aet");
    search.allWords();
    check("Jaguar");
    EXPECT_EQ(search.lstDict, (Words{"jaguar", "jail", "jam", "jar", "jet", "job", "joy"}));
    EXPECT_EQ(search.txtDict, "joy");
    EXPECT_EQ(search.selectedIndex, 0);
    EXPECT_EQ(search.listedCount, 7);
    EXPECT_TRUE(search.selectWholeText);

    // The next search appends and selects the first word it added.
    check("kale");
    EXPECT_EQ(search.lstDict.size(), 11u);
    EXPECT_EQ(search.selectedIndex, 7);
    EXPECT_EQ(search.selectedWord(), "kale");
    EXPECT_EQ(search.txtDict, "kit");

    // A search that adds nothing selects the last item.
    check("kz");
    EXPECT_EQ(search.lstDict.size(), 11u);
    EXPECT_EQ(search.selectedIndex, 10);
}

TEST_F(WordSearchTest, ShortTextsSearchFromTheirLetterPair) {
    setStock("aet");
    search.allWords();
    check("b");
    EXPECT_EQ(search.searchWord, "ba");
    EXPECT_EQ(search.lstDict, (Words{"bad", "bat", "be"}));
    search.clear();
    check("qu");
    EXPECT_EQ(search.searchWord, "qu");
    EXPECT_EQ(search.lstDict.front(), "qua");
    search.clear();
    check("quiet");
    EXPECT_EQ(search.searchWord, "quiet");
    EXPECT_EQ(search.lstDict, (Words{"quiet", "quit"}));
}

TEST_F(WordSearchTest, LimitedListsOnlyWordsTheStockBuilds) {
    setStock("aet");
    check("a");
    EXPECT_EQ(search.lstDict, (Words{"ate"}));

    // A typed letter that is not free moves on to the next free letter.
    search.clear();
    check("b");
    EXPECT_EQ(search.searchWord, "ea");
    EXPECT_EQ(search.lstDict, (Words{"eat"}));

    // The current answer's letters count, also for the typed first letter.
    search.clear();
    setAnswer("B");
    check("b");
    EXPECT_EQ(search.lstDict, (Words{"bat", "be"}));
    search.clear();
    setAnswer("t");
    check("te");
    EXPECT_EQ(search.lstDict, (Words{"tea", "teat"}));

    // No free letter from the typed one to z: beep, nothing listed.
    search.clear();
    setAnswer("");
    check("U");
    EXPECT_EQ(prompter.beeps, 1);
    EXPECT_TRUE(search.lstDict.empty());
    EXPECT_EQ(search.txtDict, "u");
}

TEST_F(WordSearchTest, EmptyStockBeepsInBothModes) {
    setStock("");
    check("Dog");
    search.allWords();
    check("dog");
    EXPECT_EQ(prompter.beeps, 2);
    EXPECT_TRUE(search.lstDict.empty());
    EXPECT_EQ(search.txtDict, "dog");
    EXPECT_EQ(search.firstLetterNo, 27);
}

TEST_F(WordSearchTest, NextLetter) {
    setStock("aet");
    search.allWords();
    search.txtDict = "dog";
    search.nextLetter();
    EXPECT_EQ(search.searchWord, "ea");
    EXPECT_EQ(search.lstDict, (Words{"eagle", "ear", "eat"}));

    search.txtDict = "yak";
    search.nextLetter();
    EXPECT_EQ(prompter.messages, (Words{kEndOfWordListMessage}));
    EXPECT_EQ(search.txtDict, "z");
    EXPECT_EQ(search.lstDict.size(), 3u);
}

TEST_F(WordSearchTest, NextTenRunsIntoFollowingLetters) {
    setStock("aet");
    search.allWords();
    check("jet");
    EXPECT_EQ(search.lstDict, (Words{"jet", "job", "joy"}));
    search.nextTen();
    EXPECT_EQ(search.lstDict.size(), 13u);
    EXPECT_EQ(search.lstDict[3], "kale");
    EXPECT_EQ(search.lstDict[12], "qat");
    EXPECT_EQ(search.selectedIndex, 3);
    EXPECT_EQ(search.txtDict, "qat");
    EXPECT_TRUE(prompter.messages.empty());

    // After Clear it goes on from where the scan stopped.
    search.clear();
    search.nextTen();
    EXPECT_EQ(search.lstDict.front(), "qua");
    EXPECT_EQ(search.selectedIndex, 0);

    // Empty positions, before the first word and after the last, are not
    // listed even with an empty edit box.
    search.clear();
    search.resumePosition = 0;
    search.nextTen();
    EXPECT_EQ(search.lstDict.front(), "a");
    search.clear();
    search.resumePosition = 39;
    search.nextTen();
    EXPECT_EQ(search.lstDict, (Words{"yak", "zoo"}));
}

TEST_F(WordSearchTest, OverflowEmptiesListAndRestartsAtA) {
    setStock("aet");
    search.allWords();
    check("zoo");
    search.listedCount = 32000;
    check("ear");
    EXPECT_EQ(search.lstDict.size(), 3u);  // no overflow yet: zoo, ear, eat

    search.listedCount = 32001;
    check("kale");
    EXPECT_FALSE(search.listOverflow);
    EXPECT_EQ(search.searchWord, "aa");
    EXPECT_EQ(search.lstDict, (Words{"aardvark", "able", "about", "ate"}));
    EXPECT_EQ(search.listedCount, 4);
}

TEST_F(WordSearchTest, EndMessageOnlyPastPosition91518) {
    // A full word list: aaaa, aaab, ...
    Words words;
    for (int k = 0; k < kWordCapacity - 1; ++k) {
        std::string w(4, 'a');
        for (int i = 3, v = k; i >= 0; --i, v /= 26) w[i] = static_cast<char>('a' + v % 26);
        words.push_back(w);
    }
    load(words);
    setStock("aet");
    search.allWords();
    search.resumePosition = 91500;
    search.txtDict = words[91498];  // position 91499
    search.nextTen();
    EXPECT_EQ(search.lstDict.back(), words[91508]);
    search.nextTen();
    EXPECT_EQ(search.lstDict.size(), 18u);
    EXPECT_EQ(search.resumePosition, kNextTenScanEnd);
    EXPECT_TRUE(prompter.messages.empty());
    search.nextTen();
    EXPECT_EQ(search.lstDict.back(), words[91517]);  // position 91518
    EXPECT_EQ(prompter.messages, (Words{kEndOfWordListMessage}));
}

TEST_F(WordSearchTest, KeysMoveTheSelection) {
    for (int i = 0; i < 25; ++i) search.lstDict.push_back("w" + std::to_string(i));
    auto press = [&](int from, DictKey key) {
        search.selectedIndex = from;
        search.keyPressed(key);
        return search.selectedIndex;
    };
    EXPECT_EQ(press(15, DictKey::PageUp), 5);
    EXPECT_EQ(press(11, DictKey::PageUp), 1);
    EXPECT_EQ(press(10, DictKey::PageUp), 0);
    EXPECT_EQ(press(5, DictKey::PageDown), 15);
    EXPECT_EQ(press(14, DictKey::PageDown), 24);
    EXPECT_EQ(press(15, DictKey::PageDown), 24);
    EXPECT_EQ(press(7, DictKey::Home), 0);
    EXPECT_EQ(press(7, DictKey::End), 24);
    EXPECT_EQ(press(7, DictKey::Up), 6);
    EXPECT_EQ(press(0, DictKey::Up), 0);
    EXPECT_EQ(press(24, DictKey::Down), 24);
    EXPECT_EQ(press(-1, DictKey::Down), 0);
    EXPECT_EQ(search.txtDict, "w0");  // a selection puts its word in the box

    // Page Down on the last item lists the next ten.
    setStock("aet");
    search.allWords();
    search.txtDict = "kid";
    search.resumePosition = 1;
    search.selectedIndex = 24;
    EXPECT_FALSE(search.keyPressed(DictKey::PageDown));
    EXPECT_EQ(search.lstDict.size(), 35u);
    EXPECT_EQ(search.lstDict[25], "kid");

    // A one-item list: Home, End and Up do nothing.
    search.lstDict = {"only"};
    EXPECT_EQ(press(-1, DictKey::Home), -1);
    EXPECT_EQ(press(-1, DictKey::End), -1);
    EXPECT_EQ(press(-1, DictKey::PageDown), 0);
}

}  // namespace
}  // namespace qbrx
