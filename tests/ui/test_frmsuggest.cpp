// Qbrx > Suggest Answers... on the main window, over a small word list.
#include <QtTest>
#include <QtWidgets>

#include <string>

#include "dictionary.h"
#include "frmsuggest.h"
#include "mainform.h"
#include "random.h"
#include "scriptedprompter.h"

using namespace qbrx;

namespace {

// A registered quotation with its crostic set up, and the dialog opened.
struct Puzzle {
    ScriptedPrompter prompter;
    SeededRandom random{11};
    Dictionary dictionary;
    Mainform form{prompter, random, dictionary};
    frmSuggest* dialog = nullptr;

    // `wordList` as the file holds it: the count line, then a word a line.
    explicit Puzzle(const std::string& wordList = "6\r\nta\r\ntab\r\nbat\r\nbeat\r\ntea\r\n",
                    const QString& quote = QStringLiteral("Tea bat."), const std::string& crostic = "TB") {
        dictionary.readWordList(wordList);
        form.startUp();
        form.txtQuote->setPlainText(quote);
        form.cmdRegister->click();
        prompter.inputs.push_back(crostic);
        form.mnuCrosticSetup->trigger();
        form.mnuSuggest->trigger();
        dialog = form.findChild<frmSuggest*>();
    }
};

}  // namespace

class TestFrmSuggest : public QObject {
    Q_OBJECT
private slots:
    // The timer lists what the search finds; the ticked slots of a set go
    // into the puzzle through Accept.
    void listsFillsAndUsesTheTickedSlots() {
        Puzzle p;
        QPointer<frmSuggest> dialog = p.dialog;
        QVERIFY(dialog->searching());
        QTRY_VERIFY(!dialog->searching());
        QStringList found;
        for (int i = 0; i < dialog->lstFills->count(); ++i) found << dialog->lstFills->item(i)->text();
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
        const Document& doc = p.form.editor().doc;
        QCOMPARE(QString::fromStdString(doc.answer[1]), first);
        QCOMPARE(doc.answer[2], std::string("B"));
        QCOMPARE(p.form.lstQuestion->item(0)->text(), QStringLiteral(" A. Question for [%1]").arg(first));
    }

    void withoutAnExactFillShowsTheFewestGaps() {
        Puzzle p("3\r\ntab\r\ntot\r\n", QStringLiteral("Tax."), "T");
        QTRY_VERIFY(!p.dialog->searching());
        QCOMPARE(p.dialog->lstFills->count(), 1);
        QCOMPARE(p.dialog->lstFills->item(0)->text(), QStringLiteral("Tab   (1 gap)"));
        QCOMPARE(p.dialog->lblStatus->text(),
                 QStringLiteral("No set of 1 answer uses exactly the 3 letters left. These leave the fewest "
                                "gaps.\nThe letters left include the 1 already in the empty answers."));
    }

    void stopEndsTheSearch() {
        Puzzle p;
        p.dialog->cmdStop->click();
        QVERIFY(!p.dialog->searching());
        QCOMPARE(p.dialog->lblStatus->text(), QStringLiteral("Stopped before any set of answers was found."));
        QVERIFY(!p.dialog->searchSome(1000));
        QCOMPARE(p.dialog->lstFills->count(), 0);
    }
};

QTEST_MAIN(TestFrmSuggest)
#include "test_frmsuggest.moc"
