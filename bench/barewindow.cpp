// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline of the start-up measurement (bench/startup.sh): a bare Qt
// Widgets program that shows one empty main window of the main window's
// size, timed to its first exposure as the program is. With --text the
// window also has a menu bar and one line of text: what drawing any text
// costs (the font set-up and the text shaper), for comparison.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <cstring>

#include "shownprobe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
        window.menuBar()->addMenu(QStringLiteral("&File"));
        window.setCentralWidget(new QLabel(QStringLiteral("Quotation Puzzle Development Tool")));
    }
    window.resize(983, 757);  // the main window's size on a 1280x1024 screen
    qbrx::ShownProbe::watch(window);
    window.show();
    return app.exec();
}
