// Finishing puzzles: the time to the first set of answers that uses up
// exactly the letters left, on puzzles made from public-domain quotations
// with their authors and works as crostics, solved against the bundled word
// list with the dialog's defaults (answers of 3 to 12 letters). Every other
// puzzle has a third of its answers already written (taken from a fill found
// with another seed), as an author who has started would.
//
// BM_FirstFill/i times one puzzle with seed 1; BM_AllPuzzles runs every
// puzzle with five seeds and reports how many runs found an exact fill, the
// median and worst time to it, the share of familiar words and of base words
// in the first fills, and the unfit words among the first 20 fills.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "answerfill.h"
#include "benchpuzzles.h"
#include "dictionary.h"
#include "editor.h"
#include "fillsearch.h"
#include "puzzlefill.h"
#include "scriptedprompter.h"

namespace {

constexpr int kPuzzleCount = static_cast<int>(std::size(kPuzzles));

// CPU seconds after which a run counts as not filled.
constexpr double kTimeLimit = 20.0;
constexpr int kSeeds = 5;
// Fills looked at for unfit words.
constexpr std::size_t kFirstFills = 20;

const qbrx::Dictionary& dictionary() {
    static const qbrx::Dictionary dict = [] {
        qbrx::Dictionary d;
        qbrx::loadDictionary(d, QBRX_DATA_DIR);
        return d;
    }();
    return dict;
}

const qbrx::FillLexicon& lexicon() {
    static const qbrx::FillLexicon lex = qbrx::fillLexicon(dictionary());
    return lex;
}

// CPU time of this thread: the machine the bench runs on is shared, and wall
// time there says as much about the other programs as about this one.
double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

double since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// What the first fill of a run was like.
struct FirstFill {
    bool exact = false;
    double seconds = 0, cpuSeconds = 0;
    int words = 0, familiar = 0, base = 0;
    int unfit = 0;  // unfit words among the first kFirstFills fills
};

FirstFill firstFill(const qbrx::FillRequest& request, bool lookAtMore) {
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = threadSeconds();
    qbrx::FillSearch search(lexicon(), request);
    while (!search.hasExactFill() && threadSeconds() - cpuStart < kTimeLimit && search.run(1000)) {
    }
    FirstFill result;
    result.seconds = since(start);
    result.cpuSeconds = threadSeconds() - cpuStart;
    if (!search.hasExactFill()) return result;
    result.exact = true;
    for (const std::string& w : search.fills().front().words) {
        const auto& e = lexicon().entries()[static_cast<std::size_t>(lexicon().find(w))];
        ++result.words;
        result.familiar += e.rank <= qbrx::kFamiliarRank ? 1 : 0;
        result.base += e.inflected ? 0 : 1;
    }
    if (!lookAtMore) return result;
    const auto more = std::chrono::steady_clock::now();
    while (search.fills().size() < kFirstFills && since(more) < 2.0 && search.run(1000)) {
    }
    for (std::size_t i = 0; i < search.fills().size() && i < kFirstFills; ++i)
        for (const std::string& w : search.fills()[i].words)
            result.unfit += dictionary().unfit(dictionary().find(w)) ? 1 : 0;
    return result;
}

qbrx::FillRequest benchRequest(const qbrx::FillPlan& plan, std::uint64_t seed) {
    return qbrx::fillRequest(plan, seed, qbrx::FillChoices{});
}

// The puzzle as an author leaves it after Setup: the crostic letters in the
// answer slots; for odd i, a third of the answers written.
struct Puzzle {
    qbrx::ScriptedPrompter prompter;
    qbrx::SeededRandom random{7};
    qbrx::Editor editor{prompter, random};
    qbrx::FillPlan plan;
};

std::unique_ptr<Puzzle> makePuzzle(int i) {
    auto p = std::make_unique<Puzzle>();
    qbrx::Editor& ed = p->editor;
    ed.startUp();
    ed.view.quoteBox = kPuzzles[i].text;
    ed.registerButton();
    p->prompter.inputs.push_back(std::string(kPuzzles[i].crostic));
    ed.setupCrostic();
    p->plan = qbrx::planFill(ed.doc, 0);
    if (i % 2 == 1) {
        qbrx::FillSearch search(lexicon(), benchRequest(p->plan, 1000 + i));
        const auto start = std::chrono::steady_clock::now();
        while (!search.hasExactFill() && since(start) < kTimeLimit && search.run(2000)) {
        }
        if (search.hasExactFill()) {
            std::vector<std::string> words = search.fills().front().words;
            for (std::size_t k = 0; k < words.size(); ++k)
                if (k % 3 != 0) words[k].clear();
            qbrx::acceptFill(ed, p->plan, words);
            p->plan = qbrx::planFill(ed.doc, 0);
        }
    }
    return p;
}

void BM_FirstFill(benchmark::State& state) {
    const int i = static_cast<int>(state.range(0));
    const std::unique_ptr<Puzzle> puzzle = makePuzzle(i);
    const qbrx::FillRequest request = benchRequest(puzzle->plan, 1);
    FirstFill first;
    for (auto _ : state) first = firstFill(request, false);
    state.SetLabel(kPuzzles[i].crostic);
    state.counters["answers"] = static_cast<double>(request.firstLetters.size());
    state.counters["exact"] = first.exact ? 1 : 0;
    state.counters["familiar_pct"] = first.words > 0 ? 100.0 * first.familiar / first.words : 0;
}

void BM_AllPuzzles(benchmark::State& state) {
    std::vector<std::unique_ptr<Puzzle>> puzzles;
    for (int i = 0; i < kPuzzleCount; ++i) puzzles.push_back(makePuzzle(i));
    int exact = 0, words = 0, familiar = 0, base = 0, unfit = 0;
    std::vector<double> seconds, cpuSeconds;
    std::string missed;
    for (auto _ : state) {
        for (int i = 0; i < kPuzzleCount; ++i)
            for (int seed = 1; seed <= kSeeds; ++seed) {
                const FirstFill first =
                    firstFill(benchRequest(puzzles[static_cast<std::size_t>(i)]->plan, static_cast<std::uint64_t>(seed)), seed == 1);
                seconds.push_back(first.seconds);
                cpuSeconds.push_back(first.cpuSeconds);
                if (!first.exact) missed += " " + std::to_string(i) + "/" + std::to_string(seed);
                exact += first.exact ? 1 : 0;
                words += first.words;
                familiar += first.familiar;
                base += first.base;
                unfit += first.unfit;
            }
    }
    std::sort(seconds.begin(), seconds.end());
    std::sort(cpuSeconds.begin(), cpuSeconds.end());
    state.SetLabel(missed.empty() ? "every run filled" : "not filled (puzzle/seed):" + missed);
    state.counters["cpu_median_s"] = cpuSeconds[cpuSeconds.size() / 2];
    state.counters["cpu_worst_s"] = cpuSeconds.back();
    state.counters["runs"] = static_cast<double>(seconds.size());
    state.counters["exact"] = exact;
    state.counters["median_s"] = seconds[seconds.size() / 2];
    state.counters["worst_s"] = seconds.back();
    state.counters["familiar_pct"] = 100.0 * familiar / std::max(1, words);
    state.counters["base_pct"] = 100.0 * base / std::max(1, words);
    state.counters["unfit_in_first20"] = unfit;
}

}  // namespace

BENCHMARK(BM_FirstFill)->DenseRange(0, kPuzzleCount - 1)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllPuzzles)->Iterations(1)->Unit(benchmark::kSecond);

BENCHMARK_MAIN();
