// The main window with unsaved work: closing and Quit ask first, and the
// title names the file and marks unsaved changes.
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

    void registerQuote() {
        QTest::keyClicks(form->txtQuote, QStringLiteral("Less is more."));
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
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { form.reset(); }

    void closingAsksAboutUnsavedChanges() {
        registerQuote();
        prompter->replies = {Reply::Cancel};
        QVERIFY(!form->close());
        QVERIFY(form->isVisible());
        QCOMPARE(prompter->texts().back(), std::string("Save changes before quitting?"));

        prompter->replies = {Reply::No};
        QVERIFY(form->close());
    }

    void quitAsksAboutUnsavedChanges() {
        registerQuote();
        prompter->replies = {Reply::Cancel};
        form->mnuQuit->trigger();
        QVERIFY(form->isVisible());
        QCOMPARE(prompter->messages.size(), size_t(1));
    }

    void titleNamesTheFileAndMarksChanges() {
        QCOMPARE(form->windowTitle(), QStringLiteral("Quotabrix"));
        registerQuote();
        QCOMPARE(form->windowTitle(), QStringLiteral("Quotabrix *"));

        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("walden")).toStdString();
        prompter->files = {path};
        form->mnuSaveAs->trigger();
        prompter->files = {path + ".dat"};
        form->mnuOpen->trigger();
        QCOMPARE(form->windowTitle(), QString::fromUtf8("Quotabrix \u2013 walden.dat"));
    }
};

QTEST_MAIN(TestUnsavedWork)
#include "test_unsavedwork.moc"
