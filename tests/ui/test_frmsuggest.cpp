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

std::string wordFile(const std::vector<std::string>& words) {
    std::string file = std::to_string(words.size() + 1) + "\r\n";
    for (const std::string& w : words) file += w + "\r\n";
    return file;
}

struct Puzzle {
    ScriptedPrompter prompter;
    SeededRandom random{11};
    Dictionary dictionary;
    std::unique_ptr<Mainform> form;

    Puzzle(const std::vector<std::string>& words, const QString& quote, const std::string& crostic) {
        dictionary.readWordList(wordFile(words));
        form = std::make_unique<Mainform>(prompter, random, dictionary);
        form->startUp();
        form->txtQuote->setPlainText(quote);
        form->cmdRegister->click();
        prompter.inputs.push_back(crostic);
        form->mnuCrosticSetup->trigger();
    }
    frmSuggest* open() {
        form->mnuSuggest->trigger();
        return form->findChild<frmSuggest*>();
    }
};

QStringList rows(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}

}  // namespace

class TestFrmSuggest : public QObject {
    Q_OBJECT
private slots:
    void listsFillsAsTheTimerFindsThem() {
        Puzzle p({"ta", "tab", "bat", "beat", "tea"}, QStringLiteral("Tea bat."), "TB");
        frmSuggest* dialog = p.open();
        QVERIFY(dialog != nullptr);
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->searching());
        QTRY_VERIFY(!dialog->searching());
        QStringList found = rows(dialog->lstFills);
        found.sort();
        QCOMPARE(found, QStringList({QStringLiteral("Ta  Beat"), QStringLiteral("Tea  Bat")}));
        QCOMPARE(dialog->lblStatus->text(), QStringLiteral("2 sets of 2 answers that use up exactly the 6 letters left."));
        QVERIFY(!dialog->cmdStop->isEnabled());
        QCOMPARE(dialog->prgSearch->maximum(), 1);
    }

    void usesTheTickedSlotsThroughAccept() {
        Puzzle p({"ta", "tab", "bat", "beat", "tea"}, QStringLiteral("Tea bat."), "TB");
        QPointer<frmSuggest> dialog = p.open();
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
        QCOMPARE(QString::fromStdString(doc.question[1]), QStringLiteral("Question for [%1]").arg(first));
        QCOMPARE(doc.answer[2], std::string("B"));
        QCOMPARE(p.form->lstQuestion->item(0)->text(), QStringLiteral(" A. Question for [%1]").arg(first));
    }

    void stopEndsTheSearch() {
        Puzzle p({"ta", "tab", "bat", "beat", "tea"}, QStringLiteral("Tea bat."), "TB");
        frmSuggest* dialog = p.open();
        dialog->cmdStop->click();
        QVERIFY(!dialog->searching());
        QVERIFY(!dialog->cmdStop->isEnabled());
        QCOMPARE(dialog->lblStatus->text(), QStringLiteral("Stopped before any set of answers was found."));
        QVERIFY(!dialog->searchSome(1000));
        QCOMPARE(dialog->lstFills->count(), 0);
    }

    void withoutAnExactFillShowsTheFewestGaps() {
        Puzzle p({"tab", "tot"}, QStringLiteral("Tax."), "T");
        frmSuggest* dialog = p.open();
        while (dialog->searchSome(1000)) {
        }
        QCOMPARE(rows(dialog->lstFills), QStringList({QStringLiteral("Tab   (1 gap)")}));
        QCOMPARE(dialog->lblStatus->text(),
                 QStringLiteral("No set of 1 answer uses exactly the 3 letters left. These leave the fewest gaps."));
    }
};

QTEST_MAIN(TestFrmSuggest)
#include "test_frmsuggest.moc"
