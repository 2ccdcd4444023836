// Takes the pictures of the main window and the grid window for the
// documentation: a puzzle in progress, opened from an example file.
//   xvfb-run -a ui_screenshots OUTDIR EXAMPLE.dat
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <cstdio>
#include <string>

#include "dictionary.h"
#include "mainform.h"
#include "quoteshow.h"
#include "random.h"
#include "scriptedprompter.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: ui_screenshots OUTDIR EXAMPLE.dat\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);

    qbrx::ScriptedPrompter prompter;
    qbrx::SeededRandom random(1845);
    qbrx::Dictionary dictionary;
    qbrx::Mainform form(prompter, random, dictionary);
    form.show();
    form.startUp();
    form.openFile(argv[2]);
    // A puzzle in progress: a question selected for editing.
    form.lstQuestion->setCurrentRow(4);
    form.lstQuestion->scrollToTop();
    for (int i = 0; i < 10; ++i) QApplication::processEvents();

    bool ok = form.grab().save(outDir + QStringLiteral("/mainwindow.png"));
    ok = form.gridWindow()->grab().save(outDir + QStringLiteral("/gridwindow.png")) && ok;
    return ok ? 0 : 1;
}
