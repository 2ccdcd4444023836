#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dictionary.h"
#include "testdictionary.h"

namespace qbrx {
namespace {

using test::TempDir;

std::vector<std::string> allWords(const Dictionary& d) {
    std::vector<std::string> out;
    for (int k = 1; k <= d.loadedWords(); ++k) out.emplace_back(d.wordList(k));
    return out;
}

TEST(DictionaryLoad, CountOfNLoadsNMinusOneWords) {
    Dictionary d;
    d.readWordList("3\r\nalpha\r\nbeta\r\ngamma\r\n");
    EXPECT_EQ(d.wordCount(), 3);
    EXPECT_EQ(allWords(d), (std::vector<std::string>{"alpha", "beta"}));
    EXPECT_EQ(d.wordList(0), "");
    EXPECT_EQ(d.wordList(3), "");
    EXPECT_EQ(d.wordList(-1), "");
    EXPECT_EQ(d.wordList(kWordCapacity), "");

    // A file that ends early keeps what it held.
    d.readWordList("10\r\nalpha\r\nbeta");
    EXPECT_EQ(d.wordCount(), 10);
    EXPECT_EQ(allWords(d), (std::vector<std::string>{"alpha", "beta"}));

    // A count that is not a number loads nothing.
    d.readWordList("many\r\nalpha\r\n");
    EXPECT_EQ(d.loadedWords(), 0);
}

TEST(DictionaryLoad, ItemRules) {
    Dictionary d;
    d.readWordList("7\n  \"ab,c\"  ,de ,\"x\"junk,yz\rlast\r\n\r\nnever\r\n");
    EXPECT_EQ(allWords(d), (std::vector<std::string>{"ab,c", "de", "x", "yz", "last", ""}));

    d.readCountIndex(" \"5\",7xyz\r\nabc\n2.5\n");
    EXPECT_EQ(d.startIndex(1, 0), 4);
    EXPECT_EQ(d.startIndex(1, 1), 6);   // leading number of "7xyz"
    EXPECT_EQ(d.startIndex(1, 2), 0);   // not a number
    EXPECT_EQ(d.startIndex(1, 3), 1);   // 2.5 halves to 2
    EXPECT_EQ(d.startIndex(1, 4), 0);   // not in the file
}

TEST(DictionaryLoad, CountIndexOrderAndStartOfList) {
    std::string file;
    for (int i = 0; i < 702; ++i) file += std::to_string(i < 2 ? i : 100 + i) + "\r\n";
    Dictionary d;
    d.readCountIndex(file);
    EXPECT_EQ(d.startIndex(1, 0), 0);    // item 0
    EXPECT_EQ(d.startIndex(1, 1), 0);    // item 1
    EXPECT_EQ(d.startIndex(1, 2), 101);  // item 2: 102 - 1
    EXPECT_EQ(d.startIndex(2, 0), 126);  // item 27
    EXPECT_EQ(d.startIndex(26, 26), 800);
    EXPECT_EQ(d.startIndex(0, 5), 0);    // row 0 is never loaded
}

TEST(DictionaryLoad, FilesFromFolder) {
    TempDir dir;
    dir.write("words.dic", test::wordsFile({"cat", "dog"}));
    dir.write("count.dic", test::countFile({"cat", "dog"}));
    for (const std::string& folder : {dir.path(), dir.path() + "/", dir.path() + "//"}) {
        Dictionary d;
        d.loadCountIndex(folder);
        d.loadWordList(folder);
        EXPECT_EQ(allWords(d), (std::vector<std::string>{"cat", "dog"})) << folder;
        EXPECT_EQ(d.startIndex(4, 15), 2) << folder;  // "do": dog, line 3
    }

    // A missing count file leaves the index at 0 and the words loadable.
    std::filesystem::remove(dir.path() + "/count.dic");
    Dictionary d;
    d.loadCountIndex(dir.path());
    d.loadWordList(dir.path());
    EXPECT_EQ(d.startIndex(4, 15), 0);
    EXPECT_EQ(d.loadedWords(), 2);

    Dictionary none;
    none.loadCountIndex(dir.path() + "/missing");
    none.loadWordList(dir.path() + "/missing");
    EXPECT_EQ(none.loadedWords(), 0);
    EXPECT_EQ(none.wordCount(), 0);
}

TEST(DictionaryLoad, StopsAtCapacity) {
    std::string file = "100000\r\n";
    for (int k = 1; k <= kWordCapacity + 50; ++k) file += "w" + std::to_string(k) + "\r\n";
    Dictionary d;
    d.readWordList(file);
    EXPECT_EQ(d.loadedWords(), kWordCapacity - 1);
    EXPECT_EQ(d.wordList(kWordCapacity - 1), "w91531");
    EXPECT_EQ(d.wordList(kWordCapacity), "");
}

// The dictionary that comes with the program.
TEST(BundledDictionary, LoadsAndIndexMatchesWords) {
    Dictionary d;
    d.loadCountIndex(QBRX_DATA_DIR);
    d.loadWordList(QBRX_DATA_DIR);
    const int n = d.loadedWords();
    EXPECT_EQ(n, d.wordCount() - 1);
    EXPECT_GE(n, 85000);
    EXPECT_LE(n, kWordCapacity - 1);

    for (int k = 1; k <= n; ++k) {
        const auto w = d.wordList(k);
        ASSERT_FALSE(w.empty()) << k;
        ASSERT_TRUE(std::all_of(w.begin(), w.end(), [](char c) { return c >= 'a' && c <= 'z'; })) << w;
        if (k > 1) {
            ASSERT_LT(d.wordList(k - 1), w) << k;
        }
    }

    // Every entry starts the scan after all words that sort before its
    // letters and at or before the first word that has them.
    for (int f = 1; f <= 26; ++f) {
        for (int s = 0; s <= 26; ++s) {
            std::string prefix(1, static_cast<char>('a' + f - 1));
            if (s > 0) prefix += static_cast<char>('a' + s - 1);
            const int start = d.startIndex(f, s);
            ASSERT_GE(start, 1) << prefix;
            ASSERT_LE(start, n + 1) << prefix;
            EXPECT_LT(d.wordList(start - 1), prefix) << prefix;
            if (start <= n) {
                EXPECT_GE(d.wordList(start), prefix) << prefix;
            }
        }
    }
}

}  // namespace
}  // namespace qbrx
