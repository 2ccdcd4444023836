// SPDX-License-Identifier: GPL-3.0-or-later
// The windows from the mouse and the keyboard: selections made by the
// mouse, the question list's highlight, the dictionary window's keys and
// options, Add & Advance on a refused word; every menu item answering to
// Alt and a letter of its own, no key running two commands, Ctrl+A
// selecting in a text box, Enter in a menu just opened with Alt+F running
// nothing, Esc closing the help and word list windows.
#include <functional>
#include <utility>

#include "helpwindow.h"
#include "mainwindowfixture.h"

using namespace qbrx;
using namespace Qt::StringLiterals;

class TestMouseAndKeys : public QObject, test::MainWindowFixture {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(start("10\r\na\r\napple\r\nate\r\njaguar\r\njam\r\njar\r\njet\r\njot\r\njoy\r\n"));
        registerQuote(u"Less is more."_s);
    }
    void cleanup() { form.reset(); }

    void mouseAndCtrlASelectInTheTextBoxes() {
        QPlainTextEdit* quote = form->txtQuote;
        const QPoint inFirstWord = quote->cursorRect(quote->document()->find(u"ess"_s)).center();
        QTest::mouseDClick(quote->viewport(), Qt::LeftButton, {}, inFirstWord);
        QCOMPARE(quote->textCursor().selectedText(), u"Less is more."_s);

        // A click that gives the answer or question box the focus selects as Tab does.
        form->txtQuestion->setText(u"Question for [less]"_s);
        form->txtAnswer->setText(u"less"_s);
        const QPoint start(4, form->txtAnswer->height() / 2);
        QTest::mouseClick(form->txtAnswer, Qt::LeftButton, {}, start);
        QCOMPARE(form->txtAnswer->selectedText(), u"less"_s);
        QTest::mouseClick(form->txtQuestion, Qt::LeftButton, {}, start);
        QTest::keyClicks(form->txtQuestion, u"Small"_s);
        QCOMPARE(form->txtQuestion->text(), u"Small"_s);
        // A click into the box that has the focus only places the caret.
        form->txtQuestion->selectAll();
        QTest::mouseClick(form->txtQuestion, Qt::LeftButton, {}, start);
        QVERIFY(!form->txtQuestion->hasSelectedText());
        // Ctrl+A selects all the box's text (and is no Save As).
        QTest::keyClick(form->txtQuestion, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(form->txtQuestion->selectedText(), u"Small"_s);
        QVERIFY(prompter->saveRequests.empty());
    }

    void blankAreaOfTheListKeepsTheCurrentRowSelected() {
        accept(u"First"_s, u"less"_s);
        accept(u"Second"_s, u"more"_s);
        QListWidget* list = form->lstQuestion;
        clickRow(0);
        const QPoint blank(10, list->viewport()->height() - 4);
        QVERIFY(!list->itemAt(blank));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, blank);
        QVERIFY(list->item(0)->isSelected());
        clickRow(0, Qt::ControlModifier);
        QVERIFY(list->item(0)->isSelected());

        form->showPopup = [this](const QPoint&) { form->Qdelete->trigger(); };
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, blank);
        QCOMPARE(list->item(0)->text(), u" A. Second"_s);
    }

    void dictionaryKeysOptionsAndEnter() {
        DictionaryWindow* window = listWords(u"j"_s);
        QTRY_COMPARE(QApplication::activeWindow(), window);
        QCOMPARE(window->lstDict->count(), 6);
        // Commands on the word already selected put it into the edit box
        // (the second Bottom finds the last word selected).
        const std::pair<std::function<void()>, QString> commands[] = {
            {[&] { window->cmdTop->click(); }, u"jaguar"_s},
            {[&] { QTest::keyClick(window->txtDict, Qt::Key_Home); }, u"jaguar"_s},
            {[&] { QTest::keyClick(window->txtDict, Qt::Key_PageUp); }, u"jaguar"_s},
            {[&] { window->cmdBottom->click(); }, u"joy"_s},
            {[&] { window->cmdBottom->click(); }, u"joy"_s},
            {[&] { QTest::keyClick(window->txtDict, Qt::Key_End); }, u"joy"_s}};
        for (const auto& [command, word] : commands) {
            window->txtDict->setText(u"typed"_s);
            command();
            QCOMPARE(window->txtDict->text(), word);
        }

        // The mode follows an accessibility action and the arrow keys.
        QAccessibleInterface* limited = QAccessible::queryAccessibleInterface(window->optLimited);
        limited->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(form->wordSearch().mode, SearchMode::Limited);
        window->optLimited->setFocus();
        QTest::keyClick(window->optLimited, Qt::Key_Up);
        QCOMPARE(form->wordSearch().mode, SearchMode::AllWords);

        // Enter runs one Check from any control.
        for (QWidget* control : std::initializer_list<QWidget*>{window->optAllWords, window->cmdTop,
                                                                window->lstDict, window->txtDict}) {
            window->cmdClear->click();
            window->txtDict->setText(u"j"_s);
            control->setFocus();
            QTest::keyClick(control, Qt::Key_Return);
            QVERIFY2(window->lstDict->count() == 6, qPrintable(control->objectName()));
        }
    }

    void addAndAdvanceOnARefusedWordAcceptsOnce() {
        // Next 10 from the start of the word list reaches the one-letter word.
        DictionaryWindow* window = listWords(u"a"_s, &DictionaryWindow::cmdNext10);
        QCOMPARE(window->lstDict->currentItem()->text(), u"a"_s);
        window->cmdAddAdvance->click();
        QCOMPARE(form->editor().doc.questionCount, 0);
        QVERIFY(!form->advancePending);
    }

    void everyMenuItemHasAMnemonicAndEveryShortcutOneCommand() {
        for (QMenu* menu : {form->mnuFile, form->mnuEdit, form->mnuQbrx, form->mnuWindows, form->mnuHelp}) {
            QSet<QChar> letters;
            for (QAction* a : menu->actions()) {
                if (a->isSeparator()) continue;
                const qsizetype amp = a->text().indexOf(u'&');
                QVERIFY2(amp >= 0, qPrintable(a->objectName()));
                const QChar letter = a->text().at(amp + 1).toLower();
                QVERIFY2(!letters.contains(letter), qPrintable(a->objectName()));
                letters.insert(letter);
            }
        }
        QList<QKeySequence> keys;
        for (const QAction* a : form->findChildren<QAction*>()) {
            if (a->shortcut().isEmpty()) continue;
            QVERIFY2(!keys.contains(a->shortcut()), qPrintable(a->objectName()));
            keys << a->shortcut();
        }
        QVERIFY(!form->mnuSuggest->shortcut().isEmpty());
    }

    void enterInAMenuJustOpenedRunsNothingAndEscClosesTheHelpAndTheWordList() {
        QSignalSpy news(form->mnuNew, &QAction::triggered);
        QTest::keyClick(form.get(), Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(form->mnuFile->isVisible());
        QTest::keyClick(form->mnuFile, Qt::Key_Return);
        QCOMPARE(news.count(), 0);
        QVERIFY(form->mnuFile->isVisible());

        // An item moved to runs.
        QTest::keyClick(form->mnuFile, Qt::Key_Down);
        QTest::keyClick(form->mnuFile, Qt::Key_Up);
        QTest::keyClick(form->mnuFile, Qt::Key_Return);
        QCOMPARE(news.count(), 1);

        QPointer<HelpWindow> help = showHelp(form.get());
        QTRY_VERIFY(help->isActiveWindow());
        QTest::keyClick(help->lstHelp, Qt::Key_Escape);
        QTRY_VERIFY(help.isNull());

        form->openDictionary();
        QPointer<DictionaryWindow> words = form->findChild<DictionaryWindow*>();
        QTRY_VERIFY(words->isActiveWindow());
        QTest::keyClick(words->txtDict, Qt::Key_Escape);
        QTRY_VERIFY(words.isNull());
    }
};

QTEST_MAIN(TestMouseAndKeys)
#include "test_mouseandkeys.moc"
