// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary window over a small word list and a document set up by
// hand, with a stand-in for the main window.
#include <vector>

#include "dictionarywindow.h"
#include "document.h"
#include "mainwindowfixture.h"
#include "wordsearch.h"

using namespace qbrx;
using test::rows;

namespace {

// Stands in for the main window's answer and question boxes.
struct FakeHost : DictionaryHost {
    std::string answer;
    std::string question = "(untouched)";
    bool emptyRow = true;
    bool markers = false;
    int focusRequests = 0;

    std::string answerBoxText() const override { return answer; }
    void setAnswerBoxText(const std::string& text) override { answer = text; }
    void setQuestionBoxText(const std::string& text) override { question = text; }
    void focusQuestionBox() override { ++focusRequests; }
    bool emptyRowSelected() const override { return emptyRow; }
    void setAdvanceMarkers() override { markers = true; }
};

const std::vector<std::string> kWords = {
    "apple", "ate",  "bat",  "bear", "beat",  "east", "eat",  "jaguar", "jam", "jar",  "jeans", "jet",
    "jot",   "joy",  "jump", "just", "mane",  "mat",  "meat", "melon",  "men", "mint", "moan",  "mole",
    "moon",  "more", "most", "mote", "mouse", "note", "rat",  "seat",   "tea", "teat", "tease", "zebra",
};

}  // namespace

class TestDictionaryWindow : public QObject {
    Q_OBJECT

    Dictionary dictionary;
    Document doc;
    ScriptedPrompter prompter;
    FakeHost host;
    std::unique_ptr<WordSearch> search;
    QPointer<DictionaryWindow> window;

    // Free letters (lower case) and the answer of the current slot.
    void setStock(const std::string& letters, const std::string& answer) {
        doc.lettersLeft = letters;
        doc.letterLeftCount.fill(0);
        for (char c : letters) ++doc.letterLeftCount[c - 'a' + 1];
        doc.answer[doc.currentQuestion] = answer;
    }
    DictionaryWindow* open() { return openDictionaryWindow(window, *search, host, nullptr); }
    // Lists the words from `from` on, all of them or only the buildable ones.
    DictionaryWindow* list(const QString& from, bool allWords) {
        DictionaryWindow* form = open();
        (allWords ? form->optAllWords : form->optLimited)->click();
        form->txtDict->setText(from);
        form->cmdCheck->click();
        return form;
    }

private slots:
    void init() {
        std::string file = std::to_string(kWords.size() + 1) + "\r\n";
        for (const auto& w : kWords) file += w + "\r\n";
        dictionary.readWordList(file);
        doc = Document{};
        doc.questionCount = 2;
        doc.currentQuestion = 3;
        setStock("aaegjrstu", "");
        host = FakeHost{};
        search = std::make_unique<WordSearch>(dictionary, doc, prompter);
    }
    void cleanup() { delete window.data(); }

    // A new window starts at the answer's first letter, or the first free
    // one, in Limited mode; Add & Advance waits for an empty row, Familiar
    // words for the words' levels, and is on once they are read (which words
    // it lists is WordSearchTest's).
    void openingSetsTheStartingWordModeAndButtons() {
        setStock("aest", "Moon");
        host.answer = "Moon";
        host.emptyRow = false;
        QCOMPARE(open()->txtDict->text(), QString("M"));
        QVERIFY(window->optLimited->isChecked());
        QVERIFY(!window->cmdAddAdvance->isEnabled());
        QVERIFY(!window->chkFamiliar->isEnabled());
        delete window.data();
        host.answer.clear();
        setStock("aest", "");
        std::string levels;
        for (std::size_t k = 0; k < kWords.size(); ++k) levels += "10\r\n";
        dictionary.readLevels(levels);
        QCOMPARE(open()->txtDict->text(), QString("a"));
        QVERIFY(window->chkFamiliar->isChecked());  // with the words' levels, on from the start
        dictionary.readLevels("");
    }

    // Limited lists the j-words the free letters a a e g j r s t u build;
    // All Words all nine.
    void limitedListsOnlyBuildableWords() {
        DictionaryWindow* form = list("j", false);
        QCOMPARE(rows(form->lstDict), QStringList({"jaguar", "jar", "jet", "just"}));
        QCOMPARE(form->lstDict->currentRow(), 0);
        form->cmdClear->click();
        QCOMPARE(list("j", true)->lstDict->count(), 9);
    }

    // A word unfit for a class is still listed when typed, greyed, with the
    // reason as its tooltip; the words around it are not marked.
    void keysInTheEditBoxMoveThroughTheListWithUnfitWordsMarked() {
        std::string unfit;
        for (const auto& w : kWords) unfit += std::string(w == "jot" ? "1" : "0") + "\r\n";
        dictionary.readWordNotes("", unfit);
        DictionaryWindow* form = list("jet", true);
        QCOMPARE(rows(form->lstDict), QStringList({"jet", "jot", "joy", "jump", "just"}));
        QVERIFY(form->lstDict->item(1)->toolTip().startsWith("Not for a class handout"));
        QVERIFY(form->lstDict->item(0)->toolTip().isEmpty());
        QCOMPARE(form->lstDict->item(1)->foreground().color(),
                 form->palette().color(QPalette::Disabled, QPalette::Text));
        dictionary.readWordNotes("", "");
        const std::pair<Qt::Key, int> steps[] = {
            {Qt::Key_Down, 1}, {Qt::Key_End, 4}, {Qt::Key_Up, 3}, {Qt::Key_Home, 0}, {Qt::Key_PageDown, 4}};
        for (const auto& [key, row] : steps) {
            QTest::keyClick(form->txtDict, key);
            QCOMPARE(form->lstDict->currentRow(), row);
            QCOMPARE(form->txtDict->text(), form->lstDict->item(row)->text());
        }
        // Page Down on the last word lists the next ten, into the next letter.
        QTest::keyClick(form->txtDict, Qt::Key_PageDown);
        QCOMPARE(form->lstDict->count(), 15);
        QCOMPARE(form->lstDict->currentRow(), 5);
        QCOMPARE(form->lstDict->item(5)->text(), QString("mane"));
        QTest::keyClick(form->txtDict, Qt::Key_PageUp);
        QCOMPARE(form->lstDict->currentRow(), 0);
    }

    void addAndEditHidesWithTheListIntactAddAndAdvanceSetsTheMarkersCloseEmpties() {
        DictionaryWindow* form = list("jaguar", true);
        const QStringList listed = rows(form->lstDict);
        QCOMPARE(form->lstDict->currentItem()->text(), QString("jaguar"));
        form->cmdAddEdit->click();
        QCOMPARE(host.answer, std::string("jaguar"));
        QCOMPARE(host.question, std::string("Question for [jaguar]"));
        QCOMPARE(host.focusRequests, 1);
        QVERIFY(!host.markers);

        // Hidden, not closed: opening again shows the same list.
        QVERIFY(!form->isVisible());
        QCOMPARE(open(), form);
        QCOMPARE(rows(form->lstDict), listed);
        // Add & Advance hands the word over too, and sets the markers.
        form->cmdAddAdvance->click();
        QCOMPARE(host.answer, std::string("jaguar"));
        QVERIFY(host.markers);

        // Closing empties the list.
        open()->close();
        QTRY_VERIFY(window.isNull());
        QVERIFY(search->lstDict.empty());
        QCOMPARE(search->listedCount, 0);
    }
};

QTEST_MAIN(TestDictionaryWindow)
#include "test_dictionarywindow.moc"
