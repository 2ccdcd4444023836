// SPDX-License-Identifier: GPL-3.0-or-later
// A saved puzzle keeps its key: the letter numbers and the Crostic setting
// survive Save and Open, so the key printed after reopening, from the window
// or with --pdf, is the one printed before saving.
#include <QtTest>
#include <QtWidgets>
#include <sstream>

#include "commandline.h"
#include "mainwindow.h"
#include "scriptedprompter.h"

using namespace qbrx;

namespace {

// The text of the PDF's second page (the key of a one-page puzzle).
QString keyText(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-f"), QStringLiteral("2"), QStringLiteral("-l"), QStringLiteral("2"),
             QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

class TestKeptNumbers : public QObject {
    Q_OBJECT

private slots:
    void keyAfterReopeningIsTheKeyPrintedBeforeSaving() {
        QTemporaryDir dir;
        auto path = [&dir](const char* name) { return dir.filePath(QLatin1String(name)); };
        Dictionary dictionary;
        {
            ScriptedPrompter prompter;
            ScriptedRandom random({0.37, 0.81, 0.05, 0.66, 0.23});
            MainWindow form(prompter, random, dictionary);
            form.startUp();
            form.txtQuote->setPlainText(QStringLiteral("Less is more, said the architect of glass towers."));
            QTest::mouseClick(form.cmdRegister, Qt::LeftButton);
            for (const auto& [question, answer] :
                 {std::pair{"Fewer", "less"}, {"Spoke", "said"}, {"Shine", "gleam"}}) {
                form.txtQuestion->setText(QLatin1String(question));
                form.txtAnswer->setText(QLatin1String(answer));
                QTest::mouseClick(form.cmdAccept, Qt::LeftButton);
            }
            form.optCrosticOn->click();
            prompter.files = {path("before.pdf").toStdString(), path("week.dat").toStdString()};
            form.mnuExport->trigger();
            form.mnuSaveAs->trigger();
            QVERIFY(prompter.messages.empty());
        }
        {
            ScriptedPrompter prompter;
            ScriptedRandom random({0.9, 0.12, 0.55});  // other draws than the first session's
            MainWindow form(prompter, random, dictionary);
            form.startUp();
            prompter.files = {path("week.dat").toStdString(), path("window.pdf").toStdString()};
            form.mnuOpen->trigger();
            QVERIFY(form.optCrosticOn->isChecked());
            form.mnuExport->trigger();
        }
        std::ostringstream out, err;
        const CommandLine cl = parseCommandLine(
            {"--pdf", path("cli.pdf").toStdString(), "--seed", "11", path("week.dat").toStdString()});
        QCOMPARE(runCommandLine(cl, out, err), 0);

        const QString before = keyText(path("before.pdf"));
        QVERIFY(before.contains(QLatin1String("Shine")));  // the key of the puzzle built above
        QCOMPARE(keyText(path("window.pdf")), before);
        QCOMPARE(keyText(path("cli.pdf")), before);
    }
};

QTEST_MAIN(TestKeptNumbers)
#include "test_keptnumbers.moc"
