// The help topics, the help window and the three information windows.
#include <QtTest>
#include <QtWidgets>

#include "dictionary.h"
#include "frmabout.h"
#include "frmhelp.h"
#include "frmsplash.h"
#include "frmtrouble.h"
#include "helptopics.h"
#include "text.h"

using namespace qbrx;

namespace {

QString body(int topic) { return QString::fromStdString(cp1252ToUtf8(helpBody[topic])); }

// The shortcut list of topic 42 as it reads on screen.
QStringList shortcutLines() {
    const QStringList entries = {
        "Home:  Moves to top of questions list",
        "End:  Moves to bottom of questions list",
        "Click on individual letter in crostic:  moves to corresponding question/answer",
        "Save:  Ctrl-S", "Save As:  Ctrl-A", "Revert:  Ctrl-R", "New:  Ctrl-N", "Open:  Ctrl-O",
        "Close:  Ctrl-W", "Print Setup:  Ctrl-Y", "Print:  Ctrl-P", "Quit:  Ctrl-Q",
        "Undo:  Ctrl-Z", "Cut:  Ctrl-X", "Copy:  Ctrl-C", "Paste:  Ctrl-V", "Header:  Ctrl-H",
        "Help: F1",
    };
    QStringList lines = {"PgUp/PgDn:  Moves up or down through the questions list"};
    for (const QString& entry : entries) lines << QChar(0x00B7) + entry;
    return lines;
}

}  // namespace

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { MakeHelp(); }
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets()) w->close();
        QTest::qWait(1);
    }

    void topicTitles() {
        const std::pair<int, const char*> titles[] = {
            {1, "Alternate keyboards"}, {9, "Setup (Crostic)"}, {18, "Dictionary / Check"},
            {29, "Menu: Open (Ctrl-O)"}, {39, "Key: PageUp/PageDown"}, {42, "Shortcuts"}};
        for (const auto& [topic, title] : titles) QCOMPARE(helpTitle[topic], std::string(title));
        for (int i = 1; i <= kHelpTopics; ++i)
            QVERIFY2(!helpBody[i].empty() && helpBody[i].find('\r') == std::string::npos, qPrintable(body(i)));
        QVERIFY(helpTitle[kHelpTopics + 1].empty());
    }

    void helpWindowOpensOnFirstTopicAndListsShortcutsByLine() {
        QWidget main;
        main.show();
        frmHelp* help = showHelp(&main);
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->lstHelp->count(), kHelpTopics);
        QCOMPARE(help->lstHelp->currentRow(), 0);
        QCOMPARE(help->txtHelp->toPlainText(), body(1));

        // A click on the last title shows the shortcut list line by line.
        QListWidgetItem* last = help->lstHelp->item(kHelpTopics - 1);
        help->lstHelp->scrollToItem(last);
        QTest::mouseClick(help->lstHelp->viewport(), Qt::LeftButton, {},
                          help->lstHelp->visualItemRect(last).center());
        QCOMPARE(help->txtHelp->toPlainText().split('\n'), shortcutLines());
        // The bullet is the single byte 183 of the document's code page.
        QCOMPARE(helpBody[42].substr(helpBody[42].find('\n') + 1, 5), std::string("\xB7Home"));
    }

    void helpWindowFollowsMainWindowAndIsRebuiltAfterClose() {
        QWidget main;
        main.setGeometry(100, 120, 500, 400);
        main.show();
        QPointer<frmHelp> help = showHelp(&main);
        // 200 and 1,010 twips are 13 and 67 pixels.
        QCOMPARE(help->frameGeometry().topLeft(), main.frameGeometry().topLeft() + QPoint(13, 67));
        help->lstHelp->setCurrentRow(4);
        main.move(300, 210);
        QCOMPARE(showHelp(&main), help.data());
        QCOMPARE(help->frameGeometry().topLeft(), main.frameGeometry().topLeft() + QPoint(13, 67));
        QCOMPARE(help->txtHelp->toPlainText(), body(5));

        help->close();
        QTRY_VERIFY(help.isNull());
        frmHelp* again = showHelp(&main);
        QCOMPARE(again->lstHelp->currentRow(), 0);
        QCOMPARE(again->txtHelp->toPlainText(), body(1));
    }

    void smallWindowsCloseOnAKeyOrClick() {
        QPointer<frmSplash> splash = showSplash();
        QVERIFY(splash->isVisible());
        QTest::keyClick(splash, Qt::Key_Space);
        QTRY_VERIFY(splash.isNull());

        QWidget main;
        main.show();
        QPointer<frmAbout> about = showAbout(&main);
        auto* version = about->findChild<QLabel*>("line_1");
        QVERIFY(version);
        QCOMPARE(version->text(), QString("You are using version 1.01"));
        QTest::mouseClick(version, Qt::LeftButton);
        QTRY_VERIFY(about.isNull());
        QVERIFY(aboutWindow() == nullptr);
        about = showAbout(&main);
        QTest::keyClick(about, Qt::Key_Escape);
        QTRY_VERIFY(about.isNull());

        // A click on the window or on either text closes it.
        for (const QString target : {"frmTrouble", "lblHeading", "lblAdvice"}) {
            QPointer<frmTrouble> trouble = showTrouble(&main);
            QWidget* clicked = target == trouble->objectName() ? trouble.data() : trouble->findChild<QWidget*>(target);
            QVERIFY(clicked);
            QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(2, 2));
            QTRY_VERIFY2(trouble.isNull(), qPrintable(target));
        }
        QPointer<frmTrouble> trouble = showTrouble(&main);
        QTest::keyClick(trouble, Qt::Key_Q);
        QTRY_VERIFY(trouble.isNull());
        QVERIFY(troubleWindow() == nullptr);
    }

    // The help quotes the size of the word list that comes with the program.
    void dictionaryTopicQuotesTheBundledWordCount() {
        Dictionary bundled;
        bundled.loadWordList(QBRX_DATA_DIR);
        const QString count = QLocale(QLocale::English).toString(bundled.loadedWords());
        QVERIFY2(body(15).contains(" " + count + " words"), qPrintable(count));
    }
};

QTEST_MAIN(TestHelp)
#include "test_help.moc"
