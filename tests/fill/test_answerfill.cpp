// SPDX-License-Identifier: GPL-3.0-or-later
// The fill search on small word lists whose fills can be counted by hand;
// planning a fill from a puzzle and writing it back through Accept.
#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

#include "../core/editorfixture.h"
#include "answerfill.h"
#include "fillsearch.h"
#include "puzzlefill.h"

namespace qbrx::test {
namespace {

using Strings = std::vector<std::string>;

FillLexicon lexicon(const Strings& words, const std::vector<int>& levels = {},
                    const std::vector<std::int32_t>& bases = {}, const std::vector<bool>& unfit = {}) {
    return FillLexicon(std::vector<std::string_view>(words.begin(), words.end()), levels, bases, unfit);
}

FillRequest request(const std::string& stock, const std::string& firstLetters, Strings exclude = {},
                    std::uint64_t seed = 1) {
    FillRequest r;
    r.firstLetters = firstLetters;
    r.exclude = std::move(exclude);
    r.seed = seed;
    for (char c : stock) ++r.letters[c - 'a'];
    return r;
}

// Runs the search to its end (or gives up on one that never ends).
template <typename Search>
Search& runOut(Search& search) {
    for (int i = 0; i < 10000 && search.run(1000); ++i) {
    }
    return search;
}

// The words of every fill, each fill's words sorted.
std::multiset<Strings> sortedFills(const std::vector<Fill>& fills) {
    std::multiset<Strings> found;
    for (Fill f : fills) {
        std::sort(f.words.begin(), f.words.end());
        found.insert(f.words);
    }
    return found;
}

// Every rule an exact fill keeps.
void expectValidExactFill(const Fill& fill, const FillRequest& r) {
    ASSERT_EQ(fill.words.size(), r.firstLetters.size());
    std::array<int, 26> used{};
    for (std::size_t i = 0; i < fill.words.size(); ++i) {
        const std::string& w = fill.words[i];
        if (r.firstLetters[i] != 0) {
            EXPECT_EQ(w[0], r.firstLetters[i]) << w;
        }
        for (char c : w) ++used[c - 'a'];
    }
    EXPECT_EQ(std::set<std::string>(fill.words.begin(), fill.words.end()).size(), fill.words.size())
        << "a word is used twice";
    EXPECT_EQ(used, r.letters) << "letters left over or used twice";
}

const Strings kTeaWords{"tab", "bat", "rat", "tar", "art", "bet", "tea",
                        "eat", "ate", "bar", "at",  "ta",  "beat"};

TEST(AnswerFill, FindsEveryFillWithTheFewestGaps) {
    const struct {
        Strings words;
        std::string stock, firstLetters;
        std::multiset<Strings> fills;  // each fill's words, sorted
        int gaps = 0;
    } cases[] = {
        // tab leaves a e t, which no word starting with b can use.
        {kTeaWords, "aabett", "tb", {{"bat", "tea"}, {"beat", "ta"}}},
        {{"tab"}, "aabbtt", "tt", {}},  // only tab twice
        {{"tab", "bat"}, "aabbtt", "bt", {{"bat", "tab"}}},
        // Slots without a letter take any word, in either order.
        {{"tab", "bat"}, "aabbtt", std::string(2, '\0'), {{"bat", "tab"}}},
        // Each word takes the most o's a b-word can: the search must not
        // give up on letters that only just fit the slots left.
        {{"boo", "bozo", "bob", "boz"}, "bbooooz", "bb", {{"boo", "bozo"}}},
        // No vowel but y: y counts apart from a e i o u.
        {{"sky", "hymn", "shy", "hymns"}, "hkmnsyy", "sh", {{"hymn", "sky"}}},
        // t a x: tab needs a b (one gap), tot an o and a second t (two).
        {{"tab", "tot", "tabs"}, "atx", "t", {{"tab"}}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stock + " " + c.firstLetters);
        const FillLexicon lex = lexicon(c.words);
        FillRequest r = request(c.stock, c.firstLetters);
        r.gaps = c.gaps > 0;
        AnswerFiller filler(lex, r);
        for (const Fill& f : runOut(filler).fills()) {
            EXPECT_EQ(f.gaps, c.gaps);
            if (f.gaps == 0) expectValidExactFill(f, r);
        }
        EXPECT_EQ(sortedFills(filler.fills()), c.fills);
    }
}

TEST(AnswerFill, TakesWordsAcceptKeepsWholeFamiliarOnesFirst) {
    const FillLexicon once = lexicon({"t", "ta-b", "Tab", "tab", "tabbbbbbbbbbbbbbbbbbbbbbbbb", "tab"});
    ASSERT_EQ(once.entries().size(), 1u);
    EXPECT_EQ(once.entries()[0].text, "tab");

    const FillLexicon lex = lexicon({"tae", "tea"}, {70, 10});
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        AnswerFiller filler(lex, request("aet", "t", {}, seed));
        ASSERT_EQ(runOut(filler).fills().size(), 2u);
        EXPECT_EQ(filler.fills()[0].words[0], "tea") << "seed " << seed;
    }
}

TEST(AnswerFill, SlicesGiveTheSameFills) {
    // Every two- and three-letter word over a small alphabet.
    Strings words;
    for (char a : std::string("abcdeilnorst"))
        for (char b : std::string("abcdeilnorst")) {
            words.push_back({a, b});
            for (char c : std::string("aeio")) words.push_back({a, b, c});
        }
    const FillLexicon lex = lexicon(words);
    const FillRequest r = request("aabcdeeiilnnoorsstt", "tsbnrla", {}, 99);
    AnswerFiller whole(lex, r), sliced(lex, r);
    for (int i = 0; i < 1000 && whole.fills().size() < 8; ++i) whole.run(50);
    while (sliced.fills().size() < whole.fills().size() && sliced.run(1)) {
    }
    ASSERT_GE(whole.fills().size(), 8u);
    for (std::size_t i = 0; i < whole.fills().size(); ++i) {
        EXPECT_EQ(sliced.fills()[i].words, whole.fills()[i].words) << i;
        expectValidExactFill(whole.fills()[i], r);
    }
}

// A fill of three words hidden among words that use the same letters but
// never add up: every seed finds it, the search ends having seen every
// possibility, and without its first word it proves that none is left.
TEST(AnswerFill, FindsTheOneExactFillWithEverySeedAndProvesWhenThereIsNone) {
    const Strings hidden{"quartz", "jockey", "blimps"};
    const std::string stock = "quartzjockeyblimps";
    Strings words = hidden;
    // Decoys: words of 3 to 6 of the stock's letters that start with q, j
    // or b, drawn by a fixed rule.
    std::uint32_t state = 12345;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return state >> 16;  // the low bits repeat too soon
    };
    while (words.size() < 400) {
        std::string w(1, "qjb"[next() % 3]);
        const std::size_t length = 3 + next() % 4;
        while (w.size() < length) w += stock[next() % stock.size()];
        if (std::find(words.begin(), words.end(), w) == words.end()) words.push_back(w);
    }
    const FillLexicon lex = lexicon(words);  // the hidden fill is their only one (by brute force)
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        FillSearch search(lex, request(stock, "qjb", {}, seed));
        runOut(search);
        ASSERT_EQ(search.fills().size(), 1u);
        EXPECT_EQ(search.fills()[0].words, hidden);
        EXPECT_TRUE(search.finished());
    }
    FillSearch none(lex, request(stock, "qjb", {"quartz"}));
    runOut(none);
    EXPECT_TRUE(none.fills().empty());
    EXPECT_TRUE(none.provedNone());
}

// Familiar words (level up to 35) come first whenever they can fill the
// slots; otherwise the fewest rare words, the rarest as common as possible.
TEST(AnswerFill, OffersFamiliarWordsFirst) {
    // Six fills: bat+tea and bat+eat of familiar words alone; the others
    // hold tab (70) or ate (60).
    const Strings words{"bat", "tea", "tab", "eat", "ate"};
    const FillLexicon lex = lexicon(words, {35, 20, 70, 10, 60});
    for (std::uint64_t seed = 1; seed <= 10; ++seed) {
        SCOPED_TRACE(seed);
        FillSearch search(lex, request("aabett", std::string(2, '\0'), {}, seed));
        runOut(search);
        ASSERT_EQ(search.fills().size(), 6u);
        EXPECT_EQ(search.fills()[0].rare, 0);
        EXPECT_EQ(search.fills()[1].rare, 0);
        EXPECT_EQ(search.fills()[2].rare, 1);
        EXPECT_EQ(search.fills()[5].rare, 2);

        // Without bat, no familiar fill exists: one rare word beats two.
        FillSearch rarer(lex, request("aabett", std::string(2, '\0'), {"bat"}, seed));
        runOut(rarer);
        ASSERT_FALSE(rarer.fills().empty());
        EXPECT_EQ(rarer.fills()[0].rare, 1);
        EXPECT_TRUE(rarer.provedNoFamiliarFill());
    }
    // Familiar only: the rare fills are not offered at all.
    FillRequest familiar = request("aabett", std::string(2, '\0'), {"bat"});
    familiar.maxRank = kFamiliarRank;
    FillSearch search(lex, familiar);
    runOut(search);
    EXPECT_FALSE(search.hasExactFill());
    EXPECT_TRUE(search.provedNone());
}

// Words unfit for a class, inflections where the base word fits, two words
// of one stem, words the author excluded or included.
TEST(AnswerFill, KeepsTheWordsOfAFillFitAndDistinct) {
    // An unfit word is never used, even when only it would fill the slot.
    {
        const FillLexicon lex = lexicon({"beer", "bree", "reb"}, {}, {}, {true, false, false});
        AnswerFiller filler(lex, request("beer", "b"));
        EXPECT_EQ(sortedFills(runOut(filler).fills()), (std::multiset<Strings>{{"bree"}}));
        const FillLexicon unfitOnly = lexicon({"beer"}, {}, {}, {true});
        AnswerFiller only(unfitOnly, request("beer", "b"));
        EXPECT_TRUE(runOut(only).fills().empty());
        EXPECT_TRUE(only.exhausted());
    }
    // bat + snow, or bats (an inflection of bat) + now: the base words first.
    for (std::uint64_t seed = 1; seed <= 10; ++seed) {
        const FillLexicon lex = lexicon({"bat", "bats", "now", "snow"}, {10, 10, 10, 10}, {0, 0, 2, 3});
        FillSearch search(lex, request("abnostw", std::string(2, '\0'), {}, seed));
        runOut(search);
        ASSERT_EQ(search.fills().size(), 2u) << seed;
        EXPECT_EQ(sortedFills({search.fills()[0]}), (std::multiset<Strings>{{"bat", "snow"}})) << seed;
        EXPECT_EQ(search.fills()[1].inflected, 1) << seed;
    }
    // robot and robots share a stem; so do a written answer and a fill word.
    {
        const FillLexicon lex = lexicon({"robot", "robots", "orbs"}, {}, {0, 0, 2});
        AnswerFiller both(lex, request("boooorrsttb", "rr"));
        EXPECT_TRUE(runOut(both).fills().empty());
        FillRequest r = request("boorst", "r");
        r.written = {"Robot"};
        AnswerFiller written(lex, r);
        EXPECT_TRUE(runOut(written).fills().empty());
        AnswerFiller unwritten(lex, request("boorst", "r"));
        EXPECT_EQ(runOut(unwritten).fills().size(), 1u);
    }
    // An excluded word is never used; an included one that fits always is.
    {
        const FillLexicon lex = lexicon(kTeaWords);
        FillRequest r = request("aabett", std::string(2, '\0'), {"tea"});
        r.include = {"beat", "zebra"};
        AnswerFiller filler(lex, r);
        runOut(filler);
        EXPECT_EQ(filler.included(), Strings{"beat"});
        ASSERT_FALSE(filler.fills().empty());
        for (const Fill& f : filler.fills()) {
            EXPECT_NE(std::find(f.words.begin(), f.words.end(), "beat"), f.words.end());
            EXPECT_EQ(std::find(f.words.begin(), f.words.end(), "tea"), f.words.end());
        }
    }
    // Lengths outside the shortest and longest allowed are left out.
    {
        FillRequest r = request("aabett", std::string(2, '\0'));
        r.minLength = 3;
        r.maxLength = 3;
        const FillLexicon lex = lexicon(kTeaWords);
        AnswerFiller filler(lex, r);
        for (const Fill& f : runOut(filler).fills())
            for (const std::string& w : f.words) EXPECT_EQ(w.size(), 3u) << w;
    }
}

class PuzzleFill : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        registerQuote("Tea at a bat.");
    }
    // Accept into `slot` as the window does after a click on its row.
    void accept(int slot, const std::string& question, const std::string& answer) {
        ed.selectListRow(slot - 1);
        EditorTest::accept(question, answer);
    }
};

TEST_F(PuzzleFill, FillsTheEmptySlotsAroundTheWrittenAnswers) {
    prompter.inputs.push_back("TBAT");
    ed.setupCrostic();
    accept(1, "What is brewed?", "Tea");
    accept(2, "It flies at night", "B");
    accept(3, "Question for []", "");
    accept(4, "Ends here", "T");
    const FillPlan plan = planFill(ed.doc, 0);
    ASSERT_EQ(plan.targets.size(), 3u);
    EXPECT_EQ(plan.targets[0].first, 'B');
    // "no answer" leaves the typed crostic's A in place.
    EXPECT_EQ(plan.targets[1].first, 'A');
    // The letters the empty slots hold go back to the fill.
    EXPECT_EQ(plan.letters['b' - 'a'], 1);
    EXPECT_EQ(plan.letters['a' - 'a'], 3);
    EXPECT_EQ(plan.letters['n' - 'a'], 0);
    EXPECT_EQ(fillRequest(plan, 1).written, (std::vector<std::string>{"tea"}));

    // An empty word leaves its slot as it is.
    EXPECT_EQ(acceptFill(ed, plan, {"bat", "at", ""}), 2);
    EXPECT_EQ(ed.doc.answer[1], "Tea");
    EXPECT_EQ(ed.doc.question[1], "What is brewed?");
    EXPECT_EQ(ed.doc.answer[2], "Bat");
    EXPECT_EQ(ed.doc.question[2], "It flies at night");
    EXPECT_EQ(ed.doc.answer[3], "At");
    EXPECT_EQ(ed.doc.question[3], "Question for [At]");
    EXPECT_EQ(ed.doc.answer[4], "T");
}

TEST_F(PuzzleFill, NewSlotsTakeAnyLetter) {
    accept(1, "Drink", "tea");
    accept(2, "Nothing", "");
    const FillPlan plan = planFill(ed.doc, 2);
    ASSERT_EQ(plan.targets.size(), 3u);
    EXPECT_EQ(plan.targets[1].slot, 3);
    EXPECT_EQ(plan.addedSlots, 2);

    const std::string before = ed.doc.crostic;
    EXPECT_EQ(acceptFill(ed, plan, {"aba", "tat"}), 2);
    EXPECT_EQ(ed.doc.answer[2], "aba");
    EXPECT_EQ(ed.doc.answer[3], "tat");
    EXPECT_EQ(ed.doc.question[3], "Question for [tat]");
    EXPECT_TRUE(ed.doc.lettersLeft.empty());
    // Without a crostic, the answers a fill adds put no letters in one.
    EXPECT_EQ(ed.doc.crostic.find_first_not_of(' ', before.size()), std::string::npos) << ed.doc.crostic;
}

// What to try names the letters that are hard to place, rarer words, and
// the written answer whose letters even out the rest.
TEST_F(PuzzleFill, AdviceNamesHardLettersAndAnAnswerToChange) {
    registerQuote("Tea at a bzzzr, xx rr b.");
    accept(1, "Brewed", "Tea");
    const FillPlan plan = planFill(ed.doc, 2);
    const FillLexicon lex = lexicon({"tab", "rat", "zebra", "tax", "extra", "bar"});
    FillRequest r = fillRequest(plan, 1);
    r.maxRank = kFamiliarRank;
    const std::vector<std::string> advice = fillAdvice(ed.doc, plan, r, lex);
    ASSERT_EQ(advice.size(), 3u);
    EXPECT_EQ(advice[0],
              "The letters left hold 3 Zs, and only 2 vowels (2 As) in 13 letters: they are hard to place.");
    EXPECT_EQ(advice[1], "Allow rarer words than the familiar ones.");
    EXPECT_EQ(advice[2], "Change answer A (Tea): its letters would even out the letters left.");
}

}  // namespace
}  // namespace qbrx::test
