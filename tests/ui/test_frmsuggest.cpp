// Qbrx > Suggest Answers... on the main window, over a small word list.
#include "frmsuggest.h"
#include "mainformfixture.h"

using namespace qbrx;
using test::rows;

class TestFrmSuggest : public QObject, test::MainformFixture {
    Q_OBJECT

    QPointer<frmSuggest> dialog;

    // Registers `quote` over `wordList` (as the file holds it: the count
    // line, then a word a line), sets up `crostic` and opens the dialog.
    void suggest(const std::string& wordList = "6\r\nta\r\ntab\r\nbat\r\nbeat\r\ntea\r\n",
                 const QString& quote = QStringLiteral("Tea bat."), const std::string& crostic = "TB") {
        QVERIFY(start(wordList));
        registerQuote(quote);
        prompter->inputs.push_back(crostic);
        form->mnuCrosticSetup->trigger();
        form->mnuSuggest->trigger();
        dialog = form->findChild<frmSuggest*>();
        QVERIFY(dialog);
    }

private slots:
    void cleanup() { form.reset(); }

    // The timer lists what the search finds; the ticked slots of a set go
    // into the puzzle through Accept.
    void listsFillsAndUsesTheTickedSlots() {
        suggest();
        QVERIFY(dialog->searching());
        QTRY_VERIFY(!dialog->searching());
        QStringList found = rows(dialog->lstFills);
        found.sort();
        QCOMPARE(found, QStringList({QStringLiteral("Ta  Beat"), QStringLiteral("Tea  Bat")}));
        QCOMPARE(dialog->lblStatus->text(),
                 QStringLiteral("2 sets of 2 answers that use up exactly the 6 letters left.\n"
                                "The letters left include the 2 already in the empty answers."));

        dialog->lstFills->setCurrentRow(0);
        QCOMPARE(dialog->lstSlots->count(), 2);
        const QString first = dialog->lstSlots->item(0)->text().mid(3);
        dialog->lstSlots->item(1)->setCheckState(Qt::Unchecked);
        dialog->cmdUse->click();
        QTRY_VERIFY(dialog.isNull());
        const Document& doc = form->editor().doc;
        QCOMPARE(QString::fromStdString(doc.answer[1]), first);
        QCOMPARE(doc.answer[2], std::string("B"));
        QCOMPARE(form->lstQuestion->item(0)->text(), QStringLiteral(" A. Question for [%1]").arg(first));
    }

    void withoutAnExactFillShowsTheFewestGaps() {
        suggest("3\r\ntab\r\ntot\r\n", QStringLiteral("Tax."), "T");
        QTRY_VERIFY(!dialog->searching());
        QCOMPARE(dialog->lstFills->count(), 1);
        QCOMPARE(dialog->lstFills->item(0)->text(), QStringLiteral("Tab   (1 gap)"));
        QCOMPARE(dialog->lblStatus->text(),
                 QStringLiteral("No set of 1 answer uses exactly the 3 letters left. These leave the fewest "
                                "gaps.\nThe letters left include the 1 already in the empty answers."));
    }

    void aMissingDictionaryIsNamed() {
        suggest("");
        QTRY_VERIFY(!dialog->searching());
        QCOMPARE(dialog->lblStatus->text(), QString::fromLatin1(kNoDictionaryMessage));
    }

    void stopEndsTheSearch() {
        suggest();
        dialog->cmdStop->click();
        QVERIFY(!dialog->searching());
        QCOMPARE(dialog->lblStatus->text(), QStringLiteral("Stopped before any set of answers was found."));
        QVERIFY(!dialog->searchSome(1000));
        QCOMPARE(dialog->lstFills->count(), 0);
    }
};

QTEST_MAIN(TestFrmSuggest)
#include "test_frmsuggest.moc"
