// The help topics, the help window and the three information windows.
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QTextBrowser>
#include <QtTest>

#include <set>

#include "frmabout.h"
#include "frmhelp.h"
#include "frmsplash.h"
#include "frmtrouble.h"
#include "helptopics.h"
#include "text.h"

using namespace qbrx;

namespace {

QStringList splitLines(const std::string& cp1252)
{
    return QString::fromStdString(cp1252ToUtf8(cp1252)).split('\n');
}

// The shortcut list of topic 42 as it reads on screen.
QStringList shortcutLines()
{
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
    for (const QString& entry : entries)
        lines << QString(QChar(0x00B7)) + entry;
    return lines;
}

}  // namespace

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { MakeHelp(); }
    void cleanup();

    void topicTitlesAndBodies();
    void shortcutTopicListsOneEntryPerLine();
    void helpWindowOpensOnFirstTopic();
    void helpWindowFollowsMainWindowAndIsRebuiltAfterClose();
    void splashClosesOnAnyKey();
    void aboutShowsDateAndVersionAndClosesOnClick();
    void troubleClosesOnClickOnWindowOrText_data();
    void troubleClosesOnClickOnWindowOrText();
};

void TestHelp::cleanup()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        w->close();
    QTest::qWait(1);
}

void TestHelp::topicTitlesAndBodies()
{
    QCOMPARE(helpTitle[1], std::string("Alternate keyboards"));
    QCOMPARE(helpTitle[2], std::string("Tip: Creating content-specific puzzles"));
    QCOMPARE(helpTitle[9], std::string("Setup (Crostic)"));
    QCOMPARE(helpTitle[13], std::string("Accept"));
    QCOMPARE(helpTitle[18], std::string("Dictionary / Check"));
    QCOMPARE(helpTitle[29], std::string("Menu: Open (Ctrl-O)"));
    QCOMPARE(helpTitle[34], std::string("Info: Letters Left"));
    QCOMPARE(helpTitle[37], std::string("Tech: Dictionary / Double-clicking"));
    QCOMPARE(helpTitle[39], std::string("Key: PageUp/PageDown"));
    QCOMPARE(helpTitle[42], std::string("Shortcuts"));

    QVERIFY(helpTitle[0].empty() && helpBody[0].empty());
    for (int i = 43; i <= 50; ++i)
        QVERIFY2(helpTitle[i].empty() && helpBody[i].empty(), qPrintable(QString::number(i)));
    for (int i = 1; i <= kHelpTopics; ++i) {
        const QString where = QString("topic %1").arg(i);
        QVERIFY2(!helpTitle[i].empty(), qPrintable(where));
        QVERIFY2(!helpBody[i].empty(), qPrintable(where));
        // Paragraphs are separated by line feeds only, and no paragraph
        // starts or ends with a stray space.
        QVERIFY2(helpBody[i].find('\r') == std::string::npos, qPrintable(where));
        QVERIFY2(helpBody[i].back() != '\n', qPrintable(where));
        for (const QString& line : splitLines(helpBody[i]))
            QVERIFY2(line == line.trimmed(), qPrintable(where + ": " + line));
    }
    // Distinct titles: the list is no use with two alike.
    const std::set<std::string> titles(helpTitle.begin() + 1, helpTitle.begin() + kHelpTopics + 1);
    QCOMPARE(int(titles.size()), kHelpTopics);
    // Rebuilding gives the same texts.
    const auto bodies = helpBody;
    MakeHelp();
    QVERIFY(helpBody == bodies);
}

void TestHelp::shortcutTopicListsOneEntryPerLine()
{
    QCOMPARE(splitLines(helpBody[42]), shortcutLines());
    // The bullet is the single byte 183 of the document's code page.
    QCOMPARE(helpBody[42].substr(helpBody[42].find('\n') + 1, 5), std::string("\xB7Home"));
}

void TestHelp::helpWindowOpensOnFirstTopic()
{
    QWidget main;
    main.show();
    frmHelp* help = showHelp(&main);
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->windowTitle(), QString(93, ' ') + "Help");
    QCOMPARE(help->lstHelp->count(), kHelpTopics);
    for (int i = 0; i < kHelpTopics; ++i)
        QCOMPARE(help->lstHelp->item(i)->text(), QString::fromStdString(helpTitle[i + 1]));
    QCOMPARE(help->lstHelp->currentRow(), 0);
    QCOMPARE(help->txtHelp->toPlainText(), QString::fromStdString(cp1252ToUtf8(helpBody[1])));
    QCOMPARE(help->lstHelp->accessibleName(), QString("Help Topics"));
    QCOMPARE(help->txtHelp->accessibleName(), QString("Help Text"));

    // A click on the last title shows the shortcut list line by line.
    QListWidgetItem* last = help->lstHelp->item(kHelpTopics - 1);
    help->lstHelp->scrollToItem(last);
    QTest::mouseClick(help->lstHelp->viewport(), Qt::LeftButton, {},
                      help->lstHelp->visualItemRect(last).center());
    QCOMPARE(help->lstHelp->currentRow(), kHelpTopics - 1);
    QCOMPARE(help->txtHelp->toPlainText().split('\n'), shortcutLines());
}

void TestHelp::helpWindowFollowsMainWindowAndIsRebuiltAfterClose()
{
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
    QCOMPARE(help->lstHelp->currentRow(), 4);
    QCOMPARE(help->txtHelp->toPlainText(), QString::fromStdString(cp1252ToUtf8(helpBody[5])));

    help->close();
    QTRY_VERIFY(help.isNull());
    QVERIFY(frmHelp::instance() == nullptr);
    frmHelp* again = showHelp(&main);
    QCOMPARE(again->lstHelp->currentRow(), 0);
    QCOMPARE(again->txtHelp->toPlainText(), QString::fromStdString(cp1252ToUtf8(helpBody[1])));
}

void TestHelp::splashClosesOnAnyKey()
{
    QPointer<frmSplash> splash = showSplash();
    QVERIFY(splash->isVisible());
    QVERIFY(splash->windowTitle().isEmpty());
    QVERIFY(splash->Image1->hasPicture());
    QCOMPARE(splash->lblTagLine->text(), QString("Quotation Puzzle Development Tool"));
    QTest::keyClick(splash, Qt::Key_Space);
    QTRY_VERIFY(splash.isNull());

    // The end of start-up takes it away when no key did.
    splash = showSplash();
    hideSplash();
    QVERIFY(!splash || !splash->isVisible());
    QTRY_VERIFY(splash.isNull());
    QVERIFY(splashWindow() == nullptr);
}

void TestHelp::aboutShowsDateAndVersionAndClosesOnClick()
{
    QWidget main;
    main.show();
    QPointer<frmAbout> about = showAbout(&main);
    QCOMPARE(about->windowTitle(), QString(33, ' ') + "About Quotabrix");
    auto* date = about->findChild<QLabel*>("line_0");
    auto* version = about->findChild<QLabel*>("line_1");
    QVERIFY(date && version);
    QCOMPARE(date->text(), QString("August 20, 1998"));
    QCOMPARE(version->text(), QString("You are using version 1.01"));
    QVERIFY(about->picIcon->hasPicture());
    QCOMPARE(showAbout(&main), about.data());

    QTest::mouseClick(version, Qt::LeftButton);
    QTRY_VERIFY(about.isNull());
    QVERIFY(aboutWindow() == nullptr);
    QVERIFY(showAbout(&main) != nullptr);
}

void TestHelp::troubleClosesOnClickOnWindowOrText_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("window") << "frmTrouble";
    QTest::newRow("heading") << "lblHeading";
    QTest::newRow("paragraph") << "lblAdvice";
}

void TestHelp::troubleClosesOnClickOnWindowOrText()
{
    QFETCH(QString, target);
    QWidget main;
    main.show();
    QPointer<frmTrouble> trouble = showTrouble(&main);
    QCOMPARE(trouble->lblHeading->text(), QString("Having Trouble?"));
    QCOMPARE(trouble->lblHeading->font().family(), QString("MS Sans Serif"));
    const QString advice = trouble->lblAdvice->text();
    QVERIFY(advice.contains("Quotabrix"));
    QVERIFY(!advice.contains("http") && !advice.contains("www"));

    QWidget* clicked = target == trouble->objectName() ? trouble.data()
                                                       : trouble->findChild<QWidget*>(target);
    QVERIFY(clicked);
    QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(2, 2));
    QTRY_VERIFY(trouble.isNull());
    QVERIFY(troubleWindow() == nullptr);
}

QTEST_MAIN(TestHelp)
#include "test_help.moc"
