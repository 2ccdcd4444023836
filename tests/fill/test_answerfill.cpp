// The fill search on small word lists whose fills can be counted by hand;
// planning a fill from a puzzle and writing it back through Accept.
#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

#include "../core/editorfixture.h"
#include "answerfill.h"
#include "puzzlefill.h"

namespace qbrx::test {
namespace {

using Strings = std::vector<std::string>;

FillLexicon lexicon(const Strings& words, const std::vector<int>& levels = {}) {
    return FillLexicon(std::vector<std::string_view>(words.begin(), words.end()), levels);
}

FillRequest request(const std::string& stock, const std::string& firstLetters, Strings exclude = {},
                    std::uint64_t seed = 1) {
    FillRequest r{.firstLetters = firstLetters, .exclude = std::move(exclude), .seed = seed};
    for (char c : stock) ++r.letters[c - 'a'];
    return r;
}

// Runs the search to its end (or gives up on one that never ends).
AnswerFiller& runOut(AnswerFiller& filler) {
    for (int i = 0; i < 10000 && filler.run(1000); ++i) {
    }
    return filler;
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

const Strings kTeaWords{"tab", "bat", "rat", "tar", "art", "bet", "tea", "eat", "ate", "bar", "at", "ta", "beat"};

TEST(AnswerFill, FindsEveryFillWithTheFewestGaps) {
    const struct {
        Strings words;
        std::string stock, firstLetters;
        Strings exclude;
        std::multiset<Strings> fills;  // each fill's words, sorted
        int gaps = 0;
    } cases[] = {
        // tab leaves a e t, which no word starting with b can use.
        {kTeaWords, "aabett", "tb", {}, {{"bat", "tea"}, {"beat", "ta"}}},
        {kTeaWords, "aabett", "tb", {"tea"}, {{"beat", "ta"}}},
        {{"tab"}, "aabbtt", "tt", {}, {}},  // only tab twice
        {{"tab", "bat"}, "aabbtt", "bt", {}, {{"bat", "tab"}}},
        // Slots without a letter take any word, in either order.
        {{"tab", "bat"}, "aabbtt", std::string(2, '\0'), {}, {{"bat", "tab"}}},
        // t a x: tab needs a b (one gap), tot an o and a second t (two).
        {{"tab", "tot", "tabs"}, "atx", "t", {}, {{"tab"}}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stock + " " + c.firstLetters);
        const FillLexicon lex = lexicon(c.words);
        const FillRequest r = request(c.stock, c.firstLetters, c.exclude);
        AnswerFiller filler(lex, r);
        std::multiset<Strings> found;
        for (Fill f : runOut(filler).fills()) {
            EXPECT_EQ(f.gaps, c.gaps);
            if (f.gaps == 0) expectValidExactFill(f, r);
            std::sort(f.words.begin(), f.words.end());
            found.insert(f.words);
        }
        EXPECT_EQ(found, c.fills);
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
    EXPECT_EQ(fillRequest(plan, 1).exclude, (std::vector<std::string>{"tea"}));

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

    EXPECT_EQ(acceptFill(ed, plan, {"aba", "tat"}), 2);
    EXPECT_EQ(ed.doc.answer[2], "aba");
    EXPECT_EQ(ed.doc.answer[3], "tat");
    EXPECT_EQ(ed.doc.question[3], "Question for [tat]");
    EXPECT_TRUE(ed.doc.lettersLeft.empty());
}

}  // namespace
}  // namespace qbrx::test
