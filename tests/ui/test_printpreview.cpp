// The print preview: the puzzle's pages and the key's, named for a screen
// reader.
#include <QPrintPreviewWidget>
#include <QPrinter>

#include "mainformfixture.h"
#include "printpreview.h"

using namespace qbrx;

class TestPrintPreview : public QObject, test::MainformFixture {
    Q_OBJECT

private slots:
    // The print preview's pages are named for a screen reader. The header
    // dialog, another dialog of the window, is not taken for the preview.
    void previewPagesHaveAName() {
        QVERIFY(start());
        registerQuote(QStringLiteral("Less is more."));
        QVERIFY(form->optionsDialog());
        form->mnuPrintPreview->trigger();
        auto* preview = form->findChild<PrintPreview*>();
        QVERIFY(preview);
        QVERIFY(!QAccessible::queryAccessibleInterface(preview->view())->text(QAccessible::Name).isEmpty());
    }

    // Ten questions under the tallest grid fit one page each; fifty take two.
    void previewShowsThePuzzleAndTheKey() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);  // no printer needed
        Document doc;
        doc.quotation = doc.letterPool = std::string(255, 'Q');
        doc.quoteLength = 255;
        for (std::size_t q = 1; q <= 50; ++q) {
            doc.question[q] = "Question for the class";
            doc.answer[q] = doc.answerMarks[q] = "answer";
        }
        for (auto [questions, pages] : {std::pair{10, 2}, std::pair{50, 4}}) {
            doc.questionCount = questions;
            PrintPreview preview(printer, doc, PrintOptions{});
            preview.view()->updatePreview();
            QCOMPARE(preview.pageCount(), pages);
        }
    }
};

QTEST_MAIN(TestPrintPreview)
#include "test_printpreview.moc"
