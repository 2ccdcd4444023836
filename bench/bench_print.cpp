// SPDX-License-Identifier: GPL-3.0-or-later
// Printing to PDF: a 255-character quotation with twenty questions (one
// page) and with fifty (the questions continue on a second page), laid out
// on the printer surface and written by QPrinter's PDF engine; and the
// fifty-question puzzle with its key.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPageSize>
#include <QPrinter>
#include <cstdio>
#include <filesystem>
#include <string>

#include "editor.h"
#include "printing.h"
#include "qtprintsurface.h"
#include "scriptedprompter.h"

namespace {

// A puzzle with every part of the page: header, 255-character grid,
// `questions` questions (some of two lines), crostic.
qbrx::Editor makePuzzle(int questions) {
    static qbrx::ScriptedPrompter prompter;
    static qbrx::SeededRandom random(2024);
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
    for (int i = 0; i < questions; ++i) {
        e.view.questionBox = "Clue number " + std::to_string(i + 1) +
                             (i % 3 == 0 ? ", which runs on long enough to need a second line of text" : "");
        e.view.answerBox = answers[i % 6];
        e.acceptButton();
    }
    e.doc.header.title = "Benchmark Puzzle";
    e.doc.header.titleGiven = true;
    e.doc.header.nameLine = e.doc.header.periodDateLine = e.doc.header.miniInstructions = true;
    return e;
}

const qbrx::Document& fullPuzzle() {
    static const qbrx::Editor ed = makePuzzle(50);
    return ed.doc;
}

const qbrx::Document& onePagePuzzle() {
    static const qbrx::Editor ed = makePuzzle(20);
    return ed.doc;
}

// Pages the puzzle takes on `printer`.
int pagesOf(const qbrx::Document& doc, QPrinter& printer) {
    const qbrx::PageValues page = qbrx::printerPageValues(printer);
    qbrx::QtPrintSurface surface(printer, page.pageWidth, page.pageHeight);
    qbrx::PagePrinter layout(doc, surface, page, {false, true});
    return layout.printDoc() ? surface.pageCount() : 0;
}

std::string tempPdf() { return (std::filesystem::temp_directory_path() / "qbrx_bench_print.pdf").string(); }

void printPuzzle(benchmark::State& state, const qbrx::Document& doc, int pages) {
    const std::string path = tempPdf();
    auto letterPdf = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(path));
        printer.setPageSize(QPageSize(QPageSize::Letter));
        qbrx::preparePrinter(printer);
    };
    {
        QPrinter printer(QPrinter::HighResolution);
        letterPdf(printer);
        if (pagesOf(doc, printer) != pages) state.SkipWithError("not the expected number of pages");
    }
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        letterPdf(printer);
        if (!qbrx::printPage(doc, {false, true}, printer)) state.SkipWithError("page abandoned");
    }
    std::remove(path.c_str());
}

void BM_PrintOnePagePdf(benchmark::State& state) { printPuzzle(state, onePagePuzzle(), 1); }
BENCHMARK(BM_PrintOnePagePdf)->Unit(benchmark::kMillisecond);

void BM_PrintTwoPagesPdf(benchmark::State& state) { printPuzzle(state, fullPuzzle(), 2); }
BENCHMARK(BM_PrintTwoPagesPdf)->Unit(benchmark::kMillisecond);

void BM_WritePdfPuzzleAndKey(benchmark::State& state) {
    const qbrx::Document& doc = fullPuzzle();
    const std::string path = tempPdf();
    for (auto _ : state)
        if (!qbrx::writePdf(doc, {false, true}, path, nullptr, qbrx::Paper::Letter))
            state.SkipWithError("pages abandoned");
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
