#include "printing.h"

#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <exception>

#include "qtprintsurface.h"

namespace qbrx {

namespace {

constexpr double kTwipsPerPoint = 20.0;

// Lays out one page on a surface measuring against `printer`. True when the
// page was completed.
bool layOut(const Document& doc, bool crosticOn, bool keyMode, const PageValues& page, QtPrintSurface& surface) {
    PagePrinter printer(doc, surface, page);
    printer.keyMode = keyMode;
    printer.crosticOn = crosticOn;
    return printer.printDoc() && surface.ended();
}

}  // namespace

void preparePrinter(QPrinter& printer) {
    printer.setFullPage(true);
    printer.setPageOrientation(QPageLayout::Portrait);
}

PageValues printerPageValues(QPrinter& printer) {
    const QRectF paper = printer.paperRect(QPrinter::Point);
    return PageValues::fromPageSize(paper.width() * kTwipsPerPoint, paper.height() * kTwipsPerPoint);
}

PageValues defaultPrinterPageValues() {
    if (QPrinterInfo::defaultPrinter().isNull()) return PageValues::fromPageSize(12240, 15840);
    try {
        QPrinter printer(QPrinter::HighResolution);
        preparePrinter(printer);
        return printerPageValues(printer);
    } catch (const std::exception&) {
        return PageValues::fromPageSize(12240, 15840);
    }
}

bool printPage(const Document& doc, bool crosticOn, bool keyMode, const PageValues& page, QPrinter& printer) {
    printer.setFullPage(true);
    QtPrintSurface surface(printer, page.pageWidth, page.pageHeight);
    if (!layOut(doc, crosticOn, keyMode, page, surface)) return false;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    surface.paint(painter);
    return painter.end();
}

bool printPage(const Document& doc, bool crosticOn, bool keyMode, QPrinter& printer) {
    printer.setFullPage(true);
    PageValues page;
    try {
        page = printerPageValues(printer);
    } catch (const std::exception&) {
        return false;
    }
    return printPage(doc, crosticOn, keyMode, page, printer);
}

bool printCommand(Prompter& prompter, const Document& doc, bool crosticOn, bool keyMode, const PageValues& page,
                  QPrinter& printer) {
    prompter.printDialog();
    printer.setPageOrientation(QPageLayout::Portrait);
    return printPage(doc, crosticOn, keyMode, page, printer);
}

void printSetupCommand(Prompter& prompter) {
    try {
        prompter.printSetupDialog();
    } catch (const std::exception&) {
        // Print Setup ends silently on an error.
    }
}

bool writePdf(const Document& doc, bool crosticOn, const std::string& path, std::string* error) {
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    printer.setFullPage(true);
    printer.setCreator(QStringLiteral("Quotabrix"));
    printer.setDocName(QFileInfo(QString::fromStdString(path)).completeBaseName());

    const PageValues page = printerPageValues(printer);
    QtPrintSurface puzzle(printer, page.pageWidth, page.pageHeight);
    QtPrintSurface key(printer, page.pageWidth, page.pageHeight);
    if (!layOut(doc, crosticOn, false, page, puzzle)) return fail("the puzzle page cannot be laid out");
    if (!layOut(doc, crosticOn, true, page, key)) return fail("the key page cannot be laid out");

    QPainter painter;
    if (!painter.begin(&printer)) return fail("cannot write " + path);
    puzzle.paint(painter);
    printer.newPage();
    key.paint(painter);
    if (!painter.end()) return fail("cannot write " + path);
    return true;
}

}  // namespace qbrx
