// The program's style hands out the menu bar's overflow arrows unread, and
// they are the platform style's own arrows once drawn; other icons pass through.
#include <QtTest>

#include "programstyle.h"

using namespace qbrx;

class TestProgramStyle : public QObject {
    Q_OBJECT
private slots:
    void iconsAreTheBaseStylesOwnWhenDrawn_data() {
        QTest::addColumn<QStyle::StandardPixmap>("which");
        QTest::newRow("horizontal overflow arrow") << QStyle::SP_ToolBarHorizontalExtensionButton;
        QTest::newRow("vertical overflow arrow") << QStyle::SP_ToolBarVerticalExtensionButton;
        QTest::newRow("warning, passed through") << QStyle::SP_MessageBoxWarning;
    }
    void iconsAreTheBaseStylesOwnWhenDrawn() {
        QFETCH(QStyle::StandardPixmap, which);
        ProgramStyle style;
        const QPixmap drawn = style.standardIcon(which).pixmap(16, 16);
        QVERIFY(!drawn.isNull());
        QCOMPARE(drawn.toImage(), style.baseStyle()->standardIcon(which).pixmap(16, 16).toImage());
    }
};

QTEST_MAIN(TestProgramStyle)
#include "test_programstyle.moc"
