// File > Export... in the main window: where it sits, when it is usable, and
// that it writes the format the chosen name asks for.
#include <QtTest>
#include <QtWidgets>

#include "documentcommands.h"
#include "export.h"
#include "mainform.h"
#include "scriptedprompter.h"

using namespace qbrx;

class TestExportMenu : public QObject {
    Q_OBJECT

private slots:
    void exportFromTheFileMenu() {
        ScriptedPrompter prompter;
        ScriptedRandom random({0.0});
        Dictionary dictionary;
        Mainform form(prompter, random, dictionary);
        form.startUp();

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
};

QTEST_MAIN(TestExportMenu)
#include "test_export_menu.moc"
