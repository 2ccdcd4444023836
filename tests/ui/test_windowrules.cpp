// The main window with the other windows of the program around it: what the
// grid window and the dictionary window leave in view, the menu items that
// wait for a registered quotation, undo and copy, accessible names, and a
// start-up that leaves the printer alone.
#include <QtTest>
#include <QtWidgets>

#include <memory>

#include "dicform.h"
#include "dictionary.h"
#include "frmhelp.h"
#include "frmoptions.h"
#include "frmtrouble.h"
#include "helptopics.h"
#include "mainform.h"
#include "quoteshow.h"
#include "random.h"
#include "scriptedprompter.h"

using namespace qbrx;

namespace {

// 255 characters, the longest quotation: the tallest grid window.
const QString kLongQuote = QStringLiteral(
    "I went to the woods, because I wished to live deliberately, to front only the essential facts of life, "
    "and see if I could not learn what it had to teach, and not, when I came to die, discover that I had not "
    "lived. I did not wish to live what was not life.");

QRect onScreen(const QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }

QString accessibleName(QWidget* w) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name) : QString();
}

// The program's named controls in a window (Qt's own parts are unnamed or
// named qt_...), without the accessible name they need.
QStringList unnamedControls(QWidget* window) {
    QStringList missing;
    QList<QWidget*> all = window->findChildren<QWidget*>();
    all.prepend(window);
    for (QWidget* w : all) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                             qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w) ||
                             qobject_cast<QAbstractItemView*>(w) || qobject_cast<QLabel*>(w) || w->isWindow();
        if (control && accessibleName(w).trimmed().isEmpty()) missing << name;
    }
    return missing;
}

}  // namespace

class TestWindowRules : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedPrompter> prompter;
    std::unique_ptr<ScriptedRandom> random;
    std::unique_ptr<Dictionary> dictionary;
    std::unique_ptr<Mainform> form;

    void registerQuote(const QString& quote) {
        form->txtQuote->selectAll();
        QTest::keyClicks(form->txtQuote, quote);
        QTest::mouseClick(form->cmdRegister, Qt::LeftButton);
    }

private slots:
    void init() {
        prompter = std::make_unique<ScriptedPrompter>();
        random = std::make_unique<ScriptedRandom>(std::vector<double>{0.0});
        dictionary = std::make_unique<Dictionary>();
        form = std::make_unique<Mainform>(*prompter, *random, *dictionary);
        form->startUp();
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup() {
        form.reset();
        QGuiApplication::clipboard()->clear();
    }

    void gridWindowLeavesCountsAndBoxesInView() {
        registerQuote(kLongQuote);
        QCOMPARE(form->editor().doc.quoteLength, 255);
        const QRect grid = form->gridWindow()->frameGeometry();
        QVERIFY(form->gridWindow()->isVisible());
        QCOMPARE(form->gridWindow()->height(), 240);  // 3,600 twips

        QList<QWidget*> mustShow{form->txtQuestion, form->txtAnswer, form->cmdAccept, form->lblTotalletters,
                                 form->lblvowels, form->lblconsonants, form->Label7};
        for (QLabel* label : form->lblLettersleft) mustShow << label;
        for (QLabel* label : form->lblCountTop) mustShow << label;
        const QRect window = onScreen(form->centralWidget());
        for (QWidget* w : mustShow) {
            QVERIFY2(!onScreen(w).intersects(grid), qPrintable(w->objectName()));
            QVERIFY2(window.contains(onScreen(w)), qPrintable(w->objectName()));
        }
    }

    void windowFitsASmallScreen() {
        // 1024 x 768 with room for a title bar.
        QVERIFY(form->minimumSizeHint().width() <= 1024 - 10);
        QVERIFY(form->minimumSizeHint().height() <= 768 - 40);
    }

    void dictionaryKeepsOffTheQuestionAndAnswerBoxes() {
        // The main window fills a 1024 x 768 screen: no room beside it.
        const QRect screen(0, 0, 1024, 768);
        const QRect main(0, 0, 1000, 740);
        const QRect boxes(540, 340, 440, 130);
        const QRect frame(dictionaryPlace(main, QSize(330, 380), screen, boxes), QSize(330, 380));
        QVERIFY(!frame.intersects(boxes));
        QVERIFY(screen.contains(frame));
        // With room on the right it goes there, as always.
        QCOMPARE(dictionaryPlace(QRect(0, 0, 600, 700), QSize(330, 380), screen, boxes), QPoint(607, 40));
    }

    void dictionaryOpensClearOfTheBoxesOnAFullScreen() {
        registerQuote(QStringLiteral("Less is more."));
        const QRect area = form->screen()->availableGeometry();
        form->move(area.topLeft());
        form->resize(std::max(form->width(), area.width()), form->height());
        form->openDictionary();
        const QPointer<dicForm> dictionary = form->findChild<dicForm*>();
        QVERIFY(dictionary);
        const QRect frame = dictionary->frameGeometry();
        for (QWidget* w : {static_cast<QWidget*>(form->txtQuestion), static_cast<QWidget*>(form->txtAnswer),
                           static_cast<QWidget*>(form->cmdAccept)})
            QVERIFY2(!frame.intersects(onScreen(w)), qPrintable(w->objectName()));
    }

    void setupAndMoveWaitForARegisteredQuotation() {
        QVERIFY(!form->mnuCrosticSetup->isEnabled());
        QVERIFY(!form->mnuMoveUp->isEnabled());
        QVERIFY(!form->mnuMoveDown->isEnabled());
        prompter->inputs = {std::string("AB")};
        QTest::keyClick(form->txtQuote, Qt::Key_G, Qt::ControlModifier);
        QVERIFY(prompter->inputPrompts.empty());
        QCOMPARE(form->txtQuote->toPlainText(), QString::fromLatin1(kQuotePrompt));

        registerQuote(QStringLiteral("Less is more."));
        QVERIFY(form->mnuCrosticSetup->isEnabled());
        QVERIFY(form->mnuMoveDown->isEnabled());
    }

    void insertIsAChangeThatNewAsksAbout() {
        registerQuote(QStringLiteral("Less is more."));
        form->txtQuestion->setFocus();
        QTest::keyClicks(form->txtQuestion, QStringLiteral("First"));
        QTest::keyClick(form->txtQuestion, Qt::Key_Return);
        QTest::keyClicks(form->txtAnswer, QStringLiteral("less"));
        QTest::keyClick(form->txtAnswer, Qt::Key_Return);
        form->editor().doc.docChanged = false;  // as after a save

        form->lstQuestion->setCurrentRow(0);
        QTest::mouseClick(form->cmdInsert, Qt::LeftButton);
        QVERIFY(form->shpRegister->isVisible());
        QCOMPARE(form->cmdRegister->text(), QStringLiteral("ReRegister"));
        prompter->replies = {Reply::Cancel};
        form->mnuNew->trigger();
        QCOMPARE(prompter->messages.size(), size_t(1));
        QCOMPARE(form->lstQuestion->count(), 3);
    }

    void undoTakesBackTyping() {
        registerQuote(QStringLiteral("Less is more."));
        form->txtAnswer->setFocus();
        QTest::keyClicks(form->txtAnswer, QStringLiteral("mole"));
        QTest::keyClick(form->txtAnswer, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(form->txtAnswer->text(), QString());
    }

    void copyInTheHelpText() {
        QPointer<frmHelp> help = showHelp(form.get());
        QApplication::setActiveWindow(help.data());
        QTRY_VERIFY(QApplication::activeWindow() == help.data());
        help->txtHelp->setFocus();
        QTextCursor cursor = help->txtHelp->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(3, QTextCursor::KeepAnchor);
        help->txtHelp->setTextCursor(cursor);
        QTest::keyClick(help->txtHelp, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), help->txtHelp->toPlainText().left(3));
        help->close();
    }

    void troubleNamesBothPlacesOfThePreferences() {
        QPointer<frmTrouble> trouble = showTrouble(form.get());
        QVERIFY(trouble->lblAdvice->text().contains(QStringLiteral("~/.config/quotabrix/")));
        QVERIFY(trouble->lblAdvice->text().contains(QStringLiteral("program's own folder")));
        trouble->close();
    }

    void everyControlHasAnAccessibleName() {
        QCOMPARE(unnamedControls(form.get()), QStringList());
        QCOMPARE(unnamedControls(form->gridWindow()), QStringList());
        QCOMPARE(unnamedControls(form->optionsDialog()), QStringList());
        form->openDictionary();
        QCOMPARE(unnamedControls(form->findChild<dicForm*>()), QStringList());
        registerQuote(QStringLiteral("Less is more."));
        QCOMPARE(accessibleName(form->lblLettersleft[4]), QStringLiteral("Letters left E: 2"));
    }

    void helpNamesTheTabOrder() {
        registerQuote(QStringLiteral("Less is more."));
        form->txtQuestion->setFocus();
        QStringList order;
        for (int i = 0; i < 30 && !order.contains(accessibleName(QApplication::focusWidget())); ++i) {
            order << accessibleName(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        MakeHelp();
        const QString topic = QString::fromLatin1(helpBody[41].c_str());
        qsizetype at = -1;
        for (const QString& name : order) {
            const qsizetype next = topic.indexOf(name, at + 1);
            QVERIFY2(next > at, qPrintable(name));
            at = next;
        }
    }

    void startUpLeavesThePrinterAlone() {
        QVERIFY(!form->printerSetUp());
        registerQuote(QStringLiteral("Less is more."));
        form->mnuPrintSetup->trigger();
        QVERIFY(form->printerSetUp());
    }
};

QTEST_MAIN(TestWindowRules)
#include "test_windowrules.moc"
