// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the bundled dictionary (count.dic, words.dic and level.dic)
// against the floor of reading words.dic line by line, and a Limited Next 10
// that scans the whole word list.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "dictionary.h"
#include "scriptedprompter.h"
#include "wordsearch.h"

namespace {

void BM_LoadDictionary(benchmark::State& state) {
    for (auto _ : state) {
        qbrx::Dictionary dict;
        dict.loadCountIndex(QBRX_DATA_DIR);
        dict.loadWordList(QBRX_DATA_DIR);
        dict.loadLevels(QBRX_DATA_DIR);
        benchmark::DoNotOptimize(dict.loadedWords());
        benchmark::DoNotOptimize(dict.hasLevels());
    }
}
BENCHMARK(BM_LoadDictionary)->Unit(benchmark::kMillisecond);

// The floor: every line of words.dic read into one reused string.
void BM_GetlineFloor(benchmark::State& state) {
    std::string line;
    for (auto _ : state) {
        std::ifstream in(std::string(QBRX_DATA_DIR) + "/words.dic", std::ios::binary);
        std::size_t lines = 0;
        while (std::getline(in, line)) ++lines;
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_GetlineFloor)->Unit(benchmark::kMillisecond);

// Next 10 in Limited mode from the top of the list with an empty edit box
// and a stock that no word fits: the scan runs to its end position.
void BM_LimitedNextTenFullScan(benchmark::State& state) {
    qbrx::Dictionary dict;
    dict.loadCountIndex(QBRX_DATA_DIR);
    dict.loadWordList(QBRX_DATA_DIR);
    qbrx::Document doc;
    doc.lettersLeft = "0123456789";
    doc.currentQuestion = 1;
    qbrx::ScriptedPrompter prompter;
    qbrx::WordSearch search(dict, doc, prompter);
    for (auto _ : state) {
        search.resumePosition = 1;
        search.txtDict.clear();
        search.listNextTen();
        benchmark::DoNotOptimize(search.lstDict.size());
    }
    if (!search.lstDict.empty()) state.SkipWithError("a word was listed");
}
BENCHMARK(BM_LimitedNextTenFullScan)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
