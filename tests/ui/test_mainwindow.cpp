// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven through its real widgets: typing, clicks and keys
// on the road of one answer, and the commands around it; and the main
// window among the program's other windows: what the grid and dictionary
// windows leave in view, accessible names, the help on the tab order, and a
// start-up that leaves the printer alone.
#include <filesystem>
#include <initializer_list>

#include "dictionarywindow.h"
#include "helptopics.h"
#include "helpwindow.h"
#include "mainwindowfixture.h"
#include "optionsdialog.h"
#include "quotegridwindow.h"
#include "suggestdialog.h"
#include "troubledialog.h"

using namespace qbrx;
using namespace Qt::StringLiterals;
using test::rows;

namespace {

QRect onScreen(const QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }

QString accessibleName(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

// The program's controls (named widgets; Qt's own parts are unnamed or
// qt_...) in a window that have no accessible name.
QStringList unnamedControls(QWidget* window) {
    QStringList missing;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                             qobject_cast<QAbstractScrollArea*>(w) || qobject_cast<QLabel*>(w) ||
                             w->isWindow();
        const QString name = w->objectName();
        if (control && !name.isEmpty() && !name.startsWith(QLatin1String("qt_")) &&
            accessibleName(w).isEmpty())
            missing << name;
    }
    return missing;
}

}  // namespace

class TestMainWindow : public QObject, test::MainWindowFixture {
    Q_OBJECT

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
        registerQuote(u"Less is more."_s);
        const char* pairs[][2] = {{"First", "less"}, {"Second", "more"}, {"Third", "sir"}};
        for (int i = 0; i < count; ++i) enterPair(pairs[i][0], pairs[i][1]);
    }
    // The controls and menu items that wait for a registered quotation.
    void expectEnabled(bool enabled) {
        for (QWidget* w : std::initializer_list<QWidget*>{form->txtQuestion, form->txtAnswer, form->cmdAccept,
                                                          form->cmdQuote, form->lstQuestion, form->cmdMoveUp,
                                                          form->optCrosticOn, form->cmdGaps, form->cmdEmpty})
            QVERIFY2(w->isEnabled() == enabled, qPrintable(w->objectName()));
        for (QAction* a : {form->mnuNew, form->mnuSave, form->mnuSaveAs, form->mnuRevert, form->mnuPrint,
                           form->mnuCrosticSetup, form->mnuMoveUp})
            QVERIFY2(a->isEnabled() == enabled, qPrintable(a->objectName()));
    }

private slots:
    void init() { QVERIFY(start()); }
    void cleanup() {
        form.reset();
        QGuiApplication::clipboard()->clear();
    }

    void startUpLeavesOnlyTheQuotationUsable() {
        QCOMPARE(QApplication::focusWidget(), form->txtQuote);
        QCOMPARE(form->txtQuote->textCursor().selectedText(), QString::fromLatin1(kQuotePrompt));
        QCOMPARE(rows(form->lstQuestion), QStringList{u" A. "_s});
        QVERIFY(form->cmdRegister->isEnabled());
        QVERIFY(form->mnuOpen->isEnabled());
        expectEnabled(false);
        // Quote Grid does nothing before a quotation is registered; the keys
        // of unavailable items (Print Key, Save As) leave the box alone.
        form->txtQuote->moveCursor(QTextCursor::Start);
        for (QKeyCombination key :
             {QKeyCombination(Qt::Key_F7), Qt::CTRL | Qt::Key_K, Qt::CTRL | Qt::SHIFT | Qt::Key_S})
            QTest::keyClick(form->txtQuote, key.key(), key.keyboardModifiers());
        QVERIFY(!form->gridWindow()->isVisible());
        QVERIFY(!form->txtQuote->textCursor().hasSelection());
        QCOMPARE(form->txtQuote->toPlainText(), QString::fromLatin1(kQuotePrompt));
        // The printer is left alone until it is first used.
        QVERIFY(!form->printerSetUp());
        form->mnuPrintSetup->trigger();
        QVERIFY(form->printerSetUp());
    }

    void registerCleansCountsAndShowsTheGrid() {
        // Typing replaces the selected prompt; Register hands the keys to the question box.
        QTest::keyClicks(form->txtQuote, u"\"Less\"  is more."_s);
        form->cmdRegister->setFocus();
        QTest::keyClick(form->cmdRegister, Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), form->txtQuestion);
        QCOMPARE(form->txtQuote->toPlainText(), u"\u201CLess\u201D is more."_s);
        QCOMPARE(form->lblTotalletters->text(), u"10"_s);
        QCOMPARE(form->lblLettersleft[18]->text(), u"3"_s);  // S
        QVERIFY(form->gridWindow()->isVisible());
        QCOMPARE(form->cmdQuote->text(), u"Hide Quote"_s);
        expectEnabled(true);

        // Enter in the quotation box registers again without a line break;
        // Down acts as End.
        form->txtQuote->setFocus();
        QTest::keyClick(form->txtQuote, Qt::Key_Down);
        QTest::keyClicks(form->txtQuote, u"  Yes"_s);
        QTest::keyClick(form->txtQuote, Qt::Key_Return);
        QCOMPARE(form->txtQuote->toPlainText(), u"\u201CLess\u201D is more. Yes"_s);
        QCOMPARE(form->lblLettersleft[24]->text(), u"1"_s);  // Y

        // Hide Quote, then Quote Grid (F7) brings the window back.
        QTest::mouseClick(form->cmdQuote, Qt::LeftButton);
        QVERIFY(!form->gridWindow()->isVisible());
        QCOMPARE(form->cmdQuote->text(), u"Show Quote"_s);
        QTest::keyClick(form->txtQuestion, Qt::Key_F7);
        QVERIFY(form->gridWindow()->isVisible());
        QCOMPARE(form->cmdQuote->text(), u"Hide Quote"_s);
    }

    void acceptingWithEnterEncodesAndEditingRegistersAgain() {
        fill(1);
        QCOMPARE(rows(form->lstQuestion), (QStringList{u" A. First"_s, u" B. "_s}));
        QCOMPARE(QApplication::focusWidget(), form->txtQuestion);
        QCOMPARE(form->lblCrostic[0]->text(), u"l"_s);
        QCOMPARE(form->lblLettersleft[26]->text(), u"6"_s);

        clickRow(0);
        QCOMPARE(form->lblEncoded->text(), u" _ _ _ _ "_s);
        QCOMPARE(form->lblUnderCrostic[3]->text(), u"4"_s);

        // Editing the filled slot registers it again.
        form->txtAnswer->setFocus();
        QCOMPARE(form->txtAnswer->selectedText(), u"less"_s);
        QTest::keyClicks(form->txtAnswer, u"more"_s);
        QTest::keyClick(form->txtAnswer, Qt::Key_Return);
        QCOMPARE(form->editor().doc.questionCount, 1);
        QCOMPARE(form->lblCrostic[0]->text(), u"m"_s);
        QCOMPARE(form->lblUnderCrostic[0]->text(), u"7"_s);
        QCOMPARE(form->lblLettersleft[11]->text(), u"1"_s);  // the L is free again
    }

    void boxKeysAndMoveAskForRegistration() {
        fill(2);
        QTest::keyClick(form->txtQuestion, Qt::Key_Home);
        QCOMPARE(form->lstQuestion->currentRow(), 0);
        QTest::keyClick(form->txtQuestion, Qt::Key_PageDown);
        QCOMPARE(form->txtQuestion->text(), u"Second"_s);
        QTest::keyClick(form->txtAnswer, Qt::Key_End);
        QCOMPARE(form->lstQuestion->currentRow(), 2);
        // A crostic letter jumps to its question.
        QTest::mouseClick(form->lblCrostic[1], Qt::LeftButton);
        QCOMPARE(form->lstQuestion->currentRow(), 1);

        QTest::mouseClick(form->cmdMoveUp, Qt::LeftButton);
        QCOMPARE(rows(form->lstQuestion), (QStringList{u" A. Second"_s, u" B. First"_s, u" C. "_s}));
        QCOMPARE(form->lstQuestion->currentRow(), 0);
        QCOMPARE(form->cmdRegister->text(), u"ReRegister"_s);
        for (QFrame* f : {form->shp1, form->shp2, form->shp3, form->shpRegister}) QVERIFY(f->isVisible());
        QTest::mouseClick(form->cmdRegister, Qt::LeftButton);
        QCOMPARE(form->cmdRegister->text(), u"Register"_s);
        for (QFrame* f : {form->shp1, form->shp2, form->shp3, form->shpRegister}) QVERIFY(f->isHidden());
    }

    void deleteAndCloseAskFirst() {
        fill(3);
        clickRow(0);
        prompter->replies = {Reply::Ok};
        QTest::mouseClick(form->cmdDelete, Qt::LeftButton);
        QCOMPARE(prompter->messages.back().buttons, Buttons::OkCancel);
        QCOMPARE(rows(form->lstQuestion).first(), u" A. Second"_s);
        QCOMPARE(form->lblCrostic[0]->text(), u"m"_s);

        // The full stop typed in the list asks too.
        prompter->replies = {Reply::Ok};
        form->lstQuestion->setFocus();
        QTest::keyClicks(form->lstQuestion, u"."_s);
        QCOMPARE(prompter->messages.size(), size_t(2));
        QCOMPARE(form->editor().doc.questionCount, 1);

        // Closing with unsaved changes asks too.
        prompter->replies = {Reply::Cancel};
        QVERIFY(!form->close());
        QVERIFY(form->isVisible());
        prompter->replies = {Reply::No};
        QVERIFY(form->close());
    }

    // New asks twice (no file name yet) and resets the window.
    void findGapsEmptyAnswersThenNew() {
        fill(1);
        QTest::mouseClick(form->cmdEmpty, Qt::LeftButton);
        QCOMPARE(prompter->texts().back(), std::string("No empty answers"));
        // "bee": no B in the stock; Find Gaps selects it and shows the gap.
        clickRow(1);
        enterPair(u"Insect"_s, u"bee"_s);
        QTest::mouseClick(form->cmdGaps, Qt::LeftButton);
        QCOMPARE(form->lstQuestion->currentRow(), 1);
        QVERIFY(form->lblEncoded->text().contains(QLatin1Char('B')));

        prompter->messages.clear();
        prompter->replies = {Reply::No, Reply::No};
        form->mnuNew->trigger();
        QCOMPARE(prompter->texts()[0], std::string("Save changes to  before creating a new document?"));
        QCOMPARE(form->txtQuote->textCursor().selectedText(), QString::fromLatin1(kQuotePrompt));
        QCOMPARE(QApplication::focusWidget(), form->txtQuote);
        QVERIFY(!form->gridWindow()->isVisible());
        QVERIFY(!form->txtQuestion->isEnabled());
        QVERIFY(form->lblCrostic[0]->text().isEmpty());
        QVERIFY(form->lblEncoded->text().isEmpty());
        QCOMPARE(form->lstQuestion->count(), 0);
    }

    // The used mark in an answer is no letter: saved, it opens as a mark.
    void saveAsWithCtrlShiftSThenOpen() {
        const std::string path = pathFor(u"less.dat"_s);
        fill(1);
        form->editor().doc.answer[1] = "le_ss";
        // Ctrl+Shift+S is Save As even while a text box has the focus.
        prompter->files = {path};
        QTest::keyClick(form->txtQuestion, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(std::filesystem::exists(path));

        prompter->replies = {Reply::No, Reply::No};
        form->mnuNew->trigger();
        prompter->files = {path};
        QTest::keyClick(form->txtQuote, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(form->txtQuote->toPlainText(), u"Less is more."_s);
        QCOMPARE(rows(form->lstQuestion), (QStringList{u" A. First"_s, u" B. "_s}));
        QVERIFY(form->txtQuestion->isEnabled());
        QCOMPARE(form->editor().doc.answerMarks[1], std::string("__-__"));
        QCOMPARE(form->txtAnswer->text(), u"le-ss"_s);

        form->txtAnswer->setText(u"mo_re"_s);
        QTest::mouseClick(form->cmdInsert, Qt::LeftButton);
        QCOMPARE(form->editor().doc.answer[1], std::string("mo-re"));
    }

    void editCommandsWorkOnTheFocusedBox() {
        fill(0);
        form->txtAnswer->setFocus();
        QTest::keyClicks(form->txtAnswer, u"sealion"_s);
        form->txtAnswer->setSelection(0, 3);
        QTest::keyClick(form->txtAnswer, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(form->txtAnswer->text(), u"lion"_s);
        QTest::keyClick(form->txtAnswer, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(form->txtAnswer->text(), u"sealion"_s);
        form->txtAnswer->setSelection(1, 1);
        form->mnuClear->trigger();
        QVERIFY(form->txtAnswer->text().isEmpty());
        // Clear leaves other controls alone.
        form->lstQuestion->setFocus();
        form->mnuClear->trigger();
        QCOMPARE(form->txtQuote->toPlainText(), u"Less is more."_s);
        // Copy works in the help window's text too.
        QPointer<HelpWindow> help = showHelp(form.get());
        QApplication::setActiveWindow(help.data());
        QTRY_VERIFY(QApplication::activeWindow() == help.data());
        help->txtHelp->setFocus();
        help->txtHelp->selectAll();
        QTest::keyClick(help->txtHelp, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), help->txtHelp->toPlainText());
        help->close();
    }

    // Okay stores the dialog's values, as unsaved work; Cancel leaves all
    // alone. Open and coming back to the dialog fill it again.
    void headerDialogStoresOnlyOnOkayAndRefills() {
        fill(0);
        const std::string path = pathFor(u"walden.dat"_s);
        HeaderValues& header = form->editor().doc.header;
        const bool& changed = form->editor().doc.docChanged;
        header.title = "Walden";
        header.titleGiven = true;
        header.nameLine = true;
        prompter->files = {path};
        form->mnuSaveAs->trigger();
        form->mnuHeader->trigger();
        OptionsDialog* dialog = form->optionsDialog();
        QCOMPARE(dialog->txtPuzzleTitle->text(), u"Walden"_s);
        dialog->txtPuzzleTitle->setText(u"Changed"_s);
        QTest::mouseClick(dialog->cmdCancel, Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(header.title, std::string("Walden"));
        QVERIFY(!changed);

        form->mnuHeader->trigger();
        QCOMPARE(dialog->txtPuzzleTitle->text(), u"Walden"_s);
        dialog->txtPuzzleTitle->clear();
        dialog->txtCreatedby->setText(u"Ms. Rivera"_s);
        QTest::mouseClick(dialog->cmdOkay, Qt::LeftButton);
        QVERIFY(changed);
        QCOMPARE(header.title, std::string());
        QVERIFY(header.titleGiven);  // an emptied title keeps the flag
        QCOMPARE(header.createdBy, std::string("Ms. Rivera"));
        QVERIFY(header.createdByGiven);

        // Open with the dialog left open: its Okay keeps the opened header.
        header.title = "Old puzzle";
        header.nameLine = false;
        form->mnuHeader->trigger();
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
        QCOMPARE(form->editor().doc.question[1], std::string("Question for [less]"));
        QCOMPARE(opened, 1);
        QVERIFY(!form->advancePending);

        // No marker lingers: a later Add & Edit only hands the word over.
        host.setAnswerBoxText("more");
        host.focusQuestionBox();
        QCOMPARE(form->editor().doc.questionCount, 1);
        QCOMPARE(form->txtAnswer->text(), u"more"_s);
    }

    void gridAndDictionaryWindowsLeaveTheBoxesInView() {
        registerQuote(QString(255, QLatin1Char('a')));  // the tallest grid
        const QRect grid = form->gridWindow()->frameGeometry();
        QList<QWidget*> mustShow{form->txtQuestion,     form->txtAnswer, form->cmdAccept,
                                 form->lblTotalletters, form->lblvowels, form->lblconsonants};
        for (QLabel* label : form->lblLettersleft) mustShow << label;
        for (QWidget* w : mustShow) {
            QVERIFY2(!onScreen(w).intersects(grid), qPrintable(w->objectName()));
            QVERIFY2(onScreen(form->centralWidget()).contains(onScreen(w)), qPrintable(w->objectName()));
        }
        // So does the dictionary window, with no room beside the main window.
        const QRect area = form->screen()->availableGeometry();
        form->setGeometry(area.left(), area.top(), area.width(), form->height());
        form->openDictionary();
        const QRect frame = form->findChild<DictionaryWindow*>()->frameGeometry();
        for (QWidget* w :
             std::initializer_list<QWidget*>{form->txtQuestion, form->txtAnswer, form->cmdAccept})
            QVERIFY2(!frame.intersects(onScreen(w)), qPrintable(w->objectName()));
    }

    // Every control has an accessible name, and the help gives the tab order
    // by those names, and the preferences' places.
    void everyControlHasAnAccessibleNameAndTheHelpGivesTheTabOrder() {
        QCOMPARE(unnamedControls(form.get()), QStringList());
        QCOMPARE(unnamedControls(form->optionsDialog()), QStringList());
        registerQuote(u"Less is more."_s);
        QCOMPARE(accessibleName(form->lblLettersleft[4]), u"Letters left E: 2"_s);
        SuggestDialog suggest(*form, *dictionary);
        QVERIFY(!accessibleName(suggest.lstFills).isEmpty());
        QVERIFY(!accessibleName(suggest.lstSlots).isEmpty());

        form->txtQuestion->setFocus();
        makeHelp();
        const QString topic = QString::fromLatin1(helpBody[41].c_str());
        qsizetype at = -1;
        do {  // once round, from the question box back to it
            const QString name = accessibleName(QApplication::focusWidget());
            at = topic.indexOf(name, at + 1);
            QVERIFY2(at >= 0, qPrintable(name));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        } while (QApplication::focusWidget() != form->txtQuestion);

        QPointer<TroubleDialog> trouble = showTrouble(form.get());
        QVERIFY(trouble->lblAdvice->text().contains(u"~/.config/quotabrix/"_s));
        trouble->close();
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
