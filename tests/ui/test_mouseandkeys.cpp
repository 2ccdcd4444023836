// Faults found by using the windows as an author does: the header dialog
// after Open, selections made by the mouse, the question list's highlight,
// the grid window's labels, answers holding the used mark, the dictionary
// window's keys and options, Add & Advance on a refused word.
#include <algorithm>
#include <functional>
#include <utility>

#include "dicform.h"
#include "frmoptions.h"
#include "mainformfixture.h"
#include "quoteshow.h"

using namespace qbrx;
using namespace Qt::StringLiterals;

class TestWindowFaults : public QObject, test::MainformFixture {
    Q_OBJECT

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
        QVERIFY(start("10\r\na\r\napple\r\nate\r\njaguar\r\njam\r\njar\r\njet\r\njot\r\njoy\r\n"));
        registerQuote(u"Less is more."_s);
    }
    void cleanup() { form.reset(); }

    void headerDialogRefillsAfterOpenAndOnActivation() {
        const std::string path = pathFor(u"walden.dat"_s);
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
        QCOMPARE(dialog->txtPuzzleTitle->text(), u"Walden"_s);
        QTest::mouseClick(dialog->cmdOkay, Qt::LeftButton);
        QCOMPARE(header.title, std::string("Walden"));
        QVERIFY(header.nameLine);

        // Coming back to the dialog shows the stored values again.
        form->mnuHeader->trigger();
        dialog->txtPuzzleTitle->setText(u"Typed, not stored"_s);
        form->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), form.get());
        dialog->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), dialog);
        QCOMPARE(dialog->txtPuzzleTitle->text(), u"Walden"_s);
        QCOMPARE(QApplication::focusWidget(), dialog->txtPuzzleTitle);
    }

    void mouseSelectsInTheTextBoxes() {
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

    void gridLabelsGoWithTheLettersTheyTook() {
        // A free accented letter keeps a code above 90 in the stock.
        registerQuote(u"Caf\u00e9 au lait"_s);
        accept(u"Drink"_s, u"caf\u00e9"_s);
        const auto blueLabels = [this] {
            const auto& ops = form->gridWindow()->picture().ops;
            return std::count_if(ops.begin(), ops.end(), [](const DrawOp& op) { return op.color == kBlue; });
        };
        QCOMPARE(blueLabels(), 4);
        clickRow(0);
        prompter->replies = {Reply::Ok};
        QTest::mouseClick(form->cmdDelete, Qt::LeftButton);
        QCOMPARE(blueLabels(), 0);
    }

    void usedMarkInAnAnswerIsNoLetter() {
        const std::string path = pathFor(u"mark.dat"_s);
        accept(u"First"_s, u"less"_s);
        form->editor().doc.answer[1] = "le_ss";
        prompter->files = {path};
        form->mnuSaveAs->trigger();
        prompter->replies = {Reply::No};
        prompter->files = {path};
        form->mnuOpen->trigger();
        QCOMPARE(form->editor().doc.answerMarks[1], std::string("__-__"));
        QCOMPARE(form->txtAnswer->text(), u"le-ss"_s);

        form->txtAnswer->setText(u"mo_re"_s);
        QTest::mouseClick(form->cmdInsert, Qt::LeftButton);
        QCOMPARE(form->editor().doc.answer[1], std::string("mo-re"));
    }

    void dictionaryKeysOptionsAndEnter() {
        dicForm* window = listWords(u"j"_s);
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
        dicForm* window = listWords(u"a"_s, &dicForm::cmdNext10);
        QCOMPARE(window->lstDict->currentItem()->text(), u"a"_s);
        window->cmdAddAdvance->click();
        QCOMPARE(form->editor().doc.questionCount, 0);
        QVERIFY(form->tag.empty());
        QVERIFY(form->cmdDictionaryTag.empty());
    }
};

QTEST_MAIN(TestWindowFaults)
#include "test_window_faults.moc"
