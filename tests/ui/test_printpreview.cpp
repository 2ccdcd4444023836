// File > Print Preview...: the puzzle's pages followed by the key's, laid
// out on the printer's paper.
#include <QtTest>
#include <QtWidgets>

#include <QPrintPreviewWidget>
#include <QPrinter>

#include <string>

#include "document.h"
#include "printpreview.h"

using namespace qbrx;

namespace {

Document puzzle(int questions) {
    Document doc;
    doc.quotation = doc.letterPool = std::string(255, 'Q');  // the tallest grid
    doc.quoteLength = 255;
    doc.questionCount = questions;
    for (int q = 1; q <= questions; ++q) {
        const auto i = static_cast<std::size_t>(q);
        doc.question[i] = "Question number " + std::to_string(q) + " for the class";
        doc.answer[i] = doc.answerMarks[i] = "answer";
    }
    return doc;
}

}  // namespace

class TestPrintPreview : public QObject {
    Q_OBJECT
private slots:
    void showsThePuzzleAndTheKey() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);  // no printer needed
        struct Case {
            int questions, pages;
        };
        // Ten questions fit one page each; fifty take two each.
        for (const Case& c : {Case{10, 2}, Case{50, 4}}) {
            PrintPreview preview(printer, puzzle(c.questions), false);
            preview.view()->updatePreview();
            QCOMPARE(preview.pageCount(), c.pages);
        }
    }
};

QTEST_MAIN(TestPrintPreview)
#include "test_printpreview.moc"
