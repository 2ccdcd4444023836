// Qbrx > Suggest Answers... on the main window, over a small word list.
#include <QtTest>
#include <QtWidgets>

#include <memory>
#include <string>
#include <vector>

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
    std::unique_ptr<Mainform> form;
    frmSuggest* dialog = nullptr;

    Puzzle(const std::vector<std::string>& words, const QString& quote, const std::string& crostic) {
        std::string file = std::to_string(words.size() + 1) + "\r\n";
        for (const std::string& w : words) file += w + "\r\n";
        dictionary.readWordList(file);
        form = std::make_unique<Mainform>(prompter, random, dictionary);
        form->startUp();
        form->txtQuote->setPlainText(quote);
        form->cmdRegister->click();
        prompter.inputs.push_back(crostic);
        form->mnuCrosticSetup->trigger();
        form->mnuSuggest->trigger();
        dialog = form->findChild<frmSuggest*>();
    }
};

const std::vector<std::string> kWords{"ta", "tab", "bat", "beat", "tea"};

}  // namespace

class TestFrmSuggest : public QObject {
    Q_OBJECT
private slots:
    void listsFillsAsTheTimerFindsThem() {
        Puzzle p(kWords, QStringLiteral("Tea bat."), "TB");
        QVERIFY(p.dialog->isVisible());
        QVERIFY(p.dialog->searching());
        QTRY_VERIFY(!p.dialog->searching());
        QStringList found;
        for (int i = 0; i < p.dialog->lstFills->count(); ++i) found << p.dialog->lstFills->item(i)->text();
        found.sort();
        QCOMPARE(found, QStringList({QStringLiteral("Ta  Beat"), QStringLiteral("Tea  Bat")}));
        QCOMPARE(p.dialog->lblStatus->text(), QStringLiteral("2 sets of 2 answers that use up exactly the 6 letters left.\n"
                                "The letters left include the 2 already in the empty answers."));
        QVERIFY(!p.dialog->cmdStop->isEnabled());
    }

    void usesTheTickedSlotsThroughAccept() {
        Puzzle p(kWords, QStringLiteral("Tea bat."), "TB");
        QPointer<frmSuggest> dialog = p.dialog;
        while (dialog->searchSome(1000)) {
        }
        dialog->lstFills->setCurrentRow(0);
        QCOMPARE(dialog->lstSlots->count(), 2);
        const QString first = dialog->lstSlots->item(0)->text().mid(3);
        dialog->lstSlots->item(1)->setCheckState(Qt::Unchecked);
        dialog->cmdUse->click();
        QTRY_VERIFY(dialog.isNull());
        const Document& doc = p.form->editor().doc;
        QCOMPARE(QString::fromStdString(doc.answer[1]), first);
        QCOMPARE(doc.answer[2], std::string("B"));
        QCOMPARE(p.form->lstQuestion->item(0)->text(), QStringLiteral(" A. Question for [%1]").arg(first));
    }

    void stopEndsTheSearch() {
        Puzzle p(kWords, QStringLiteral("Tea bat."), "TB");
        p.dialog->cmdStop->click();
        QVERIFY(!p.dialog->searching());
        QCOMPARE(p.dialog->lblStatus->text(), QStringLiteral("Stopped before any set of answers was found."));
        QVERIFY(!p.dialog->searchSome(1000));
        QCOMPARE(p.dialog->lstFills->count(), 0);
    }

    void withoutAnExactFillShowsTheFewestGaps() {
        Puzzle p({"tab", "tot"}, QStringLiteral("Tax."), "T");
        while (p.dialog->searchSome(1000)) {
        }
        QCOMPARE(p.dialog->lstFills->count(), 1);
        QCOMPARE(p.dialog->lstFills->item(0)->text(), QStringLiteral("Tab   (1 gap)"));
        QCOMPARE(p.dialog->lblStatus->text(),
                 QStringLiteral("No set of 1 answer uses exactly the 3 letters left. These leave the fewest gaps.\n"
                                "The letters left include the 1 already in the empty answers."));
    }
};

QTEST_MAIN(TestFrmSuggest)
#include "test_frmsuggest.moc"
