// The fill search on small word lists whose fills can be counted by hand.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "answerfill.h"

namespace qbrx {
namespace {

struct Words {
    std::vector<std::string> texts;
    std::vector<int> levels;
    FillLexicon lexicon() const {
        std::vector<std::string_view> views(texts.begin(), texts.end());
        return FillLexicon(views, levels);
    }
};

std::array<int, 26> letters(const std::string& s) {
    std::array<int, 26> counts{};
    for (char c : s) ++counts[c - 'a'];
    return counts;
}

FillRequest request(const std::string& stock, const std::string& firstLetters) {
    FillRequest r;
    r.letters = letters(stock);
    r.firstLetters = firstLetters;
    return r;
}

void runToEnd(AnswerFiller& filler) {
    for (int i = 0; i < 10000 && filler.run(1000); ++i) {
    }
}

// Every rule an exact fill must keep.
void expectValidExactFill(const Fill& fill, const FillRequest& r, const Words& words) {
    EXPECT_EQ(fill.gaps, 0);
    ASSERT_EQ(fill.words.size(), r.firstLetters.size());
    const std::set<std::string> list(words.texts.begin(), words.texts.end());
    std::array<int, 26> used{};
    for (std::size_t i = 0; i < fill.words.size(); ++i) {
        const std::string& w = fill.words[i];
        EXPECT_TRUE(list.count(w)) << w << " is not in the list";
        if (r.firstLetters[i] != 0) {
            EXPECT_EQ(w[0], r.firstLetters[i]) << w;
        }
        for (const std::string& x : r.exclude) EXPECT_NE(w, x);
        for (char c : w) ++used[c - 'a'];
    }
    EXPECT_EQ(std::set<std::string>(fill.words.begin(), fill.words.end()).size(), fill.words.size())
        << "a word is used twice";
    EXPECT_EQ(used, r.letters) << "letters left over or used twice";
}

const Words kTeaWords{{"tab", "bat", "rat", "tar", "art", "bet", "tea", "eat", "ate", "bar", "at", "ta", "beat"}, {}};

TEST(AnswerFill, FindsEveryExactFillAndOnlyThose) {
    // t + b from a a b e t t: tea + bat, ta + beat; tab leaves a e t, which
    // no word starting with b can use.
    const FillRequest r = request("aabett", "tb");
    const FillLexicon lex = kTeaWords.lexicon();
    AnswerFiller filler(lex, r);
    runToEnd(filler);
    ASSERT_EQ(filler.fills().size(), 2u);
    std::set<std::vector<std::string>> found;
    for (const Fill& f : filler.fills()) {
        expectValidExactFill(f, r, kTeaWords);
        found.insert(f.words);
    }
    EXPECT_TRUE(found.count({"tea", "bat"}));
    EXPECT_TRUE(found.count({"ta", "beat"}));
    EXPECT_FALSE(filler.lookingForGaps());
}

TEST(AnswerFill, KeepsOutWordsAlreadyUsedAndWordsTwiceInOneFill) {
    const FillLexicon lex = kTeaWords.lexicon();
    FillRequest r = request("aabett", "tb");
    r.exclude = {"tea"};
    AnswerFiller filler(lex, r);
    runToEnd(filler);
    ASSERT_EQ(filler.fills().size(), 1u);
    EXPECT_EQ(filler.fills()[0].words, (std::vector<std::string>{"ta", "beat"}));

    // a a b b t t in two t-slots only splits as tab + tab.
    AnswerFiller twice(lex, request("aabbtt", "tt"));
    runToEnd(twice);
    EXPECT_TRUE(twice.exactProvenImpossible());
    for (const Fill& f : twice.fills()) EXPECT_GT(f.gaps, 0);
}

TEST(AnswerFill, EachSlotGetsAWordWithItsLetter) {
    const Words words{{"tab", "bat"}, {}};
    const FillLexicon lex = words.lexicon();
    const FillRequest r = request("aabbtt", "bt");
    AnswerFiller filler(lex, r);
    runToEnd(filler);
    ASSERT_EQ(filler.fills().size(), 1u);
    EXPECT_EQ(filler.fills()[0].words, (std::vector<std::string>{"bat", "tab"}));

    // Slots without a letter take any word; the same pair in the other
    // order is the same fill.
    AnswerFiller any(lex, request("aabbtt", std::string(2, '\0')));
    runToEnd(any);
    ASSERT_EQ(any.fills().size(), 1u);
    expectValidExactFill(any.fills()[0], request("aabbtt", std::string(2, '\0')), words);
}

TEST(AnswerFill, OnlyWordsAcceptCanTakeWholeAreUsed) {
    const Words words{{"t", "ta-b", "Tab", "tab", "tabbbbbbbbbbbbbbbbbbbbbbbbb", "tab"}, {}};
    const FillLexicon lex = words.lexicon();
    ASSERT_EQ(lex.entries().size(), 1u);
    EXPECT_EQ(lex.entries()[0].text, "tab");
}

TEST(AnswerFill, FamiliarWordsComeFirst) {
    const Words words{{"tae", "tea"}, {70, 10}};
    const FillLexicon lex = words.lexicon();
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        FillRequest r = request("aet", "t");
        r.seed = seed;
        AnswerFiller filler(lex, r);
        runToEnd(filler);
        ASSERT_EQ(filler.fills().size(), 2u);
        EXPECT_EQ(filler.fills()[0].words[0], "tea") << "seed " << seed;
    }
}

TEST(AnswerFill, WithoutAnExactFillOffersTheFewestGaps) {
    // t a x: tab needs a b (one gap), tot an o and a second t (two).
    const Words words{{"tab", "tot", "tabs"}, {}};
    const FillLexicon lex = words.lexicon();
    AnswerFiller filler(lex, request("atx", "t"));
    runToEnd(filler);
    EXPECT_TRUE(filler.exactProvenImpossible());
    EXPECT_TRUE(filler.lookingForGaps());
    ASSERT_EQ(filler.fills().size(), 1u);
    EXPECT_EQ(filler.fills()[0].words[0], "tab");
    EXPECT_EQ(filler.fills()[0].gaps, 1);
}

TEST(AnswerFill, TooFewLettersForTheSlotsEndsAtOnce) {
    const FillLexicon lex = kTeaWords.lexicon();
    AnswerFiller filler(lex, request("tab", "tba"));
    EXPECT_FALSE(filler.run(100));
    EXPECT_TRUE(filler.fills().empty());
}

// A list big enough for many fills: every two-letter and three-letter word
// over a small alphabet.
Words syntheticWords() {
    Words w;
    const std::string abc = "abcdeilnorst";
    for (char a : abc)
        for (char b : abc) {
            w.texts.push_back({a, b});
            for (char c : std::string("aeio")) w.texts.push_back({a, b, c});
        }
    for (std::size_t i = 0; i < w.texts.size(); ++i) w.levels.push_back(10 + static_cast<int>(i % 7) * 10);
    return w;
}

TEST(AnswerFill, SlicesAndSeedsGiveTheSameFillsAndStopEndsIt) {
    const Words words = syntheticWords();
    const FillLexicon lex = words.lexicon();
    FillRequest r = request("aabcdeeiilnnoorsstt", "tsbnrla");
    r.seed = 99;
    AnswerFiller whole(lex, r), sliced(lex, r);
    for (int i = 0; i < 1000 && whole.fills().size() < 8; ++i) whole.run(50);
    while (sliced.fills().size() < whole.fills().size() && sliced.run(1)) {
    }
    ASSERT_GE(whole.fills().size(), 8u);
    for (std::size_t i = 0; i < whole.fills().size(); ++i) {
        EXPECT_EQ(sliced.fills()[i].words, whole.fills()[i].words) << i;
        expectValidExactFill(whole.fills()[i], r, words);
    }
    whole.stop();
    EXPECT_FALSE(whole.run(1000));
    EXPECT_TRUE(whole.finished());
}

}  // namespace
}  // namespace qbrx
