// Faults found by using the windows as an author does: the header dialog
// after Open, selections made by the mouse, the question list's highlight,
// the grid window's labels, answers holding the used mark, the dictionary
// window's keys and options, Add & Advance on a refused word, the splash.
#include <QtTest>
#include <QtWidgets>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "dicform.h"
#include "dictionary.h"
#include "frmoptions.h"
#include "frmsplash.h"
#include "mainform.h"
#include "quoteshow.h"
#include "random.h"
#include "scriptedprompter.h"

using namespace qbrx;

class TestWindowFaults : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedPrompter> prompter;
    std::unique_ptr<ScriptedRandom> random;  // every search starts at position 1
    std::unique_ptr<Dictionary> dictionary;
    std::unique_ptr<Mainform> form;

    void accept(const QString& question, const QString& answer) {
        form->txtQuestion->setText(question);
        form->txtAnswer->setText(answer);
        QTest::mouseClick(form->cmdAccept, Qt::LeftButton);
    }
    void click(QWidget* widget, const QPoint& at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(widget, button, {}, at);
    }
    QPoint rowCentre(int row) { return form->lstQuestion->visualItemRect(form->lstQuestion->item(row)).center(); }
    // The dictionary window in All Words mode, listing from `from` on.
    dicForm* listWords(const QString& from, QPushButton* dicForm::*command = &dicForm::cmdCheck) {
        form->openDictionary();
        dicForm* window = form->findChild<dicForm*>();
        window->optAllWords->click();
        window->txtDict->setText(from);
        (window->*command)->click();
        return window;
    }

private slots:
    void init() {
        prompter = std::make_unique<ScriptedPrompter>();
        random = std::make_unique<ScriptedRandom>(std::vector<double>{0.0});
        dictionary = std::make_unique<Dictionary>();
        dictionary->readWordList("10\r\na\r\napple\r\nate\r\njaguar\r\njam\r\njar\r\njet\r\njot\r\njoy\r\n");
        form = std::make_unique<Mainform>(*prompter, *random, *dictionary);
        form->startUp();
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClicks(form->txtQuote, QStringLiteral("Less is more."));
        QTest::mouseClick(form->cmdRegister, Qt::LeftButton);
    }
    void cleanup() { form.reset(); }

    void headerDialogRefillsAfterOpenAndOnActivation() {
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("walden.dat")).toStdString();
        HeaderValues& header = form->editor().doc.header;
        header.title = "Walden";
        header.nameLine = true;
        prompter->files = {path};
        form->mnuSaveAs->trigger();
        header.title = "Old puzzle";
        header.nameLine = false;
        form->mnuHeader->trigger();
        frmOptions* dialog = form->optionsDialog();

        // Open with the dialog left open: its Okay keeps the opened header.
        prompter->replies = {Reply::No};
        prompter->files = {path};
        form->mnuOpen->trigger();
        QCOMPARE(dialog->txtPuzzleTitle->text(), QStringLiteral("Walden"));
        QTest::mouseClick(dialog->cmdOkay, Qt::LeftButton);
        QCOMPARE(header.title, std::string("Walden"));
        QVERIFY(header.nameLine);

        // Coming back to the dialog shows the stored values again.
        form->mnuHeader->trigger();
        dialog->txtPuzzleTitle->setText(QStringLiteral("Typed, not stored"));
        form->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), form.get());
        dialog->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), dialog);
        QCOMPARE(dialog->txtPuzzleTitle->text(), QStringLiteral("Walden"));
        QCOMPARE(QApplication::focusWidget(), dialog->txtPuzzleTitle);
    }

    void mouseSelectsInTheTextBoxes() {
        QPlainTextEdit* quote = form->txtQuote;
        const QPoint inFirstWord = quote->cursorRect(quote->document()->find(QStringLiteral("ess"))).center();
        QTest::mouseDClick(quote->viewport(), Qt::LeftButton, {}, inFirstWord);
        QCOMPARE(quote->textCursor().selectedText(), QStringLiteral("Less is more."));

        // A click that gives the answer or question box the focus selects as Tab does.
        form->txtQuestion->setText(QStringLiteral("Question for [less]"));
        form->txtAnswer->setText(QStringLiteral("less"));
        const QPoint start(4, form->txtAnswer->height() / 2);
        click(form->txtAnswer, start);
        QCOMPARE(form->txtAnswer->selectedText(), QStringLiteral("less"));
        click(form->txtQuestion, start);
        QTest::keyClicks(form->txtQuestion, QStringLiteral("Small"));
        QCOMPARE(form->txtQuestion->text(), QStringLiteral("Small"));
        // A click into the box that has the focus only places the caret.
        form->txtQuestion->selectAll();
        click(form->txtQuestion, start);
        QVERIFY(!form->txtQuestion->hasSelectedText());
    }

    void blankAreaOfTheListKeepsTheCurrentRowSelected() {
        accept(QStringLiteral("First"), QStringLiteral("less"));
        accept(QStringLiteral("Second"), QStringLiteral("more"));
        QListWidget* list = form->lstQuestion;
        click(list->viewport(), rowCentre(0));
        const QPoint blank(10, list->viewport()->height() - 4);
        QVERIFY(!list->itemAt(blank));
        click(list->viewport(), blank);
        QVERIFY(list->item(0)->isSelected());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(0));
        QVERIFY(list->item(0)->isSelected());

        form->showPopup = [this](const QPoint&) { form->Qdelete->trigger(); };
        click(list->viewport(), blank, Qt::RightButton);
        QCOMPARE(list->item(0)->text(), QStringLiteral(" A. Second"));
    }

    void gridLabelsGoWithTheLettersTheyTook() {
        // A free accented letter keeps a code above 90 in the stock.
        form->txtQuote->setPlainText(QStringLiteral("Caf\u00e9 au lait"));
        QTest::mouseClick(form->cmdRegister, Qt::LeftButton);
        accept(QStringLiteral("Drink"), QStringLiteral("caf\u00e9"));
        const auto blueLabels = [this] {
            const auto& ops = form->gridWindow()->picture().ops;
            return std::count_if(ops.begin(), ops.end(), [](const DrawOp& op) { return op.color == kBlue; });
        };
        QCOMPARE(blueLabels(), 4);
        click(form->lstQuestion->viewport(), rowCentre(0));
        prompter->replies = {Reply::Ok};
        QTest::mouseClick(form->cmdDelete, Qt::LeftButton);
        QCOMPARE(blueLabels(), 0);
    }

    void usedMarkInAnAnswerIsNoLetter() {
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("mark.dat")).toStdString();
        accept(QStringLiteral("First"), QStringLiteral("less"));
        form->editor().doc.answer[1] = "le_ss";
        prompter->files = {path};
        form->mnuSaveAs->trigger();
        prompter->replies = {Reply::No};
        prompter->files = {path};
        form->mnuOpen->trigger();
        QCOMPARE(form->editor().doc.answerMarks[1], std::string("__-__"));
        QCOMPARE(form->txtAnswer->text(), QStringLiteral("le-ss"));

        form->txtAnswer->setText(QStringLiteral("mo_re"));
        QTest::mouseClick(form->cmdInsert, Qt::LeftButton);
        QCOMPARE(form->editor().doc.answer[1], std::string("mo-re"));
    }

    void dictionaryKeysOptionsAndEnter() {
        dicForm* window = listWords(QStringLiteral("j"));
        QTRY_COMPARE(QApplication::activeWindow(), window);
        QCOMPARE(window->lstDict->count(), 6);
        // Commands on the word already selected put it into the edit box
        // (the second Bottom finds the last word selected).
        const std::pair<std::function<void()>, QString> commands[] = {
            {[&] { window->cmdTop->click(); }, QStringLiteral("jaguar")},
            {[&] { QTest::keyClick(window->txtDict, Qt::Key_Home); }, QStringLiteral("jaguar")},
            {[&] { QTest::keyClick(window->txtDict, Qt::Key_PageUp); }, QStringLiteral("jaguar")},
            {[&] { window->cmdBottom->click(); }, QStringLiteral("joy")},
            {[&] { window->cmdBottom->click(); }, QStringLiteral("joy")},
            {[&] { QTest::keyClick(window->txtDict, Qt::Key_End); }, QStringLiteral("joy")}};
        for (const auto& [command, word] : commands) {
            window->txtDict->setText(QStringLiteral("typed"));
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
            window->txtDict->setText(QStringLiteral("j"));
            control->setFocus();
            QTest::keyClick(control, Qt::Key_Return);
            QVERIFY2(window->lstDict->count() == 6, qPrintable(control->objectName()));
        }
    }

    void addAndAdvanceOnARefusedWordAcceptsOnce() {
        // Next 10 from the start of the word list reaches the one-letter word.
        dicForm* window = listWords(QStringLiteral("a"), &dicForm::cmdNext10);
        QCOMPARE(window->lstDict->currentItem()->text(), QStringLiteral("a"));
        window->cmdAddAdvance->click();
        QCOMPARE(form->editor().doc.questionCount, 0);
        QVERIFY(form->tag.empty());
        QVERIFY(form->cmdDictionaryTag.empty());
    }

    void splashClosesOnAClick() {
        frmSplash* splash = showSplash();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QTest::mouseClick(splash->lblTagLine, Qt::LeftButton);
        QTRY_VERIFY(!splashWindow());
    }
};

QTEST_MAIN(TestWindowFaults)
#include "test_window_faults.moc"
