// SPDX-License-Identifier: GPL-3.0-or-later
// Qbrx > Suggest Answers... on the main window, over a small word list.
#include "mainwindowfixture.h"
#include "suggestdialog.h"

using namespace qbrx;
using test::rows;

class TestSuggestDialog : public QObject, test::MainWindowFixture {
    Q_OBJECT

    QPointer<SuggestDialog> dialog;

    // Registers `quote` over `wordList` (as the file holds it: the count
    // line, then a word a line) with its `levels`, sets up `crostic` and
    // opens the dialog. The "Never suggest" list lives in the test's folder.
    void suggest(const std::string& wordList = "6\r\nta\r\ntab\r\nbat\r\nbeat\r\ntea\r\n",
                 const QString& quote = QStringLiteral("Tea bat."), const std::string& crostic = "TB",
                 const std::string& levels = "10\r\n20\r\n10\r\n70\r\n10\r\n") {
        QVERIFY(start(wordList));
        qputenv("XDG_CONFIG_HOME", folder->path().toUtf8());
        dictionary->readLevels(levels);
        registerQuote(quote);
        prompter->inputs.push_back(crostic);
        form->mnuCrosticSetup->trigger();
        openDialog();
    }
    void openDialog() {
        form->mnuSuggest->trigger();
        dialog = form->findChild<SuggestDialog*>();
        QVERIFY(dialog);
    }
    QString allFills() const { return rows(dialog->lstFills).join(QLatin1Char('|')); }

private slots:
    void cleanup() {
        form.reset();
        qunsetenv("XDG_CONFIG_HOME");
    }

    // The timer lists what the search finds, best first, each word with its
    // familiarity and each set with its score; the ticked slots of a set go
    // into the puzzle through Accept.
    void listsFillsAndUsesTheTickedSlots() {
        suggest();
        QVERIFY(dialog->searching());
        QCOMPARE(dialog->spnMinLength->value(), 3);
        QCOMPARE(dialog->spnMaxLength->value(), 12);
        dialog->spnMinLength->setValue(2);
        QTRY_VERIFY(!dialog->searching());
        QCOMPARE(rows(dialog->lstFills), QStringList({QStringLiteral("100%   \u25CFTea  \u25CFBat"),
                                                      QStringLiteral(" 50%   \u25CFTa  \u25CBBeat")}));
        QCOMPARE(dialog->lblStatus->text(),
                 QStringLiteral("2 sets of 2 answers that use up exactly the 6 letters left.\n"
                                "The letters left include the 2 already in the empty answers."));
        QVERIFY(dialog->lblAdvice->isHidden());

        dialog->lstFills->setCurrentRow(1);
        QCOMPARE(dialog->lstSlots->count(), 2);
        QCOMPARE(dialog->lstSlots->item(1)->text(), QStringLiteral("B. \u25CBBeat"));
        QCOMPARE(dialog->lstSlots->item(1)->toolTip(), QStringLiteral("rare"));
        dialog->lstSlots->item(1)->setCheckState(Qt::Unchecked);
        dialog->cmdUse->click();
        QTRY_VERIFY(dialog.isNull());
        const Document& doc = form->editor().doc;
        QCOMPARE(doc.answer[1], std::string("Ta"));
        QCOMPARE(doc.answer[2], std::string("B"));
        QCOMPARE(form->lstQuestion->item(0)->text(), QStringLiteral(" A. Question for [Ta]"));
    }

    // The shortest answer allowed keeps two-letter words out; familiar
    // words only drops the sets with a rare word.
    void choicesNarrowTheWords() {
        suggest();
        QTRY_VERIFY(!dialog->searching());
        QCOMPARE(allFills(), QStringLiteral("100%   \u25CFTea  \u25CFBat"));
        dialog->spnMinLength->setValue(2);
        dialog->chkFamiliarOnly->setChecked(true);
        QTRY_VERIFY(!dialog->searching());
        QCOMPARE(allFills(), QStringLiteral("100%   \u25CFTea  \u25CFBat"));
        dialog->chkFamiliarOnly->setChecked(false);
        dialog->txtInclude->setText(QStringLiteral("beat"));
        dialog->txtInclude->setModified(true);
        emit dialog->txtInclude->editingFinished();
        QTRY_VERIFY(!dialog->searching());
        QCOMPARE(allFills(), QStringLiteral(" 50%   \u25CFTa  \u25CBBeat"));
    }

    // A word the author never wants is left out at once and in the next
    // session too; the list can be edited in its own dialog.
    void neverSuggestIsKeptAcrossSessions() {
        suggest();
        dialog->spnMinLength->setValue(2);
        QTRY_VERIFY(!dialog->searching());
        dialog->neverSuggest("bat");
        QTRY_VERIFY(!dialog->searching());
        QCOMPARE(allFills(), QStringLiteral(" 50%   \u25CFTa  \u25CBBeat"));
        dialog->close();
        QTRY_VERIFY(dialog.isNull());

        openDialog();
        QCOMPARE(dialog->neverSuggestList(), std::vector<std::string>{"bat"});
        // Stop ends the search at once.
        dialog->cmdStop->click();
        QVERIFY(!dialog->searching());
        QVERIFY(dialog->lblStatus->text().startsWith(QStringLiteral("Stopped after ")));
        QVERIFY(!dialog->searchSome(1000));
        QCOMPARE(dialog->lstFills->count(), 0);
        NeverSuggestDialog editor(dialog->neverSuggestList());
        editor.txtWords->setPlainText(QStringLiteral("Beat\n\nbat\n"));
        QCOMPARE(editor.words(), (std::vector<std::string>{"bat", "beat"}));
    }

    // With no word list the status names the missing dictionary.
    void withoutAnExactFillShowsTheFewestGapsAndWhatToTry() {
        suggest("");
        QTRY_VERIFY(!dialog->searching());
        QCOMPARE(dialog->lblStatus->text(), QString::fromLatin1(kNoDictionaryMessage));

        suggest("3\r\ntab\r\ntot\r\n", QStringLiteral("Tax."), "T", "10\r\n10\r\n");
        QTRY_VERIFY(!dialog->searching());
        QCOMPARE(allFills(), QStringLiteral("100%   \u25CFTab   (1 gap)"));
        QCOMPARE(dialog->lblStatus->text(),
                 QStringLiteral(
                     "No set of 1 answer uses exactly the 3 letters left (the search went through every "
                     "possibility). These leave the fewest gaps.\n"
                     "The letters left include the 1 already in the empty answers."));
        QVERIFY(!dialog->lblAdvice->isHidden());
        QCOMPARE(dialog->lblAdvice->text(),
                 QStringLiteral("What to try:\nFill fewer answers, or allow shorter ones."));
    }
};

QTEST_MAIN(TestSuggestDialog)
#include "test_suggestdialog.moc"
