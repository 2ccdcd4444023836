// The logo of the splash and grid windows, read from the program's
// resources when it is first needed.
#include <QtTest>

#include "frmsplash.h"

using namespace qbrx;

class TestLogo : public QObject {
    Q_OBJECT
private slots:
    void logoIsReadOnFirstUse() {
        LogoPicture logo;
        QVERIFY(logo.hasPicture());
    }
};

QTEST_MAIN(TestLogo)
#include "test_logo.moc"
