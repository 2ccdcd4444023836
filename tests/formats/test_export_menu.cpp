// SPDX-License-Identifier: GPL-3.0-or-later
// File > Export... in the main window, all of it in one place: where it
// sits, its key, when it is usable, its dialog, the formats it offers and
// the names that ask for them, that it writes the format the chosen name
// asks for, on the paper Print uses, and that it keeps a file it may not
// replace.
#include <QPrinter>
#include <filesystem>
#include <fstream>

#include "documentcommands.h"
#include "export.h"
#include "exportcommand.h"
#include "formats.h"
#include "mainwindowfixture.h"

using namespace qbrx;

class TestExportMenu : public QObject, test::MainWindowFixture {
    Q_OBJECT

    std::string path(const char* name) const { return pathFor(QString::fromLatin1(name)); }

private slots:
    void init() { QVERIFY(start()); }
    void cleanup() { form.reset(); }

    void exportFromTheFileMenu() {
        const QList<QAction*> file = form->mnuFile->actions();
        QCOMPARE(file.indexOf(form->mnuExport), file.indexOf(form->mnuPrintkey) + 1);
        QVERIFY(!form->mnuExport->shortcut().isEmpty());
        QVERIFY(!form->mnuExport->isEnabled());  // nothing registered yet
        // File > Open and Save As offer ipuz beside the data file.
        QVERIFY(documentOpenFilter().find("ipuz Files (*.ipuz)|*.ipuz") != std::string::npos);
        QVERIFY(documentSaveFilter().find("ipuz Files (*.ipuz)|*.ipuz") != std::string::npos);
        registerQuote(QStringLiteral("Less is more."));
        QVERIFY(form->mnuExport->isEnabled());

        form->printer().setPageSize(QPageSize(QPageSize::A4));  // the PDF takes Print Setup's paper
        prompter->files = {path("week.ipuz"), path("week"), path("missing/week.jpz")};
        for (int i = 0; i < 4; ++i) form->mnuExport->trigger();  // the fourth is cancelled
        QCOMPARE(prompter->saveRequests.at(0).filter, std::string(kExportFilter));
        // Its dialog is titled for what it does, not "Save As".
        QCOMPARE(prompter->saveRequests.at(0).title, std::string("Export"));
        QCOMPARE(prompter->saveRequests.at(2).initialName, path("week.pdf"));
        QVERIFY(test::fileContents(path("week.ipuz")).find("\"http://ipuz.org/acrostic#1\"") !=
                std::string::npos);
        QCOMPARE(test::fileContents(path("week.pdf")).substr(0, 5), std::string("%PDF-"));
        QVERIFY(test::fileContents(path("week.pdf")).find("/MediaBox [0 0 595") != std::string::npos);
        QCOMPARE(prompter->messages.size(), std::size_t{1});  // the write into a missing folder
        QVERIFY(prompter->messages[0].text.find(path("missing/week.jpz")) != std::string::npos);
    }

    // The formats, their entries in the dialog and the extensions that ask
    // for them, in any case; a name without one is given the chosen format's.
    void exportFormatsAndTheirNames() {
        QCOMPARE(
            kExportFilter,
            std::string("PDF (*.pdf)|*.pdf|ipuz (*.ipuz)|*.ipuz|JPZ (*.jpz)|*.jpz|Web page (*.html)|*.html"));
        QCOMPARE(exportFilterIndex(Format::Html), 4);
        QVERIFY(exportFormatOfName("week.PDF") == Format::Pdf);
        QVERIFY(exportFormatOfName("week.Ipuz") == Format::Ipuz);
        QVERIFY(exportFormatOfName("week.jpz") == Format::Jpz);
        QVERIFY(exportFormatOfName("week.HTML") == Format::Html);
        QVERIFY(exportFormatOfName("week.htm") == Format::Html);
        QVERIFY(!exportFormatOfName("week.dat"));
        QCOMPARE(withExportExtension("week", Format::Html), std::string("week.html"));
        QCOMPARE(withExportExtension("week.htm", Format::Html), std::string("week.htm"));
    }

    // Export keeps a read-only file as Save does.
    void exportOverReadOnlyFileIsRefused() {
        registerQuote(QStringLiteral("Less is more."));
        std::ofstream(path("week.jpz")) << "<x/>";
        std::filesystem::permissions(path("week.jpz"), std::filesystem::perms::owner_read);
        prompter->files = {path("week.jpz")};
        form->mnuExport->trigger();
        QCOMPARE(test::fileContents(path("week.jpz")), std::string("<x/>"));
    }

    void exportAWebPage() {
        registerQuote(QStringLiteral("Less is more."));
        accept(QStringLiteral("Fewer"), QStringLiteral("less"));  // the crostic is now "L"
        QTest::mouseClick(form->optCrosticOff, Qt::LeftButton);

        // Asked whether to offer reveals: No leaves them out, Cancel writes nothing.
        prompter->files = {path("week.html"), path("cancelled.html")};
        prompter->replies = {Reply::No, Reply::Cancel};
        form->mnuExport->trigger();
        form->mnuExport->trigger();
        QCOMPARE(prompter->messages.size(), std::size_t{2});
        QCOMPARE(prompter->messages[0].text, std::string(kRevealQuestion));
        QCOMPARE(prompter->messages[0].buttons, Buttons::YesNoCancel);
        const std::string text = test::fileContents(path("week.html"));
        QVERIFY(text.find("<body data-state=\"solving\">") != std::string::npos);
        QVERIFY(text.find("\"reveal\":false") != std::string::npos);
        QVERIFY(text.find("\"crostic\":null") != std::string::npos);  // as the window's crostic option says
        QVERIFY(!std::filesystem::exists(path("cancelled.html")));
    }
};

QTEST_MAIN(TestExportMenu)
#include "test_export_menu.moc"
