// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line. main() parses it first: --help, --version,
// a mistake in the arguments, and the output options (--pdf ...) are
// handled by runCommandLine without any window; otherwise the program
// starts its window, with the seed and the data file given here.
//
//   quotabrix [--seed N] [FILE.dat]
//   quotabrix --pdf OUT.pdf [--seed N] [--no-crostic] [--paper letter|a4] FILE.dat
//   quotabrix --html OUT.html [--seed N] [--no-crostic] [--no-reveal] FILE.dat
//   quotabrix --suggest N [--fill OUT.dat [--clues]] [--seed N] [fill options] FILE.dat
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "document.h"

namespace qbrx {

class Editor;

inline constexpr const char* kVersionText = "Quotabrix 1.01";

// One file to write, as asked for on the command line.
struct OutputRequest {
    std::string option;  // the option that asked for it, e.g. "--pdf"
    std::string path;    // UTF-8 system path
};

// How --suggest and --fill choose their words.
struct FillOptions {
    bool familiarOnly = false;         // --familiar-only
    int minLength = 3;                 // --min-length N
    int maxLength = 12;                // --max-length N
    std::string excludeFile;           // --exclude FILE: words never to suggest, one a line
    std::vector<std::string> include;  // --include WORD,WORD: words to use when they fit
};

struct CommandLine {
    enum class Mode {
        Gui,      // start the window (with dataFile, if any)
        Help,     // --help
        Version,  // --version
        Batch,    // write the outputs from dataFile, no window
        Error,    // a mistake in the arguments: `error` says which
    };
    Mode mode = Mode::Gui;
    std::string program = "quotabrix";   // name the messages use
    std::vector<OutputRequest> outputs;  // in the order given
    std::optional<std::uint64_t> seed;   // --seed N
    bool noCrostic = false;              // --no-crostic
    bool noReveal = false;               // --no-reveal (web page)
    std::string paper;                   // --paper letter|a4 (PDF); empty: the locale's
    std::string dataFile;                // FILE.dat
    int suggest = 0;                     // --suggest N: print up to N fills of the empty answers
    bool clues = false;                  // --clues: --fill drafts the new answers' questions
    // The word list's folder for --suggest and --fill; empty: the one qbrx.ini names.
    std::string dictionaryFolder;
    FillOptions fill;
    std::vector<std::string> qtArguments;  // single-dash options left for Qt (GUI only)
    std::string error;
    std::vector<std::string> warnings;  // options that have no effect here; the run goes on

    // True for every mode that runCommandLine handles (all but Gui).
    bool runsWithoutWindow() const { return mode != Mode::Gui; }
};

// A kind of output file: the option that asks for it and how it is written.
// New kinds are added to the table in outputs.cpp.
struct OutputKind {
    std::string option;     // "--pdf"
    std::string argument;   // "OUT.pdf", for the help text
    std::string help;       // one line for the help text
    bool needsGui = false;  // needs a QGuiApplication (fonts, painting)
    // Writes the document to `path`; on failure returns false and says why.
    std::function<bool(const Document& doc, const CommandLine& cl, const std::string& path,
                       std::string& error)>
        write;
};
const std::vector<OutputKind>& outputKinds();

CommandLine parseCommandLine(int argc, char** argv);
// The same from the arguments after the program name.
CommandLine parseCommandLine(const std::vector<std::string>& args, const std::string& program = "quotabrix");

std::string helpText(const std::string& program);

// Runs a mode that needs no window and returns the exit status: 0 on
// success, 1 when a file could not be read or written, 2 for a mistake in
// the arguments. Creates a QGuiApplication (offscreen when no display is
// set) when an output needs one and none exists. Does nothing for Gui and
// returns 0.
int runCommandLine(const CommandLine& cl);
int runCommandLine(const CommandLine& cl, std::ostream& out, std::ostream& err);

// --suggest and --fill: finds fills for the empty answers of the puzzle in
// `editor`, prints up to cl.suggest of them (one per line, words in slot
// order) and, when --fill is asked for, accepts the first into the puzzle.
// Returns false, having said why on `err`, when no fill was found.
bool suggestFills(Editor& editor, const CommandLine& cl, std::ostream& out, std::ostream& err);

// The options of --suggest and --fill. isFillOption: `name` is one of them;
// fillOptionTakesValue: it needs a value; setFillOption sets it from
// `value` and returns what is wrong with it ("" when nothing is).
bool isFillOption(const std::string& name);
bool fillOptionTakesValue(const std::string& name);
std::string setFillOption(FillOptions& options, const std::string& name, const std::string& value);

// Whether the printed page carries the crostic block in a batch run: the
// crostic is not empty and --no-crostic was not given.
bool batchCrosticOn(const Document& doc, const CommandLine& cl);

}  // namespace qbrx
