// SPDX-License-Identifier: GPL-3.0-or-later
// Drafted clues: how many of the words Suggest Answers finds for the bench
// puzzles get a draft, and how long drafting takes.
//
// BM_Coverage fills every bench puzzle (the first set of answers, seed 1,
// as bench_fill finds it) and drafts a clue for each word against the
// puzzle's other answers; it reports the words and the share drafted.
// BM_DraftFifty drafts the questions of the fifty answers of
// examples/fifty.dat, each against the other 49, with the definitions
// loaded. BM_LoadDefinitions reads definitions.dic.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "answerfill.h"
#include "benchpuzzles.h"
#include "cluedraft.h"
#include "definitions.h"
#include "dictionary.h"
#include "documentcommands.h"
#include "editor.h"
#include "puzzlefill.h"
#include "scriptedprompter.h"

namespace {

constexpr long kNodeLimit = 3'000'000;

const qbrx::Definitions& definitions() {
    static const qbrx::Definitions loaded = [] {
        qbrx::Definitions d;
        d.load(QBRX_DATA_DIR);
        return d;
    }();
    return loaded;
}

void BM_LoadDefinitions(benchmark::State& state) {
    for (auto _ : state) {
        qbrx::Definitions d;
        d.load(QBRX_DATA_DIR);
        benchmark::DoNotOptimize(d.wordCount());
    }
}

void BM_Coverage(benchmark::State& state) {
    qbrx::Dictionary dictionary;
    qbrx::loadDictionary(dictionary, QBRX_DATA_DIR);
    const qbrx::FillLexicon lexicon = qbrx::fillLexicon(dictionary);
    int words = 0, drafted = 0, puzzles = 0;
    std::vector<std::string> missing;
    for (auto _ : state) {
        words = drafted = puzzles = 0;
        for (const Quotation& q : kPuzzles) {
            qbrx::ScriptedPrompter prompter;
            qbrx::SeededRandom random{7};
            qbrx::Editor ed{prompter, random};
            ed.startUp();
            ed.view.quoteBox = q.text;
            ed.registerButton();
            prompter.inputs.push_back(std::string(q.crostic));
            ed.setupCrostic();
            const qbrx::FillPlan plan = qbrx::planFill(ed.doc, 0);
            qbrx::AnswerFiller filler(lexicon, qbrx::fillRequest(plan, 1));
            while (filler.fills().empty() && filler.nodes() < kNodeLimit && filler.run(2000)) {
            }
            if (filler.fills().empty()) continue;
            ++puzzles;
            const std::vector<std::string>& fill = filler.fills().front().words;
            const std::vector<std::string> drafts = qbrx::draftForEach(definitions(), fill, plan.written);
            for (std::size_t k = 0; k < fill.size(); ++k) {
                ++words;
                if (!drafts[k].empty())
                    ++drafted;
                else
                    missing.push_back(fill[k]);
            }
        }
    }
    state.counters["puzzles"] = puzzles;
    state.counters["words"] = words;
    state.counters["drafted"] = drafted;
    state.counters["drafted_pct"] = words > 0 ? 100.0 * drafted / words : 0;
    std::string label;
    for (std::size_t i = 0; i < missing.size() && i < 60; ++i) label += (i > 0 ? " " : "") + missing[i];
    state.SetLabel("without a draft: " + label);
}

void BM_DraftFifty(benchmark::State& state) {
    qbrx::ScriptedPrompter prompter;
    qbrx::SeededRandom random{7};
    qbrx::Editor ed{prompter, random};
    ed.startUp();
    if (qbrx::openPuzzle(ed, QBRX_EXAMPLES_DIR "/fifty.dat").result.status != qbrx::FileStatus::Ok) {
        state.SkipWithError("examples/fifty.dat cannot be read");
        return;
    }
    std::vector<std::string> answers;
    for (int q = 1; q <= ed.doc.questionCount; ++q)
        answers.push_back(ed.doc.answer[static_cast<std::size_t>(q)]);
    definitions();
    int drafted = 0;
    for (auto _ : state) {
        const std::vector<std::string> drafts = qbrx::draftForEach(definitions(), answers, {});
        drafted = 0;
        for (const std::string& d : drafts) drafted += d.empty() ? 0 : 1;
    }
    state.counters["answers"] = static_cast<double>(answers.size());
    state.counters["drafted"] = drafted;
}

}  // namespace

BENCHMARK(BM_LoadDefinitions)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Coverage)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_DraftFifty)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
