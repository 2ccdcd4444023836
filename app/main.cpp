// SPDX-License-Identifier: GPL-3.0-or-later
// Quotabrix: builds acrostic quotation puzzles.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "commandline.h"
#include "dictionary.h"
#include "mainwindow.h"
#include "programstyle.h"
#include "qtprompter.h"
#include "random.h"
#include "recoverywatch.h"
#include "shownprobe.h"
#include "startup.h"
#include "uifonts.h"

namespace {

bool haveDisplay() {
    auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char** argv) {
    // Before anything draws text, in the window as on the printed page.
    qbrx::useProgramFontConfiguration();

    const qbrx::CommandLine cl = qbrx::parseCommandLine(argc, argv);
    if (cl.runsWithoutWindow()) return qbrx::runCommandLine(cl);
    for (const std::string& warning : cl.warnings)
        std::fprintf(stderr, "%s: warning: %s\n", cl.program.c_str(), warning.c_str());

    if (!haveDisplay()) {
        std::fprintf(stderr,
                     "%s: no display to show the window on. Start it under a virtual display:\n"
                     "  xvfb-run %s\n"
                     "or print a puzzle without any window:\n"
                     "  %s --pdf OUT.pdf FILE.dat\n",
                     cl.program.c_str(), cl.program.c_str(), cl.program.c_str());
        return 1;
    }

    // The word list is read while Qt starts and the window is built.
    const qbrx::PreferenceLocations where = qbrx::PreferenceLocations::forProgram();
    qbrx::Dictionary dictionary;
    std::unique_ptr<qbrx::BackgroundLoad> preload = qbrx::startLoadingDictionary(dictionary, where);

    // Qt sees only the options the command line left for it.
    std::vector<std::string> qtArgs{argv[0]};
    qtArgs.insert(qtArgs.end(), cl.qtArguments.begin(), cl.qtArguments.end());
    std::vector<char*> qtArgv;
    for (std::string& arg : qtArgs) qtArgv.push_back(arg.data());
    qtArgv.push_back(nullptr);
    int qtArgc = static_cast<int>(qtArgs.size());

    QApplication app(qtArgc, qtArgv.data());
    QApplication::setStyle(new qbrx::ProgramStyle);
    QApplication::setApplicationName(QStringLiteral("Quotabrix"));
    // The desktop entry's name, by which Wayland desktops match the window to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quotabrix.Quotabrix"));

    qbrx::QtPrompter prompter;
    qbrx::SeededRandom random = cl.seed ? qbrx::SeededRandom(*cl.seed) : qbrx::SeededRandom::fromClock();
    qbrx::MainWindow form(prompter, random, dictionary);
    prompter.setParentWindow(&form);
    prompter.setPrinterSource([&form] { return &form.printer(); });

    if (!qbrx::startProgram(form, dictionary, prompter, where, std::move(preload))) return 0;
    qbrx::ShownProbe::watch(form);
    form.show();
    // Unsaved work of a copy that ended comes first; recovered, it takes
    // the place of the file named on the command line.
    qbrx::RecoveryWatch recovery(form);
    if (!recovery.offer() && !cl.dataFile.empty()) form.openFile(cl.dataFile);
    return app.exec();
}
