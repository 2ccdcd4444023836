// Closing the main window with unsaved work asks first.
#include <QtTest>
#include <QtWidgets>

#include "dictionary.h"
#include "mainform.h"
#include "random.h"
#include "scriptedprompter.h"

using namespace qbrx;

class TestUnsavedWork : public QObject {
    Q_OBJECT

private slots:
    void closingAsksAboutUnsavedChanges() {
        ScriptedPrompter prompter;
        ScriptedRandom random{{0.0}};
        Dictionary dictionary;
        Mainform form(prompter, random, dictionary);
        form.startUp();
        form.show();
        QTest::keyClicks(form.txtQuote, QStringLiteral("Less is more."));
        QTest::mouseClick(form.cmdRegister, Qt::LeftButton);

        prompter.replies = {Reply::Cancel};
        QVERIFY(!form.close());
        QVERIFY(form.isVisible());
        QCOMPARE(prompter.texts().back(), std::string("Save changes before quitting?"));
        prompter.replies = {Reply::No};
        QVERIFY(form.close());
    }
};

QTEST_MAIN(TestUnsavedWork)
#include "test_unsavedwork.moc"
