// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include <QGuiApplication>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <sstream>

#include "editor.h"
#include "formats.h"
#include "questioncheck.h"
#include "random.h"
#include "scriptedprompter.h"
#include "text.h"

namespace qbrx {

namespace {

namespace fs = std::filesystem;

// Qt's own options that take a value (left to QApplication in GUI mode).
bool qtOptionTakesValue(const std::string& option) {
    static const char* const withValue[] = {
        "-platform",        "-platformpluginpath", "-platformtheme", "-plugin",  "-qmljsdebugger",
        "-style",           "-stylesheet",         "-session",       "-display", "-geometry",
        "-qwindowgeometry", "-qwindowicon",        "-qwindowtitle",  "-title",   "-name"};
    for (const char* o : withValue)
        if (option == o) return true;
    return false;
}

const OutputKind* findOutputKind(const std::string& option) {
    for (const OutputKind& kind : outputKinds())
        if (kind.option == option) return &kind;
    return nullptr;
}

bool parseSeed(const std::string& text, std::uint64_t& seed) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
    errno = 0;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text.c_str(), &end, 10);
    if (errno == ERANGE || *end != '\0') return false;
    seed = value;
    return true;
}

bool environmentSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Qt's own notes (about the session, fonts and the like) are of no use to
// someone writing a file from the terminal; real errors still show.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg) return;
    std::cerr << message.toStdString() << "\n";
}

// A QGuiApplication for painting, when the program has none yet. Without a
// display Qt is told to draw offscreen.
std::unique_ptr<QGuiApplication> ensureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) return nullptr;
    if (!environmentSet("QT_QPA_PLATFORM") && !environmentSet("DISPLAY") &&
        !environmentSet("WAYLAND_DISPLAY"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(quietQtMessages);
    static int argc = 1;
    static char name[] = "quotabrix";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

int runBatch(const CommandLine& cl, std::ostream& out, std::ostream& err) {
    const std::string& path = cl.dataFile;
    std::error_code ec;
    const fs::file_status fileStatus = fs::status(fs::path(path), ec);
    if (!fs::exists(fileStatus)) {
        err << cl.program << ": cannot open " << path << ": no such file\n";
        return 1;
    }
    if (fs::is_directory(fileStatus)) {
        err << cl.program << ": cannot read " << path << ": it is a folder\n";
        return 1;
    }

    bool needsGui = false;
    for (const OutputRequest& request : cl.outputs)
        if (const OutputKind* kind = findOutputKind(request.option)) needsGui = needsGui || kind->needsGui;
    std::unique_ptr<QGuiApplication> app;
    if (needsGui) app = ensureGuiApplication();

    // An empty script answers every question with its default button; what
    // went wrong is told by the reader's result, on the terminal.
    ScriptedPrompter prompter;
    SeededRandom random = cl.seed ? SeededRandom(*cl.seed) : SeededRandom::fromClock();
    Editor editor(prompter, random);
    editor.startUp();
    const PuzzleRead read = readPuzzleFile(path);
    const FileResult& result = read.result;
    const bool ipuz = formatOfName(path) == Format::Ipuz;
    switch (result.status) {
        case FileStatus::Ok:
            break;
        case FileStatus::NotFound:
            err << cl.program << ": cannot open " << path << ": no such file\n";
            return 1;
        case FileStatus::Unreadable:
        case FileStatus::NotPuzzle:
        case FileStatus::NotWritten:
            // An ipuz file is refused whole, with the reader's reason.
            if (ipuz)
                err << cl.program << ": cannot open " << path << ": " << cp1252ToUtf8(result.reason) << ".\n";
            else if (result.status == FileStatus::Unreadable)
                err << cl.program << ": " << path << " cannot be read: " << result.reason
                    << "; nothing was written\n";
            else
                err << cl.program << ": " << path
                    << " does not look like a puzzle data file; nothing was written\n";
            return 1;
        case FileStatus::Mismatch:
            err << cl.program << ": " << path
                << " is damaged: a question and its answer carry different numbers; nothing was written\n";
            return 1;
        case FileStatus::Damaged:
            err << cl.program << ": " << path
                << " is damaged or is not a puzzle data file (it ends too early or a line is malformed); "
                   "nothing was written\n";
            return 1;
    }
    if (editor.loadPuzzle(*read.puzzle) == Editor::Numbering::Redrawn)
        err << cl.program << ": warning: " << path
            << ": the letter numbers in the file do not fit its answers; they were drawn afresh\n";
    if (editor.doc.quotation.empty())
        err << cl.program << ": warning: " << path << " holds no quotation; the page has no grid\n";

    int status = 0;
    bool filled = true;
    const bool fillAsked = std::any_of(cl.outputs.begin(), cl.outputs.end(),
                                       [](const OutputRequest& r) { return r.option == "--fill"; });
    if (cl.suggest > 0 || fillAsked) filled = suggestFills(editor, cl, out, err);
    if (!filled) status = 1;
    const UnwrittenQuestions unwritten = findUnwrittenQuestions(editor.doc);
    if (!cl.outputs.empty() && !unwritten.none())
        err << cl.program << ": warning: " << path
            << ": some questions are not written yet; they go out as they are: "
            << cp1252ToUtf8(unwrittenQuestionsList(unwritten, "; ")) << "\n";
    for (const OutputRequest& request : cl.outputs) {
        const OutputKind* kind = findOutputKind(request.option);
        if (kind == nullptr) continue;  // parseCommandLine only accepts known kinds
        if (request.option == "--fill" && !filled) continue;
        std::string error;
        if (!kind->write(editor.doc, cl, request.path, error)) {
            err << cl.program << ": cannot write " << request.path << (error.empty() ? "" : ": ") << error
                << "\n";
            status = 1;
        }
    }
    return status;
}

}  // namespace

// The file's own Crostic setting when it keeps one. Otherwise a puzzle
// read without a crostic line holds one space per question (the crostic
// row's filler): that counts as no crostic.
bool batchCrosticOn(const Document& doc, const CommandLine& cl) {
    return !cl.noCrostic &&
           (doc.crosticOnWritten ? doc.crosticOn : doc.crostic.find_first_not_of(' ') != std::string::npos);
}

CommandLine parseCommandLine(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    std::string program = "quotabrix";
    if (argc > 0 && argv[0] != nullptr && *argv[0] != '\0') program = fs::path(argv[0]).filename().string();
    return parseCommandLine(args, program);
}

CommandLine parseCommandLine(const std::vector<std::string>& args, const std::string& program) {
    CommandLine cl;
    cl.program = program;
    bool help = false, version = false, optionsEnded = false, paperGiven = false;
    auto fail = [&](const std::string& message) {
        if (cl.error.empty()) cl.error = message;
    };
    auto addFile = [&](const std::string& file) {
        if (!cl.dataFile.empty())
            fail("only one data file can be given ('" + cl.dataFile + "' and '" + file + "')");
        else
            cl.dataFile = file;
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            addFile(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "-h" || arg == "--help") {
            help = true;
            continue;
        }
        if (arg == "-V" || arg == "--version") {
            version = true;
            continue;
        }
        if (arg == "--clues") {
            cl.clues = true;
            continue;
        }
        if (arg == "--no-crostic") {
            cl.noCrostic = true;
            continue;
        }
        if (arg == "--no-reveal") {
            cl.noReveal = true;
            continue;
        }
        if (arg.rfind("--", 0) != 0) {
            // A single-dash option is Qt's (-platform, -style, ...).
            cl.qtArguments.push_back(arg);
            if (qtOptionTakesValue(arg) && i + 1 < args.size()) cl.qtArguments.push_back(args[++i]);
            continue;
        }

        // --name VALUE or --name=VALUE.
        std::string name = arg, value;
        bool hasValue = false;
        if (const std::size_t eq = arg.find('='); eq != std::string::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
            hasValue = true;
        }
        if (isFillOption(name)) {
            if (fillOptionTakesValue(name) && !hasValue) {
                if (i + 1 >= args.size()) {
                    fail("option '" + name + "' needs a value");
                    continue;
                }
                value = args[++i];
            }
            if (const std::string wrong = setFillOption(cl.fill, name, value); !wrong.empty()) fail(wrong);
            continue;
        }
        const OutputKind* kind = findOutputKind(name);
        const bool count = name == "--suggest";
        if (name != "--seed" && name != "--paper" && !count && kind == nullptr) {
            fail("unknown option '" + name + "'");
            continue;
        }
        if (!hasValue) {
            if (i + 1 >= args.size()) {
                fail("option '" + name + "' needs " +
                     (kind                ? "a file name"
                      : name == "--paper" ? "letter or a4"
                                          : "a number"));
                continue;
            }
            value = args[++i];
        }
        if (count) {
            std::uint64_t n = 0;
            if (parseSeed(value, n) && n >= 1 && n <= 1000)
                cl.suggest = static_cast<int>(n);
            else
                fail("--suggest needs a number of fills from 1 to 1000, not '" + value + "'");
        } else if (name == "--paper") {
            paperGiven = true;
            std::string paper = value;
            for (char& c : paper) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (paper == "letter" || paper == "a4")
                cl.paper = paper;
            else
                fail("--paper needs letter or a4, not '" + value + "'");
        } else if (kind != nullptr) {
            if (value.empty())
                fail("option '" + name + "' needs a file name");
            else
                cl.outputs.push_back({name, value});
        } else {
            std::uint64_t seed = 0;
            if (parseSeed(value, seed))
                cl.seed = seed;
            else
                fail("--seed needs a whole number of 0 or more, not '" + value + "'");
        }
    }

    if (cl.clues && std::none_of(cl.outputs.begin(), cl.outputs.end(),
                                 [](const OutputRequest& r) { return r.option == "--fill"; }))
        fail("--clues drafts the questions of --fill OUT.dat, which is not given");

    // The window prints on the printer's paper, with the crostic as its own
    // option sets it.
    if (!help && !version && cl.error.empty() && cl.outputs.empty() && cl.suggest == 0) {
        if (paperGiven)
            cl.warnings.push_back(
                "--paper applies only to files written with --pdf; the window prints on the printer's paper");
        if (cl.noCrostic)
            cl.warnings.push_back(
                "--no-crostic applies only to files written with --pdf; in the window, the crostic option "
                "decides");
        if (cl.noReveal)
            cl.warnings.push_back(
                "--no-reveal applies only to web pages written with --html; Export asks in the window");
    }

    if (help)
        cl.mode = CommandLine::Mode::Help;
    else if (version)
        cl.mode = CommandLine::Mode::Version;
    else if (!cl.error.empty())
        cl.mode = CommandLine::Mode::Error;
    else if (!cl.outputs.empty() || cl.suggest > 0) {
        cl.mode = CommandLine::Mode::Batch;
        if (cl.dataFile.empty()) {
            cl.mode = CommandLine::Mode::Error;
            cl.error = cl.outputs.empty()
                           ? "no data file given to suggest answers for"
                           : "no data file given to write " + cl.outputs.front().path + " from";
        }
    }
    return cl;
}

std::string helpText(const std::string& program) {
    std::ostringstream out;
    out << "Usage: " << program << " [--seed N] [FILE.dat]\n";
    for (const OutputKind& kind : outputKinds())
        out << "       " << program << " " << kind.option << " " << kind.argument
            << " [--seed N] [--no-crostic]" << (kind.needsGui ? " [--paper letter|a4]" : "")
            << (kind.option == "--html" ? " [--no-reveal]" : "") << " FILE.dat\n";
    out << "       " << program
        << " --suggest N [--fill OUT.dat [--clues]] [--seed N] [--familiar-only] [--min-length N]\n"
        << "                 [--max-length N] [--exclude FILE] [--include WORD,WORD] FILE.dat\n";
    out << "\n"
           "Builds acrostic quotation puzzles. Without an output option the program\n"
           "opens its window, with FILE.dat in it when one is given. With an output\n"
           "option it reads FILE.dat and writes the output without any window.\n"
           "FILE.dat may also be an ipuz acrostic (.ipuz); its letter numbers are kept.\n"
           "\n"
           "Options:\n";
    auto row = [&](const std::string& left, const std::string& text) {
        std::string l = "  " + left;
        if (l.size() < 22)
            l.resize(22, ' ');
        else
            l += "  ";
        out << l << text << "\n";
    };
    for (const OutputKind& kind : outputKinds()) row(kind.option + " " + kind.argument, kind.help);
    row("--suggest N", "print up to N sets of answers for the empty slots that use up the letters left");
    row("--familiar-only", "suggest only familiar words");
    row("--min-length N", "the shortest answer to suggest (3 when not given)");
    row("--max-length N", "the longest answer to suggest (12 when not given)");
    row("--exclude FILE", "never suggest the words of FILE, one a line");
    row("--include WORD,WORD", "use these words when they fit the letters left");
    row("--clues", "with --fill, draft the new answers' questions from the word list's definitions");
    row("--seed N", "fix the random draw of the answers' letter numbers");
    row("--no-crostic", "leave the crostic block off the printed page");
    row("--no-reveal", "leave Reveal letter and Reveal word off the web page");
    row("--paper letter|a4",
        "paper size of the PDF (when not given, the locale's: Letter in the US and Canada, A4 elsewhere)");
    row("-h, --help", "show this help and exit");
    row("-V, --version", "show the program's version and exit");
    out << "\n"
           "Exit status: 0 when all went well, 1 when a file could not be read or\n"
           "written, 2 for a mistake in the arguments.\n";
    return out.str();
}

int runCommandLine(const CommandLine& cl) { return runCommandLine(cl, std::cout, std::cerr); }

int runCommandLine(const CommandLine& cl, std::ostream& out, std::ostream& err) {
    switch (cl.mode) {
        case CommandLine::Mode::Gui:
            return 0;
        case CommandLine::Mode::Help:
            out << helpText(cl.program);
            return 0;
        case CommandLine::Mode::Version:
            out << kVersionText << "\n";
            return 0;
        case CommandLine::Mode::Error:
            err << cl.program << ": " << cl.error << "\n"
                << "Try '" << cl.program << " --help' for more information.\n";
            return 2;
        case CommandLine::Mode::Batch:
            return runBatch(cl, out, err);
    }
    return 2;
}

}  // namespace qbrx
