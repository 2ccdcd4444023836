// Printing the puzzle and its key on a QPrinter, and as a two-page PDF.
//
// The main window reads the page values once, when it first uses its
// printer (defaultPrinterPageValues), and keeps them; the Print and Print Key
// commands run printCommand with that printer and those values.
#pragma once

#include <string>

#include "document.h"
#include "pagelayout.h"
#include "prompter.h"

class QPrinter;

namespace qbrx {

// Sets a printer up the way the layout draws on it: coordinates from the
// paper's top left corner (full page), portrait.
void preparePrinter(QPrinter& printer);

// The printer's paper size as the layout's page values (twips).
PageValues printerPageValues(QPrinter& printer);
// The page values of the system's default printer (Letter when there is
// none), read when the program first uses its printer.
PageValues defaultPrinterPageValues();

// Lays out one page (the key when keyMode) and prints it on `printer`.
// Returns false when the layout was abandoned (an overflow): nothing is
// printed then. `page` is what the program read at start-up.
bool printPage(const Document& doc, bool crosticOn, bool keyMode, const PageValues& page, QPrinter& printer);
// The same with the page values of `printer` itself.
bool printPage(const Document& doc, bool crosticOn, bool keyMode, QPrinter& printer);

// The Print and Print Key commands: shows the print dialog through the
// prompter (the print goes ahead whether it is confirmed or cancelled, as
// the program always did), sets the printer to portrait, and prints the
// puzzle or the key. Shows no message; returns what printPage returned.
bool printCommand(Prompter& prompter, const Document& doc, bool crosticOn, bool keyMode, const PageValues& page,
                  QPrinter& printer);

// The Print Setup command: the setup dialog through the prompter.
void printSetupCommand(Prompter& prompter);

// Writes the puzzle (page 1) and the key (page 2) of `doc` to a PDF file
// (Letter, portrait). `path` is a UTF-8 system path. Nothing is written
// when either page cannot be laid out; `error` then says why.
bool writePdf(const Document& doc, bool crosticOn, const std::string& path, std::string* error = nullptr);

}  // namespace qbrx
