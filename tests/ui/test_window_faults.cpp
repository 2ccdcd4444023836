// Faults found by using the windows as an author does: the header dialog
// after Open, selections made by the mouse, the question list's highlight,
// the grid window's labels, answers holding the used mark, the dictionary
// window's keys and options, Add & Advance on a refused word, and the splash.
#include <QtTest>
#include <QtWidgets>

#include <algorithm>
#include <memory>
#include <string>

#include "dicform.h"
#include "dictionary.h"
#include "documentcommands.h"
#include "frmoptions.h"
#include "frmsplash.h"
#include "mainform.h"
#include "quoteshow.h"
#include "random.h"
#include "scriptedprompter.h"

using namespace qbrx;

namespace {

const char* const kWords[] = {"a", "apple", "ate", "jaguar", "jam", "jar", "jet", "jot", "joy", "mat", "tea"};

// The blue question labels of the grid window's picture.
int blueLabels(const GridPicture& picture) {
    return static_cast<int>(std::count_if(picture.ops.begin(), picture.ops.end(), [](const DrawOp& op) {
        return op.kind == DrawOp::Kind::Text && op.color == kBlue;
    }));
}

}  // namespace

class TestWindowFaults : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedPrompter> prompter;
    std::unique_ptr<ScriptedRandom> random;  // every search starts at position 1
    std::unique_ptr<Dictionary> dictionary;
    std::unique_ptr<Mainform> form;

    void typeQuote(const QString& quote) {
        QTest::keyClicks(form->txtQuote, quote);
        QTest::mouseClick(form->cmdRegister, Qt::LeftButton);
    }
    void enterPair(const QString& question, const QString& answer) {
        form->txtQuestion->setFocus();
        QTest::keyClicks(form->txtQuestion, question);
        QTest::keyClick(form->txtQuestion, Qt::Key_Return);
        QTest::keyClicks(form->txtAnswer, answer);
        QTest::keyClick(form->txtAnswer, Qt::Key_Return);
    }
    void clickRow(int row) {
        const QRect rect = form->lstQuestion->visualItemRect(form->lstQuestion->item(row));
        QTest::mouseClick(form->lstQuestion->viewport(), Qt::LeftButton, {}, rect.center());
    }
    // The dictionary window in All Words mode, listing from `from` on.
    dicForm* listWords(const QString& from) {
        form->openDictionary();
        dicForm* window = form->findChild<dicForm*>();
        window->optAllWords->click();
        window->txtDict->setText(from);
        window->cmdCheck->click();
        return window;
    }

private slots:
    void init() {
        prompter = std::make_unique<ScriptedPrompter>();
        random = std::make_unique<ScriptedRandom>(std::vector<double>{0.0});
        dictionary = std::make_unique<Dictionary>();
        std::string file = std::to_string(std::size(kWords)) + "\r\n";
        for (const char* word : kWords) file += std::string(word) + "\r\n";
        dictionary->readWordList(file);
        form = std::make_unique<Mainform>(*prompter, *random, *dictionary);
        form->startUp();
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup() { form.reset(); }

    void headerDialogRefillsAfterOpenAndOnActivation() {
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("walden.dat")).toStdString();
        typeQuote(QStringLiteral("Less is more."));
        HeaderValues& header = form->editor().doc.header;
        header.title = "Walden";
        header.createdBy = "Ms. Rivera";
        header.nameLine = true;
        prompter->files = {path};
        form->mnuSaveAs->trigger();

        header.title = "Old puzzle";
        header.createdBy = "Someone else";
        header.nameLine = false;
        form->mnuHeader->trigger();
        frmOptions* dialog = form->optionsDialog();
        QCOMPARE(dialog->txtPuzzleTitle->text(), QStringLiteral("Old puzzle"));

        // Open with the dialog left open: it shows the opened file's header,
        // and Okay keeps it.
        prompter->replies = {Reply::No};
        prompter->files = {path};
        form->mnuOpen->trigger();
        QCOMPARE(header.title, std::string("Walden"));
        QCOMPARE(dialog->txtPuzzleTitle->text(), QStringLiteral("Walden"));
        QCOMPARE(dialog->txtCreatedby->text(), QStringLiteral("Ms. Rivera"));
        QVERIFY(dialog->chkName->isChecked());
        QTest::mouseClick(dialog->cmdOkay, Qt::LeftButton);
        QCOMPARE(header.title, std::string("Walden"));
        QCOMPARE(header.createdBy, std::string("Ms. Rivera"));
        QVERIFY(header.nameLine);

        // Activating the dialog shows the stored values again.
        form->mnuHeader->trigger();
        dialog->txtPuzzleTitle->setText(QStringLiteral("Typed, not stored"));
        form->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), form.get());
        dialog->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), dialog);
        QCOMPARE(dialog->txtPuzzleTitle->text(), QStringLiteral("Walden"));
        QCOMPARE(QApplication::focusWidget(), dialog->txtPuzzleTitle);
    }

    void doubleClickInTheQuotationSelectsAllOfIt() {
        typeQuote(QStringLiteral("Less is more."));
        QPlainTextEdit* box = form->txtQuote;
        const QPoint inFirstWord = box->cursorRect(box->document()->find(QStringLiteral("ess"))).center();
        QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, inFirstWord);
        QCOMPARE(box->textCursor().selectedText(), QStringLiteral("Less is more."));
    }

    void clickIntoQuestionOrAnswerSelectsLikeTab() {
        typeQuote(QStringLiteral("Less is more."));
        form->txtQuestion->setText(QStringLiteral("Question for [less]"));
        form->txtAnswer->setText(QStringLiteral("less"));
        form->lstQuestion->setFocus();

        QTest::mouseClick(form->txtAnswer, Qt::LeftButton, {}, QPoint(4, form->txtAnswer->height() / 2));
        QCOMPARE(QApplication::focusWidget(), form->txtAnswer);
        QCOMPARE(form->txtAnswer->selectedText(), QStringLiteral("less"));

        QTest::mouseClick(form->txtQuestion, Qt::LeftButton, {}, QPoint(4, form->txtQuestion->height() / 2));
        QCOMPARE(form->txtQuestion->selectedText(), QStringLiteral("Question for [less]"));
        QTest::keyClicks(form->txtQuestion, QStringLiteral("Small"));
        QCOMPARE(form->txtQuestion->text(), QStringLiteral("Small"));

        // A click into the box that already has the focus only places the caret.
        form->txtQuestion->selectAll();
        QTest::mouseClick(form->txtQuestion, Qt::LeftButton, {}, QPoint(4, form->txtQuestion->height() / 2));
        QVERIFY(!form->txtQuestion->hasSelectedText());
    }

    void blankAreaOfTheListKeepsTheCurrentRowSelected() {
        typeQuote(QStringLiteral("Less is more."));
        enterPair(QStringLiteral("First"), QStringLiteral("less"));
        enterPair(QStringLiteral("Second"), QStringLiteral("more"));
        clickRow(0);
        QListWidget* list = form->lstQuestion;
        const QPoint blank(10, list->viewport()->height() - 4);
        QVERIFY(!list->itemAt(blank));

        form->showPopup = [this](const QPoint&) { form->Qdelete->trigger(); };
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, blank);
        QCOMPARE(list->currentRow(), 0);
        QVERIFY(list->item(0)->isSelected());
        // Ctrl+click on the selected row leaves it selected too.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list->visualItemRect(list->item(0)).center());
        QVERIFY(list->item(0)->isSelected());

        // The pop-up Delete removes the pair the list shows selected.
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, blank);
        QCOMPARE(list->item(0)->text(), QStringLiteral(" A. Second"));
        QVERIFY(list->item(0)->isSelected());
    }

    void gridLabelsGoWithTheLettersTheyTook() {
        // The accented letter keeps a code above 90 in the stock when free.
        form->txtQuote->setPlainText(QStringLiteral("Caf\u00e9 au lait"));
        QTest::mouseClick(form->cmdRegister, Qt::LeftButton);
        form->txtQuestion->setText(QStringLiteral("Drink"));
        form->txtAnswer->setText(QStringLiteral("caf\u00e9"));
        QTest::mouseClick(form->cmdAccept, Qt::LeftButton);
        QCOMPARE(blueLabels(form->gridWindow()->picture()), 4);

        clickRow(0);
        prompter->replies = {Reply::Ok};
        QTest::mouseClick(form->cmdDelete, Qt::LeftButton);
        QCOMPARE(form->editor().doc.questionCount, 0);
        QCOMPARE(blueLabels(form->gridWindow()->picture()), 0);
    }

    void usedMarkInAnAnswerReadFromAFileIsNoLetter() {
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("mark.dat")).toStdString();
        typeQuote(QStringLiteral("Less is more."));
        enterPair(QStringLiteral("First"), QStringLiteral("less"));
        form->editor().doc.answer[1] = "le_ss";
        prompter->files = {path};
        form->mnuSaveAs->trigger();

        prompter->replies = {Reply::No, Reply::No};
        form->mnuNew->trigger();
        prompter->files = {path};
        form->mnuOpen->trigger();
        const Document& doc = form->editor().doc;
        QCOMPARE(doc.answer[1], std::string("le-ss"));
        QCOMPARE(doc.answerMarks[1], std::string("__-__"));
        QCOMPARE(form->txtAnswer->text(), QStringLiteral("le-ss"));
    }

    void usedMarkInAnInsertedAnswerIsNoLetter() {
        typeQuote(QStringLiteral("Less is more."));
        enterPair(QStringLiteral("First"), QStringLiteral("less"));
        clickRow(0);
        form->txtAnswer->setText(QStringLiteral("mo_re"));
        QTest::mouseClick(form->cmdInsert, Qt::LeftButton);
        QCOMPARE(form->editor().doc.answer[1], std::string("mo-re"));
        QCOMPARE(form->txtAnswer->text(), QStringLiteral("mo-re"));
    }

    void dictionaryListKeysOnTheSelectedWordFillTheEditBox() {
        typeQuote(QStringLiteral("Less is more."));
        dicForm* window = listWords(QStringLiteral("j"));
        QCOMPARE(window->lstDict->count(), 6);
        QCOMPARE(window->lstDict->currentRow(), 0);

        const auto firstWordAfter = [&](const std::function<void()>& command) {
            window->txtDict->setText(QStringLiteral("typed"));
            command();
            return window->txtDict->text();
        };
        const QString first = QStringLiteral("jaguar");
        const QString last = QStringLiteral("joy");
        QCOMPARE(firstWordAfter([&] { window->cmdTop->click(); }), first);
        QCOMPARE(firstWordAfter([&] { QTest::keyClick(window->txtDict, Qt::Key_Home); }), first);
        QCOMPARE(firstWordAfter([&] { QTest::keyClick(window->txtDict, Qt::Key_PageUp); }), first);
        window->cmdBottom->click();
        QCOMPARE(firstWordAfter([&] { window->cmdBottom->click(); }), last);
        QCOMPARE(firstWordAfter([&] { QTest::keyClick(window->txtDict, Qt::Key_End); }), last);
    }

    void dictionaryModeFollowsEveryWayOfToggling() {
        typeQuote(QStringLiteral("Less is more."));
        form->openDictionary();
        dicForm* window = form->findChild<dicForm*>();
        QVERIFY(window->optLimited->isChecked());

        QAccessibleInterface* allWords = QAccessible::queryAccessibleInterface(window->optAllWords);
        allWords->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(form->wordSearch().mode, SearchMode::AllWords);
        window->txtDict->setText(QStringLiteral("j"));
        window->cmdCheck->click();
        QVERIFY(window->optAllWords->isChecked());
        QCOMPARE(window->lstDict->count(), 6);

        QTRY_COMPARE(QApplication::activeWindow(), window);
        window->optAllWords->setFocus();
        QTest::keyClick(window->optAllWords, Qt::Key_Down);
        QVERIFY(window->optLimited->isChecked());
        QCOMPARE(form->wordSearch().mode, SearchMode::Limited);
    }

    void enterRunsCheckFromAnyControlOfTheDictionary() {
        typeQuote(QStringLiteral("Less is more."));
        dicForm* window = listWords(QStringLiteral("j"));
        QTRY_COMPARE(QApplication::activeWindow(), window);
        for (QWidget* control : std::initializer_list<QWidget*>{window->optAllWords, window->cmdTop,
                                                                  window->lstDict, window->txtDict}) {
            window->cmdClear->click();
            window->txtDict->setText(QStringLiteral("j"));
            control->setFocus();
            QTest::keyClick(control, Qt::Key_Return);
            // One Check: the six j-words, listed once.
            QVERIFY2(window->lstDict->count() == 6, qPrintable(control->objectName()));
            QCOMPARE(QApplication::focusWidget(), window->txtDict);
        }
    }

    void addAndAdvanceOnARefusedWordAcceptsOnce() {
        typeQuote(QStringLiteral("Less is more."));
        // Next 10 from the start of the word list reaches the one-letter word.
        form->openDictionary();
        dicForm* window = form->findChild<dicForm*>();
        window->optAllWords->click();
        window->txtDict->setText(QStringLiteral("a"));
        window->cmdNext10->click();
        QCOMPARE(window->lstDict->currentItem()->text(), QStringLiteral("a"));
        QVERIFY(window->cmdAddAdvance->isEnabled());
        window->cmdAddAdvance->click();
        QCOMPARE(prompter->beeps, 1);
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
