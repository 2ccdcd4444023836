// SPDX-License-Identifier: GPL-3.0-or-later
// Finishing puzzles: the time to the first set of answers that uses up
// exactly the letters left, on puzzles made from public-domain quotations
// with their authors and works as crostics, solved against the bundled word
// list with the dialog's defaults (answers of 3 to 12 letters). Every other
// puzzle has a third of its answers already written (fillbench.h).
//
// BM_FirstFill/i times one puzzle with seed 1; BM_AllPuzzles runs every
// puzzle with five seeds and reports how many runs found an exact fill, the
// median and worst time to it, the share of familiar words and of base words
// in the first fills, and the unfit words among the first 20 fills.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "answerfill.h"
#include "dictionary.h"
#include "editor.h"
#include "fillbench.h"
#include "fillsearch.h"
#include "puzzlefill.h"
#include "scriptedprompter.h"

namespace {

// CPU seconds after which a run counts as not filled.
constexpr double kTimeLimit = 20.0;
constexpr int kSeeds = 5;
// Fills looked at for unfit words.
constexpr std::size_t kFirstFills = 20;

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
    std::vector<std::pair<double, std::string>> slowest;  // CPU seconds, puzzle/seed
    std::string missed;
    for (auto _ : state) {
        for (int i = 0; i < kPuzzleCount; ++i)
            for (int seed = 1; seed <= kSeeds; ++seed) {
                const FirstFill first = firstFill(benchRequest(puzzles[static_cast<std::size_t>(i)]->plan,
                                                               static_cast<std::uint64_t>(seed)),
                                                  seed == 1);
                seconds.push_back(first.seconds);
                cpuSeconds.push_back(first.cpuSeconds);
                slowest.emplace_back(first.cpuSeconds, std::to_string(i) + "/" + std::to_string(seed));
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
    std::sort(slowest.rbegin(), slowest.rend());
    std::string label = missed.empty() ? "every run filled" : "not filled (puzzle/seed):" + missed;
    label += "; slowest (puzzle/seed CPU s):";
    for (std::size_t k = 0; k < slowest.size() && k < 5; ++k) {
        char figure[16];
        std::snprintf(figure, sizeof figure, " %.2f", slowest[k].first);
        label += " " + slowest[k].second + figure;
    }
    state.SetLabel(label);
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
