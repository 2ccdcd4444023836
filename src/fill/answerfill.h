// SPDX-License-Identifier: GPL-3.0-or-later
// Finishing a puzzle: sets of dictionary words that together use exactly
// the letters left, one word per empty answer slot, each word starting with
// the letter its slot must begin with.
//
// The search is a depth-first search over an explicit stack, so that it can
// be run a slice at a time (run) and paused between slices: a window drives
// it from a timer and stays responsive, the command line runs it to the end.
// At every node it branches on the most constrained choice: the letter left
// that the fewest remaining words can use, or the slot letter that the
// fewest words start with. Restarts with growing node limits, each with a
// fresh random order drawn from the seed, keep it from sinking into one
// hopeless corner; the same seed gives the same fills in the same order.
//
// Without restarts cut short, the search goes through every possibility:
// when a restart runs to its end, every exact fill within the request's
// words has been seen, so "none found" is then a proof.
//
// A filler in gap mode looks for fills of the same total length that need
// supplied letters (gaps), fewest gaps first: with g gaps, g of the hardest
// letters are left out and g letters that many words want are supplied in
// their place.
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qbrx {

inline constexpr int kFillMinWord = 2;    // an answer needs a letter after its first
inline constexpr int kFillMaxWord = 24;   // the longest answer Accept keeps whole
inline constexpr int kAnyLetter = 26;     // class of a slot without a first letter
inline constexpr int kFamiliarRank = 35;  // words up to this rank are the familiar ones
inline constexpr int kRarestRank = 80;    // the rank of a word of unknown familiarity

// The words a fill may use, prepared once: only words of 2..24 letters a-z
// are kept (what Accept takes whole and encodes completely).
class FillLexicon {
public:
    // levels[i] is the familiarity of words[i]: 10 (most familiar) .. 70,
    // 0 when unknown. bases[i] is the index in `words` of the word words[i]
    // is an inflection of, or i (or -1) for a base word. unfit[i] is true
    // for a word a class handout must not carry. Each of them may be empty
    // (nothing known).
    FillLexicon(const std::vector<std::string_view>& words, const std::vector<int>& levels,
                const std::vector<std::int32_t>& bases = {}, const std::vector<bool>& unfit = {});

    struct Entry {
        std::string text;
        int rank = 0;  // familiarity, 10..80 (unknown counts as 80)
        std::uint8_t length = 0;
        std::uint8_t first = 0;   // 0..25
        bool inflected = false;   // an inflection of another word of the lexicon
        bool unfit = false;       // never suggested
        std::int32_t stem = 0;    // entry id of its base word (its own id for a base word)
        std::uint32_t mask = 0;   // bit l: the word holds letter l
        std::uint8_t vowels = 0;  // copies of a, e, i, o, u
        std::array<std::uint8_t, 26> counts{};
    };
    const std::vector<Entry>& entries() const { return entries_; }
    // Words whose letters are exactly `key` (letters sorted), as entry ids.
    const std::vector<std::int32_t>* anagrams(const std::string& key) const;
    int longest() const { return longest_; }
    // Share of each letter among all the letters of the words.
    const std::array<double, 26>& frequency() const { return frequency_; }
    // The entry id of a word, -1 when the lexicon does not hold it.
    std::int32_t find(std::string_view word) const;

private:
    std::vector<Entry> entries_;
    std::unordered_map<std::string, std::vector<std::int32_t>> anagrams_;
    std::unordered_map<std::string, std::int32_t> index_;
    int longest_ = 0;
    std::array<double, 26> frequency_{};
};

// What to fill.
struct FillRequest {
    std::array<int, 26> letters{};  // free copies of a..z
    // One entry per slot to fill, in slot order: the letter 'a'..'z' its
    // answer must start with, or 0 for any letter.
    std::string firstLetters;
    // The answers already written: the fill uses none of them, nor any word
    // that shares its stem.
    std::vector<std::string> written;
    // Words the fill must not use (the author's "Never suggest" list).
    std::vector<std::string> exclude;
    // Words the fill uses, in the first slots they can start, when they fit
    // the letters left.
    std::vector<std::string> include;
    std::uint64_t seed = 1;
    int minLength = kFillMinWord;
    int maxLength = kFillMaxWord;
    // Only words up to this rank take part (kFamiliarRank: familiar only).
    int maxRank = kRarestRank;
    // Look for fills with gaps instead of exact ones.
    bool gaps = false;
    // In gap mode: search nodes spent on each choice of letters, and the
    // most gaps looked for.
    long gapChoiceBudget = 60'000;
    int maxGaps = 12;
};

struct Fill {
    std::vector<std::string> words;  // one per slot, in the request's slot order
    int gaps = 0;                    // letters the stock cannot supply
    int rarest = 0;                  // rank of its rarest word
    int rare = 0;                    // words rarer than the familiar ones
    int inflected = 0;               // inflections of another listed word
};
// True when fill `a` is the better one: fewer gaps, then fewer words rarer
// than the familiar ones, then its rarest word more common, then fewer
// inflected words.
bool betterFill(const Fill& a, const Fill& b);

class AnswerFiller {
public:
    // The filler keeps a reference to the lexicon.
    AnswerFiller(const FillLexicon& lexicon, FillRequest request);
    AnswerFiller(const FillLexicon&& lexicon, FillRequest request) = delete;

    // Searches for at most `steps` nodes. Returns false once the search is
    // over (every fill found, stopped, or nothing can fit).
    bool run(long steps);
    void stop() { finished_ = true; }
    bool finished() const { return finished_; }
    // True when the search has gone through every possibility (it was not
    // stopped): no fill besides those found exists.
    bool exhausted() const { return exhausted_; }

    // Every fill found so far, in the order found.
    const std::vector<Fill>& fills() const { return fills_; }
    // The included words the fill uses (those that fit).
    const std::vector<std::string>& included() const { return included_; }
    long nodes() const { return nodes_; }
    int lettersLeft() const { return totalLetters_; }
    int slotCount() const { return static_cast<int>(slotClass_.size()); }

private:
    struct Frame {
        std::vector<std::int32_t> cands;    // words that can still go in, at this node
        std::vector<std::int32_t> options;  // the branch, best first
        std::size_t next = 0;
        std::int32_t applied = -1;  // the option now applied below this node
        int appliedClass = -1;
        std::vector<std::int32_t> tried;  // options done here, kept out of later siblings
    };
    enum class Expand { Solution, Dead, Pushed };

    void startRestart();
    void unwindAll();
    void popFrame();
    Expand expand(const std::vector<std::int32_t>& parentCands);
    bool fits(const FillLexicon::Entry& e) const;
    bool usable(std::int32_t w) const;
    void apply(std::int32_t w, int cls);
    void undo(std::int32_t w, int cls);
    void orderOptions(std::vector<std::int32_t>& options);
    void recordSolution();
    void nextPhase();

    const FillLexicon& lex_;
    FillRequest request_;
    std::mt19937_64 rng_;

    std::vector<int> slotClass_;    // per slot: 0..25 or kAnyLetter
    std::array<int, 26> counts_{};  // letters left now
    std::array<int, 27> need_{};    // slots left per class
    int totalLetters_ = 0;
    int lettersLeft_ = 0;  // letters still to place
    int slotsLeft_ = 0;
    int gapAllowance_ = 0;                  // gaps of the fills looked for now
    int gapChoice_ = 0;                     // which choice of letters for them
    std::vector<std::uint8_t> banned_;      // per entry: excluded, used, or tried as a sibling
    std::vector<std::uint8_t> stemUsed_;    // per entry id of a base word: a word of its stem is in
    std::array<int, 26> includedCounts_{};  // letters of the included words
    std::vector<std::string> included_;
    std::vector<int> usage_;                            // per entry: fills it appears in
    std::vector<std::pair<std::int32_t, int>> chosen_;  // word, class

    std::vector<Frame> stack_;
    std::vector<std::int32_t> allCands_;
    std::set<std::vector<std::int32_t>> seen_;
    std::vector<Fill> fills_;
    bool finished_ = false;
    bool restartCut_ = false;  // the node limit ended the current restart
    long nodes_ = 0;
    long phaseNodes_ = 0;
    long restartNodes_ = 0;
    long restartLimit_ = 0;
    int restartIndex_ = 0;
    bool phaseFound_ = false;
    bool exhausted_ = false;
};

}  // namespace qbrx
