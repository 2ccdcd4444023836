// SPDX-License-Identifier: GPL-3.0-or-later
// Print, Print Preview and Export from the window: the warning about
// questions not written yet, the paper the window starts with, and the
// preview on a small screen and a doubled one (two offscreen screens set up
// in main() below), its pages named for a screen reader.
#include <QAccessible>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include "mainwindowfixture.h"
#include "printing.h"
#include "printpreview.h"

using namespace qbrx;

class TestPrintCommands : public QObject, test::MainWindowFixture {
    Q_OBJECT

private slots:
    // Fifty questions: the preview shows the puzzle's two pages and the key's two.
    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(start());
        form->openFile(QBRX_DATA_DIR "/../examples/fifty.dat");
        QCOMPARE(form->editor().doc.questionCount, 50);
    }
    void cleanup() { form.reset(); }

    // A question Suggest Answers wrote and an empty one are named before
    // the page goes out; Cancel stops Print, Print Preview and Export. The
    // window's printer starts on the locale's paper.
    void unwrittenQuestionsAreNamedBeforePrintingOnTheLocalesPaper() {
        QCOMPARE(printerPaper(form->printer()), Paper::Letter);
        Document& doc = form->editor().doc;
        doc.question[2] = "Question for [bat]";
        doc.question[28] = "";
        for (QAction* command : {form->mnuPrint, form->mnuPrintPreview, form->mnuExport}) {
            prompter->messages.clear();
            prompter->replies = {Reply::Cancel};
            command->trigger();
            QCOMPARE(prompter->messages.size(), size_t(1));
            const std::string& text = prompter->messages[0].text;
            QVERIFY(text.find("Empty: BB") != std::string::npos);
            QVERIFY(text.find("\"Question for [...]\": B") != std::string::npos);
        }
        QCOMPARE(prompter->printDialogs, 0);
        QVERIFY(prompter->saveRequests.empty());
        QVERIFY(!form->findChild<PrintPreview*>());
        prompter->replies = {Reply::Ok};  // go on: the print dialog follows
        form->mnuPrint->trigger();
        QCOMPARE(prompter->printDialogs, 1);

        form.reset();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(start());
        QCOMPARE(printerPaper(form->printer()), Paper::A4);
    }

    // On each screen the preview, its Close button and its page are in the
    // available area; the counter follows the pages to the key's last, and
    // Print asks for the print dialog. The header dialog, another dialog of
    // the window, is not taken for the preview.
    void previewFitsTheScreenAndCountsEveryPage() {
        QVERIFY(form->optionsDialog());
        for (QScreen* screen : QGuiApplication::screens()) {
            const QRect area = screen->availableGeometry();
            QVERIFY2(area.height() < 900, "the screens are set up in main()");
            form->setGeometry(area.adjusted(0, 0, -100, -100));
            form->mnuPrintPreview->trigger();
            auto* preview = form->findChild<PrintPreview*>();
            QVERIFY(preview);
            QVERIFY(QTest::qWaitForWindowExposed(preview));
            QCOMPARE(preview->screen(), screen);
            QVERIFY(area.contains(preview->frameGeometry()));
            QVERIFY(
                !QAccessible::queryAccessibleInterface(preview->view())->text(QAccessible::Name).isEmpty());
            auto* close = preview->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close);
            for (QWidget* part : {static_cast<QWidget*>(close), static_cast<QWidget*>(preview->view())})
                QVERIFY(area.contains(QRect(part->mapToGlobal(QPoint(0, 0)), part->size())));

            QAction* next = nullptr;
            for (QAction* action : preview->findChildren<QAction*>())
                if (action->text() == QStringLiteral("Next Page")) next = action;
            QVERIFY(next);
            for (int page = 1; page < 4; ++page) next->trigger();
            auto* counter = preview->findChildren<QLabel*>().back();
            QCOMPARE(counter->text().trimmed(), QStringLiteral("Page 4 of 4"));
            QTest::mouseClick(preview->printButton(), Qt::LeftButton);
            preview->close();
            delete preview;
        }
        QCOMPARE(prompter->printDialogs, 2);
    }
};

// Two screens of 1024x768, the second at twice the scale (512x384 to the
// program), each window framed as a window manager frames it.
int main(int argc, char** argv) {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write(R"({"windowFrameMargins": true, "screens": [
        {"name": "small", "x": 0, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96},
        {"name": "doubled", "x": 1024, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
    qputenv("QT_SCREEN_SCALE_FACTORS", "small=1;doubled=2");
    QApplication app(argc, argv);
    TestPrintCommands test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_printcommands.moc"
