// The main window driven through its real widgets: typing, clicks and keys
// on the road of one answer, and the commands around it.
#include <QAction>
#include <QCheckBox>
#include <QRadioButton>
#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "dictionary.h"
#include "documentcommands.h"
#include "frmoptions.h"
#include "mainform.h"
#include "quoteshow.h"
#include "random.h"
#include "scriptedprompter.h"
#include "text.h"

using namespace qbrx;

namespace {

const QString kPrompt = QString::fromLatin1(kQuotePrompt);

QStringList rows(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

QString numbers(const Mainform& form, int count) {
    QStringList out;
    for (int k = 0; k < count; ++k) out << form.lblUnderCrostic[k]->text();
    return out.join(QLatin1Char(' '));
}

}  // namespace

class TestMainform : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::ScriptedPrompter> prompter;
    std::unique_ptr<ScriptedRandom> random;  // every search starts at position 1
    std::unique_ptr<Dictionary> dictionary;
    std::unique_ptr<Mainform> form;

    void typeQuote(const QString& quote) {
        QTest::keyClicks(form->txtQuote, quote);
        QTest::mouseClick(form->cmdRegister, Qt::LeftButton);
    }
    // Types a question and an answer and accepts both with Enter.
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

private slots:
    void init() {
        prompter = std::make_unique<test::ScriptedPrompter>();
        random = std::make_unique<ScriptedRandom>(std::vector<double>{0.0});
        dictionary = std::make_unique<Dictionary>();
        form = std::make_unique<Mainform>(*prompter, *random, *dictionary);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->startUp();
    }
    void cleanup() {
        form.reset();
        QGuiApplication::clipboard()->clear();
    }

    void startUpLeavesOnlyTheQuotationUsable() {
        QCOMPARE(form->txtQuote->toPlainText(), kPrompt);
        QCOMPARE(form->txtQuote->textCursor().selectedText(), kPrompt);
        QCOMPARE(QApplication::focusWidget(), form->txtQuote);
        QCOMPARE(rows(form->lstQuestion), QStringList{QStringLiteral(" A. ")});
        QCOMPARE(form->lstQuestion->currentRow(), 0);
        QVERIFY(form->cmdRegister->isEnabled());
        for (QWidget* w : std::initializer_list<QWidget*>{form->txtQuestion, form->txtAnswer, form->cmdAccept,
                                                          form->cmdQuote, form->lstQuestion, form->cmdMoveUp,
                                                          form->optCrosticOn, form->cmdGaps})
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        for (QAction* a : {form->mnuNew, form->mnuSave, form->mnuSaveAs, form->mnuRevert, form->mnuPrint,
                           form->mnuPrintkey})
            QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
        QVERIFY(form->mnuOpen->isEnabled());
        QVERIFY(form->mnuQuit->isEnabled());
        QVERIFY(form->shpRegister->isHidden());

        // Quote Grid does nothing before a quotation is registered.
        QTest::keyClick(form->txtQuote, Qt::Key_F7);
        QVERIFY(!form->gridWindow()->isVisible());
        QCOMPARE(form->cmdQuote->text(), QStringLiteral("Show Quote"));
    }

    void startUpBeforeShowingFocusesTheQuotation() {
        // The program starts the window up first and shows it afterwards.
        form.reset();
        form = std::make_unique<Mainform>(*prompter, *random, *dictionary);
        form->startUp();
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QCOMPARE(QApplication::focusWidget(), form->txtQuote);
        QCOMPARE(form->txtQuote->textCursor().selectedText(), kPrompt);
        QTest::keyClicks(form->txtQuote, QStringLiteral("Less"));
        QCOMPARE(form->txtQuote->toPlainText(), QStringLiteral("Less"));
    }

    void registerCleansCountsAndShowsTheGrid() {
        // Typing replaces the selected prompt; Up and Down act as Home and End.
        typeQuote(QStringLiteral("\"Less\"  is more."));
        QCOMPARE(form->txtQuote->toPlainText(), QStringLiteral("\u201CLess\u201D is more."));
        QCOMPARE(form->lblTotalletters->text(), QStringLiteral("10"));
        QCOMPARE(form->lblvowels->text(), QStringLiteral("4"));
        QCOMPARE(form->lblconsonants->text(), QStringLiteral("6"));
        QCOMPARE(form->lblLettersleft[4]->text(), QStringLiteral("2"));   // E
        QCOMPARE(form->lblLettersleft[18]->text(), QStringLiteral("3"));  // S
        QCOMPARE(form->lblLettersleft[26]->text(), QStringLiteral("10"));
        QVERIFY(form->gridWindow()->isVisible());
        QVERIFY(!form->gridWindow()->picture().ops.empty());
        QCOMPARE(form->cmdQuote->text(), QStringLiteral("Hide Quote"));
        for (QWidget* w : std::initializer_list<QWidget*>{form->txtQuestion, form->txtAnswer, form->cmdAccept,
                                                          form->cmdQuote, form->lstQuestion, form->cmdEmpty})
            QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
        for (QAction* a : {form->mnuNew, form->mnuSave, form->mnuSaveAs, form->mnuRevert, form->mnuPrint})
            QVERIFY(a->isEnabled());
        QCOMPARE(form->txtQuote->focusPolicy(), Qt::ClickFocus);

        // Enter in the quotation box registers again without a line break.
        form->txtQuote->setFocus();
        QTest::keyClick(form->txtQuote, Qt::Key_Down);
        QTest::keyClicks(form->txtQuote, QStringLiteral("  Yes"));
        QTest::keyClick(form->txtQuote, Qt::Key_Return);
        QCOMPARE(form->txtQuote->toPlainText(), QStringLiteral("\u201CLess\u201D is more. Yes"));
        QCOMPARE(form->lblLettersleft[24]->text(), QStringLiteral("1"));  // Y

        // Hide Quote, then Quote Grid (F7) brings the window back.
        QTest::mouseClick(form->cmdQuote, Qt::LeftButton);
        QVERIFY(!form->gridWindow()->isVisible());
        QCOMPARE(form->cmdQuote->text(), QStringLiteral("Show Quote"));
        QCOMPARE(QApplication::focusWidget(), form->txtQuestion);
        QTest::keyClick(form->txtQuestion, Qt::Key_F7);
        QVERIFY(form->gridWindow()->isVisible());
        QCOMPARE(form->cmdQuote->text(), QStringLiteral("Hide Quote"));
    }

    void acceptingWithEnterEncodesTheAnswer() {
        typeQuote(QStringLiteral("Less is more."));
        enterPair(QStringLiteral("Opposite of more"), QStringLiteral("less"));

        QCOMPARE(rows(form->lstQuestion), (QStringList{QStringLiteral(" A. Opposite of more"), QStringLiteral(" B. ")}));
        QCOMPARE(form->lstQuestion->currentRow(), 1);
        QVERIFY(form->txtQuestion->text().isEmpty());
        QVERIFY(form->txtAnswer->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), form->txtQuestion);
        QCOMPARE(form->lblCrostic[0]->text(), QStringLiteral("l"));
        QCOMPARE(form->lblLettersleft[26]->text(), QStringLiteral("6"));

        clickRow(0);
        QCOMPARE(form->txtAnswer->text(), QStringLiteral("less"));
        QCOMPARE(form->lblEncoded->text(), QStringLiteral(" _ _ _ _ "));
        QCOMPARE(numbers(*form, 5), QStringLiteral("1 2 3 4 "));
        // The grid window shows the taken letters with the answer's label.
        const auto& ops = form->gridWindow()->picture().ops;
        QVERIFY(std::any_of(ops.begin(), ops.end(), [](const DrawOp& op) {
            return op.kind == DrawOp::Kind::Text && op.text == "A" && op.color == kBlue;
        }));

        // A one-letter answer is refused with a beep; the Answer box keeps
        // the stored answer.
        clickRow(1);
        enterPair(QStringLiteral("Letter"), QStringLiteral("x"));
        QCOMPARE(prompter->beeps, 1);
        QCOMPARE(form->txtAnswer->text(), QStringLiteral("no answer"));
        QCOMPARE(form->editor().doc.questionCount, 1);
    }

    void editingAFilledSlotRegistersAgain() {
        typeQuote(QStringLiteral("Less is more."));
        enterPair(QStringLiteral("Opposite of more"), QStringLiteral("less"));
        clickRow(0);
        form->txtAnswer->setFocus();
        QCOMPARE(form->txtAnswer->selectedText(), QStringLiteral("less"));
        QTest::keyClicks(form->txtAnswer, QStringLiteral("more"));
        QTest::keyClick(form->txtAnswer, Qt::Key_Return);

        QCOMPARE(form->editor().doc.questionCount, 1);
        QCOMPARE(form->lblCrostic[0]->text(), QStringLiteral("m"));
        QCOMPARE(form->lstQuestion->currentRow(), 0);
        QCOMPARE(form->lblEncoded->text(), QStringLiteral(" _ _ _ _ "));
        QCOMPARE(numbers(*form, 4), QStringLiteral("7 8 9 2"));
        QCOMPARE(form->lblLettersleft[11]->text(), QStringLiteral("1"));  // the L is free again
    }

    void boxKeysStepThroughTheSlots() {
        typeQuote(QStringLiteral("Less is more."));
        enterPair(QStringLiteral("First"), QStringLiteral("less"));
        enterPair(QStringLiteral("Second"), QStringLiteral("more"));
        form->txtAnswer->setFocus();
        QTest::keyClick(form->txtAnswer, Qt::Key_Home);
        QCOMPARE(form->lstQuestion->currentRow(), 0);
        QTest::keyClick(form->txtQuestion, Qt::Key_PageDown);
        QCOMPARE(form->lstQuestion->currentRow(), 1);
        QCOMPARE(form->txtQuestion->text(), QStringLiteral("Second"));
        QTest::keyClick(form->txtQuestion, Qt::Key_End);
        QCOMPARE(form->lstQuestion->currentRow(), 2);
        QTest::keyClick(form->txtQuestion, Qt::Key_PageUp);
        QCOMPARE(form->lstQuestion->currentRow(), 1);
        // Up is Home for the caret, not for the list.
        form->txtQuestion->setFocus();
        form->txtQuestion->setCursorPosition(3);
        QTest::keyClick(form->txtQuestion, Qt::Key_Up);
        QCOMPARE(form->txtQuestion->cursorPosition(), 0);
        QCOMPARE(form->lstQuestion->currentRow(), 1);

        // A crostic letter jumps to its question.
        QTest::mouseClick(form->lblCrostic[0], Qt::LeftButton);
        QCOMPARE(form->lstQuestion->currentRow(), 0);
    }

    void moveAsksForRegistration() {
        typeQuote(QStringLiteral("Less is more."));
        enterPair(QStringLiteral("First"), QStringLiteral("less"));
        enterPair(QStringLiteral("Second"), QStringLiteral("more"));
        clickRow(0);
        QTest::mouseClick(form->cmdMoveUp, Qt::LeftButton);  // already at the top
        QCOMPARE(form->cmdRegister->text(), QStringLiteral("Register"));
        QVERIFY(form->shp1->isHidden());

        clickRow(1);
        QTest::mouseClick(form->cmdMoveUp, Qt::LeftButton);
        QCOMPARE(rows(form->lstQuestion),
                 (QStringList{QStringLiteral(" A. Second"), QStringLiteral(" B. First"), QStringLiteral(" C. ")}));
        QCOMPARE(form->lstQuestion->currentRow(), 0);
        QCOMPARE(form->cmdRegister->text(), QStringLiteral("ReRegister"));
        for (QFrame* f : {form->shp1, form->shp2, form->shp3, form->shpRegister}) QVERIFY(f->isVisible());
        QCOMPARE(form->lblCrostic[0]->text() + form->lblCrostic[1]->text(), QStringLiteral("ml"));

        QTest::mouseClick(form->cmdRegister, Qt::LeftButton);
        QCOMPARE(form->cmdRegister->text(), QStringLiteral("Register"));
        for (QFrame* f : {form->shp1, form->shp2, form->shp3, form->shpRegister}) QVERIFY(f->isHidden());
    }

    void deleteAsksFirstExceptFromThePopup() {
        typeQuote(QStringLiteral("Less is more."));
        enterPair(QStringLiteral("First"), QStringLiteral("less"));
        enterPair(QStringLiteral("Second"), QStringLiteral("more"));
        enterPair(QStringLiteral("Third"), QStringLiteral("sir"));
        clickRow(0);
        prompter->replies = {Reply::Cancel};
        QTest::mouseClick(form->cmdDelete, Qt::LeftButton);
        QCOMPARE(prompter->messages.back().text, std::string("Are you sure you want to delete \r\"First\""));
        QCOMPARE(prompter->messages.back().buttons, Buttons::OkCancel);
        QCOMPARE(form->lstQuestion->count(), 4);

        QTest::mouseClick(form->cmdDelete, Qt::LeftButton);
        QCOMPARE(rows(form->lstQuestion).first(), QStringLiteral(" A. Second"));
        QCOMPARE(form->lstQuestion->currentRow(), 0);

        // The full stop typed in the list asks too.
        const auto asked = prompter->messages.size();
        form->lstQuestion->setFocus();
        QTest::keyClicks(form->lstQuestion, QStringLiteral("."));
        QCOMPARE(prompter->messages.size(), asked + 1);
        QCOMPARE(form->editor().doc.questionCount, 1);

        // The pop-up menu's Delete asks nothing.
        form->showPopup = [this](const QPoint&) { form->Qdelete->trigger(); };
        clickRow(0);
        const QRect first = form->lstQuestion->visualItemRect(form->lstQuestion->item(0));
        QTest::mouseClick(form->lstQuestion->viewport(), Qt::RightButton, {}, first.center());
        QCOMPARE(prompter->messages.size(), asked + 1);
        QCOMPARE(rows(form->lstQuestion), QStringList{QStringLiteral(" A. ")});
    }

    void findGapsAndEmptyAnswers() {
        typeQuote(QStringLiteral("Less is more."));
        enterPair(QStringLiteral("First"), QStringLiteral("less"));
        QTest::mouseClick(form->cmdGaps, Qt::LeftButton);
        QCOMPARE(prompter->texts().back(), std::string("All answers are fully coded."));
        QTest::mouseClick(form->cmdEmpty, Qt::LeftButton);
        QCOMPARE(prompter->texts().back(), std::string("No empty answers"));

        // Find Gaps left slot 1 current with the empty row still selected: a
        // click on the empty row makes it current again.
        clickRow(1);
        QCOMPARE(form->editor().doc.currentQuestion, 2);
        // "bee": no B in the stock, so slot 2 has a gap; slot 3 has none.
        enterPair(QStringLiteral("Insect"), QStringLiteral("bee"));
        enterPair(QStringLiteral("Third"), QStringLiteral("om"));
        clickRow(2);
        const auto shown = prompter->messages.size();
        QTest::mouseClick(form->cmdGaps, Qt::LeftButton);
        QCOMPARE(prompter->messages.size(), shown);
        QCOMPARE(form->lstQuestion->currentRow(), 1);
        QVERIFY(form->lblEncoded->text().contains(QLatin1Char('B')));
    }

    void newAsksTwiceAndResets() {
        // Straight after start-up New does nothing at all.
        form->mnuNew->setEnabled(true);
        form->mnuNew->trigger();
        QVERIFY(prompter->messages.empty());

        typeQuote(QStringLiteral("Less is more."));
        enterPair(QStringLiteral("First"), QStringLiteral("less"));
        prompter->replies = {Reply::Cancel};
        form->mnuNew->trigger();
        QCOMPARE(form->editor().doc.questionCount, 1);

        prompter->replies = {Reply::No, Reply::No};
        form->mnuNew->trigger();
        const auto texts = prompter->texts();
        QCOMPARE(texts[texts.size() - 2], std::string("Save changes to  before creating a new document?"));
        QCOMPARE(texts.back(), std::string("Preserve Quote for New document?"));
        QCOMPARE(prompter->messages.back().title, std::optional<std::string>(""));
        QCOMPARE(form->txtQuote->toPlainText(), kPrompt);
        QCOMPARE(form->txtQuote->textCursor().selectedText(), kPrompt);
        QCOMPARE(QApplication::focusWidget(), form->txtQuote);
        QVERIFY(!form->gridWindow()->isVisible());
        QVERIFY(!form->txtQuestion->isEnabled());
        QVERIFY(form->lblCrostic[0]->text().isEmpty());
        QVERIFY(form->lblLettersleft[26]->text().isEmpty());
        QVERIFY(form->lblEncoded->text().isEmpty());
        QCOMPARE(form->lstQuestion->count(), 0);

        // The next registration shows the grid window again.
        typeQuote(QStringLiteral("Once more"));
        QVERIFY(form->gridWindow()->isVisible());
    }

    void saveAsWithCtrlAThenOpen() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const std::string path = dir.filePath(QStringLiteral("less.dat")).toStdString();
        typeQuote(QStringLiteral("Less is more."));
        enterPair(QStringLiteral("Opposite of more"), QStringLiteral("less"));

        // Ctrl+A is Save As even while a text box has the focus.
        prompter->files = {path};
        QTest::keyClick(form->txtQuestion, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(std::filesystem::exists(path));
        QVERIFY(form->txtQuestion->selectedText().isEmpty());

        prompter->replies = {Reply::No, Reply::No};
        form->mnuNew->trigger();
        QCOMPARE(form->lstQuestion->count(), 0);

        prompter->files = {path};
        QTest::keyClick(form->txtQuote, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(form->documentCommands().dataFileName, path);
        QCOMPARE(form->txtQuote->toPlainText(), QStringLiteral("Less is more."));
        QCOMPARE(rows(form->lstQuestion), (QStringList{QStringLiteral(" A. Opposite of more"), QStringLiteral(" B. ")}));
        QVERIFY(form->txtQuestion->isEnabled());
        QCOMPARE(form->lblCrostic[0]->text(), QStringLiteral("l"));
    }

    void editCommandsWorkOnTheFocusedBox() {
        typeQuote(QStringLiteral("Less is more."));
        form->txtAnswer->setFocus();
        QTest::keyClicks(form->txtAnswer, QStringLiteral("sealion"));
        form->txtAnswer->setSelection(0, 3);
        QTest::keyClick(form->txtAnswer, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(form->txtAnswer->text(), QStringLiteral("lion"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("sea"));

        form->txtQuestion->setFocus();
        form->txtQuestion->setText(QStringLiteral("Big cat"));
        form->txtQuestion->setCursorPosition(0);
        QTest::keyClick(form->txtQuestion, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(form->txtQuestion->text(), QStringLiteral("seaBig cat"));

        // Copy with nothing selected empties the clipboard.
        QTest::keyClick(form->txtQuestion, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());

        form->txtAnswer->setFocus();
        form->txtAnswer->setSelection(1, 1);
        form->mnuClear->trigger();
        QVERIFY(form->txtAnswer->text().isEmpty());

        form->txtQuote->setFocus();
        form->mnuSelectAll->trigger();
        QCOMPARE(form->txtQuote->textCursor().selectedText(), QStringLiteral("Less is more."));
        // Clear and Select All leave other controls alone.
        form->lstQuestion->setFocus();
        form->mnuClear->trigger();
        QCOMPARE(form->txtQuote->toPlainText(), QStringLiteral("Less is more."));
    }

    void headerDialogStoresOnlyOnOkay() {
        HeaderValues& header = form->editor().doc.header;
        header.title = "Walden";
        header.titleGiven = true;
        header.nameLine = true;
        form->mnuHeader->trigger();
        frmOptions* dialog = form->optionsDialog();
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Header"));
        QCOMPARE(dialog->txtPuzzleTitle->text(), QStringLiteral("Walden"));
        QVERIFY(dialog->chkName->isChecked());
        QVERIFY(!dialog->chkPeriod->isChecked());

        dialog->txtPuzzleTitle->setText(QStringLiteral("Changed"));
        dialog->chkPeriod->setChecked(true);
        QTest::mouseClick(dialog->cmdCancel, Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(header.title, std::string("Walden"));
        QVERIFY(!header.periodDateLine);

        form->mnuHeader->trigger();
        QCOMPARE(dialog->txtPuzzleTitle->text(), QStringLiteral("Walden"));
        dialog->txtPuzzleTitle->clear();
        dialog->txtCreatedby->setText(QStringLiteral("Ms. Rivera"));
        dialog->chkName->setChecked(false);
        QTest::mouseClick(dialog->cmdOkay, Qt::LeftButton);
        QCOMPARE(header.title, std::string());
        QVERIFY(header.titleGiven);  // an emptied title keeps the flag
        QCOMPARE(header.createdBy, std::string("Ms. Rivera"));
        QVERIFY(header.createdByGiven);
        QVERIFY(!header.nameLine);
        QVERIFY(!form->editor().doc.docChanged);
    }

    void gridWindowFocusTurnsTheCaptionBack() {
        typeQuote(QStringLiteral("Less is more."));
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(form->gridWindow(), &activate);
        QEvent deactivate(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(form->gridWindow(), &deactivate);
        form->txtQuote->setFocus();
        form->txtQuestion->setFocus();
        QCOMPARE(form->cmdQuote->text(), QStringLiteral("Show Quote"));
        QVERIFY(form->gridWindow()->isVisible());
        QTest::mouseClick(form->cmdQuote, Qt::LeftButton);
        QCOMPARE(form->cmdQuote->text(), QStringLiteral("Hide Quote"));
        QVERIFY(form->gridWindow()->isVisible());
    }

    void addAndAdvanceAcceptsAndReopensTheDictionary() {
        typeQuote(QStringLiteral("Less is more."));
        int opened = 0;
        form->onOpenDictionary = [&opened] { ++opened; };
        form->txtQuote->setFocus();
        QVERIFY(form->emptyRowSelected());

        DictionaryHost& host = *form;
        host.setAnswerBoxText("less");
        host.setQuestionBoxText("Question for [less]");
        host.setAdvanceMarkers();
        host.focusQuestionBox();

        QCOMPARE(form->editor().doc.questionCount, 1);
        QCOMPARE(form->editor().doc.question[1], std::string("Question for [less]"));
        QCOMPARE(opened, 4);
        QVERIFY(form->tag.empty() && form->cmdDictionaryTag.empty());
        QVERIFY(form->emptyRowSelected());

        // No marker lingers: a later Add & Edit only hands the word over.
        host.setAnswerBoxText("more");
        host.focusQuestionBox();
        QCOMPARE(form->editor().doc.questionCount, 1);
        QCOMPARE(form->txtAnswer->text(), QStringLiteral("more"));
    }
};

QTEST_MAIN(TestMainform)
#include "test_mainform.moc"
