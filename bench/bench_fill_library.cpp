// SPDX-License-Identifier: GPL-3.0-or-later
// Suggest Answers' own search against two mature solvers from Debian, on the
// bench puzzles (fillbench.h) with the dialog's defaults: the time to the
// first exact fill of each puzzle, in one run. The argument is the number
// of seeds per puzzle: 1 for every solver (the solvers from Debian take
// minutes per seed over the set), and 5 for the program's own search, as in
// bench_fill.
//
// The problem each solver is given is the one the search solves: one word
// for each empty slot, from the words of the right first letter and a length
// of 3 to 12 that fit the letters left (familiar or not, fit for a class,
// not written already), so that the words use the letters left exactly,
// no two of one stem.
//
// - Gecode (constraint programming): a variable per slot over word numbers,
//   the words numbered familiar base words first, so that the smallest
//   value is the most familiar; per letter, element constraints give each
//   slot's count and a sum fixes the total; the same for the lengths; the
//   stems all different; slots of one first letter in increasing order.
//   Branching on the slot with the fewest words left (random ties), its
//   most familiar word first, with restarts (Luby, 1,000 failures) so that
//   one bad early choice does not hold the search.
// - GLPK (integer programming): a 0/1 column per word; a row per first
//   letter (the slots it starts), per letter (its copies left) and per stem
//   (at most one word); the objective counts rarer words ten times and
//   inflected words once. Branch and cut with presolve and the feasibility
//   pump, stopped at its first integer solution.
//
// A seed shuffles the words among those alike (familiar or not, base or
// not) for both, as it shuffles the search's order. Each run gets
// kTimeLimit CPU seconds (the goal for the worst run). The counters give, per solver, the runs filled,
// the median and worst CPU time to the first fill (a run not filled counts
// as the limit), the share of familiar words in the first fills and the
// slowest runs. Only built where Gecode or GLPK is installed
// (libgecode-dev, libglpk-dev).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "answerfill.h"
#include "fillbench.h"
#include "fillsearch.h"

#ifdef QBRX_HAVE_GECODE
#include <gecode/int.hh>
#include <gecode/minimodel.hh>
#include <gecode/search.hh>
#endif
#ifdef QBRX_HAVE_GLPK
#include <glpk.h>
#endif

namespace {

constexpr double kTimeLimit = 5.0;

// The exact-fill problem of one request, as plain data.
struct Problem {
    std::array<int, 26> letters{};
    int total = 0;
    std::vector<int> slotClass;       // 0..25, or qbrx::kAnyLetter
    std::vector<std::int32_t> words;  // lexicon entry ids, familiar base words first
};

Problem problem(const qbrx::FillRequest& r) {
    const auto& entries = lexicon().entries();
    Problem p;
    p.letters = r.letters;
    for (int n : r.letters) p.total += n;
    std::array<int, 27> need{};
    for (char c : r.firstLetters) {
        const int cls = c >= 'a' && c <= 'z' ? c - 'a' : qbrx::kAnyLetter;
        p.slotClass.push_back(cls);
        ++need[cls];
    }
    const int slots = static_cast<int>(p.slotClass.size());
    std::vector<std::uint8_t> stemUsed(entries.size(), 0), written(entries.size(), 0);
    for (const std::string& w : r.written)
        if (const std::int32_t id = lexicon().find(w); id >= 0) {
            written[static_cast<std::size_t>(id)] = 1;
            stemUsed[static_cast<std::size_t>(entries[static_cast<std::size_t>(id)].stem)] = 1;
        }
    const int longest = std::min(r.maxLength, p.total - r.minLength * (slots - 1));
    std::vector<std::pair<int, std::int32_t>> keyed;
    std::mt19937_64 rng(r.seed);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& e = entries[i];
        if (written[i] || stemUsed[static_cast<std::size_t>(e.stem)] || e.unfit || e.rank > r.maxRank ||
            e.length < r.minLength || e.length > longest ||
            (need[e.first] == 0 && need[qbrx::kAnyLetter] == 0))
            continue;
        bool fits = true;
        for (int l = 0; l < 26; ++l) fits = fits && e.counts[l] <= r.letters[l];
        if (!fits) continue;
        const int group = (e.rank > qbrx::kFamiliarRank ? 2 : 0) + (e.inflected ? 1 : 0);
        keyed.emplace_back(group * 1'000'000 + static_cast<int>(rng() % 1'000'000),
                           static_cast<std::int32_t>(i));
    }
    std::sort(keyed.begin(), keyed.end());
    for (const auto& [key, id] : keyed) p.words.push_back(id);
    return p;
}

// True when the words use up the letters exactly, one per slot with the
// slot's first letter, no two of a stem.
bool exactFill(const Problem& p, const std::vector<std::int32_t>& words) {
    const auto& entries = lexicon().entries();
    if (words.size() != p.slotClass.size()) return false;
    std::array<int, 26> left = p.letters;
    std::vector<std::int32_t> stems;
    for (std::size_t s = 0; s < words.size(); ++s) {
        const auto& e = entries[static_cast<std::size_t>(words[s])];
        if (p.slotClass[s] != qbrx::kAnyLetter && e.first != p.slotClass[s]) return false;
        for (int l = 0; l < 26; ++l) left[l] -= e.counts[l];
        stems.push_back(e.stem);
    }
    std::sort(stems.begin(), stems.end());
    return std::all_of(left.begin(), left.end(), [](int n) { return n == 0; }) &&
           std::adjacent_find(stems.begin(), stems.end()) == stems.end();
}

// A solver's answer for one run: the words per slot, empty when none.
using Solver = std::function<std::vector<std::int32_t>(const Problem&, std::uint64_t seed, double cpuLimit)>;

std::vector<std::int32_t> ownSearch(const qbrx::FillRequest& request, double cpuLimit) {
    const double start = threadSeconds();
    qbrx::FillSearch search(lexicon(), request);
    while (!search.hasExactFill() && threadSeconds() - start < cpuLimit && search.run(1000)) {
    }
    std::vector<std::int32_t> words;
    if (search.hasExactFill())
        for (const std::string& w : search.fills().front().words) words.push_back(lexicon().find(w));
    return words;
}

#ifdef QBRX_HAVE_GECODE
class CpuStop : public Gecode::Search::Stop {
public:
    explicit CpuStop(double deadline) : deadline_(deadline) {}
    bool stop(const Gecode::Search::Statistics&, const Gecode::Search::Options&) override {
        return threadSeconds() > deadline_;
    }

private:
    double deadline_;
};

class FillSpace : public Gecode::Space {
public:
    FillSpace(const Problem& p, std::uint64_t seed) : x_(*this, static_cast<int>(p.slotClass.size()), 0, 0) {
        using namespace Gecode;
        const auto& entries = lexicon().entries();
        const int n = static_cast<int>(p.words.size());
        const int slots = static_cast<int>(p.slotClass.size());
        // Word k is p.words[k]: the smaller k, the more familiar.
        std::map<std::int32_t, int> stemNumber;
        IntArgs stem(n), length(n);
        std::array<IntArgs, 26> count;
        for (int l = 0; l < 26; ++l) count[l] = IntArgs(n);
        std::array<std::vector<int>, 27> byClass;
        for (int k = 0; k < n; ++k) {
            const auto& e = entries[static_cast<std::size_t>(p.words[static_cast<std::size_t>(k)])];
            stem[k] = stemNumber.emplace(e.stem, static_cast<int>(stemNumber.size())).first->second;
            length[k] = e.length;
            for (int l = 0; l < 26; ++l) count[l][k] = e.counts[l];
            byClass[e.first].push_back(k);
            byClass[qbrx::kAnyLetter].push_back(k);
        }
        std::sort(byClass[qbrx::kAnyLetter].begin(), byClass[qbrx::kAnyLetter].end());
        for (int s = 0; s < slots; ++s) {
            const std::vector<int>& d =
                byClass[static_cast<std::size_t>(p.slotClass[static_cast<std::size_t>(s)])];
            if (d.empty()) {
                fail();
                return;
            }
            x_[s] = IntVar(*this, IntSet(IntArgs(d)));
        }
        const IntSharedArray lengthTable(length), stemTable(stem);
        IntVarArgs lengths(slots), stems(slots);
        for (int s = 0; s < slots; ++s) {
            lengths[s] = IntVar(*this, 0, qbrx::kFillMaxWord);
            element(*this, lengthTable, x_[s], lengths[s]);
            stems[s] = IntVar(*this, 0, std::max(0, static_cast<int>(stemNumber.size()) - 1));
            element(*this, stemTable, x_[s], stems[s]);
        }
        linear(*this, lengths, IRT_EQ, p.total);
        distinct(*this, stems);
        for (int l = 0; l < 26; ++l) {
            const IntSharedArray table(count[l]);
            IntVarArgs copies(slots);
            for (int s = 0; s < slots; ++s) {
                copies[s] = IntVar(*this, 0, qbrx::kFillMaxWord);
                element(*this, table, x_[s], copies[s]);
            }
            linear(*this, copies, IRT_EQ, p.letters[l]);
        }
        // Slots of one first letter are alike: their words in increasing order.
        for (int s = 0; s < slots; ++s)
            for (int t = s + 1; t < slots; ++t)
                if (p.slotClass[static_cast<std::size_t>(s)] == p.slotClass[static_cast<std::size_t>(t)]) {
                    rel(*this, x_[s], IRT_LE, x_[t]);
                    break;
                }
        Rnd random(static_cast<unsigned int>(seed));
        branch(*this, x_, tiebreak(INT_VAR_SIZE_MIN(), INT_VAR_RND(random)), INT_VAL_MIN());
    }
    FillSpace(FillSpace& other) : Gecode::Space(other) { x_.update(*this, other.x_); }
    Gecode::Space* copy() override { return new FillSpace(*this); }
    std::vector<int> values() const {
        std::vector<int> v;
        for (int s = 0; s < x_.size(); ++s) v.push_back(x_[s].val());
        return v;
    }

private:
    Gecode::IntVarArray x_;
};

std::vector<std::int32_t> gecodeSolve(const Problem& p, std::uint64_t seed, double cpuLimit) {
    auto root = std::make_unique<FillSpace>(p, seed);
    CpuStop stop(threadSeconds() + cpuLimit);
    Gecode::Search::Options options;
    options.stop = &stop;
    options.cutoff = Gecode::Search::Cutoff::luby(1000);
    Gecode::RBS<FillSpace, Gecode::DFS> engine(root.get(), options);
    std::vector<std::int32_t> words;
    if (std::unique_ptr<FillSpace> solution{engine.next()})
        for (int k : solution->values()) words.push_back(p.words[static_cast<std::size_t>(k)]);
    return words;
}
#endif

#ifdef QBRX_HAVE_GLPK
// Ends the branch and cut at its first integer solution, or when the run's
// CPU time is up (GLPK's own limit counts wall time).
void stopAtFirst(glp_tree* tree, void* deadline) {
    if (glp_ios_reason(tree) == GLP_IBINGO || threadSeconds() > *static_cast<const double*>(deadline))
        glp_ios_terminate(tree);
}

std::vector<std::int32_t> glpkSolve(const Problem& p, std::uint64_t, double cpuLimit) {
    const auto& entries = lexicon().entries();
    const int n = static_cast<int>(p.words.size());
    std::array<int, 27> need{};
    for (int c : p.slotClass) ++need[static_cast<std::size_t>(c)];
    const bool anyLetter = need[qbrx::kAnyLetter] > 0;

    glp_prob* lp = glp_create_prob();
    glp_set_obj_dir(lp, GLP_MIN);
    glp_add_cols(lp, n);
    for (int k = 1; k <= n; ++k) {
        const auto& e = entries[static_cast<std::size_t>(p.words[static_cast<std::size_t>(k - 1)])];
        glp_set_col_kind(lp, k, GLP_BV);
        glp_set_obj_coef(lp, k, (e.rank > qbrx::kFamiliarRank ? 10.0 : 0.0) + (e.inflected ? 1.0 : 0.0));
    }
    // Rows: 1..26 the letters, 27..52 the first letters, 53 the slot count,
    // then one per stem of more than one word.
    glp_add_rows(lp, 53);
    for (int l = 0; l < 26; ++l) {
        glp_set_row_bnds(lp, l + 1, GLP_FX, p.letters[l], p.letters[l]);
        if (anyLetter)
            glp_set_row_bnds(lp, 27 + l, GLP_LO, need[l], 0);
        else
            glp_set_row_bnds(lp, 27 + l, GLP_FX, need[l], need[l]);
    }
    glp_set_row_bnds(lp, 53, GLP_FX, static_cast<double>(p.slotClass.size()),
                     static_cast<double>(p.slotClass.size()));
    std::map<std::int32_t, std::vector<int>> stems;
    for (int k = 1; k <= n; ++k)
        stems[entries[static_cast<std::size_t>(p.words[static_cast<std::size_t>(k - 1)])].stem].push_back(k);
    std::map<std::int32_t, int> stemRow;
    for (const auto& [stem, cols] : stems)
        if (cols.size() > 1) {
            const int row = glp_add_rows(lp, 1);
            glp_set_row_bnds(lp, row, GLP_UP, 0, 1);
            stemRow[stem] = row;
        }
    std::vector<int> ia{0}, ja{0};
    std::vector<double> ar{0};
    auto put = [&](int row, int col, double value) {
        ia.push_back(row);
        ja.push_back(col);
        ar.push_back(value);
    };
    for (int k = 1; k <= n; ++k) {
        const auto& e = entries[static_cast<std::size_t>(p.words[static_cast<std::size_t>(k - 1)])];
        for (int l = 0; l < 26; ++l)
            if (e.counts[l] > 0) put(l + 1, k, e.counts[l]);
        put(27 + e.first, k, 1);
        put(53, k, 1);
        if (const auto it = stemRow.find(e.stem); it != stemRow.end()) put(it->second, k, 1);
    }
    glp_load_matrix(lp, static_cast<int>(ia.size()) - 1, ia.data(), ja.data(), ar.data());

    glp_iocp parm;
    glp_init_iocp(&parm);
    parm.msg_lev = GLP_MSG_OFF;
    parm.presolve = GLP_ON;
    parm.fp_heur = GLP_ON;
    double deadline = threadSeconds() + cpuLimit;
    parm.tm_lim = static_cast<int>(cpuLimit * 3000);
    parm.cb_func = stopAtFirst;
    parm.cb_info = &deadline;
    glp_intopt(lp, &parm);

    std::vector<std::int32_t> chosen;
    const int status = glp_mip_status(lp);
    if (status == GLP_FEAS || status == GLP_OPT) {
        std::array<std::vector<std::int32_t>, 27> byClass;
        for (int k = 1; k <= n; ++k)
            if (glp_mip_col_val(lp, k) > 0.5) {
                const std::int32_t id = p.words[static_cast<std::size_t>(k - 1)];
                byClass[entries[static_cast<std::size_t>(id)].first].push_back(id);
            }
        // Words to slots: each slot of a letter takes one of its words; slots
        // of any letter take what is left.
        for (int c : p.slotClass) {
            std::vector<std::int32_t>& from = byClass[static_cast<std::size_t>(c)];
            if (c != qbrx::kAnyLetter && !from.empty()) {
                chosen.push_back(from.back());
                from.pop_back();
            } else {
                chosen.push_back(-1);
            }
        }
        std::vector<std::int32_t> rest;
        for (const auto& v : byClass) rest.insert(rest.end(), v.begin(), v.end());
        for (std::int32_t& w : chosen)
            if (w < 0 && !rest.empty()) {
                w = rest.back();
                rest.pop_back();
            }
    }
    glp_delete_prob(lp);
    return chosen;
}
#endif

// The bench puzzles, set up once; every solver gets the same puzzles and
// seeds.
std::vector<std::unique_ptr<Puzzle>>& puzzles() {
    static std::vector<std::unique_ptr<Puzzle>> all = [] {
        std::vector<std::unique_ptr<Puzzle>> v;
        for (int i = 0; i < kPuzzleCount; ++i) v.push_back(makePuzzle(i));
        return v;
    }();
    return all;
}

qbrx::FillRequest requestFor(int i, std::uint64_t seed) {
    return benchRequest(puzzles()[static_cast<std::size_t>(i)]->plan, seed);
}

// Runs a solver on every puzzle with every seed and reports its figures.
void runAll(benchmark::State& state,
            const std::function<std::vector<std::int32_t>(int puzzle, std::uint64_t seed)>& solve) {
    std::vector<double> cpu;
    std::vector<std::pair<double, std::string>> slowest;
    int filled = 0, words = 0, familiar = 0;
    for (auto _ : state) {
        for (int i = 0; i < kPuzzleCount; ++i)
            for (int seed = 1; seed <= state.range(0); ++seed) {
                const Problem p = problem(requestFor(i, static_cast<std::uint64_t>(seed)));
                const double start = threadSeconds();
                const std::vector<std::int32_t> fill = solve(i, static_cast<std::uint64_t>(seed));
                double seconds = threadSeconds() - start;
                if (exactFill(p, fill)) {
                    ++filled;
                    for (std::int32_t w : fill) {
                        ++words;
                        familiar +=
                            lexicon().entries()[static_cast<std::size_t>(w)].rank <= qbrx::kFamiliarRank ? 1
                                                                                                         : 0;
                    }
                } else {
                    seconds = std::max(seconds, kTimeLimit);
                }
                cpu.push_back(seconds);
                slowest.emplace_back(seconds, std::to_string(i) + "/" + std::to_string(seed));
            }
    }
    std::sort(cpu.begin(), cpu.end());
    std::sort(slowest.rbegin(), slowest.rend());
    std::string label = "slowest (puzzle/seed CPU s):";
    for (std::size_t k = 0; k < slowest.size() && k < 5; ++k) {
        char figure[16];
        std::snprintf(figure, sizeof figure, " %.2f", slowest[k].first);
        label += " " + slowest[k].second + figure;
    }
    state.SetLabel(label);
    state.counters["runs"] = static_cast<double>(cpu.size());
    state.counters["exact"] = filled;
    state.counters["cpu_median_s"] = cpu[cpu.size() / 2];
    state.counters["cpu_worst_s"] = cpu.back();
    state.counters["familiar_pct"] = 100.0 * familiar / std::max(1, words);
}

void BM_OwnSearch(benchmark::State& state) {
    runAll(state, [](int i, std::uint64_t seed) { return ownSearch(requestFor(i, seed), kTimeLimit); });
}
BENCHMARK(BM_OwnSearch)->Arg(1)->Arg(5)->Iterations(1)->Unit(benchmark::kSecond);

#ifdef QBRX_HAVE_GECODE
void BM_Gecode(benchmark::State& state) {
    runAll(state, [](int i, std::uint64_t seed) {
        return gecodeSolve(problem(requestFor(i, seed)), seed, kTimeLimit);
    });
}
BENCHMARK(BM_Gecode)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);
#endif

#ifdef QBRX_HAVE_GLPK
void BM_Glpk(benchmark::State& state) {
    runAll(state, [](int i, std::uint64_t seed) {
        return glpkSolve(problem(requestFor(i, seed)), seed, kTimeLimit);
    });
}
BENCHMARK(BM_Glpk)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);
#endif

}  // namespace

BENCHMARK_MAIN();
