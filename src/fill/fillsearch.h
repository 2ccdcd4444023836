// SPDX-License-Identifier: GPL-3.0-or-later
// The search a window or the command line runs for a puzzle: exact fills of
// familiar words first, then of any words, and, when no exact fill has
// turned up after a while, fills with the fewest gaps alongside.
//
// The searches share the nodes in fixed turns, so that the same seed gives
// the same fills however the caller slices the work. Familiar-only fills are
// looked for alone at first; the search over every word joins after a
// while, and pauses again while familiar fills are being found. Every exact
// search runs to its end unless stopped: when it ends without a fill, that
// is a proof that none exists.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "answerfill.h"

namespace qbrx {

class FillSearch {
public:
    // Nodes each search gets in one turn.
    static constexpr long kTurn = 1000;
    // Familiar words are searched alone for this many nodes.
    static constexpr long kFamiliarAlone = 40'000;
    // Fills with gaps are looked for after this many nodes without an exact
    // fill, or as soon as the exact searches have ended without one.
    static constexpr long kGapsAfter = 150'000;

    // The search keeps a reference to the lexicon.
    FillSearch(const FillLexicon& lexicon, const FillRequest& request);
    FillSearch(const FillLexicon&& lexicon, const FillRequest& request) = delete;

    // Searches for about `steps` nodes. Returns false once the search is over.
    bool run(long steps);
    void stop();
    bool finished() const { return finished_; }

    // The fills found so far, best first (betterFill); fills with gaps only
    // while no exact fill is known.
    const std::vector<Fill>& fills() const { return fills_; }
    bool hasExactFill() const { return !fills_.empty() && fills_.front().gaps == 0; }
    // True when every exact search went through every possibility and found
    // nothing: no exact fill exists with the words allowed.
    bool provedNone() const;
    // True when familiar words alone were proved not to fill the puzzle.
    bool provedNoFamiliarFill() const;
    bool lookingForGaps() const { return gaps_ != nullptr; }
    long nodes() const { return nodes_; }  // search steps taken
    int lettersLeft() const { return familiar_->lettersLeft(); }
    const std::vector<std::string>& included() const { return familiar_->included(); }

private:
    AnswerFiller* nextTurn();
    void collect();

    const FillLexicon& lex_;
    FillRequest request_;
    std::unique_ptr<AnswerFiller> familiar_, wide_, gaps_;
    AnswerFiller* current_ = nullptr;
    long turnLeft_ = 0;
    int turn_ = 0;
    long nodes_ = 0;
    std::vector<Fill> fills_;
    std::size_t seen_[3] = {0, 0, 0};
    bool finished_ = false;
};

}  // namespace qbrx
