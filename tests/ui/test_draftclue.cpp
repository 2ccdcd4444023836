// SPDX-License-Identifier: GPL-3.0-or-later
// Draft Clue in the main window, the definitions in the dictionary window
// and the drafted questions of Suggest Answers, over a word list and
// definitions of the test's own.
#include <fstream>

#include "cluedraft.h"
#include "mainwindowfixture.h"
#include "suggestdialog.h"

using namespace qbrx;

namespace {

const char* const kWords = "4\r\nbat\r\nrun\r\ntea\r\n";
const char* const kDefinitions =
    "5\r\n"
    "n the act of running; traveling on foot at a fast pace\r\n"
    "v move fast by using one's feet\r\n"
    "v direct or control (projects, businesses, etc.)\r\n"
    "n a hot drink made from dried leaves\r\n"
    "n nocturnal mouselike mammal with forelimbs modified to form membranous wings\r\n"
    "bat\t\t5\r\n"
    "run\t\t1 2 3\r\n"
    "tea\t\t4\r\n";

}  // namespace

class TestDraftClue : public QObject, test::MainWindowFixture {
    Q_OBJECT

    // Starts the window over the word list and definitions, read from a
    // folder as the program reads them (the definitions on first use), and
    // registers a quotation.
    void startWithDefinitions(const char* definitions = kDefinitions) {
        QVERIFY(start());
        std::ofstream(pathFor(QStringLiteral("words.dic")), std::ios::binary) << kWords;
        std::ofstream(pathFor(QStringLiteral("definitions.dic")), std::ios::binary) << definitions;
        dictionary->loadWordList(folder->path().toStdString());
        registerQuote(QStringLiteral("Tea bat run."));
    }
    QString question() const { return form->txtQuestion->text(); }

private slots:
    void cleanup() { form.reset(); }

    // The first sense that does not give the answer away, then the next on
    // each press, through the button and Ctrl+L (round to the first, and the
    // program's placeholder taken for no question, are ClueDraft's). A
    // question the teacher typed is replaced only when the teacher says so,
    // and comes back with Undo.
    void draftsCyclesAndAsksBeforeReplacingATypedQuestion() {
        startWithDefinitions();
        form->txtAnswer->setText(QStringLiteral("Run"));
        QTest::mouseClick(form->cmdDraftClue, Qt::LeftButton);
        QCOMPARE(question(), QStringLiteral("Move fast by using one's feet"));
        QCOMPARE(QApplication::focusWidget(), form->txtQuestion);
        QTest::keyClick(form->txtQuestion, Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(question(), QStringLiteral("Direct or control"));
        QVERIFY(prompter->messages.empty());

        form->txtAnswer->setText(QStringLiteral("tea"));
        form->txtQuestion->setText(QStringLiteral("What is brewed in a pot?"));
        prompter->replies.push_back(Reply::No);
        form->cmdDraftClue->click();
        QCOMPARE(prompter->texts(), std::vector<std::string>{kReplaceQuestionMessage});
        QCOMPARE(question(), QStringLiteral("What is brewed in a pot?"));
        prompter->replies.push_back(Reply::Yes);
        form->cmdDraftClue->click();
        QCOMPARE(question(), QStringLiteral("A hot drink made from dried leaves"));
        QCOMPARE(prompter->messages.size(), std::size_t{2});
        // Undo right after a draft gives back the question that was in the
        // box, instead of undoing the puzzle's last change.
        form->mnuUndo->trigger();
        QCOMPARE(question(), QStringLiteral("What is brewed in a pot?"));
    }

    // Another answer of the puzzle is not given away; with no sense left,
    // a beep and nothing changes.
    void neverNamesAnotherAnswer() {
        startWithDefinitions("1\r\nn a hot drink to go with a bat\r\nbat\t\t\r\nrun\t\t\r\ntea\t\t1\r\n");
        accept(QStringLiteral("A flying mammal"), QStringLiteral("bat"));
        form->txtAnswer->setText(QStringLiteral("tea"));
        form->cmdDraftClue->click();
        QCOMPARE(question(), QString());
        QCOMPARE(prompter->beeps, 1);
    }

    // The selected word of the dictionary window shows its definitions.
    void dictionaryWindowShowsTheSelectedWordsSenses() {
        startWithDefinitions();
        DictionaryWindow* window = listWords(QStringLiteral("r"));
        QCOMPARE(test::rows(window->lstDict), QStringList{QStringLiteral("run")});
        QCOMPARE(window->lstDict->currentRow(), 0);
        QCOMPARE(window->lblDefinition->text(),
                 QStringLiteral("noun: the act of running; traveling on foot at a fast pace\n"
                                "verb: move fast by using one's feet\n"
                                "verb: direct or control (projects, businesses, etc.)"));
        window->close();
    }

    // Suggest Answers: each word's first definition as its tooltip; Use
    // Answers writes drafts, or with "Draft clues" off the program's
    // placeholder questions.
    void suggestAnswersShowsDefinitionsAndDraftsTheQuestions() {
        for (const bool drafts : {true, false}) {
            startWithDefinitions();
            prompter->inputs.push_back("TBR");
            form->mnuCrosticSetup->trigger();
            form->mnuSuggest->trigger();
            QPointer<SuggestDialog> dialog = form->findChild<SuggestDialog*>();
            QVERIFY(dialog);
            QVERIFY(dialog->chkDraftClues->isChecked());
            QTRY_VERIFY(!dialog->searching());
            QCOMPARE(dialog->lstFills->count(), 1);  // Tea Bat Run
            QVERIFY(dialog->lstSlots->item(0)->toolTip().endsWith(
                QStringLiteral("\nnoun: a hot drink made from dried leaves")));
            dialog->chkDraftClues->setChecked(drafts);
            dialog->cmdUse->click();
            QTRY_VERIFY(dialog.isNull());
            const Document& doc = form->editor().doc;
            QCOMPARE(doc.question[1],
                     std::string(drafts ? "A hot drink made from dried leaves" : "Question for [Tea]"));
            QCOMPARE(doc.question[3],
                     std::string(drafts ? "Move fast by using one's feet" : "Question for [Run]"));
            form.reset();
        }
    }
};

QTEST_MAIN(TestDraftClue)
#include "test_draftclue.moc"
