// SPDX-License-Identifier: GPL-3.0-or-later
// The definitions file, drafting clues from it without giving the answer
// away, and the definitions that come with the program (data/).
#include "cluedraft.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "definitions.h"
#include "dictionary.h"

namespace qbrx::test {
namespace {

using Texts = std::vector<std::string>;

// A small definitions file: glosses, then the words in order.
const char* const kSmall =
    "7\r\n"
    "n the act of running; traveling on foot at a fast pace\r\n"
    "v move fast by using one's feet, with one foot off the ground at any given time\r\n"
    "n a score in baseball made by a runner touching all four bases safely\r\n"
    "n any of numerous small rodents (family Muridae)\r\n"
    "v cause to run away quickly\r\n"
    "n a long narrow strip of grass for animals to run on (as in a zoo)\r\n"
    "n a large rodent; the rat of the fields\r\n"
    "mice\tmouse\t4\r\n"
    "mouse\t\t4 7\r\n"
    "ran\trun\t2\r\n"
    "run\t\t1 2 3 5 6\r\n"
    "runner\t\t\r\n"
    "way\t\t\r\n";

// True when `text` holds `word` as a word of its own.
bool hasWord(const std::string& text, const std::string& word) {
    auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        if ((at == 0 || !letter(text[at - 1])) && (end == text.size() || !letter(text[end]))) return true;
    }
    return false;
}

Definitions small() {
    Definitions d;
    d.read(kSmall);
    return d;
}

Texts glosses(const std::vector<Sense>& senses) {
    Texts out;
    for (const Sense& s : senses) out.emplace_back(s.gloss);
    return out;
}

TEST(Definitions, SensesBasesAndMissingWords) {
    const Definitions d = small();
    EXPECT_EQ(d.wordCount(), 6u);
    const std::vector<Sense> mouse = d.senses("mouse");
    ASSERT_EQ(mouse.size(), 2u);
    EXPECT_EQ(mouse[1].gloss, "a large rodent; the rat of the fields");
    EXPECT_EQ(mouse[1].partOfSpeech, 'n');
    EXPECT_EQ(std::string(partOfSpeechName(d.senses("ran").front().partOfSpeech)), "verb");
    EXPECT_EQ(d.bases("mice"), (std::vector<std::string_view>{"mouse"}));
    EXPECT_TRUE(d.bases("mouse").empty());
    EXPECT_TRUE(d.senses("runner").empty());
    EXPECT_TRUE(d.senses("zebra").empty());
    EXPECT_FALSE(d.holds("zebra"));

    // No file in the folder: no definitions, and nothing fails.
    Definitions none;
    none.load((std::filesystem::temp_directory_path() / "qbrx-no-such-folder").string());
    EXPECT_EQ(none.wordCount(), 0u);
    EXPECT_TRUE(none.senses("run").empty());
}

TEST(ClueDraft, GivingTheAnswerAwayAndDraftsThatSkipSuchSenses) {
    const Definitions d = small();
    EXPECT_TRUE(givesAway("the act of running", "run", d));
    EXPECT_TRUE(givesAway("He RAN home", "run", d));       // irregular, through the file's base form
    EXPECT_TRUE(givesAway("made by a runner", "run", d));  // derived word
    EXPECT_TRUE(givesAway("onto the runway", "run", d));   // compound with a word of the list
    EXPECT_TRUE(givesAway("to outrun them", "run", d));    // prefix
    EXPECT_TRUE(givesAway("a pack of mice", "mouse", d));
    EXPECT_TRUE(givesAway("a mouse trap", "mice", d));  // the answer's base form
    EXPECT_TRUE(givesAway("to be happily married", "happy", d));
    EXPECT_TRUE(givesAway("a sweet ice cream", "icecream", d));
    EXPECT_FALSE(givesAway("to prune a rung of brunch", "run", d));
    EXPECT_FALSE(givesAway("a truncated mousse", "mouse", d));

    // Drafts skip such senses: the first sense holds "running", the third "runner", the fifth "run".
    EXPECT_EQ(draftClues(d, "Run", {}),
              (Texts{"Move fast by using one's feet, with one foot off the ground at any given time"}));
    // Another answer of the puzzle is not given away either.
    EXPECT_EQ(draftClues(d, "mouse", {"rat", "no answer"}), (Texts{"Any of numerous small rodents"}));
    EXPECT_EQ(draftClues(d, "mouse", {}),
              (Texts{"Any of numerous small rodents", "A large rodent; the rat of the fields"}));
    EXPECT_TRUE(draftClues(d, "mouse", {"rodent"}).empty());
    EXPECT_TRUE(draftClues(d, "runner", {}).empty());
    EXPECT_TRUE(draftClues(d, "", {}).empty());
}

TEST(ClueDraft, TidyingAGloss) {
    EXPECT_EQ(tidyClue("a hotel providing overnight lodging for travelers"),
              "A hotel providing overnight lodging for travelers");
    EXPECT_EQ(
        tidyClue("(anatomy) the point of connection between two bones (especially if it allows motion)"),
        "The point of connection between two bones");
    EXPECT_EQ(tidyClue("(comparative of `good') superior to another"), "Superior to another");
    EXPECT_EQ(tidyClue("in a good manner (`good' is a variant for `well')"), "In a good manner");
    // Too long: whole clauses while they fit.
    const std::string clauses = tidyClue(
        "a mechanism that puts together parts of machines in a factory; it runs all day and all night "
        "without rest; it needs no food");
    EXPECT_EQ(clauses, "A mechanism that puts together parts of machines in a factory");
    // One long clause: whole words and an ellipsis, never in a parenthesis.
    const std::string words = tidyClue(
        "any of numerous small rodents typically resembling diminutive rats (having pointed snouts and small "
        "ears) on elongated bodies with slender usually hairless tails");
    EXPECT_EQ(words, "Any of numerous small rodents typically resembling diminutive rats...");
    EXPECT_LE(words.size(), kClueLength);
}

TEST(ClueDraft, PressingAgainCyclesAndATypedQuestionIsReported) {
    const Texts drafts{"First", "Second", "Third"};
    EXPECT_EQ(nextDraft(drafts, "")->text, "First");
    EXPECT_FALSE(nextDraft(drafts, "")->replacesTyped);
    EXPECT_FALSE(nextDraft(drafts, "Question for [run]")->replacesTyped);
    // The teacher's own words after the program's start are the teacher's.
    EXPECT_TRUE(nextDraft(drafts, "Question for [run] in the park")->replacesTyped);
    EXPECT_EQ(nextDraft(drafts, "First")->text, "Second");
    EXPECT_EQ(nextDraft(drafts, "Third")->text, "First");
    EXPECT_FALSE(nextDraft(drafts, "Second")->replacesTyped);
    EXPECT_EQ(nextDraft(drafts, "What a teacher wrote")->text, "First");
    EXPECT_TRUE(nextDraft(drafts, "What a teacher wrote")->replacesTyped);
    EXPECT_FALSE(nextDraft({}, "").has_value());
}

// The definitions that come with the program.
class BundledDefinitions : public ::testing::Test {
protected:
    static const Definitions& defs() {
        static const Definitions loaded = [] {
            Definitions d;
            d.load(QBRX_DATA_DIR);
            return d;
        }();
        return loaded;
    }
    static Texts glossesOf(const char* word) { return glosses(defs().senses(word)); }
    static bool hasGloss(const char* word, const char* gloss) {
        const Texts all = glossesOf(word);
        return std::find(all.begin(), all.end(), gloss) != all.end();
    }
};

// One line for every word of words.dic, in its order: a word list rebuilt
// without its definitions shows here.
TEST_F(BundledDefinitions, InStepWithTheWordList) {
    Dictionary dict;
    dict.loadWordList(QBRX_DATA_DIR);
    ASSERT_EQ(defs().wordCount(), static_cast<std::size_t>(dict.loadedWords()));
    for (std::int32_t k = 1; k <= dict.loadedWords(); ++k)
        ASSERT_EQ(defs().word(static_cast<std::size_t>(k - 1)), dict.wordList(k)) << k;
}

TEST_F(BundledDefinitions, CommonestSenseFirstBaseFormsAndNoSenseUnfitForAClass) {
    ASSERT_FALSE(glossesOf("hostel").empty());
    EXPECT_EQ(glossesOf("hostel").front(), "a hotel providing overnight lodging for travelers");
    ASSERT_FALSE(glossesOf("robot").empty());
    EXPECT_EQ(glossesOf("robot").front(), "a mechanism that can move automatically");
    EXPECT_EQ(defs().bases("ran"), (std::vector<std::string_view>{"run"}));
    EXPECT_EQ(defs().bases("mice"), (std::vector<std::string_view>{"mouse"}));
    EXPECT_TRUE(defs().bases("weed").empty());  // a word of its own, not wee + d
    // No example sentences.
    for (const char* word : {"run", "bite", "happy", "set"})
        for (const std::string& g : glossesOf(word)) EXPECT_EQ(g.find('"'), std::string::npos) << g;

    // Senses marked as slang, disparaging or obscene, and senses about drugs,
    // are left out; the word's other senses stay.
    EXPECT_FALSE(hasGloss("bite", "a portion removed from the whole"));  // usage: slang
    EXPECT_TRUE(hasGloss("bite", "a small amount of solid food; a mouthful"));
    EXPECT_FALSE(hasGloss("heist", "the act of stealing"));  // usage: slang
    EXPECT_FALSE(hasGloss("boy", "offensive and disparaging term for Black man"));
    EXPECT_TRUE(hasGloss("boy", "a youthful male person"));
    EXPECT_FALSE(hasGloss("crap", "obscene terms for feces"));
    EXPECT_FALSE(hasGloss("pot", "street names for marijuana"));
    EXPECT_FALSE(hasGloss("grass", "street names for marijuana"));
    EXPECT_TRUE(glossesOf("paleface").empty());  // every sense is disparaging
    EXPECT_TRUE(glossesOf("drug").empty());
    // Nor any gloss that calls itself so.
    for (std::size_t i = 0; i < defs().wordCount(); ++i)
        for (const std::string& g : glosses(defs().senses(defs().word(i))))
            for (const char* mark : {"slang", "vulgar", "offensive", "disparaging", "obscene", "marijuana"})
                ASSERT_FALSE(hasWord(g, mark)) << defs().word(i) << ": " << g;
}

}  // namespace
}  // namespace qbrx::test
