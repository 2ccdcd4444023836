// Closing the main window with unsaved work asks first.
#include "mainformfixture.h"

using namespace qbrx;

class TestUnsavedWork : public QObject, test::MainformFixture {
    Q_OBJECT

private slots:
    void closingAsksAboutUnsavedChanges() {
        QVERIFY(start());
        registerQuote(QStringLiteral("Less is more."));
        prompter->replies = {Reply::Cancel};
        QVERIFY(!form->close());
        QVERIFY(form->isVisible());
        prompter->replies = {Reply::No};
        QVERIFY(form->close());
    }
};

QTEST_MAIN(TestUnsavedWork)
#include "test_unsavedwork.moc"
