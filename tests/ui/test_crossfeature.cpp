// Where the window's features meet: the file formats, the file commands and
// the windows that show their results.
#include <QtTest>
#include <QtWidgets>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "commandline.h"
#include "dictionary.h"
#include "frmoptions.h"
#include "frmsuggest.h"
#include "mainform.h"
#include "printpreview.h"
#include "qtprompter.h"
#include "random.h"
#include "scriptedprompter.h"

using namespace qbrx;

namespace {

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

}  // namespace

class TestCrossFeature : public QObject {
    Q_OBJECT

    ScriptedPrompter prompter;
    ScriptedRandom random{{0.0}};
    Dictionary dictionary;

    // A main window with a registered quotation and unsaved changes.
    std::unique_ptr<Mainform> changedWindow() {
        prompter = ScriptedPrompter{};
        auto form = std::make_unique<Mainform>(prompter, random, dictionary);
        form->startUp();
        form->show();
        form->txtQuote->setPlainText(QStringLiteral("Less is more."));
        QTest::mouseClick(form->cmdRegister, Qt::LeftButton);
        return form;
    }

private slots:
    // An ipuz file is saved as safely as a data file: a read-only one is
    // refused and kept, and Quit waits for a save that did not happen.
    void readOnlyIpuzIsRefusedAndKept() {
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("week.ipuz")).toStdString();
        std::ofstream(path) << "{}";
        std::filesystem::permissions(path, std::filesystem::perms::owner_read);
        auto form = changedWindow();

        prompter.replies = {Reply::Yes, Reply::Ok};
        prompter.files = {path};
        form->mnuQuit->trigger();
        QCOMPARE(contents(path), std::string("{}"));
        QVERIFY(form->isVisible());
    }

    // Changes given up at Open are not the opened file's: its title has no mark.
    void fileOpenedOverDiscardedChangesIsUnchanged() {
        auto form = changedWindow();
        prompter.replies = {Reply::No};
        prompter.files = {std::string(QBRX_DATA_DIR "/../examples/walden.dat")};
        form->mnuOpen->trigger();
        QCOMPARE(form->windowTitle(), QStringLiteral("Quotabrix \u2013 walden.dat"));
    }

    // A new title from the header dialog is unsaved work like any other.
    void headerChangeMarksThePuzzleChanged() {
        auto form = changedWindow();
        form->editor().doc.docChanged = false;
        form->mnuHeader->trigger();
        form->optionsDialog()->txtPuzzleTitle->setText(QStringLiteral("Week 3"));
        QTest::mouseClick(form->optionsDialog()->cmdOkay, Qt::LeftButton);
        QVERIFY(form->editor().doc.docChanged);
    }

    // A named pipe called .ipuz is there, but is no file to open.
    void pipeNamedIpuzIsNotCalledMissing() {
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("week.ipuz")).toStdString();
        QVERIFY(::mkfifo(path.c_str(), 0600) == 0);
        auto form = changedWindow();

        form->openFile(path);
        QVERIFY(prompter.texts().back().find("not a regular file") != std::string::npos);
    }

    // The print preview's pages are named for a screen reader.
    void previewPagesHaveAName() {
        auto form = changedWindow();
        form->mnuPrintPreview->trigger();
        auto* preview = form->findChild<PrintPreview*>();
        QVERIFY(preview);
        QVERIFY(!QAccessible::queryAccessibleInterface(preview->view())->text(QAccessible::Name).isEmpty());
    }

    // Suggest Answers' lists are named for a screen reader.
    void suggestListsHaveNames() {
        auto form = changedWindow();
        frmSuggest suggest(*form, dictionary);
        for (QWidget* list : {static_cast<QWidget*>(suggest.lstFills), static_cast<QWidget*>(suggest.lstSlots)})
            QVERIFY2(!QAccessible::queryAccessibleInterface(list)->text(QAccessible::Name).isEmpty(),
                     qPrintable(list->objectName()));
    }

    // --fill, like Save As, writes an ipuz file when the name asks for one.
    void fillNamedIpuzWritesIpuz() {
        QTemporaryDir dir;
        const std::string out = dir.filePath(QStringLiteral("filled.ipuz")).toStdString();
        CommandLine cl = parseCommandLine({"--fill", out, "--seed", "1", QBRX_DATA_DIR "/../examples/walden.dat"},
                                          "quotabrix");
        cl.dictionaryFolder = QBRX_DATA_DIR;
        std::ostringstream said;
        runCommandLine(cl, said, said);
        QVERIFY(contents(out).find("http://ipuz.org/acrostic#1") != std::string::npos);
    }

    // Export keeps a read-only file as Save does.
    void exportOverReadOnlyFileIsRefused() {
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("week.jpz")).toStdString();
        std::ofstream(path) << "<x/>";
        std::filesystem::permissions(path, std::filesystem::perms::owner_read);
        auto form = changedWindow();

        prompter.files = {path};
        form->mnuExport->trigger();
        QCOMPARE(contents(path), std::string("<x/>"));
    }

    // Export's file dialog is titled for what it does, not "Save As".
    void exportDialogIsTitledExport() {
        QtPrompter asking;
        Mainform exporting(asking, random, dictionary);
        asking.setParentWindow(&exporting);
        exporting.startUp();
        exporting.show();
        exporting.txtQuote->setPlainText(QStringLiteral("Less is more."));
        QTest::mouseClick(exporting.cmdRegister, Qt::LeftButton);
        QString title;
        QTimer::singleShot(0, [&title] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog) return;
            title = dialog->windowTitle();
            static_cast<QDialog*>(dialog)->reject();
        });
        exporting.mnuExport->trigger();
        QCOMPARE(title, QStringLiteral("Export"));
    }

    // Export writes the PDF on the paper that Print Setup chose.
    void exportedPdfTakesThePrintersPaper() {
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("week.pdf")).toStdString();
        auto form = changedWindow();
        form->printer().setPageSize(QPageSize(QPageSize::A4));

        prompter.files = {path};
        form->mnuExport->trigger();
        QVERIFY(contents(path).find("/MediaBox [0 0 595") != std::string::npos);
    }
};

QTEST_MAIN(TestCrossFeature)
#include "test_crossfeature.moc"
