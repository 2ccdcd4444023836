// Finishing puzzles: the time to the first set of answers that uses up
// exactly the letters left, on puzzles made from public-domain quotations
// with their authors and works as crostics, solved against the bundled word
// list. Every other puzzle has a third of its answers already written (taken
// from a fill found with another seed), as an author who has started would.
//
// BM_FirstFill/i times one puzzle; BM_AllPuzzles runs them all once and
// reports how many were filled exactly and the median and worst time.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "answerfill.h"
#include "benchpuzzles.h"
#include "dictionary.h"
#include "editor.h"
#include "puzzlefill.h"
#include "scriptedprompter.h"

namespace {

constexpr int kPuzzleCount = static_cast<int>(std::size(kPuzzles));

// Search nodes after which a puzzle counts as not filled.
constexpr long kNodeLimit = 3'000'000;

const qbrx::Dictionary& dictionary() {
    static const qbrx::Dictionary dict = [] {
        qbrx::Dictionary d;
        d.loadCountIndex(QBRX_DATA_DIR);
        d.loadWordList(QBRX_DATA_DIR);
        d.loadLevels(QBRX_DATA_DIR);
        return d;
    }();
    return dict;
}

const qbrx::FillLexicon& lexicon() {
    static const qbrx::FillLexicon lex = qbrx::fillLexicon(dictionary());
    return lex;
}

// What the first fill of a puzzle was like.
struct FirstFill {
    int gaps = -1;       // -1: none within the node limit
    long nodes = 0;
    double level = 0;    // the words' mean familiarity level (unknown words count 80)
    double even = 0;     // share of words of even length, in per cent
};

FirstFill firstFill(const qbrx::FillRequest& request) {
    qbrx::AnswerFiller filler(lexicon(), request);
    while (filler.fills().empty() && filler.nodes() < kNodeLimit && filler.run(200)) {
    }
    FirstFill result;
    result.nodes = filler.nodes();
    if (filler.fills().empty()) return result;
    const std::vector<std::string>& words = filler.fills().front().words;
    for (const std::string& w : words) {
        result.level += lexicon().entries()[lexicon().find(w)].rank;
        result.even += w.size() % 2 == 0 ? 100 : 0;
    }
    result.level /= static_cast<double>(words.size());
    result.even /= static_cast<double>(words.size());
    result.gaps = filler.fills().front().gaps;
    return result;
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
        qbrx::AnswerFiller filler(lexicon(), qbrx::fillRequest(p->plan, 1000 + i));
        while (filler.fills().empty() && filler.nodes() < kNodeLimit && filler.run(2000)) {
        }
        if (!filler.fills().empty() && filler.fills().front().gaps == 0) {
            std::vector<std::string> words = filler.fills().front().words;
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
    const qbrx::FillRequest request = qbrx::fillRequest(puzzle->plan, 1);
    FirstFill first;
    for (auto _ : state) first = firstFill(request);
    state.SetLabel(kPuzzles[i].crostic);
    state.counters["answers"] = static_cast<double>(request.firstLetters.size());
    state.counters["exact"] = first.gaps == 0 ? 1 : 0;
    state.counters["nodes"] = static_cast<double>(first.nodes);
    state.counters["level"] = first.level;
}

void BM_AllPuzzles(benchmark::State& state) {
    std::vector<std::unique_ptr<Puzzle>> puzzles;
    for (int i = 0; i < kPuzzleCount; ++i) puzzles.push_back(makePuzzle(i));
    int exact = 0;
    std::vector<double> seconds;
    double level = 0, even = 0;
    for (auto _ : state) {
        exact = 0;
        seconds.clear();
        level = even = 0;
        for (const auto& p : puzzles) {
            const auto start = std::chrono::steady_clock::now();
            const FirstFill first = firstFill(qbrx::fillRequest(p->plan, 1));
            seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
            exact += first.gaps == 0 ? 1 : 0;
            level += first.level;
            even += first.even;
        }
    }
    std::sort(seconds.begin(), seconds.end());
    state.counters["puzzles"] = kPuzzleCount;
    state.counters["exact"] = exact;
    state.counters["median_s"] = seconds[seconds.size() / 2];
    state.counters["worst_s"] = seconds.back();
    state.counters["level"] = level / kPuzzleCount;
    state.counters["even_pct"] = even / kPuzzleCount;
}

}  // namespace

BENCHMARK(BM_FirstFill)->DenseRange(0, kPuzzleCount - 1)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllPuzzles)->Iterations(1)->Unit(benchmark::kSecond);

BENCHMARK_MAIN();
