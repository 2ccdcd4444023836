// The main window among the program's other windows: what the grid and
// dictionary windows leave in view, copy in the help, accessible names, the
// help on the tab order, and a start-up that leaves the printer alone.
#include "dicform.h"
#include "frmhelp.h"
#include "frmoptions.h"
#include "frmsuggest.h"
#include "frmtrouble.h"
#include "helptopics.h"
#include "mainformfixture.h"
#include "quoteshow.h"

using namespace qbrx;
using namespace Qt::StringLiterals;

namespace {

QRect onScreen(const QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }

QString accessibleName(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

// The program's controls (named widgets; Qt's own parts are unnamed or
// qt_...) in a window that have no accessible name.
QStringList unnamedControls(QWidget* window) {
    QStringList missing;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                             qobject_cast<QAbstractScrollArea*>(w) || qobject_cast<QLabel*>(w) ||
                             w->isWindow();
        const QString name = w->objectName();
        if (control && !name.isEmpty() && !name.startsWith(QLatin1String("qt_")) &&
            accessibleName(w).isEmpty())
            missing << name;
    }
    return missing;
}

}  // namespace

class TestWindowRules : public QObject, test::MainformFixture {
    Q_OBJECT

private slots:
    void init() { QVERIFY(start()); }
    void cleanup() { form.reset(); }

    void gridWindowLeavesCountsAndBoxesInView() {
        registerQuote(QString(255, QLatin1Char('a')));  // the tallest grid
        const QRect grid = form->gridWindow()->frameGeometry();
        QList<QWidget*> mustShow{form->txtQuestion,     form->txtAnswer, form->cmdAccept,
                                 form->lblTotalletters, form->lblvowels, form->lblconsonants};
        for (QLabel* label : form->lblLettersleft) mustShow << label;
        for (QWidget* w : mustShow) {
            QVERIFY2(!onScreen(w).intersects(grid), qPrintable(w->objectName()));
            QVERIFY2(onScreen(form->centralWidget()).contains(onScreen(w)), qPrintable(w->objectName()));
        }
    }

    void dictionaryOpensClearOfTheBoxesWithNoRoomBeside() {
        registerQuote(u"Less is more."_s);
        const QRect area = form->screen()->availableGeometry();
        form->setGeometry(area.left(), area.top(), area.width(), form->height());
        form->openDictionary();
        const QRect frame = form->findChild<dicForm*>()->frameGeometry();
        for (QWidget* w :
             std::initializer_list<QWidget*>{form->txtQuestion, form->txtAnswer, form->cmdAccept})
            QVERIFY2(!frame.intersects(onScreen(w)), qPrintable(w->objectName()));
    }

    void copyInTheHelpText() {
        QPointer<frmHelp> help = showHelp(form.get());
        QApplication::setActiveWindow(help.data());
        QTRY_VERIFY(QApplication::activeWindow() == help.data());
        help->txtHelp->setFocus();
        help->txtHelp->selectAll();
        QTest::keyClick(help->txtHelp, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), help->txtHelp->toPlainText());
        help->close();
    }

    void everyControlHasAnAccessibleName() {
        QCOMPARE(unnamedControls(form.get()), QStringList());
        QCOMPARE(unnamedControls(form->optionsDialog()), QStringList());
        registerQuote(u"Less is more."_s);
        QCOMPARE(accessibleName(form->lblLettersleft[4]), u"Letters left E: 2"_s);
        frmSuggest suggest(*form, *dictionary);
        QVERIFY(!accessibleName(suggest.lstFills).isEmpty());
        QVERIFY(!accessibleName(suggest.lstSlots).isEmpty());
    }

    void helpGivesTheTabOrderAndThePreferencesPlaces() {
        registerQuote(u"Less is more."_s);
        form->txtQuestion->setFocus();
        MakeHelp();
        const QString topic = QString::fromLatin1(helpBody[41].c_str());
        qsizetype at = -1;
        do {  // once round, from the question box back to it
            const QString name = accessibleName(QApplication::focusWidget());
            at = topic.indexOf(name, at + 1);
            QVERIFY2(at >= 0, qPrintable(name));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        } while (QApplication::focusWidget() != form->txtQuestion);

        QPointer<frmTrouble> trouble = showTrouble(form.get());
        QVERIFY(trouble->lblAdvice->text().contains(u"~/.config/quotabrix/"_s));
        trouble->close();
    }

    void printerIsSetUpOnFirstUse() {
        QVERIFY(!form->printerSetUp());
        form->mnuPrintSetup->trigger();
        QVERIFY(form->printerSetUp());
    }
};

QTEST_MAIN(TestWindowRules)
#include "test_windowrules.moc"
