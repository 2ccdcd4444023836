// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the puzzle and its key on a QPrinter, and as a PDF.
//
// The layout draws from the corner of the printer's printable area and
// takes its size from it, so a printer that cannot print near the paper's
// edge loses nothing. The Print and Print Key commands read the printer's
// page (Letter, A4 ...) after its dialog closes.
#pragma once

#include <string>

#include "document.h"
#include "pagelayout.h"
#include "prompter.h"

class QPainter;
class QPrinter;

namespace qbrx {

enum class Paper { Letter, A4 };

// The paper of the program's locale (QLocale()): Letter in the United States
// and Canada, A4 elsewhere. The window's printer starts with it and the
// command line writes on it unless another is chosen.
Paper localePaper();
// The paper `printer` is set to: A4, or else Letter.
Paper printerPaper(const QPrinter& printer);
// Sets `printer`'s page size to `paper`.
void setPrinterPaper(QPrinter& printer, Paper paper);

// Sets a printer up the way the layout draws on it: coordinates from the
// printable area's top left corner, portrait.
void preparePrinter(QPrinter& printer);

// The printer's printable area as the layout's page values (twips).
PageValues printerPageValues(QPrinter& printer);

// Lays out the puzzle (the key with options.key) and prints its pages on
// `printer`. Returns false when the layout was abandoned (an overflow):
// nothing is printed then. `page` gives the page values to lay out with.
bool printPage(const Document& doc, const PrintOptions& options, const PageValues& page, QPrinter& printer);
// The same with the page values of `printer` itself.
bool printPage(const Document& doc, const PrintOptions& options, QPrinter& printer);

// Lays out the puzzle's pages and then the key's with the page values of
// `printer` and paints them with `painter`, active on `printer` (PDF and the
// print preview); options.key is not read. False, with nothing painted,
// when a layout is abandoned.
bool paintPuzzleAndKey(const Document& doc, const PrintOptions& options, QPrinter& printer,
                       QPainter& painter);

// The Print and Print Key commands: Print first asks whether to go on when
// some questions are not written yet; then shows the print dialog through the
// prompter; when it is confirmed, sets the printer to portrait and prints
// the puzzle or the key on the printer's page. Cancel prints nothing. Shows
// no message; returns whether something was printed.
bool printCommand(Prompter& prompter, const Document& doc, const PrintOptions& options, QPrinter& printer);

// The print preview's Print: the print dialog through the prompter, then the
// puzzle's pages and the key's, as the preview shows them. Cancel prints
// nothing; returns whether something was printed.
bool printPuzzleAndKeyCommand(Prompter& prompter, const Document& doc, const PrintOptions& options,
                              QPrinter& printer);

// The Print Setup command: the setup dialog through the prompter.
void printSetupCommand(Prompter& prompter);

// Writes the puzzle (its pages first) and the key to a PDF file, portrait,
// with quarter-inch margins all round; options.key is not read. `path` is
// a UTF-8 system path. Nothing is written when either cannot be laid out;
// `error` then says why.
bool writePdf(const Document& doc, const PrintOptions& options, const std::string& path,
              std::string* error = nullptr, Paper paper = localePaper());

}  // namespace qbrx
