// Closing the main window with unsaved work asks first.
#include <QtTest>
#include <QtWidgets>

#include <memory>

#include "dictionary.h"
#include "documentcommands.h"
#include "mainform.h"
#include "random.h"
#include "scriptedprompter.h"

using namespace qbrx;

class TestUnsavedWork : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedPrompter> prompter;
    std::unique_ptr<ScriptedRandom> random;
    std::unique_ptr<Dictionary> dictionary;
    std::unique_ptr<Mainform> form;

private slots:
    void init() {
        prompter = std::make_unique<ScriptedPrompter>();
        random = std::make_unique<ScriptedRandom>(std::vector<double>{0.0});
        dictionary = std::make_unique<Dictionary>();
        form = std::make_unique<Mainform>(*prompter, *random, *dictionary);
        form->startUp();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { form.reset(); }

    void closingAsksAboutUnsavedChanges() {
        QTest::keyClicks(form->txtQuote, QStringLiteral("Less is more."));
        QTest::mouseClick(form->cmdRegister, Qt::LeftButton);
        prompter->replies = {Reply::Cancel};
        QVERIFY(!form->close());
        QVERIFY(form->isVisible());
        QCOMPARE(prompter->texts().back(), std::string("Save changes before quitting?"));

        prompter->replies = {Reply::No};
        QVERIFY(form->close());
    }
};

QTEST_MAIN(TestUnsavedWork)
#include "test_unsavedwork.moc"
