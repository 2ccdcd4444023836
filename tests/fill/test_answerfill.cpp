// The fill search on small word lists whose fills can be counted by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "answerfill.h"

namespace qbrx {
namespace {

using Strings = std::vector<std::string>;

FillLexicon lexicon(const Strings& words, const std::vector<int>& levels = {}) {
    return FillLexicon(std::vector<std::string_view>(words.begin(), words.end()), levels);
}

FillRequest request(const std::string& stock, const std::string& firstLetters, Strings exclude = {}) {
    FillRequest r;
    for (char c : stock) ++r.letters[c - 'a'];
    r.firstLetters = firstLetters;
    r.exclude = std::move(exclude);
    return r;
}

std::vector<Fill> allFills(const FillLexicon& lex, const FillRequest& r) {
    AnswerFiller filler(lex, r);
    for (int i = 0; i < 10000 && filler.run(1000); ++i) {
    }
    return filler.fills();
}

// Every rule an exact fill keeps.
void expectValidExactFill(const Fill& fill, const FillRequest& r, const Strings& words) {
    EXPECT_EQ(fill.gaps, 0);
    ASSERT_EQ(fill.words.size(), r.firstLetters.size());
    std::array<int, 26> used{};
    for (std::size_t i = 0; i < fill.words.size(); ++i) {
        const std::string& w = fill.words[i];
        EXPECT_NE(std::find(words.begin(), words.end(), w), words.end()) << w << " is not in the list";
        if (r.firstLetters[i] != 0) {
            EXPECT_EQ(w[0], r.firstLetters[i]) << w;
        }
        EXPECT_EQ(std::find(r.exclude.begin(), r.exclude.end(), w), r.exclude.end()) << w << " was excluded";
        for (char c : w) ++used[c - 'a'];
    }
    EXPECT_EQ(std::set<std::string>(fill.words.begin(), fill.words.end()).size(), fill.words.size())
        << "a word is used twice";
    EXPECT_EQ(used, r.letters) << "letters left over or used twice";
}

const Strings kTeaWords{"tab", "bat", "rat", "tar", "art", "bet", "tea", "eat", "ate", "bar", "at", "ta", "beat"};

TEST(AnswerFill, FindsEveryExactFillAndOnlyThose) {
    // t + b from a a b e t t: tea + bat, ta + beat; tab leaves a e t, which
    // no word starting with b can use.
    const FillRequest r = request("aabett", "tb");
    const std::vector<Fill> fills = allFills(lexicon(kTeaWords), r);
    ASSERT_EQ(fills.size(), 2u);
    std::set<Strings> found;
    for (const Fill& f : fills) {
        expectValidExactFill(f, r, kTeaWords);
        found.insert(f.words);
    }
    EXPECT_TRUE(found.count({"tea", "bat"}));
    EXPECT_TRUE(found.count({"ta", "beat"}));
}

TEST(AnswerFill, KeepsOutWrittenAnswersAndWordsTwiceInOneFill) {
    const FillLexicon lex = lexicon(kTeaWords);
    const std::vector<Fill> fills = allFills(lex, request("aabett", "tb", {"tea"}));
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].words, (Strings{"ta", "beat"}));

    // a a b b t t in two t-slots only splits as tab + tab.
    AnswerFiller twice(lex, request("aabbtt", "tt"));
    while (twice.run(1000)) {
    }
    EXPECT_TRUE(twice.exactProvenImpossible());
    for (const Fill& f : twice.fills()) EXPECT_GT(f.gaps, 0);
}

TEST(AnswerFill, EachSlotGetsAWordWithItsLetter) {
    const FillLexicon lex = lexicon({"tab", "bat"});
    std::vector<Fill> fills = allFills(lex, request("aabbtt", "bt"));
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].words, (Strings{"bat", "tab"}));
    // Slots without a letter take any word; the pair in the other order is
    // the same fill.
    fills = allFills(lex, request("aabbtt", std::string(2, '\0')));
    EXPECT_EQ(fills.size(), 1u);
}

TEST(AnswerFill, OnlyWordsAcceptTakesWholeAreUsed) {
    const FillLexicon lex = lexicon({"t", "ta-b", "Tab", "tab", "tabbbbbbbbbbbbbbbbbbbbbbbbb", "tab"});
    ASSERT_EQ(lex.entries().size(), 1u);
    EXPECT_EQ(lex.entries()[0].text, "tab");
}

TEST(AnswerFill, FamiliarWordsComeFirst) {
    const FillLexicon lex = lexicon({"tae", "tea"}, {70, 10});
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        FillRequest r = request("aet", "t");
        r.seed = seed;
        const std::vector<Fill> fills = allFills(lex, r);
        ASSERT_EQ(fills.size(), 2u);
        EXPECT_EQ(fills[0].words[0], "tea") << "seed " << seed;
    }
}

TEST(AnswerFill, WithoutAnExactFillOffersTheFewestGaps) {
    // t a x: tab needs a b (one gap), tot an o and a second t (two).
    const FillLexicon lex = lexicon({"tab", "tot", "tabs"});
    AnswerFiller filler(lex, request("atx", "t"));
    while (filler.run(1000)) {
    }
    EXPECT_TRUE(filler.exactProvenImpossible());
    ASSERT_EQ(filler.fills().size(), 1u);
    EXPECT_EQ(filler.fills()[0].words[0], "tab");
    EXPECT_EQ(filler.fills()[0].gaps, 1);

    // Three slots need at least six letters.
    EXPECT_TRUE(allFills(lexicon(kTeaWords), request("tab", "tba")).empty());
}

TEST(AnswerFill, SlicesAndSeedsGiveTheSameFillsAndStopEndsIt) {
    // Every two- and three-letter word over a small alphabet.
    Strings words;
    for (char a : std::string("abcdeilnorst"))
        for (char b : std::string("abcdeilnorst")) {
            words.push_back({a, b});
            for (char c : std::string("aeio")) words.push_back({a, b, c});
        }
    const FillLexicon lex = lexicon(words);
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
}

}  // namespace
}  // namespace qbrx
