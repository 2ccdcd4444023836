// The main window driven through its real widgets: typing, clicks and keys
// on the road of one answer, and the commands around it.
#include <QtTest>
#include <QtWidgets>

#include <filesystem>
#include <memory>

#include "dictionary.h"
#include "documentcommands.h"
#include "frmoptions.h"
#include "mainform.h"
#include "quoteshow.h"
#include "random.h"
#include "scriptedprompter.h"

using namespace qbrx;

namespace {

const QString kPrompt = QString::fromLatin1(kQuotePrompt);

QStringList rows(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

}  // namespace

class TestMainform : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedPrompter> prompter;
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
    // Registers "Less is more." and accepts the first `count` of three answers.
    void fill(int count) {
        typeQuote(QStringLiteral("Less is more."));
        const char* pairs[][2] = {{"First", "less"}, {"Second", "more"}, {"Third", "sir"}};
        for (int i = 0; i < count; ++i) enterPair(pairs[i][0], pairs[i][1]);
    }
    void clickRow(int row) {
        const QRect rect = form->lstQuestion->visualItemRect(form->lstQuestion->item(row));
        QTest::mouseClick(form->lstQuestion->viewport(), Qt::LeftButton, {}, rect.center());
    }
    QString crostic(int from, int count) {
        QString out;
        for (int k = from; k < from + count; ++k) out += form->lblCrostic[k]->text();
        return out;
    }

private slots:
    void init() {
        // As in the program: started up first, shown afterwards.
        prompter = std::make_unique<ScriptedPrompter>();
        random = std::make_unique<ScriptedRandom>(std::vector<double>{0.0});
        dictionary = std::make_unique<Dictionary>();
        form = std::make_unique<Mainform>(*prompter, *random, *dictionary);
        form->startUp();
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup() { form.reset(); QGuiApplication::clipboard()->clear(); }

    void startUpLeavesOnlyTheQuotationUsable() {
        QCOMPARE(QApplication::focusWidget(), form->txtQuote);
        QCOMPARE(form->txtQuote->textCursor().selectedText(), kPrompt);
        QCOMPARE(rows(form->lstQuestion), QStringList{QStringLiteral(" A. ")});
        QVERIFY(form->cmdRegister->isEnabled());
        QVERIFY(form->mnuOpen->isEnabled());
        for (QWidget* w : std::initializer_list<QWidget*>{form->txtQuestion, form->txtAnswer, form->cmdAccept,
                                                          form->cmdQuote, form->lstQuestion, form->cmdMoveUp,
                                                          form->optCrosticOn, form->cmdGaps})
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        for (QAction* a : {form->mnuNew, form->mnuSave, form->mnuSaveAs, form->mnuRevert, form->mnuPrint})
            QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
        // Quote Grid does nothing before a quotation is registered; the keys
        // of unavailable items (Print Key, Save As) leave the box alone.
        form->txtQuote->moveCursor(QTextCursor::Start);
        for (QKeyCombination key : {QKeyCombination(Qt::Key_F7), Qt::CTRL | Qt::Key_K, Qt::CTRL | Qt::Key_A})
            QTest::keyClick(form->txtQuote, key.key(), key.keyboardModifiers());
        QVERIFY(!form->gridWindow()->isVisible());
        QVERIFY(!form->txtQuote->textCursor().hasSelection());
        QCOMPARE(form->txtQuote->toPlainText(), kPrompt);
    }

    void registerCleansCountsAndShowsTheGrid() {
        // Typing replaces the selected prompt.
        typeQuote(QStringLiteral("\"Less\"  is more."));
        QCOMPARE(form->txtQuote->toPlainText(), QStringLiteral("\u201CLess\u201D is more."));
        QCOMPARE(form->lblTotalletters->text(), QStringLiteral("10"));
        QCOMPARE(form->lblvowels->text(), QStringLiteral("4"));
        QCOMPARE(form->lblconsonants->text(), QStringLiteral("6"));
        QCOMPARE(form->lblLettersleft[18]->text(), QStringLiteral("3"));  // S
        QVERIFY(form->gridWindow()->isVisible());
        QCOMPARE(form->cmdQuote->text(), QStringLiteral("Hide Quote"));
        for (QWidget* w : std::initializer_list<QWidget*>{form->txtQuestion, form->txtAnswer, form->cmdAccept,
                                                          form->cmdQuote, form->lstQuestion, form->cmdEmpty})
            QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
        for (QAction* a : {form->mnuNew, form->mnuSave, form->mnuSaveAs, form->mnuRevert, form->mnuPrint})
            QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));

        // Enter in the quotation box registers again without a line break;
        // Down acts as End.
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
        QTest::keyClick(form->txtQuestion, Qt::Key_F7);
        QVERIFY(form->gridWindow()->isVisible());
        QCOMPARE(form->cmdQuote->text(), QStringLiteral("Hide Quote"));
    }

    void acceptingWithEnterEncodesTheAnswer() {
        fill(1);
        QCOMPARE(rows(form->lstQuestion), (QStringList{QStringLiteral(" A. First"), QStringLiteral(" B. ")}));
        QCOMPARE(form->lstQuestion->currentRow(), 1);
        QVERIFY(form->txtQuestion->text().isEmpty());
        QVERIFY(form->txtAnswer->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), form->txtQuestion);
        QCOMPARE(form->lblCrostic[0]->text(), QStringLiteral("l"));
        QCOMPARE(form->lblLettersleft[26]->text(), QStringLiteral("6"));

        clickRow(0);
        QCOMPARE(form->txtAnswer->text(), QStringLiteral("less"));
        QCOMPARE(form->lblEncoded->text(), QStringLiteral(" _ _ _ _ "));
        QCOMPARE(form->lblUnderCrostic[3]->text(), QStringLiteral("4"));
    }

    void editingAFilledSlotRegistersAgain() {
        fill(1);
        clickRow(0);
        form->txtAnswer->setFocus();
        QCOMPARE(form->txtAnswer->selectedText(), QStringLiteral("less"));
        QTest::keyClicks(form->txtAnswer, QStringLiteral("more"));
        QTest::keyClick(form->txtAnswer, Qt::Key_Return);

        QCOMPARE(form->editor().doc.questionCount, 1);
        QCOMPARE(form->lblCrostic[0]->text(), QStringLiteral("m"));
        QCOMPARE(form->lstQuestion->currentRow(), 0);
        QCOMPARE(form->lblUnderCrostic[0]->text(), QStringLiteral("7"));
        QCOMPARE(form->lblLettersleft[11]->text(), QStringLiteral("1"));  // the L is free again
    }

    void boxKeysAndMoveAskForRegistration() {
        fill(2);
        QTest::keyClick(form->txtQuestion, Qt::Key_Home);
        QCOMPARE(form->lstQuestion->currentRow(), 0);
        QTest::keyClick(form->txtQuestion, Qt::Key_PageDown);
        QCOMPARE(form->txtQuestion->text(), QStringLiteral("Second"));
        QTest::keyClick(form->txtAnswer, Qt::Key_End);
        QCOMPARE(form->lstQuestion->currentRow(), 2);
        // A crostic letter jumps to its question.
        QTest::mouseClick(form->lblCrostic[0], Qt::LeftButton);
        QCOMPARE(form->lstQuestion->currentRow(), 0);

        QTest::mouseClick(form->cmdMoveUp, Qt::LeftButton);  // already at the top
        QCOMPARE(form->cmdRegister->text(), QStringLiteral("Register"));
        clickRow(1);
        QTest::mouseClick(form->cmdMoveUp, Qt::LeftButton);
        QCOMPARE(rows(form->lstQuestion),
                 (QStringList{QStringLiteral(" A. Second"), QStringLiteral(" B. First"), QStringLiteral(" C. ")}));
        QCOMPARE(form->lstQuestion->currentRow(), 0);
        QCOMPARE(form->cmdRegister->text(), QStringLiteral("ReRegister"));
        for (QFrame* f : {form->shp1, form->shp2, form->shp3, form->shpRegister}) QVERIFY(f->isVisible());
        QCOMPARE(crostic(0, 2), QStringLiteral("ml"));

        QTest::mouseClick(form->cmdRegister, Qt::LeftButton);
        QCOMPARE(form->cmdRegister->text(), QStringLiteral("Register"));
        for (QFrame* f : {form->shp1, form->shp2, form->shp3, form->shpRegister}) QVERIFY(f->isHidden());
    }

    void deleteAsksFirst() {
        fill(3);
        clickRow(0);
        prompter->replies = {Reply::Cancel};
        QTest::mouseClick(form->cmdDelete, Qt::LeftButton);
        QCOMPARE(prompter->messages.back().text, std::string("Are you sure you want to delete \r\"First\""));
        QCOMPARE(prompter->messages.back().buttons, Buttons::OkCancel);
        QCOMPARE(form->lstQuestion->count(), 4);

        prompter->replies = {Reply::Ok};
        QTest::mouseClick(form->cmdDelete, Qt::LeftButton);
        QCOMPARE(rows(form->lstQuestion).first(), QStringLiteral(" A. Second"));
        QCOMPARE(crostic(0, 2), QStringLiteral("ms"));

        // The full stop typed in the list asks too.
        prompter->replies = {Reply::Ok};
        form->lstQuestion->setFocus();
        QTest::keyClicks(form->lstQuestion, QStringLiteral("."));
        QCOMPARE(prompter->messages.size(), size_t(3));
        QCOMPARE(form->editor().doc.questionCount, 1);
    }

    void findGapsAndEmptyAnswers() {
        fill(1);
        QTest::mouseClick(form->cmdGaps, Qt::LeftButton);
        QCOMPARE(prompter->texts().back(), std::string("All answers are fully coded."));
        QTest::mouseClick(form->cmdEmpty, Qt::LeftButton);
        QCOMPARE(prompter->texts().back(), std::string("No empty answers"));
        // "bee": no B in the stock; Find Gaps selects it and shows the gap.
        clickRow(1);
        enterPair(QStringLiteral("Insect"), QStringLiteral("bee"));
        QTest::mouseClick(form->cmdGaps, Qt::LeftButton);
        QCOMPARE(form->lstQuestion->currentRow(), 1);
        QVERIFY(form->lblEncoded->text().contains(QLatin1Char('B')));
    }

    void newAsksTwiceAndResets() {
        fill(1);
        prompter->replies = {Reply::Cancel};
        form->mnuNew->trigger();
        QCOMPARE(form->editor().doc.questionCount, 1);

        prompter->replies = {Reply::No, Reply::No};
        form->mnuNew->trigger();
        QCOMPARE(prompter->texts().size(), size_t(3));
        QCOMPARE(prompter->texts()[1], std::string("Save changes to  before creating a new document?"));  // no name yet
        QCOMPARE(form->txtQuote->textCursor().selectedText(), kPrompt);
        QCOMPARE(QApplication::focusWidget(), form->txtQuote);
        QVERIFY(!form->gridWindow()->isVisible());
        QVERIFY(!form->txtQuestion->isEnabled());
        QVERIFY(form->lblCrostic[0]->text().isEmpty());
        QVERIFY(form->lblEncoded->text().isEmpty());
        QCOMPARE(form->lstQuestion->count(), 0);
    }

    void saveAsWithCtrlAThenOpen() {
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("less.dat")).toStdString();
        fill(1);
        // Ctrl+A is Save As even while a text box has the focus.
        prompter->files = {path};
        QTest::keyClick(form->txtQuestion, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(std::filesystem::exists(path));
        QCOMPARE(prompter->saveRequests.size(), size_t(1));

        prompter->replies = {Reply::No, Reply::No};
        form->mnuNew->trigger();
        prompter->files = {path};
        QTest::keyClick(form->txtQuote, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(prompter->openRequests.size(), size_t(1));
        QCOMPARE(form->documentCommands().dataFileName, path);
        QCOMPARE(form->txtQuote->toPlainText(), QStringLiteral("Less is more."));
        QCOMPARE(rows(form->lstQuestion), (QStringList{QStringLiteral(" A. First"), QStringLiteral(" B. ")}));
        QVERIFY(form->txtQuestion->isEnabled());
        QCOMPARE(form->lblCrostic[0]->text(), QStringLiteral("l"));
    }

    void editCommandsWorkOnTheFocusedBox() {
        fill(0);
        form->txtAnswer->setFocus();
        QTest::keyClicks(form->txtAnswer, QStringLiteral("sealion"));
        form->txtAnswer->setSelection(0, 3);
        QTest::keyClick(form->txtAnswer, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(form->txtAnswer->text(), QStringLiteral("lion"));

        form->txtQuestion->setFocus();
        form->txtQuestion->setText(QStringLiteral("Big cat"));
        form->txtQuestion->setCursorPosition(0);
        QTest::keyClick(form->txtQuestion, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(form->txtQuestion->text(), QStringLiteral("seaBig cat"));

        form->txtAnswer->setFocus();
        form->txtAnswer->setSelection(1, 1);
        form->mnuClear->trigger();
        QVERIFY(form->txtAnswer->text().isEmpty());

        form->txtQuote->setFocus();
        form->mnuSelectAll->trigger();
        QCOMPARE(form->txtQuote->textCursor().selectedText(), QStringLiteral("Less is more."));
        // Clear leaves other controls alone.
        form->lstQuestion->setFocus();
        form->mnuClear->trigger();
        QCOMPARE(form->txtQuote->toPlainText(), QStringLiteral("Less is more."));
    }

    void headerDialogStoresOnlyOnOkay() {
        HeaderValues& header = form->editor().doc.header;
        header.title = "Walden";
        header.titleGiven = true;
        form->mnuHeader->trigger();
        frmOptions* dialog = form->optionsDialog();
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->txtPuzzleTitle->text(), QStringLiteral("Walden"));
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
        QTest::mouseClick(dialog->cmdOkay, Qt::LeftButton);
        QCOMPARE(header.title, std::string());
        QVERIFY(header.titleGiven);  // an emptied title keeps the flag
        QCOMPARE(header.createdBy, std::string("Ms. Rivera"));
        QVERIFY(header.createdByGiven);
    }

    void gridWindowFocusTurnsTheCaptionBack() {
        fill(0);
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
        fill(0);
        int opened = 0;
        form->onOpenDictionary = [&opened] { ++opened; };
        DictionaryHost& host = *form;
        QVERIFY(host.emptyRowSelected());
        host.setAnswerBoxText("less");
        host.setQuestionBoxText("Question for [less]");
        host.setAdvanceMarkers();
        host.focusQuestionBox();
        QCOMPARE(form->editor().doc.questionCount, 1);
        QCOMPARE(form->editor().doc.question[1], std::string("Question for [less]"));
        QCOMPARE(opened, 1);
        QVERIFY(form->tag.empty());
        QVERIFY(form->cmdDictionaryTag.empty());

        // No marker lingers: a later Add & Edit only hands the word over.
        host.setAnswerBoxText("more");
        host.focusQuestionBox();
        QCOMPARE(form->editor().doc.questionCount, 1);
        QCOMPARE(form->txtAnswer->text(), QStringLiteral("more"));
    }
};

QTEST_MAIN(TestMainform)
#include "test_mainform.moc"
