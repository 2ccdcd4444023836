// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own look as start-up sets it up.
// Its font configuration: the Windows font names of the window's design draw
// in their installed twins, whether asked for through uiFont or by name (as
// printing does), and a configuration the user names in the environment is
// left alone.
// Its style: the menu bar's overflow arrows are handed out unread, and are
// the platform style's own arrows once drawn; other icons pass through.
#include <QApplication>
#include <QFontInfo>
#include <QtTest>

#include "programstyle.h"
#include "uifonts.h"

using namespace qbrx;

namespace {
bool refusedBesideUserConfiguration = false;
bool setUp = false;
}  // namespace

class TestUiLook : public QObject {
    Q_OBJECT
private slots:
    void userConfigurationIsLeftAlone() { QVERIFY(refusedBesideUserConfiguration); }
    void programConfigurationIsSetUp() { QVERIFY(setUp); }

    void windowsNamesDrawInTheirTwins_data() {
        QTest::addColumn<QString>("windows");
        QTest::addColumn<QString>("twin");
        QTest::newRow("Arial") << "Arial"
                               << "Liberation Sans";
        QTest::newRow("Times New Roman") << "Times New Roman"
                                         << "Liberation Serif";
        QTest::newRow("Courier New") << "Courier New"
                                     << "Liberation Mono";
        QTest::newRow("MS Sans Serif") << "MS Sans Serif"
                                       << "DejaVu Sans";
    }
    // By name as printing asks, and through uiFont.
    void windowsNamesDrawInTheirTwins() {
        QFETCH(QString, windows);
        QFETCH(QString, twin);
        const QByteArray name = windows.toLatin1();
        QCOMPARE(QFontInfo(QFont(windows)).family(), twin);
        QCOMPARE(QFontInfo(uiFont(name.constData(), 10)).family(), twin);
    }

    // A family nobody has installed falls back to the generic sans-serif,
    // as the system's configuration has it.
    void unknownFamiliesFallBackToSansSerif() {
        QFont font(QStringLiteral("No Such Family"));
        font.setBold(true);
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("DejaVu Sans"));
    }

    void otherNamesAreKept() {
        QCOMPARE(QString::fromLatin1(installedFamily("Noto Sans")), QStringLiteral("Noto Sans"));
    }

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

int main(int argc, char** argv) {
    // Before Qt, as the program does it.
    qputenv("FONTCONFIG_FILE", "/etc/fonts/fonts.conf");
    refusedBesideUserConfiguration = !useProgramFontConfiguration();
    qunsetenv("FONTCONFIG_FILE");
    setUp = useProgramFontConfiguration();

    QApplication app(argc, argv);
    TestUiLook test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_uilook.moc"
