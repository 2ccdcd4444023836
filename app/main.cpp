// Quotabrix: builds acrostic quotation puzzles.
#include <QApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "dictionary.h"
#include "mainform.h"
#include "qtprompter.h"
#include "random.h"
#include "startup.h"

namespace {

bool haveDisplay() {
    auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

struct GuiOptions {
    std::optional<std::uint64_t> seed;  // --seed N fixes the encodings' random sequence
    std::string file;                   // a data file to open after start-up
};

GuiOptions guiOptions(int argc, char** argv) {
    GuiOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--seed" && i + 1 < argc) {
            options.seed = std::strtoull(argv[++i], nullptr, 10);
        } else if (arg.rfind("--seed=", 0) == 0) {
            options.seed = std::strtoull(arg.c_str() + 7, nullptr, 10);
        } else if (!arg.empty() && arg[0] != '-') {
            options.file = arg;
        }
    }
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    if (!haveDisplay()) {
        std::fprintf(stderr,
                     "Quotabrix needs a display. Without one, run it as\n"
                     "  xvfb-run quotabrix\n"
                     "or print a puzzle without any window:\n"
                     "  quotabrix --pdf OUT.pdf FILE.dat\n");
        return 2;
    }
    const GuiOptions options = guiOptions(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quotabrix"));

    qbrx::QtPrompter prompter;
    qbrx::SeededRandom random = options.seed ? qbrx::SeededRandom(*options.seed) : qbrx::SeededRandom::fromClock();
    qbrx::Dictionary dictionary;
    qbrx::Mainform form(prompter, random, dictionary);
    prompter.setParentWindow(&form);

    if (!qbrx::startProgram(form, dictionary, prompter, QCoreApplication::applicationDirPath().toStdString()))
        return 0;
    form.show();
    if (!options.file.empty()) form.openFile(options.file);
    return app.exec();
}
