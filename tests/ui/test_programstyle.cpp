// The program's style hands out the menu bar's overflow arrow unread, and
// it is the platform style's own arrow once drawn; other icons pass through.
#include <QtTest>

#include "programstyle.h"

using namespace qbrx;

class TestProgramStyle : public QObject {
    Q_OBJECT
private slots:
    void overflowArrowIsTheStylesOwnWhenDrawn() {
        ProgramStyle style;
        const QIcon deferred = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        const QIcon own = style.baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        QCOMPARE(deferred.pixmap(16, 16).toImage(), own.pixmap(16, 16).toImage());
    }

    void overflowArrowIsNotNull() {
        ProgramStyle style;
        QVERIFY(!style.standardIcon(QStyle::SP_ToolBarVerticalExtensionButton).pixmap(16, 16).isNull());
    }

    void otherIconsPassThrough() {
        ProgramStyle style;
        const QIcon icon = style.standardIcon(QStyle::SP_MessageBoxWarning);
        const QIcon own = style.baseStyle()->standardIcon(QStyle::SP_MessageBoxWarning);
        QCOMPARE(icon.pixmap(32, 32).toImage(), own.pixmap(32, 32).toImage());
    }
};

QTEST_MAIN(TestProgramStyle)
#include "test_programstyle.moc"
