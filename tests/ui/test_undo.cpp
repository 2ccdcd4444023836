// SPDX-License-Identifier: GPL-3.0-or-later
// Edit > Undo and Redo in the window, and the recovery file of unsaved work.
#include <filesystem>
#include <fstream>

#include "documentcommands.h"
#include "mainwindowfixture.h"
#include "recoverywatch.h"

namespace qbrx::test {

namespace fs = std::filesystem;

class UndoTest : public QObject, public MainWindowFixture {
    Q_OBJECT

    void buildPuzzle() {
        registerQuote(QStringLiteral("Less is more than enough for the wise"));
        accept(QStringLiteral("Opposite of more"), QStringLiteral("less"));
        accept(QStringLiteral("Opposite of less"), QStringLiteral("more"));
        accept(QStringLiteral("Compared with"), QStringLiteral("than"));
    }
    bool marked() const { return form->windowTitle().endsWith(QStringLiteral(" *")); }
    QString numbersShown() const {
        QStringList out;
        for (const QLabel* label : form->lblUnderCrostic) out << label->text();
        return out.join(QLatin1Char(' '));
    }

private slots:
    void init() { QVERIFY(start()); }
    void cleanup() { form.reset(); }

    // Typing in the focused box is undone before the puzzle's last step.
    void undoAndRedoNameTheStepAndTypingIsUndoneFirst() {
        buildPuzzle();
        clickRow(2);
        QTest::mouseClick(form->cmdDelete, Qt::LeftButton);
        QCOMPARE(form->lstQuestion->count(), 3);
        form->mnuEdit->popup(QPoint(0, 0));  // names are given as the menu opens
        QCOMPARE(form->mnuUndo->text(), QStringLiteral("&Undo Delete Question C"));
        form->mnuEdit->hide();
        form->lstQuestion->setFocus();
        QTest::keyClick(form->lstQuestion, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(form->lstQuestion->count(), 4);
        QCOMPARE(form->mnuRedo->text(), QStringLiteral("&Redo Delete Question C"));
        QCOMPARE(form->mnuUndo->text(), QStringLiteral("&Undo Accept Question C"));
        QTest::keyClick(form->lstQuestion, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(form->lstQuestion->count(), 3);
        QCOMPARE(form->mnuPrintSetup->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));

        const QString before = form->txtQuestion->text();
        form->txtQuestion->setFocus();
        QTest::keyClicks(form->txtQuestion, QStringLiteral("Big"));
        form->mnuEdit->popup(QPoint(0, 0));
        QCOMPARE(form->mnuUndo->text(), QStringLiteral("&Undo Typing"));
        form->mnuEdit->hide();
        QTest::keyClick(form->txtQuestion, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(form->txtQuestion->text(), before);
        QCOMPARE(form->lstQuestion->count(), 3);
        QTest::keyClick(form->txtQuestion, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(form->lstQuestion->count(), 4);
    }

    // Register with nothing changed keeps the letter numbers: a key printed
    // later matches the puzzle handed out.
    void registerWithNothingChangedKeepsTheNumbers() {
        buildPuzzle();
        clickRow(0);
        const QString numbers = numbersShown();
        *random = ScriptedRandom({0.5, 0.9, 0.3, 0.7});  // a fresh draw would take other copies
        QTest::mouseClick(form->cmdRegister, Qt::LeftButton);
        clickRow(0);
        QCOMPARE(numbersShown(), numbers);
    }

    void anOperationThatAsksIsOneStepWhateverRunsMeanwhile() {
        // While a message box is open, the window goes on handling events
        // (a focus change runs an operation of its own).
        struct Busy : ScriptedPrompter {
            std::function<void()> meanwhile;
            Reply message(const MessageRequest& request) override {
                if (meanwhile) meanwhile();
                return ScriptedPrompter::message(request);
            }
        } busy;
        MainWindow window(busy, *random, *dictionary);
        window.startUp();
        window.txtQuote->setPlainText(QStringLiteral("Less is more than a very long answer could ever take"));
        window.cmdRegister->click();
        window.txtQuestion->setText(QStringLiteral("Opposite of more"));
        window.txtAnswer->setText(QStringLiteral("less"));
        window.cmdAccept->click();
        busy.meanwhile = [&window] { window.perform([](Editor& e) { e.answerBoxFocus(); }); };
        window.txtQuestion->setText(QStringLiteral("Too long"));
        window.txtAnswer->setText(QStringLiteral("a very long answer could ever take"));
        window.cmdAccept->click();  // "Answer is limited to 24 characters": OK
        QCOMPARE(window.editor().history.undoName(), std::string("Accept Question B"));
        window.mnuUndo->trigger();
        QCOMPARE(window.editor().history.undoName(), std::string("Accept Question A"));
    }

    void theChangedMarkFollowsTheHistoryAndNewStartsAnother() {
        buildPuzzle();
        prompter->files = {pathFor(QStringLiteral("p.dat"))};
        form->mnuSave->trigger();
        QVERIFY(!marked());
        accept(QStringLiteral("Plenty"), QStringLiteral("enough"));
        QVERIFY(marked());
        form->mnuUndo->trigger();
        QVERIFY(!marked());
        form->mnuRedo->trigger();
        QVERIFY(marked());
        form->mnuUndo->trigger();
        form->mnuUndo->trigger();
        QVERIFY(marked());
        // New starts a new history.
        prompter->replies = {Reply::No, Reply::No};
        form->mnuNew->trigger();
        form->mnuUndo->trigger();
        QCOMPARE(form->mnuUndo->text(), QStringLiteral("&Undo"));
        QCOMPARE(form->lstQuestion->count(), 0);
    }

    void aFileThatCannotBeWrittenIsReportedOnce() {
        RecoveryWatch watch(*form, pathFor(QStringLiteral("state")));
        // A folder where the file should be refuses it, even to root.
        fs::create_directories(watch.session().path());
        buildPuzzle();
        watch.writeNow();
        accept(QStringLiteral("Plenty"), QStringLiteral("enough"));
        watch.writeNow();
        QCOMPARE(prompter->messages.size(), std::size_t{1});
        QVERIFY(watch.stopped());
    }

    void aDamagedOrForeignRecoveryFileIsRefusedAndKeptAside() {
        const std::string state = pathFor(QStringLiteral("state"));
        fs::create_directories(state);
        const std::string damaged = state + "/puzzle-1-1.recovery";
        const std::string foreign = state + "/puzzle-2-2.recovery";
        std::ofstream(damaged, std::ios::binary) << kRecoveryMark << "\r\n\r\n0\r\nLess\r\n 5 \r\n";
        std::ofstream(foreign, std::ios::binary) << "Less is more\r\n\r\n\r\n\r\n0\r\n0\r\n0\r\n 0 \r\n";
        RecoveryWatch watch(*form, state);
        prompter->replies = {Reply::Yes, Reply::Ok, Reply::Yes, Reply::Ok};
        QVERIFY(!watch.offer());
        QCOMPARE(prompter->messages.size(), std::size_t{4});
        QVERIFY(fs::exists(damaged + ".damaged"));
        QVERIFY(fs::exists(foreign + ".damaged"));
        QCOMPARE(form->txtQuote->toPlainText(), QString::fromLatin1(kQuotePrompt));
    }
};

}  // namespace qbrx::test

QTEST_MAIN(qbrx::test::UndoTest)
#include "test_undo.moc"
