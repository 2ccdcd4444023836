// SPDX-License-Identifier: GPL-3.0-or-later
// Registration of a full quotation with fifty answers: cleaning, numbering,
// re-encoding every slot, the grid picture and the letters-left counts.
#include <benchmark/benchmark.h>

#include <string>

#include "editor.h"
#include "scriptedprompter.h"

namespace {

std::string fullQuote() {
    std::string quote;
    const std::string words =
        "The only way to do great work is to love what you do, and \"never\" settle for less. ";
    while (quote.size() < 255) quote += words;
    quote.resize(255);
    return quote;
}

// Registers the 255-character quotation over and over with `answerCount`
// answers in the puzzle; no answers is the baseline (cleaning, numbering,
// counting and the grid picture alone).
void registerWithAnswers(benchmark::State& state, int answerCount) {
    qbrx::ScriptedPrompter prompter;
    qbrx::SeededRandom random(12345);
    qbrx::Editor ed(prompter, random);
    ed.startUp();
    const std::string quote = fullQuote();
    ed.view.quoteBox = quote;
    ed.registerButton();
    const char* answers[] = {"greatness", "wonderful", "loveliest", "tranquil", "adventure"};
    for (int i = 0; i < answerCount; ++i) {
        ed.view.questionBox = "Question " + std::to_string(i + 1);
        ed.view.answerBox = answers[i % 5];
        ed.acceptButton();
    }
    if (ed.doc.questionCount != answerCount) state.SkipWithError("puzzle not filled");

    // Registering an unchanged puzzle keeps its numbers: the quotation's
    // last character alternates, so that every registration draws afresh.
    std::string edited = quote;
    edited.back() = edited.back() == 'x' ? 'y' : 'x';
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        ed.view.quoteBox = flip ? edited : quote;
        ed.registerButton();
        benchmark::DoNotOptimize(ed.doc.letterPool.data());
    }
}

void BM_RegisterQuotationOnly(benchmark::State& state) { registerWithAnswers(state, 0); }
void BM_RegisterFullPuzzle(benchmark::State& state) { registerWithAnswers(state, 50); }
BENCHMARK(BM_RegisterQuotationOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RegisterFullPuzzle)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
