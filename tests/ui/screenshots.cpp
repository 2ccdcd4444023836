// Takes the pictures of the main window and the grid window for the
// documentation: a puzzle in progress, opened from an example file.
//   xvfb-run -a ui_screenshots OUTDIR EXAMPLE.dat
// With --screen, the whole screen instead, as the author sees it with the
// grid window over the main window (the screen size is the X server's), and
// with the dictionary window open too when "dictionary" follows:
//   xvfb-run -a -s "-screen 0 1024x768x24" ui_screenshots --screen OUT.png EXAMPLE.dat [dictionary]
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTest>

#include <cstdio>
#include <cstring>
#include <string>

#include "dictionary.h"
#include "mainform.h"
#include "quoteshow.h"
#include "random.h"
#include "scriptedprompter.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool wholeScreen = argc >= 2 && std::strcmp(argv[1], "--screen") == 0;
    if (argc < 3 + (wholeScreen ? 1 : 0)) {
        std::fprintf(stderr, "usage: ui_screenshots OUTDIR EXAMPLE.dat\n"
                             "       ui_screenshots --screen OUT.png EXAMPLE.dat\n");
        return 2;
    }
    const int first = wholeScreen ? 2 : 1;
    const QString out = QString::fromLocal8Bit(argv[first]);

    qbrx::ScriptedPrompter prompter;
    qbrx::SeededRandom random(1845);
    qbrx::Dictionary dictionary;
    qbrx::Mainform form(prompter, random, dictionary);
    form.show();
    form.startUp();
    form.openFile(argv[first + 1]);
    // A puzzle in progress: a question selected for editing.
    form.lstQuestion->setCurrentRow(4);
    form.lstQuestion->scrollToTop();
    for (int i = 0; i < 10; ++i) QApplication::processEvents();

    if (wholeScreen) {
        if (argc > 4 && std::strcmp(argv[4], "dictionary") == 0) form.openDictionary();
        QTest::qWait(300);
        return form.screen()->grabWindow(0).save(out) ? 0 : 1;
    }
    bool ok = form.grab().save(out + QStringLiteral("/mainwindow.png"));
    ok = form.gridWindow()->grab().save(out + QStringLiteral("/gridwindow.png")) && ok;
    return ok ? 0 : 1;
}
