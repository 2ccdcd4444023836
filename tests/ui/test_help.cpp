// SPDX-License-Identifier: GPL-3.0-or-later
// The help topics, the help window, the three information windows and the
// splash's logo.
#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "aboutdialog.h"
#include "dictionary.h"
#include "helptopics.h"
#include "helpwindow.h"
#include "splashscreen.h"
#include "text.h"
#include "troubledialog.h"

using namespace qbrx;

namespace {

QString body(int topic) { return QString::fromStdString(cp1252ToUtf8(helpBody[topic])); }

}  // namespace

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { makeHelp(); }
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets()) w->close();
        QTest::qWait(1);
    }

    // The Average Answer Length topic says what the count beside the letter
    // counts is, not that it is missing; the Dictionary topic quotes the size
    // of the word list that comes with the program.
    void topicTitlesAndBodies() {
        const std::pair<int, const char*> titles[] = {
            {1, "Alternate keyboards"},  {9, "Setup (Crostic)"},       {18, "Dictionary / Check"},
            {29, "Menu: Open (Ctrl-O)"}, {39, "Key: PageUp/PageDown"}, {42, "Shortcuts"}};
        for (const auto& [topic, title] : titles) QCOMPARE(helpTitle[topic], std::string(title));
        for (int i = 1; i <= kHelpTopics; ++i) {
            QVERIFY2(!helpBody[i].empty(), helpTitle[i].c_str());
            QVERIFY2(helpBody[i].find('\r') == std::string::npos, qPrintable(body(i)));
        }
        QVERIFY(helpTitle[kHelpTopics + 1].empty());
        QCOMPARE(helpTitle[35], std::string("Info: Average Answer Length"));
        QVERIFY(body(35).contains(QStringLiteral("divided by the number of answers still empty")));
        Dictionary bundled;
        bundled.loadWordList(QBRX_DATA_DIR);
        const QString count = QLocale(QLocale::English).toString(bundled.loadedWords());
        QVERIFY2(body(15).contains(" " + count + " words"), qPrintable(count));
    }

    void helpWindowFollowsTheMainWindowAndListsShortcutsByLine() {
        QWidget main;
        main.setGeometry(100, 120, 500, 400);
        main.show();
        QPointer<HelpWindow> help = showHelp(&main);
        QCOMPARE(help->lstHelp->count(), kHelpTopics + 1);  // the contents, then the topics
        // 200 and 1,010 twips are 13 and 67 pixels.
        QCOMPARE(help->frameGeometry().topLeft(), main.frameGeometry().topLeft() + QPoint(13, 67));
        help->lstHelp->setCurrentRow(5);
        main.move(300, 210);
        QCOMPARE(showHelp(&main), help.data());
        QCOMPARE(help->frameGeometry().topLeft(), main.frameGeometry().topLeft() + QPoint(13, 67));
        QCOMPARE(help->txtHelp->toPlainText(), body(5));

        // A click on the last title shows the shortcut list line by line.
        QListWidgetItem* last = help->lstHelp->item(kHelpTopics);
        help->lstHelp->scrollToItem(last);
        QTest::mouseClick(help->lstHelp->viewport(), Qt::LeftButton, {},
                          help->lstHelp->visualItemRect(last).center());
        const QStringList lines = help->txtHelp->toPlainText().split('\n');
        QCOMPARE(lines.size(), 19);
        QCOMPARE(lines.first(), QString("PgUp/PgDn:  Moves up or down through the questions list"));
        for (const QString& line : lines.mid(1)) QVERIFY2(line.startsWith(QChar(0x00B7)), qPrintable(line));
        QCOMPARE(lines.last(), QStringLiteral("\u00B7Help: F1"));
        // The bullet is the single byte 183 of the document's code page.
        QCOMPARE(helpBody[42].substr(helpBody[42].find('\n') + 1, 5), std::string("\xB7Home"));

        // Closed, it opens again on its contents, whose titles lead to
        // their topics.
        help->close();
        QTRY_VERIFY(help.isNull());
        help = showHelp(&main);
        QCOMPARE(help->lstHelp->currentItem()->text(), QStringLiteral("Contents"));
        const QStringList contents = help->txtHelp->toPlainText().split('\n');
        for (int i = 1; i <= kHelpTopics; ++i)
            QVERIFY2(contents.contains(QString::fromStdString(cp1252ToUtf8(helpTitle[i]))),
                     helpTitle[i].c_str());
        emit help->txtHelp->anchorClicked(QUrl(QStringLiteral("#35")));
        QCOMPARE(help->txtHelp->toPlainText(), body(35));
    }

    // Any key, or a click on the window or on any of its texts, closes each.
    // The splash's logo comes from the program's resources when first painted.
    void smallWindowsCloseOnAKeyOrClick() {
        QVERIFY(LogoPicture().hasPicture());
        QWidget main;
        main.show();
        const std::function<QWidget*()> windows[] = {[] { return showSplash(); },
                                                     [&] { return showAbout(&main); },
                                                     [&] { return showTrouble(&main); }};
        for (const auto& show : windows) {
            // Names are taken before the click: the window and its texts are
            // gone once it closes.
            QPointer<QWidget> window = show();
            const QString name = window->objectName();
            QTest::keyClick(window, Qt::Key_Q);
            QTRY_VERIFY2(window.isNull(), qPrintable(name));
            const QList<QLabel*> texts = show()->findChildren<QLabel*>();
            QVERIFY(!texts.isEmpty());
            for (qsizetype i = -1; i < texts.size(); ++i) {  // the window, then each text
                window = show();
                QWidget* target = i < 0 ? window.data() : window->findChildren<QLabel*>()[i];
                const QString targetName = target->objectName();
                QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(2, 2));
                QTRY_VERIFY2(window.isNull(), qPrintable(targetName));
            }
        }
        QCOMPARE(showAbout(&main)->line[1]->text(), QString("You are using version 1.01"));
    }
};

QTEST_MAIN(TestHelp)
#include "test_help.moc"
