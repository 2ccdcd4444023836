// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing.h"

#include <QFileInfo>
#include <QLocale>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <exception>

#include "qtprintsurface.h"
#include "questioncheck.h"

namespace qbrx {

namespace {

constexpr double kTwipsPerPoint = 20.0;

// Lays out one page on a surface measuring against `printer`. True when the
// page was completed.
bool layOut(const Document& doc, const PrintOptions& options, const PageValues& page,
            QtPrintSurface& surface) {
    PagePrinter printer(doc, surface, page, options);
    return printer.printDoc() && surface.ended();
}

// Paints the pages of each surface in turn, a new page before each but the first.
void paintPages(std::initializer_list<const QtPrintSurface*> surfaces, QPrinter& printer, QPainter& painter) {
    bool first = true;
    for (const QtPrintSurface* surface : surfaces)
        for (int p = 0; p < surface->pageCount(); ++p) {
            if (!first) printer.newPage();
            first = false;
            surface->paint(painter, p);
        }
}

}  // namespace

Paper localePaper() {
    const QLocale::Territory territory = QLocale().territory();
    return territory == QLocale::UnitedStates || territory == QLocale::Canada ? Paper::Letter : Paper::A4;
}

Paper printerPaper(const QPrinter& printer) {
    return printer.pageLayout().pageSize().id() == QPageSize::A4 ? Paper::A4 : Paper::Letter;
}

void setPrinterPaper(QPrinter& printer, Paper paper) {
    printer.setPageSize(QPageSize(paper == Paper::A4 ? QPageSize::A4 : QPageSize::Letter));
}

void preparePrinter(QPrinter& printer) {
    printer.setFullPage(false);
    printer.setPageOrientation(QPageLayout::Portrait);
}

PageValues printerPageValues(QPrinter& printer) {
    const QRectF area = printer.pageRect(QPrinter::Point);
    return PageValues::fromPageSize(area.width() * kTwipsPerPoint, area.height() * kTwipsPerPoint);
}

bool printPage(const Document& doc, const PrintOptions& options, const PageValues& page, QPrinter& printer) {
    printer.setFullPage(false);
    QtPrintSurface surface(printer, page.pageWidth, page.pageHeight);
    if (!layOut(doc, options, page, surface)) return false;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    paintPages({&surface}, printer, painter);
    return painter.end();
}

bool printPage(const Document& doc, const PrintOptions& options, QPrinter& printer) {
    printer.setFullPage(false);
    PageValues page;
    try {
        page = printerPageValues(printer);
    } catch (const std::exception&) {
        return false;
    }
    return printPage(doc, options, page, printer);
}

bool paintPuzzleAndKey(const Document& doc, const PrintOptions& options, QPrinter& printer,
                       QPainter& painter) {
    PageValues page;
    try {
        page = printerPageValues(printer);
    } catch (const std::exception&) {
        return false;
    }
    QtPrintSurface puzzle(printer, page.pageWidth, page.pageHeight);
    QtPrintSurface key(printer, page.pageWidth, page.pageHeight);
    if (!layOut(doc, {false, options.crostic}, page, puzzle) ||
        !layOut(doc, {true, options.crostic}, page, key))
        return false;
    paintPages({&puzzle, &key}, printer, painter);
    return true;
}

bool printCommand(Prompter& prompter, const Document& doc, const PrintOptions& options, QPrinter& printer) {
    if (!options.key && !confirmUnwrittenQuestions(prompter, doc, "Print")) return false;
    if (!prompter.printDialog()) return false;
    printer.setPageOrientation(QPageLayout::Portrait);
    return printPage(doc, options, printer);
}

bool printPuzzleAndKeyCommand(Prompter& prompter, const Document& doc, const PrintOptions& options,
                              QPrinter& printer) {
    if (!prompter.printDialog()) return false;
    preparePrinter(printer);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const bool painted = paintPuzzleAndKey(doc, options, printer, painter);
    return painter.end() && painted;
}

void printSetupCommand(Prompter& prompter) {
    try {
        prompter.printSetupDialog();
    } catch (const std::exception&) {
        // Print Setup ends silently on an error.
    }
}

bool writePdf(const Document& doc, const PrintOptions& options, const std::string& path, std::string* error,
              Paper paper) {
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    setPrinterPaper(printer, paper);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Point);  // a quarter inch
    printer.setFullPage(false);
    printer.setCreator(QStringLiteral("Quotabrix"));
    printer.setDocName(QFileInfo(QString::fromStdString(path)).completeBaseName());

    // Both laid out before the file is opened, so that a failure writes nothing.
    PageValues page;
    try {
        page = printerPageValues(printer);
    } catch (const std::exception&) {
        return fail("the page size cannot be used");
    }
    QtPrintSurface puzzle(printer, page.pageWidth, page.pageHeight);
    QtPrintSurface key(printer, page.pageWidth, page.pageHeight);
    if (!layOut(doc, {false, options.crostic}, page, puzzle))
        return fail("the puzzle page cannot be laid out");
    if (!layOut(doc, {true, options.crostic}, page, key)) return fail("the key page cannot be laid out");
    QPainter painter;
    if (!painter.begin(&printer)) return fail("cannot write " + path);
    paintPages({&puzzle, &key}, printer, painter);
    if (!painter.end()) return fail("cannot write " + path);
    return true;
}

}  // namespace qbrx
