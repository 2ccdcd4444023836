// Where the window's features meet: the file formats, the file commands and
// the windows that show their results.
#include <QPrintPreviewWidget>
#include <QPrinter>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "commandline.h"
#include "mainformfixture.h"
#include "printpreview.h"

using namespace qbrx;

namespace {

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

}  // namespace

class TestCrossFeature : public QObject, test::MainformFixture {
    Q_OBJECT

private slots:
    // A main window with a registered quotation and unsaved changes.
    void init() {
        QVERIFY(start());
        registerQuote(QStringLiteral("Less is more."));
    }
    void cleanup() { form.reset(); }

    // An ipuz file is saved as safely as a data file: a read-only one is
    // refused and kept, and Quit waits for a save that did not happen.
    void readOnlyIpuzIsRefusedAndKept() {
        const std::string path = pathFor(QStringLiteral("week.ipuz"));
        std::ofstream(path) << "{}";
        std::filesystem::permissions(path, std::filesystem::perms::owner_read);

        prompter->replies = {Reply::Yes, Reply::Ok};
        prompter->files = {path};
        form->mnuQuit->trigger();
        QCOMPARE(contents(path), std::string("{}"));
        QVERIFY(form->isVisible());
    }

    // Changes given up at Open are not the opened file's: its title has no mark.
    void fileOpenedOverDiscardedChangesIsUnchanged() {
        prompter->replies = {Reply::No};
        prompter->files = {std::string(QBRX_DATA_DIR "/../examples/walden.dat")};
        form->mnuOpen->trigger();
        QCOMPARE(form->windowTitle(), QStringLiteral("Quotabrix \u2013 walden.dat"));
    }

    // A named pipe called .ipuz is there, but is no file to open.
    void pipeNamedIpuzIsNotCalledMissing() {
        const std::string path = pathFor(QStringLiteral("week.ipuz"));
        QVERIFY(::mkfifo(path.c_str(), 0600) == 0);

        form->openFile(path);
        QVERIFY(prompter->texts().back().find("not a regular file") != std::string::npos);
    }

    // The print preview's pages are named for a screen reader. The header
    // dialog, another dialog of the window, is not taken for the preview.
    void previewPagesHaveAName() {
        QVERIFY(form->optionsDialog());
        form->mnuPrintPreview->trigger();
        auto* preview = form->findChild<PrintPreview*>();
        QVERIFY(preview);
        QVERIFY(!QAccessible::queryAccessibleInterface(preview->view())->text(QAccessible::Name).isEmpty());
    }

    // --fill, like Save As, writes an ipuz file when the name asks for one.
    void fillNamedIpuzWritesIpuz() {
        const std::string out = pathFor(QStringLiteral("filled.ipuz"));
        CommandLine cl = parseCommandLine({"--fill", out, "--seed", "1", QBRX_DATA_DIR "/../examples/walden.dat"},
                                          "quotabrix");
        cl.dictionaryFolder = QBRX_DATA_DIR;
        std::ostringstream said;
        runCommandLine(cl, said, said);
        QVERIFY(contents(out).find("http://ipuz.org/acrostic#1") != std::string::npos);
    }

    // Export keeps a read-only file as Save does.
    void exportOverReadOnlyFileIsRefused() {
        const std::string path = pathFor(QStringLiteral("week.jpz"));
        std::ofstream(path) << "<x/>";
        std::filesystem::permissions(path, std::filesystem::perms::owner_read);

        prompter->files = {path};
        form->mnuExport->trigger();
        QCOMPARE(contents(path), std::string("<x/>"));
    }

    // Export's file dialog is titled for what it does, not "Save As".
    void exportDialogIsTitledExport() {
        form->mnuExport->trigger();
        QCOMPARE(prompter->saveRequests.size(), size_t(1));
        QCOMPARE(prompter->saveRequests[0].title, std::string("Export"));
    }

    // Export writes the PDF on the paper that Print Setup chose.
    void exportedPdfTakesThePrintersPaper() {
        const std::string path = pathFor(QStringLiteral("week.pdf"));
        form->printer().setPageSize(QPageSize(QPageSize::A4));

        prompter->files = {path};
        form->mnuExport->trigger();
        QVERIFY(contents(path).find("/MediaBox [0 0 595") != std::string::npos);
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

QTEST_MAIN(TestCrossFeature)
#include "test_crossfeature.moc"
