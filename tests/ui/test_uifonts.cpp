// The program's own font configuration: the Windows font names of the
// window's design draw in their installed twins, whether asked for through
// uiFont or by name (as printing does), and a configuration the user names
// in the environment is left alone.
#include <QApplication>
#include <QFontInfo>
#include <QtTest>

#include "uifonts.h"

using namespace qbrx;

namespace {
bool refusedBesideUserConfiguration = false;
bool setUp = false;
}  // namespace

class TestUiFonts : public QObject {
    Q_OBJECT
private slots:
    void userConfigurationIsLeftAlone() { QVERIFY(refusedBesideUserConfiguration); }
    void programConfigurationIsSetUp() { QVERIFY(setUp); }

    void windowsNamesDrawInTheirTwins_data() {
        QTest::addColumn<QString>("windows");
        QTest::addColumn<QString>("twin");
        QTest::newRow("Arial") << "Arial" << "Liberation Sans";
        QTest::newRow("Times New Roman") << "Times New Roman" << "Liberation Serif";
        QTest::newRow("Courier New") << "Courier New" << "Liberation Mono";
        QTest::newRow("MS Sans Serif") << "MS Sans Serif" << "DejaVu Sans";
    }
    // By name as printing asks (before uiFont has been used), and through uiFont.
    void windowsNamesDrawInTheirTwins() {
        QFETCH(QString, windows);
        QFETCH(QString, twin);
        const QByteArray name = windows.toLatin1();
        QCOMPARE(QFontInfo(QFont(windows)).family(), twin);
        QCOMPARE(QFontInfo(uiFont(name.constData(), 10)).family(), twin);
    }

    void otherNamesAreKept() { QCOMPARE(QString::fromLatin1(installedFamily("Noto Sans")), QStringLiteral("Noto Sans")); }
};

int main(int argc, char** argv) {
    // Before Qt, as the program does it.
    qputenv("FONTCONFIG_FILE", "/etc/fonts/fonts.conf");
    refusedBesideUserConfiguration = !useProgramFontConfiguration();
    qunsetenv("FONTCONFIG_FILE");
    setUp = useProgramFontConfiguration();

    QApplication app(argc, argv);
    TestUiFonts test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_uifonts.moc"
