// The printed page: header, quotation grid, mini-instructions line,
// questions with their answer blanks and the crostic block, drawn with
// absolute twip coordinates on one page. The same page with the letters
// filled in is the key. Coordinates are 16-bit integers as on the printer
// the layout was made for: a value that leaves -32768..32767 raises
// OverflowError, which abandons the page.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "document.h"
#include "gridgeometry.h"
#include "printsurface.h"

namespace qbrx {

inline constexpr const char* kCrosticInstruction =
    "Place the first letter of each answer on the blank below to spell out info about the question";
inline constexpr const char* kCreditLine = "Made with Quotabrix";

// Page-wide values, read from the printer once (at start-up) and kept.
struct PageValues {
    std::int16_t pageWidth = 12240;      // twips (Letter)
    std::int16_t pageHeight = 15840;
    std::int16_t bottomLimit = 15320;    // page height - 520
    std::int16_t secondColumnX = 5820;   // page width / 2 - 300
    std::int16_t textWidth = 5180;       // second column x - 640

    // Throws OverflowError when a size does not fit 16 bits.
    static PageValues fromPageSize(double widthTwips, double heightTwips);
    static PageValues fromSurface(const PrintSurface& surface);
};

// Lays out one page of a document on a surface. Construct one per page.
class PagePrinter {
public:
    PagePrinter(const Document& doc, PrintSurface& surface, const PageValues& page);

    // Key mode flag: on while the key is printed. printDoc switches it off.
    bool keyMode = false;
    // The main window's Crostic on option: print the crostic block.
    bool crosticOn = false;

    // Prints the whole page and ends the job. Returns false when an error
    // (an overflow) abandoned the page; the job is then not ended and the
    // caller discards what was drawn.
    bool printDoc();

    // --- Shared primitives.
    void InitializePrinter();
    void printAt(int x, int y, const std::string& text, int size);
    void moveTo(int x, int y);
    void printAtXY(int x, int y, const std::string& text);
    std::int16_t getTextWidth(const std::string& text, int size);

    // --- Blocks, in page order.
    void PrintHeader();
    void getXcoords(const std::string& title, const std::string& second, const std::string& third);
    void PrintGrid();
    void PrintMiniInstructions();
    void PrintQuestions();
    void PrintCrostic();

    // --- Question measurement.
    // Total height; fills cumulativeHeight and sets columnBreak.
    std::int32_t measureQuestions(std::int32_t gapA, int gapB, int size);
    // Height of question q; sets wrappedQuestion and blankSpacing.
    std::int16_t measureQuestion(int q, int size);
    // The first line of `text` that fits `limit` at the current size.
    std::string breakLine(const std::string& text, int limit);

    // --- Layout values, readable after (or during) printDoc.
    const PageValues& page() const { return page_; }
    GridGeometry geometry;              // cell size enlarged by PrintGrid
    std::int16_t headerBottom = 0;
    std::int16_t gridHeight = 0;
    std::int16_t miniInstructionsHeight = 0;
    std::int16_t titleX = 0, secondX = 0, thirdX = 0;

    // Questions block.
    int questionSize = 0;               // S as finally used
    std::int32_t gapA = 360;
    std::int16_t gapB = 180;
    std::int16_t blankSpacing = 340;
    std::int16_t columnBreak = 0;       // questions in the first column
    std::int16_t extraSpacing = 0;      // e
    std::array<std::int32_t, 51> cumulativeHeight{};
    std::string wrappedQuestion;        // lines joined by CR (13)

private:
    const Document& doc_;
    PrintSurface& s_;
    PageValues page_;
};

}  // namespace qbrx
