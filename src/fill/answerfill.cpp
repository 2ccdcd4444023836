// SPDX-License-Identifier: GPL-3.0-or-later
#include "answerfill.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "text.h"

namespace qbrx {

namespace {

// Restart lengths follow the Luby sequence (1 1 2 1 1 2 4 1 1 2 ...) times
// this many nodes: short runs first, and now and then one long enough to
// finish a search that needs it.
constexpr long kRestartBase = 2000;
// Weight of the letter balance against familiarity and length in the order
// in which words are tried.
constexpr double kBalanceWeight = 0.5;
// Choices of letters left out and supplied tried for each number of gaps.
constexpr int kGapChoices = 12;

long luby(int i) {
    // i counts from 1.
    for (int k = 1;; ++k) {
        const long full = (1L << k) - 1;
        if (i == full) return 1L << (k - 1);
        if (i < full) return luby(static_cast<int>(i - ((1L << (k - 1)) - 1)));
    }
}

std::string sortedKey(const std::array<std::uint8_t, 26>& counts) {
    std::string key;
    for (int l = 0; l < 26; ++l) key.append(counts[l], static_cast<char>('a' + l));
    return key;
}

}  // namespace

bool betterFill(const Fill& a, const Fill& b) {
    if (a.gaps != b.gaps) return a.gaps < b.gaps;
    if (a.rare != b.rare) return a.rare < b.rare;
    if (a.rarest != b.rarest) return a.rarest < b.rarest;
    return a.inflected < b.inflected;
}

FillLexicon::FillLexicon(const std::vector<std::string_view>& words, const std::vector<int>& levels,
                         const std::vector<std::int32_t>& bases, const std::vector<bool>& unfit) {
    std::vector<std::int32_t> idOfWord(words.size(), -1);
    entries_.reserve(words.size());
    anagrams_.reserve(words.size());
    index_.reserve(words.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view w = words[i];
        if (w.size() < static_cast<std::size_t>(kFillMinWord) ||
            w.size() > static_cast<std::size_t>(kFillMaxWord))
            continue;
        if (!std::all_of(w.begin(), w.end(), [](char c) { return c >= 'a' && c <= 'z'; })) continue;
        if (index_.count(std::string(w)) != 0) continue;  // a word listed twice counts once
        Entry e;
        e.text = std::string(w);
        const int level = i < levels.size() ? levels[i] : 0;
        e.rank = level > 0 ? std::min(level, kRarestRank) : kRarestRank;
        e.unfit = i < unfit.size() && unfit[i];
        e.length = static_cast<std::uint8_t>(w.size());
        e.first = static_cast<std::uint8_t>(w[0] - 'a');
        for (char c : w) {
            ++e.counts[c - 'a'];
            e.mask |= 1u << (c - 'a');
            if (isVowel(c)) ++e.vowels;
        }
        const auto id = static_cast<std::int32_t>(entries_.size());
        idOfWord[i] = id;
        e.stem = id;
        longest_ = std::max(longest_, static_cast<int>(e.length));
        anagrams_[sortedKey(e.counts)].push_back(id);
        entries_.push_back(std::move(e));
        index_.emplace(entries_.back().text, id);
    }
    // A word's stem is its base word's entry, when the lexicon holds that.
    for (std::size_t i = 0; i < words.size() && i < bases.size(); ++i) {
        const std::int32_t b = bases[i];
        if (idOfWord[i] < 0 || b < 0 || static_cast<std::size_t>(b) >= words.size() ||
            b == static_cast<std::int32_t>(i) || idOfWord[static_cast<std::size_t>(b)] < 0)
            continue;
        Entry& e = entries_[static_cast<std::size_t>(idOfWord[i])];
        e.stem = idOfWord[static_cast<std::size_t>(b)];
        e.inflected = true;
    }
    double total = 0;
    for (const Entry& e : entries_)
        for (int l = 0; l < 26; ++l) frequency_[l] += e.counts[l];
    for (double f : frequency_) total += f;
    if (total > 0)
        for (double& f : frequency_) f /= total;
}

const std::vector<std::int32_t>* FillLexicon::anagrams(const std::string& key) const {
    const auto it = anagrams_.find(key);
    return it == anagrams_.end() ? nullptr : &it->second;
}

std::int32_t FillLexicon::find(std::string_view word) const {
    const auto it = index_.find(std::string(word));
    return it == index_.end() ? -1 : it->second;
}

AnswerFiller::AnswerFiller(const FillLexicon& lexicon, FillRequest request)
    : lex_(lexicon), request_(std::move(request)), rng_(request_.seed) {
    const std::size_t n = lex_.entries().size();
    banned_.assign(n, 0);
    usage_.assign(n, 0);
    stemUsed_.assign(n, 0);
    for (int l = 0; l < 26; ++l) {
        counts_[l] = std::max(0, request_.letters[l]);
        totalLetters_ += counts_[l];
    }
    for (char c : request_.firstLetters) {
        const int cls = (c >= 'a' && c <= 'z') ? c - 'a' : (c >= 'A' && c <= 'Z') ? c - 'A' : kAnyLetter;
        slotClass_.push_back(cls);
        ++need_[cls];
    }
    lettersLeft_ = totalLetters_;
    slotsLeft_ = static_cast<int>(slotClass_.size());
    request_.minLength = std::max(request_.minLength, kFillMinWord);
    request_.maxLength = std::min(request_.maxLength, kFillMaxWord);
    auto idOf = [this](const std::string& word) { return lex_.find(lower(word)); };
    for (const std::string& word : request_.exclude)
        if (const std::int32_t id = idOf(word); id >= 0) banned_[id] = 1;
    for (const std::string& word : request_.written)
        if (const std::int32_t id = idOf(word); id >= 0) {
            banned_[id] = 1;
            stemUsed_[lex_.entries()[id].stem] = 1;
        }
    // The words that could ever take part: right first letter and length,
    // familiar enough, fit for a class, not excluded (gaps are allowed for
    // later, so the letters are not checked here).
    const int longest = std::min(request_.maxLength, totalLetters_ - request_.minLength * (slotsLeft_ - 1));
    for (std::size_t i = 0; i < n; ++i) {
        const FillLexicon::Entry& e = lex_.entries()[i];
        if (banned_[i] || e.unfit || e.length > longest || e.length < request_.minLength ||
            e.rank > request_.maxRank)
            continue;
        if (need_[e.first] == 0 && need_[kAnyLetter] == 0) continue;
        allCands_.push_back(static_cast<std::int32_t>(i));
    }
    // The words the author wants in go first, each into the first slot it
    // can start, when it fits the letters left.
    for (const std::string& word : request_.include) {
        const std::int32_t id = idOf(word);
        if (id < 0 || !usable(id)) continue;
        const FillLexicon::Entry& e = lex_.entries()[id];
        if (e.length < request_.minLength || e.length > request_.maxLength || !fits(e) ||
            (need_[e.first] == 0 && need_[kAnyLetter] == 0) || slotsLeft_ == 0)
            continue;
        apply(id, need_[e.first] > 0 ? e.first : kAnyLetter);
        for (int l = 0; l < 26; ++l) includedCounts_[l] += e.counts[l];
        included_.push_back(e.text);
    }
    if (request_.gaps) nextPhase();
    const int shortestAll = std::max(request_.minLength, kFillMinWord);
    if (slotClass_.empty() || lettersLeft_ < shortestAll * slotsLeft_ ||
        lettersLeft_ > std::min(lex_.longest(), request_.maxLength) * slotsLeft_) {
        finished_ = true;
        exhausted_ = !request_.gaps;
    }
}

bool AnswerFiller::usable(std::int32_t w) const {
    return banned_[w] == 0 && stemUsed_[lex_.entries()[w].stem] == 0 && !lex_.entries()[w].unfit;
}

bool AnswerFiller::fits(const FillLexicon::Entry& e) const {
    for (std::uint32_t m = e.mask; m != 0; m &= m - 1) {
        const int l = __builtin_ctz(m);
        if (e.counts[l] > counts_[l]) return false;
    }
    return true;
}

void AnswerFiller::apply(std::int32_t w, int cls) {
    const FillLexicon::Entry& e = lex_.entries()[w];
    for (int l = 0; l < 26; ++l) counts_[l] -= e.counts[l];
    lettersLeft_ -= e.length;
    --slotsLeft_;
    --need_[cls];
    ++banned_[w];
    ++stemUsed_[e.stem];
    chosen_.emplace_back(w, cls);
}

void AnswerFiller::undo(std::int32_t w, int cls) {
    const FillLexicon::Entry& e = lex_.entries()[w];
    for (int l = 0; l < 26; ++l) counts_[l] += e.counts[l];
    lettersLeft_ += e.length;
    ++slotsLeft_;
    ++need_[cls];
    --banned_[w];
    --stemUsed_[e.stem];
    chosen_.pop_back();
}

void AnswerFiller::orderOptions(std::vector<std::int32_t>& options) {
    const double target = static_cast<double>(lettersLeft_) / std::max(1, slotsLeft_);
    std::uniform_real_distribution<double> noise(0.0, 1.5);
    // How far the letters left stray from the mix words are made of; a word
    // that brings the rest closer to it leaves more ways to finish.
    auto imbalance = [this](const std::array<std::uint8_t, 26>* take, int length) {
        const double rest = lettersLeft_ - length;
        double d = 0;
        for (int l = 0; l < 26; ++l) {
            const double expected = lex_.frequency()[l] * rest;
            const double have = counts_[l] - (take != nullptr ? (*take)[l] : 0);
            d += (have - expected) * (have - expected) / (expected + 1.0);
        }
        return d;
    };
    const double before = imbalance(nullptr, 0);
    std::vector<std::pair<double, std::int32_t>> scored;
    scored.reserve(options.size());
    for (std::int32_t w : options) {
        const FillLexicon::Entry& e = lex_.entries()[w];
        double s = (e.rank - 10) / 10.0;         // familiar words first
        s += 0.6 * std::abs(e.length - target);  // lengths that leave a fair share
        if (e.length % 2 != 0) s += 1.0;         // even lengths preferred
        if (e.inflected) s += 3.0;               // base words before their inflections
        s += 2.0 * usage_[w];                    // words of earlier fills later
        s += kBalanceWeight * (imbalance(&e.counts, e.length) - before);
        s += noise(rng_);
        scored.emplace_back(s, w);
    }
    std::sort(scored.begin(), scored.end());
    for (std::size_t i = 0; i < scored.size(); ++i) options[i] = scored[i].second;
}

AnswerFiller::Expand AnswerFiller::expand(const std::vector<std::int32_t>& parentCands) {
    for (int l = 0; l < 26; ++l)
        if (counts_[l] < 0 || need_[l] > counts_[l]) return Expand::Dead;
    if (slotsLeft_ == 0) return lettersLeft_ == 0 ? Expand::Solution : Expand::Dead;

    Frame child;
    const int longest = std::min(request_.maxLength, lettersLeft_ - request_.minLength * (slotsLeft_ - 1));
    const int shortest = std::max(
        request_.minLength, lettersLeft_ - std::min(lex_.longest(), request_.maxLength) * (slotsLeft_ - 1));
    if (longest < shortest) return Expand::Dead;

    if (slotsLeft_ == 1) {
        // The last word is an anagram of the letters left.
        std::array<std::uint8_t, 26> left{};
        for (int l = 0; l < 26; ++l) left[l] = static_cast<std::uint8_t>(counts_[l]);
        const std::vector<std::int32_t>* words = lex_.anagrams(sortedKey(left));
        if (words == nullptr) return Expand::Dead;
        for (std::int32_t w : *words) {
            const FillLexicon::Entry& e = lex_.entries()[w];
            if (usable(w) && e.rank <= request_.maxRank && (need_[e.first] > 0 || need_[kAnyLetter] > 0))
                child.options.push_back(w);
        }
        if (child.options.empty()) return Expand::Dead;
        orderOptions(child.options);
        stack_.push_back(std::move(child));
        return Expand::Pushed;
    }

    std::array<int, 26> letterUse{};
    std::array<int, 27> classUse{};
    // most[c][l]: the most copies of letter l that a word for a slot of
    // class c can take.
    std::array<std::array<std::uint8_t, 26>, 27> most{};
    // The fewest and most vowels (a e i o u), vowels and y, and other
    // letters that a word for a slot of class c holds.
    constexpr int kGroups = 3;
    std::array<std::array<std::uint8_t, 27>, kGroups> groupLeast, groupMost{};
    for (auto& g : groupLeast) g.fill(UINT8_MAX);
    for (std::int32_t w : parentCands) {
        if (!usable(w)) continue;
        const FillLexicon::Entry& e = lex_.entries()[w];
        if (e.length > longest || e.length < shortest) continue;
        if (need_[e.first] == 0 && need_[kAnyLetter] == 0) continue;
        if (!fits(e)) continue;
        child.cands.push_back(w);
        ++classUse[e.first];
        for (std::uint32_t m = e.mask; m != 0; m &= m - 1) {
            const int l = __builtin_ctz(m);
            ++letterUse[l];
            most[e.first][l] = std::max(most[e.first][l], e.counts[l]);
            most[kAnyLetter][l] = std::max(most[kAnyLetter][l], e.counts[l]);
        }
        const std::uint8_t vowels = e.vowels,
                           withY = static_cast<std::uint8_t>(e.vowels + e.counts['y' - 'a']);
        const std::array<std::uint8_t, kGroups> in = {vowels, withY,
                                                      static_cast<std::uint8_t>(e.length - withY)};
        for (int g = 0; g < kGroups; ++g)
            for (int c : {static_cast<int>(e.first), kAnyLetter}) {
                groupLeast[g][c] = std::min(groupLeast[g][c], in[g]);
                groupMost[g][c] = std::max(groupMost[g][c], in[g]);
            }
    }
    // Every copy of a letter left needs a slot to take it: the slots left
    // can take no more than their words' most each.
    for (int l = 0; l < 26; ++l) {
        if (counts_[l] <= 0) continue;
        int room = 0;
        for (int c = 0; c < 27; ++c) room += need_[c] * most[c][l];
        if (room < counts_[l]) return Expand::Dead;
    }
    // The same for vowels and the other letters: the words the slots left
    // can take hold no fewer and no more of them than those left.
    {
        int vowels = 0;
        for (const char v : kVowels) vowels += counts_[v - 'a'];
        const int withY = vowels + counts_['y' - 'a'];
        const std::array<int, kGroups> left = {vowels, withY, lettersLeft_ - withY};
        for (int g = 0; g < kGroups; ++g) {
            int least = 0, room = 0;
            for (int c = 0; c < 27; ++c) {
                if (need_[c] == 0) continue;
                if (groupLeast[g][c] == UINT8_MAX) return Expand::Dead;  // no word for the slot
                least += need_[c] * groupLeast[g][c];
                room += need_[c] * groupMost[g][c];
            }
            if (left[g] < least || left[g] > room) return Expand::Dead;
        }
    }

    // The most constrained choice: a letter left that every fill must use,
    // or a slot letter every fill must start a word with.
    int bestCount = INT_MAX, bestLetter = -1, bestClass = -1;
    for (int l = 0; l < 26; ++l) {
        if (counts_[l] <= 0) continue;
        if (letterUse[l] == 0) return Expand::Dead;
        if (letterUse[l] < bestCount) bestCount = letterUse[l], bestLetter = l, bestClass = -1;
    }
    for (int f = 0; f < 26; ++f) {
        if (need_[f] == 0) continue;
        if (classUse[f] == 0) return Expand::Dead;
        if (classUse[f] < bestCount) bestCount = classUse[f], bestClass = f, bestLetter = -1;
    }
    if (bestLetter < 0 && bestClass < 0) {
        if (child.cands.empty()) return Expand::Dead;
        child.options = child.cands;  // only slots without a letter are left
    } else {
        for (std::int32_t w : child.cands) {
            const FillLexicon::Entry& e = lex_.entries()[w];
            if (bestLetter >= 0 ? (e.mask >> bestLetter & 1u) != 0 : e.first == bestClass)
                child.options.push_back(w);
        }
    }
    orderOptions(child.options);
    stack_.push_back(std::move(child));
    return Expand::Pushed;
}

void AnswerFiller::recordSolution() {
    const std::vector<std::pair<std::int32_t, int>>& all = chosen_;
    std::vector<std::int32_t> key;
    for (const auto& [w, cls] : all) key.push_back(w);
    std::sort(key.begin(), key.end());
    if (!seen_.insert(key).second) return;

    // Words go to the slots of their class in slot order.
    std::array<std::vector<std::int32_t>, 27> byClass;
    for (const auto& [w, cls] : all) byClass[cls].push_back(w);
    std::array<std::size_t, 27> taken{};
    Fill fill;
    fill.gaps = gapAllowance_;
    for (int cls : slotClass_) {
        const FillLexicon::Entry& e = lex_.entries()[byClass[cls][taken[cls]++]];
        fill.words.push_back(e.text);
        fill.rarest = std::max(fill.rarest, e.rank);
        fill.rare += e.rank > kFamiliarRank ? 1 : 0;
        fill.inflected += e.inflected ? 1 : 0;
    }
    fills_.push_back(std::move(fill));
    for (std::int32_t w : key) ++usage_[w];
    phaseFound_ = true;
    // A new fill ends this restart, so that the next one, with the words
    // just used pushed back, looks somewhere else.
    restartCut_ = true;
}

void AnswerFiller::popFrame() {
    for (std::int32_t w : stack_.back().tried) --banned_[w];
    stack_.pop_back();
}

void AnswerFiller::unwindAll() {
    while (!stack_.empty()) {
        Frame& f = stack_.back();
        if (f.applied >= 0) undo(f.applied, f.appliedClass);
        popFrame();
    }
}

void AnswerFiller::nextPhase() {
    // An exact search is done once it has gone through everything; fills
    // with more gaps are looked for only while none with fewer was found.
    if (!request_.gaps) {
        finished_ = exhausted_ = true;
        return;
    }
    if (phaseFound_ || gapAllowance_ >= request_.maxGaps) {
        finished_ = true;
        return;
    }
    // Each number of gaps is tried with a few choices of letters: first the
    // plainest, then ones drawn with some chance.
    if (gapAllowance_ == 0 || ++gapChoice_ == kGapChoices) {
        ++gapAllowance_;
        gapChoice_ = 0;
    }
    phaseNodes_ = 0;
    restartIndex_ = 0;
    std::uniform_real_distribution<double> chance(-2.0, 2.0);
    auto weight = [&] { return gapChoice_ == 0 ? 1.0 : std::exp(chance(rng_)); };

    // A fill with g gaps leaves g letters of the quotation unused and needs
    // g letters it does not have. Left out are the hardest letters to place:
    // the most copies for the fewest words that hold them (a slot's first
    // letter stays). Added are first, a slot letter the quotation lacks, and
    // then the letters the most words want for the fewest copies. The search
    // then looks for exact fills of those letters, with all its rules.
    std::array<int, 26> uses{};
    for (std::int32_t w : allCands_)
        for (std::uint32_t m = lex_.entries()[w].mask; m != 0; m &= m - 1) ++uses[__builtin_ctz(m)];
    for (int l = 0; l < 26; ++l) counts_[l] = std::max(0, request_.letters[l]) - includedCounts_[l];
    std::array<bool, 26> dropped{};
    int added = 0;
    for (int l = 0; l < 26 && added < gapAllowance_; ++l)
        while (counts_[l] < need_[l] && added < gapAllowance_) ++counts_[l], ++added;
    for (int g = 0; g < gapAllowance_; ++g) {
        int hardest = -1;
        double worst = -1;
        for (int l = 0; l < 26; ++l) {
            if (counts_[l] <= need_[l]) continue;
            const double ratio = weight() * counts_[l] / (uses[l] + 1);
            if (ratio > worst) worst = ratio, hardest = l;
        }
        if (hardest < 0) break;
        --counts_[hardest];
        dropped[hardest] = true;
    }
    for (; added < gapAllowance_; ++added) {
        int wanted = -1;
        double most = -1;
        for (int l = 0; l < 26; ++l) {
            if (dropped[l]) continue;
            const double ratio = weight() * uses[l] / (counts_[l] + 1);
            if (ratio > most) most = ratio, wanted = l;
        }
        ++counts_[wanted];
    }
}

void AnswerFiller::startRestart() {
    // The previous restart ran through without being cut: every fill of this
    // phase has been seen.
    if (restartLimit_ > 0 && !restartCut_) {
        nextPhase();
        restartLimit_ = 0;
        if (finished_) return;
    }
    if (request_.gaps && !phaseFound_ && phaseNodes_ >= request_.gapChoiceBudget) {
        nextPhase();
        if (finished_) return;
    }
    restartCut_ = false;
    restartNodes_ = 0;
    restartLimit_ = kRestartBase * luby(++restartIndex_);
    const Expand root = expand(allCands_);
    if (root == Expand::Solution) recordSolution();   // the included words fill every slot
    if (root != Expand::Pushed) restartCut_ = false;  // nothing to search: ran through
}

bool AnswerFiller::run(long steps) {
    while (steps > 0 && !finished_) {
        if (stack_.empty()) {
            startRestart();
            --steps;
            continue;
        }
        Frame& f = stack_.back();
        if (f.applied >= 0) {
            undo(f.applied, f.appliedClass);
            f.tried.push_back(f.applied);
            ++banned_[f.applied];
            f.applied = -1;
        }
        if (restartCut_ || f.next >= f.options.size()) {
            popFrame();
            continue;
        }
        const std::int32_t w = f.options[f.next++];
        if (!usable(w)) continue;
        const FillLexicon::Entry& e = lex_.entries()[w];
        const int cls = need_[e.first] > 0 ? e.first : kAnyLetter;
        apply(w, cls);
        f.applied = w;
        f.appliedClass = cls;
        --steps;
        ++nodes_;
        ++phaseNodes_;
        if (++restartNodes_ >= restartLimit_) restartCut_ = true;
        const std::size_t index = stack_.size() - 1;
        // expand copies what it needs from the parent's candidates before it
        // pushes the child.
        std::vector<std::int32_t> parentCands = std::move(stack_[index].cands);
        const Expand r = expand(parentCands);
        stack_[index].cands = std::move(parentCands);
        if (r == Expand::Solution) recordSolution();
    }
    if (finished_) unwindAll();
    return !finished_;
}

}  // namespace qbrx
