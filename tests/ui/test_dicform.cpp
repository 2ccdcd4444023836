// The dictionary window over a small word list and a document set up by
// hand, with a stand-in for the main window.
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <algorithm>
#include <string>
#include <vector>

#include "dicform.h"
#include "dictionary.h"
#include "document.h"
#include "prompter.h"
#include "text.h"
#include "wordsearch.h"

using namespace qbrx;

namespace {

class RecordingPrompter : public Prompter {
public:
    std::vector<std::string> messages;
    int beeps = 0;
    Reply message(const MessageRequest& request) override
    {
        messages.push_back(request.text);
        return Reply::Ok;
    }
    std::optional<std::string> input(const std::string&, const std::string&,
                                     const std::string&) override
    {
        return std::nullopt;
    }
    void beep() override { ++beeps; }
    std::optional<std::string> openFile(const FileRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFile(const FileRequest&) override { return std::nullopt; }
    bool printDialog() override { return false; }
    void printSetupDialog() override {}
};

// Stands in for the main window's answer and question boxes.
class FakeHost : public DictionaryHost {
public:
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

std::vector<std::string> sampleWords()
{
    std::vector<std::string> words = {
        "apple", "ate",   "bat",   "bear",  "beat",  "east",  "eat",   "jaguar", "jam",
        "jar",   "jeans", "jet",   "jot",   "joy",   "jump",  "just",  "mane",   "mat",
        "meat",  "melon", "men",   "mint",  "moan",  "mole",  "moon",  "more",   "most",
        "mote",  "mouse", "note",  "rat",   "seat",  "tea",   "teat",  "tease",  "zebra",
    };
    std::sort(words.begin(), words.end());
    return words;
}

// Each letter of the stock serves one letter of the word.
bool buildable(const std::string& word, std::string stock)
{
    for (char c : word) {
        const auto at = stock.find(c);
        if (at == std::string::npos)
            return false;
        stock.erase(at, 1);
    }
    return true;
}

QStringList shownWords(const QListWidget* list)
{
    QStringList words;
    for (int i = 0; i < list->count(); ++i)
        words << list->item(i)->text();
    return words;
}

}  // namespace

class TestDicForm : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void creationStartsAtTheAnswersFirstLetter();
    void limitedListsOnlyBuildableWords_data();
    void limitedListsOnlyBuildableWords();
    void keysInTheEditBoxMoveThroughTheList();
    void clickAndDoubleClickOnAWord();
    void addAndEditHidesWithTheListIntact();
    void addAndAdvanceSetsTheMarkers();
    void closingEmptiesTheList();
    void openingFocusesAndSelectsTheEditText();

private:
    // Free letters (lower case) and the answer of the current slot.
    void setStock(const std::string& letters, const std::string& answer);
    dicForm* open();

    Dictionary dictionary_;
    Document doc_;
    RecordingPrompter prompter_;
    FakeHost host_;
    std::unique_ptr<WordSearch> search_;
    QPointer<dicForm> window_;
};

void TestDicForm::init()
{
    const auto words = sampleWords();
    std::string file = std::to_string(words.size() + 1) + "\r\n";
    for (const auto& w : words)
        file += w + "\r\n";
    dictionary_.readWordList(file);
    doc_ = Document{};
    doc_.questionCount = 2;
    doc_.currentQuestion = 3;
    setStock("aaegjrstu", "");
    prompter_ = RecordingPrompter{};
    host_ = FakeHost{};
    search_ = std::make_unique<WordSearch>(dictionary_, doc_, prompter_);
}

void TestDicForm::cleanup()
{
    delete window_.data();
}

void TestDicForm::setStock(const std::string& letters, const std::string& answer)
{
    doc_.lettersLeft = letters;
    doc_.letterLeftCount.fill(0);
    for (char c : letters)
        ++doc_.letterLeftCount[c - 'a' + 1];
    doc_.answer[doc_.currentQuestion] = answer;
}

dicForm* TestDicForm::open()
{
    return openDictionaryWindow(window_, *search_, host_, nullptr);
}

void TestDicForm::creationStartsAtTheAnswersFirstLetter()
{
    setStock("aest", "Moon");
    host_.answer = "Moon";
    dicForm* form = open();
    QCOMPARE(form->windowTitle(), QString(15, ' ') + "Word List");
    QCOMPARE(form->txtDict->text(), QString("M"));
    QVERIFY(form->optLimited->isChecked());
    QVERIFY(!form->optAllWords->isChecked());
    QCOMPARE(form->cmdAddAdvance->text(), QString("Add && Advance"));
    QCOMPARE(form->txtDict->accessibleName(), QString("Word"));
    QCOMPARE(form->lstDict->accessibleName(), QString("Word List"));

    QTest::mouseClick(form->cmdCheck, Qt::LeftButton);
    const QStringList listed = shownWords(form->lstDict);
    QVERIFY(!listed.isEmpty());
    for (const QString& word : listed)
        QVERIFY2(word.startsWith('m'), qPrintable(word));
    QCOMPARE(listed.first(), QString("mane"));
    delete form;

    host_.answer.clear();
    setStock("aest", "");
    QCOMPARE(open()->txtDict->text(), QString("a"));
}

void TestDicForm::limitedListsOnlyBuildableWords_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("free letters only") << "";
    QTest::newRow("with the current answer") << "Mop";
}

void TestDicForm::limitedListsOnlyBuildableWords()
{
    QFETCH(QString, answer);
    setStock("aaegjrstu", answer.toStdString());
    dicForm* form = open();
    form->txtDict->setText("j");
    QTest::mouseClick(form->cmdCheck, Qt::LeftButton);

    const std::string stock = doc_.lettersLeft + lower(answer.toStdString());
    QStringList expected;
    for (const auto& word : sampleWords())
        if (word[0] == 'j' && buildable(word, stock))
            expected << QString::fromStdString(word);
    QVERIFY(expected.size() >= 3);
    QCOMPARE(shownWords(form->lstDict), expected);
    // The first word found is selected; the edit box holds the last.
    QCOMPARE(form->lstDict->currentRow(), 0);
    QCOMPARE(form->txtDict->text(), expected.last());

    // All Words lists the rest of the j-words too.
    QTest::mouseClick(form->optAllWords, Qt::LeftButton);
    QVERIFY(form->optAllWords->isChecked());
    form->cmdClear->click();
    QCOMPARE(form->lstDict->count(), 0);
    form->txtDict->setText("j");
    form->cmdCheck->click();
    QCOMPARE(form->lstDict->count(), 9);
}

void TestDicForm::keysInTheEditBoxMoveThroughTheList()
{
    dicForm* form = open();
    form->optAllWords->click();
    form->txtDict->setText("jet");
    QTest::keyClick(form->txtDict, Qt::Key_Return);
    QCOMPARE(shownWords(form->lstDict), QStringList({"jet", "jot", "joy", "jump", "just"}));
    QCOMPARE(form->lstDict->currentRow(), 0);

    QTest::keyClick(form->txtDict, Qt::Key_Down);
    QCOMPARE(form->lstDict->currentRow(), 1);
    QCOMPARE(form->txtDict->text(), QString("jot"));
    QTest::keyClick(form->txtDict, Qt::Key_End);
    QCOMPARE(form->lstDict->currentRow(), 4);
    QCOMPARE(form->txtDict->text(), QString("just"));
    QTest::keyClick(form->txtDict, Qt::Key_Up);
    QCOMPARE(form->txtDict->text(), QString("jump"));
    QTest::keyClick(form->txtDict, Qt::Key_Home);
    QCOMPARE(form->lstDict->currentRow(), 0);
    QCOMPARE(form->txtDict->text(), QString("jet"));
    QTest::keyClick(form->txtDict, Qt::Key_PageDown);
    QCOMPARE(form->lstDict->currentRow(), 4);

    // Page Down on the last word lists the next ten, into the next letter.
    QTest::keyClick(form->txtDict, Qt::Key_PageDown);
    QCOMPARE(form->lstDict->count(), 15);
    QCOMPARE(form->lstDict->item(5)->text(), QString("mane"));
    QCOMPARE(form->lstDict->currentRow(), 5);
    QCOMPARE(form->txtDict->text(), form->lstDict->item(14)->text());
    QTest::keyClick(form->txtDict, Qt::Key_PageUp);
    QCOMPARE(form->lstDict->currentRow(), 0);
}

void TestDicForm::clickAndDoubleClickOnAWord()
{
    dicForm* form = open();
    form->show();
    form->optAllWords->click();
    form->txtDict->setText("jam");
    form->cmdCheck->click();
    QListWidgetItem* jeans = form->lstDict->item(2);
    QCOMPARE(jeans->text(), QString("jeans"));
    const QPoint at = form->lstDict->visualItemRect(jeans).center();

    QTest::mouseClick(form->lstDict->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(form->txtDict->text(), QString("jeans"));
    QCOMPARE(form->txtDict->selectedText(), QString("jeans"));
    QCOMPARE(host_.answer, std::string());

    QTest::mouseDClick(form->lstDict->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(host_.answer, std::string("jeans"));
    QCOMPARE(host_.question, std::string("(untouched)"));
    QCOMPARE(host_.focusRequests, 0);
    QVERIFY(form->isVisible());
}

void TestDicForm::addAndEditHidesWithTheListIntact()
{
    dicForm* form = open();
    form->optAllWords->click();
    form->txtDict->setText("jaguar");
    form->cmdCheck->click();
    const QStringList listed = shownWords(form->lstDict);
    QCOMPARE(form->lstDict->currentItem()->text(), QString("jaguar"));

    form->cmdAddEdit->click();
    QCOMPARE(host_.answer, std::string("jaguar"));
    QCOMPARE(host_.question, std::string("Question for [jaguar]"));
    QCOMPARE(host_.focusRequests, 1);
    QVERIFY(!host_.markers);
    QVERIFY(!form->isVisible());
    QVERIFY(!window_.isNull());

    QCOMPARE(open(), form);
    QVERIFY(form->isVisible());
    QCOMPARE(shownWords(form->lstDict), listed);

    // With no word selected the empty text is sent.
    form->cmdClear->click();
    form->cmdAddEdit->click();
    QCOMPARE(host_.answer, std::string());
    QCOMPARE(host_.question, std::string("Question for []"));
}

void TestDicForm::addAndAdvanceSetsTheMarkers()
{
    host_.emptyRow = false;
    dicForm* form = open();
    QVERIFY(!form->cmdAddAdvance->isEnabled());
    // Decided when the window is created, not later.
    host_.emptyRow = true;
    QCOMPARE(open(), form);
    QVERIFY(!form->cmdAddAdvance->isEnabled());
    form->close();
    QTRY_VERIFY(window_.isNull());

    form = open();
    QVERIFY(form->cmdAddAdvance->isEnabled());
    form->txtDict->setText("r");
    form->cmdCheck->click();
    QCOMPARE(form->lstDict->currentItem()->text(), QString("rat"));
    form->cmdAddAdvance->click();
    QCOMPARE(host_.answer, std::string("rat"));
    QCOMPARE(host_.question, std::string("Question for [rat]"));
    QVERIFY(host_.markers);
    QCOMPARE(host_.focusRequests, 1);
    QVERIFY(form->isVisible());
}

void TestDicForm::closingEmptiesTheList()
{
    host_.answer = "jet";
    dicForm* form = open();
    form->cmdCheck->click();
    QVERIFY(form->lstDict->count() > 0);
    QVERIFY(search_->listedCount > 0);

    form->close();
    QTRY_VERIFY(window_.isNull());
    QVERIFY(search_->lstDict.empty());
    QCOMPARE(search_->listedCount, 0);

    form = open();
    QVERIFY(form != nullptr);
    QCOMPARE(form->lstDict->count(), 0);
    QCOMPARE(form->txtDict->text(), QString("j"));
}

void TestDicForm::openingFocusesAndSelectsTheEditText()
{
    dicForm* form = open();
    const QString text(60, 'e');
    form->txtDict->setText(text);
    form->hide();
    form->openDictionary();
    QVERIFY(form->isVisible());
    QTRY_VERIFY(form->txtDict->hasFocus());
    QCOMPARE(form->txtDict->selectionStart(), 0);
    QCOMPARE(form->txtDict->selectedText().size(), 50);
}

QTEST_MAIN(TestDicForm)
#include "test_dicform.moc"
