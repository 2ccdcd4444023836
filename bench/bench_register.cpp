// Registration of a full quotation with fifty answers: cleaning, numbering,
// re-encoding every slot, the grid picture and the letters-left counts.
#include <benchmark/benchmark.h>

#include <string>

#include "editor.h"
#include "scriptedprompter.h"

namespace {

void BM_RegisterFullPuzzle(benchmark::State& state) {
    qbrx::ScriptedPrompter prompter;
    qbrx::SeededRandom random(12345);
    qbrx::Editor ed(prompter, random);
    ed.startUp();

    std::string quote;
    const std::string words =
        "The only way to do great work is to love what you do, and \"never\" settle for less. ";
    while (quote.size() < 255) quote += words;
    quote.resize(255);
    ed.view.quoteBox = quote;
    ed.registerButton();
    const char* answers[] = {"greatness", "wonderful", "loveliest", "tranquil", "adventure"};
    for (int i = 0; i < 50; ++i) {
        ed.view.questionBox = "Question " + std::to_string(i + 1);
        ed.view.answerBox = answers[i % 5];
        ed.acceptButton();
    }
    if (ed.doc.questionCount != 50) state.SkipWithError("puzzle not filled");

    for (auto _ : state) {
        ed.view.quoteBox = quote;
        ed.registerButton();
        benchmark::DoNotOptimize(ed.doc.letterPool.data());
    }
}
BENCHMARK(BM_RegisterFullPuzzle)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
