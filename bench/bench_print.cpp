// Printing a full page to PDF: a 255-character quotation and fifty
// questions laid out on the printer surface and written by QPrinter's PDF
// engine, one page (the puzzle) and both pages (puzzle and key).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPageSize>
#include <QPrinter>

#include <cstdio>
#include <filesystem>
#include <string>

#include "editor.h"
#include "printing.h"
#include "scriptedprompter.h"

namespace {

// A puzzle with every part of the page: header, 255-character grid, fifty
// questions (some of two lines), crostic.
const qbrx::Document& fullPuzzle() {
    static qbrx::ScriptedPrompter prompter;
    static qbrx::SeededRandom random(2024);
    static qbrx::Editor ed = [] {
        qbrx::Editor e(prompter, random);
        e.startUp();
        std::string quote;
        const std::string words =
            "Whatever you can do, or dream you can do, begin it. Boldness has genius, power and magic in it. ";
        while (quote.size() < 255) quote += words;
        quote.resize(255);
        e.view.quoteBox = quote;
        e.registerButton();
        const char* answers[] = {"dream", "boldness", "genius", "power", "magic", "whatever"};
        for (int i = 0; i < 50; ++i) {
            e.view.questionBox = "Clue number " + std::to_string(i + 1) +
                                 (i % 3 == 0 ? ", which runs on long enough to need a second line of text" : "");
            e.view.answerBox = answers[i % 6];
            e.acceptButton();
        }
        e.doc.header.title = "Benchmark Puzzle";
        e.doc.header.titleGiven = true;
        e.doc.header.nameLine = e.doc.header.periodDateLine = e.doc.header.miniInstructions = true;
        return e;
    }();
    return ed.doc;
}

std::string tempPdf() { return (std::filesystem::temp_directory_path() / "qbrx_bench_print.pdf").string(); }

void BM_PrintPagePdf(benchmark::State& state) {
    const qbrx::Document& doc = fullPuzzle();
    if (doc.questionCount != 50) state.SkipWithError("puzzle not filled");
    const std::string path = tempPdf();
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(path));
        printer.setPageSize(QPageSize(QPageSize::Letter));
        qbrx::preparePrinter(printer);
        // Fifty questions do not fit one page: the layout still prints
        // them all, past the bottom, unless a coordinate leaves 16 bits.
        if (!qbrx::printPage(doc, true, false, printer)) state.SkipWithError("page abandoned");
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_PrintPagePdf)->Unit(benchmark::kMillisecond);

void BM_WritePdfPuzzleAndKey(benchmark::State& state) {
    const qbrx::Document& doc = fullPuzzle();
    const std::string path = tempPdf();
    for (auto _ : state)
        if (!qbrx::writePdf(doc, true, path)) state.SkipWithError("pages abandoned");
    std::remove(path.c_str());
}
BENCHMARK(BM_WritePdfPuzzleAndKey)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
