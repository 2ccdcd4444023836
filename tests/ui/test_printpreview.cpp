// File > Print Preview...: the puzzle's pages followed by the key's.
#include <QtTest>

#include <QPrintPreviewWidget>
#include <QPrinter>

#include "printpreview.h"

using namespace qbrx;

class TestPrintPreview : public QObject {
    Q_OBJECT
private slots:
    // Ten questions under the tallest grid fit one page each; fifty take two.
    void showsThePuzzleAndTheKey() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);  // no printer needed
        Document doc;
        doc.quotation = doc.letterPool = std::string(255, 'Q');
        doc.quoteLength = 255;
        for (auto [questions, pages] : {std::pair{10, 2}, std::pair{50, 4}}) {
            doc.questionCount = questions;
            for (std::size_t q = 1; q <= 50; ++q) {
                doc.question[q] = "Question for the class";
                doc.answer[q] = doc.answerMarks[q] = "answer";
            }
            PrintPreview preview(printer, doc, false);
            preview.view()->updatePreview();
            QCOMPARE(preview.pageCount(), pages);
        }
    }
};

QTEST_MAIN(TestPrintPreview)
#include "test_printpreview.moc"
