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
    void userConfigurationIsLeftAloneElseTheProgramsIsSetUp() {
        QVERIFY(refusedBesideUserConfiguration);
        QVERIFY(setUp);
    }

    // By name as printing asks, and through uiFont. Other names are kept; a
    // family nobody has installed falls back to the generic sans-serif, as
    // the system's configuration has it.
    void windowsNamesDrawInTheirTwins() {
        for (const auto& [windows, twin] : {std::pair{"Arial", "Liberation Sans"},
                                            {"Times New Roman", "Liberation Serif"},
                                            {"Courier New", "Liberation Mono"},
                                            {"MS Sans Serif", "DejaVu Sans"}}) {
            QCOMPARE(QFontInfo(QFont(QString::fromLatin1(windows))).family(), QString::fromLatin1(twin));
            QCOMPARE(QFontInfo(uiFont(windows, 10)).family(), QString::fromLatin1(twin));
        }
        QCOMPARE(QString::fromLatin1(installedFamily("Noto Sans")), QStringLiteral("Noto Sans"));
        QFont font(QStringLiteral("No Such Family"));
        font.setBold(true);
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("DejaVu Sans"));
    }

    // The overflow arrows, and a warning icon passed through.
    void iconsAreTheBaseStylesOwnWhenDrawn() {
        ProgramStyle style;
        for (QStyle::StandardPixmap which :
             {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
              QStyle::SP_MessageBoxWarning}) {
            const QPixmap drawn = style.standardIcon(which).pixmap(16, 16);
            QVERIFY(!drawn.isNull());
            QCOMPARE(drawn.toImage(), style.baseStyle()->standardIcon(which).pixmap(16, 16).toImage());
        }
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
