// The baseline of the start-up measurement (bench/startup.sh): a bare Qt
// Widgets program that shows one empty main window of the main window's
// size, timed to its first exposure as the program is.
#include <QApplication>
#include <QMainWindow>

#include "shownprobe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(984, 720);
    qbrx::ShownProbe::watch(window);
    window.show();
    return app.exec();
}
