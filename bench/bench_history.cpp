// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and Redo on the largest puzzle (a 255-character quotation, fifty
// answers), and the memory a history of a thousand steps takes.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <chrono>
#include <random>
#include <string>

#include "editor.h"
#include "scriptedprompter.h"

namespace {

const char* const kAnswers[] = {"greatness", "wonderful", "loveliest", "tranquil",
                                "adventure", "doorway",   "kettle"};

struct FullPuzzle {
    qbrx::ScriptedPrompter prompter;
    qbrx::SeededRandom random{12345};
    qbrx::Editor ed{prompter, random};

    FullPuzzle() {
        ed.history.enabled = true;
        ed.startUp();
        std::string quote;
        while (quote.size() < 255)
            quote += "The only way to do great work is to love what you do, and never settle. ";
        quote.resize(255);
        ed.view.quoteBox = quote;
        ed.registerButton();
        ed.history.commit(ed);
        for (int i = 0; i < qbrx::kMaxSlots; ++i)
            accept("Question " + std::to_string(i + 1), kAnswers[i % 7]);
    }
    void accept(const std::string& question, const std::string& answer) {
        ed.view.questionBox = question;
        ed.view.answerBox = answer;
        ed.acceptButton();
        ed.history.commit(ed);
    }
    // One of the operations an author does most, at random.
    void someStep(std::mt19937& rng) {
        const int row = std::uniform_int_distribution<int>(0, ed.doc.questionCount - 1)(rng);
        ed.selectListRow(row);
        switch (std::uniform_int_distribution<int>(0, 3)(rng)) {
            case 0:
                accept("Rewritten question", kAnswers[row % 7]);  // an edited slot: everything re-encoded
                break;
            case 1:
                ed.moveQuestion(row == 0 ? 1 : -1);
                ed.history.commit(ed);
                break;
            case 2:
                ed.deleteFromPopup();
                ed.history.commit(ed);
                ed.selectListRow(ed.doc.questionCount);
                accept("Another question", kAnswers[(row + 3) % 7]);
                break;
            default:
                ed.registerButton();
                ed.history.commit(ed);
                break;
        }
    }
};

// Deleting a question re-encodes every answer: the largest step there is.
void deleteOneQuestion(FullPuzzle& p) {
    p.ed.selectListRow(20);
    p.ed.deleteFromPopup();
    p.ed.history.commit(p.ed);
}

template <bool Redo>
void undoOrRedo(benchmark::State& state) {
    FullPuzzle p;
    deleteOneQuestion(p);
    for (auto _ : state) {
        if (Redo) p.ed.history.undo(p.ed);
        const auto start = std::chrono::steady_clock::now();
        Redo ? p.ed.history.redo(p.ed) : p.ed.history.undo(p.ed);
        const auto stop = std::chrono::steady_clock::now();
        if (!Redo) p.ed.history.redo(p.ed);
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    }
    if (p.ed.doc.questionCount != qbrx::kMaxSlots - 1) state.SkipWithError("the step did not come back");
}

void BM_UndoDeleteQuestion(benchmark::State& state) { undoOrRedo<false>(state); }
void BM_RedoDeleteQuestion(benchmark::State& state) { undoOrRedo<true>(state); }
BENCHMARK(BM_UndoDeleteQuestion)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RedoDeleteQuestion)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A step as the window records it: the commits before and after.
void BM_RecordDeleteQuestion(benchmark::State& state) {
    FullPuzzle p;
    for (auto _ : state) {
        deleteOneQuestion(p);
        state.PauseTiming();
        p.ed.history.undo(p.ed);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RecordDeleteQuestion)->Unit(benchmark::kMicrosecond);

// Heap taken by 1,000 steps of edits, moves, deletions and registrations.
void BM_ThousandStepHistory(benchmark::State& state) {
    for (auto _ : state) {
        FullPuzzle p;
        std::mt19937 rng(7);
        const std::size_t heapBefore = mallinfo2().uordblks;
        const std::size_t stepsBefore = p.ed.history.size();
        while (p.ed.history.size() < stepsBefore + 1000) p.someStep(rng);
        state.counters["heap_MB"] = static_cast<double>(mallinfo2().uordblks - heapBefore) / 1e6;
        state.counters["estimate_MB"] = static_cast<double>(p.ed.history.memoryBytes()) / 1e6;
        state.counters["steps"] = static_cast<double>(p.ed.history.size() - stepsBefore);
    }
}
BENCHMARK(BM_ThousandStepHistory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
