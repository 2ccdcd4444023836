// File > Export... in the main window: where it sits, when it is usable, and
// that it writes the format the chosen name asks for.
#include <QtTest>
#include <QtWidgets>

#include "documentcommands.h"
#include "export.h"
#include "mainform.h"
#include "scriptedprompter.h"

using namespace qbrx;

// The main window after start-up, answered by a script.
struct Window {
    ScriptedPrompter prompter;
    ScriptedRandom random{{0.0}};
    Dictionary dictionary;
    Mainform form{prompter, random, dictionary};
    Window() { form.startUp(); }
};

class TestExportMenu : public QObject {
    Q_OBJECT

private slots:
    void exportFromTheFileMenu() {
        Window window;
        ScriptedPrompter& prompter = window.prompter;
        Mainform& form = window.form;

        const QList<QAction*> file = form.mnuFile->actions();
        QCOMPARE(file.indexOf(form.mnuExport), file.indexOf(form.mnuPrintkey) + 1);
        QVERIFY(!form.mnuExport->isEnabled());  // nothing registered yet
        // File > Open and Save As offer ipuz beside the data file.
        QVERIFY(documentOpenFilter().find("ipuz Files (*.ipuz)|*.ipuz") != std::string::npos);
        QVERIFY(documentSaveFilter().find("ipuz Files (*.ipuz)|*.ipuz") != std::string::npos);
        form.txtQuote->setPlainText(QStringLiteral("Less is more."));
        QTest::mouseClick(form.cmdRegister, Qt::LeftButton);
        QVERIFY(form.mnuExport->isEnabled());

        QTemporaryDir dir;
        auto path = [&dir](const char* name) { return dir.filePath(name).toStdString(); };
        prompter.files = {path("week.ipuz"), path("week"), path("missing/week.jpz")};
        for (int i = 0; i < 4; ++i) form.mnuExport->trigger();  // the fourth is cancelled
        QCOMPARE(prompter.saveRequests.at(0).filter, std::string(kExportFilter));
        QCOMPARE(prompter.saveRequests.at(2).initialName, path("week.pdf"));
        QFile ipuz(dir.filePath("week.ipuz")), pdf(dir.filePath("week.pdf"));
        QVERIFY(ipuz.open(QIODevice::ReadOnly) && ipuz.read(200).contains("\"http://ipuz.org/acrostic#1\""));
        QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-");
        QCOMPARE(prompter.messages.size(), std::size_t{1});  // the write into a missing folder
        QVERIFY(prompter.messages[0].text.find(path("missing/week.jpz")) != std::string::npos);
    }

    void exportAWebPage() {
        Window window;
        ScriptedPrompter& prompter = window.prompter;
        Mainform& form = window.form;
        form.txtQuote->setPlainText(QStringLiteral("Less is more."));
        QTest::mouseClick(form.cmdRegister, Qt::LeftButton);
        form.txtQuestion->setText(QStringLiteral("Fewer"));
        form.txtAnswer->setText(QStringLiteral("less"));
        QTest::mouseClick(form.cmdAccept, Qt::LeftButton);  // the crostic is now "L"
        QTest::mouseClick(form.optCrosticOff, Qt::LeftButton);

        // Asked whether to offer reveals: No leaves them out, Cancel writes nothing.
        QTemporaryDir dir;
        prompter.files = {dir.filePath("week.html").toStdString(), dir.filePath("cancelled.html").toStdString()};
        prompter.replies = {Reply::No, Reply::Cancel};
        form.mnuExport->trigger();
        form.mnuExport->trigger();
        QCOMPARE(prompter.messages.size(), std::size_t{2});
        QCOMPARE(prompter.messages[0].text, std::string(kRevealQuestion));
        QCOMPARE(prompter.messages[0].buttons, Buttons::YesNoCancel);
        QFile page(dir.filePath("week.html"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QByteArray text = page.readAll();
        QVERIFY(text.contains("<body data-state=\"solving\">"));
        QVERIFY(text.contains("\"reveal\":false"));
        QVERIFY(text.contains("\"crostic\":null"));  // as the window's crostic option says
        QVERIFY(!QFile::exists(dir.filePath("cancelled.html")));
    }
};

QTEST_MAIN(TestExportMenu)
#include "test_export_menu.moc"
