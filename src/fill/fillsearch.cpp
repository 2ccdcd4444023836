// SPDX-License-Identifier: GPL-3.0-or-later
#include "fillsearch.h"

#include <algorithm>
#include <set>

namespace qbrx {

FillSearch::FillSearch(const FillLexicon& lexicon, const FillRequest& request)
    : lex_(lexicon), request_(request) {
    request_.gaps = false;
    FillRequest familiar = request_;
    familiar.maxRank = std::min(request_.maxRank, kFamiliarRank);
    familiar_ = std::make_unique<AnswerFiller>(lex_, familiar);
    if (request_.maxRank > kFamiliarRank) {
        FillRequest wide = request_;
        wide.seed = request_.seed + 1;
        wide_ = std::make_unique<AnswerFiller>(lex_, wide);
    }
    finished_ = familiar_->finished() && (!wide_ || wide_->finished()) && familiar_->slotCount() == 0;
}

bool FillSearch::provedNone() const {
    return !hasExactFill() && familiar_->exhausted() && (!wide_ || wide_->exhausted());
}

bool FillSearch::provedNoFamiliarFill() const {
    return familiar_->exhausted() && std::none_of(familiar_->fills().begin(), familiar_->fills().end(),
                                                  [](const Fill& f) { return f.gaps == 0; });
}

void FillSearch::stop() {
    for (auto* s : {familiar_.get(), wide_.get(), gaps_.get()})
        if (s) s->stop();
    finished_ = true;
}

// Whose turn it is: the familiar search alone at first and while it is
// finding fills; the search over every word joins after that; the search
// for gaps once a long while has passed without an exact fill.
AnswerFiller* FillSearch::nextTurn() {
    const bool exact = hasExactFill();
    const bool exactOver = familiar_->finished() && (!wide_ || wide_->finished());
    if (!exact && !gaps_ && (nodes_ >= kGapsAfter || exactOver)) {
        FillRequest g = request_;
        g.gaps = true;
        g.seed = request_.seed + 2;
        gaps_ = std::make_unique<AnswerFiller>(lex_, g);
    }
    std::vector<AnswerFiller*> ready;
    if (!familiar_->finished()) ready.push_back(familiar_.get());
    const bool familiarFound = !familiar_->fills().empty();
    if (wide_ && !wide_->finished() &&
        (familiar_->finished() || (!familiarFound && nodes_ >= kFamiliarAlone)))
        ready.push_back(wide_.get());
    if (gaps_ && !gaps_->finished() && !exact) ready.push_back(gaps_.get());
    if (ready.empty()) return nullptr;
    return ready[static_cast<std::size_t>(turn_++) % ready.size()];
}

void FillSearch::collect() {
    bool changed = false;
    AnswerFiller* searches[3] = {familiar_.get(), wide_.get(), gaps_.get()};
    for (int i = 0; i < 3; ++i) {
        if (!searches[i]) continue;
        const std::vector<Fill>& found = searches[i]->fills();
        for (; seen_[i] < found.size(); ++seen_[i]) {
            const Fill& f = found[seen_[i]];
            if (f.gaps > 0 && hasExactFill()) continue;
            std::vector<std::string> key = f.words;
            std::sort(key.begin(), key.end());
            const bool duplicate = std::any_of(fills_.begin(), fills_.end(), [&key](const Fill& g) {
                std::vector<std::string> other = g.words;
                std::sort(other.begin(), other.end());
                return other == key;
            });
            if (duplicate) continue;
            fills_.push_back(f);
            changed = true;
        }
    }
    if (!changed) return;
    if (hasExactFill() ||
        std::any_of(fills_.begin(), fills_.end(), [](const Fill& f) { return f.gaps == 0; }))
        fills_.erase(std::remove_if(fills_.begin(), fills_.end(), [](const Fill& f) { return f.gaps > 0; }),
                     fills_.end());
    std::stable_sort(fills_.begin(), fills_.end(), betterFill);
}

bool FillSearch::run(long steps) {
    while (steps > 0 && !finished_) {
        if (current_ == nullptr || turnLeft_ <= 0 || current_->finished()) {
            current_ = nextTurn();
            turnLeft_ = kTurn;
            if (current_ == nullptr) {
                finished_ = true;
                break;
            }
        }
        // Turns count steps, not the nodes they came to, so that any slicing
        // gives the same turns.
        const long slice = std::min(steps, turnLeft_);
        current_->run(slice);
        turnLeft_ -= slice;
        steps -= slice;
        nodes_ += slice;
        collect();
    }
    return !finished_;
}

}  // namespace qbrx
