// The printed page: header, quotation grid, mini-instructions line,
// questions with their answer blanks and the crostic block, drawn with
// absolute twip coordinates from the printable area's corner. The same page
// with the letters filled in is the key. Coordinates are 16-bit integers as
// on the printer the layout was made for: a value that leaves -32768..32767
// raises OverflowError, which abandons the page.
//
// Where the classic one-page layout would print text over text or off the
// page, it gives way as little as needed: questions that do not fit continue
// on further pages under a short header, a long crostic wraps onto a second
// row, and a title, created-by text or question too long for its room is
// shrunk, then wrapped, then cut with an ellipsis.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "document.h"
#include "gridgeometry.h"
#include "printsurface.h"

namespace qbrx {

inline constexpr const char* kCrosticInstruction =
    "Place the first letter of each answer on the blank below to spell out info about the question";
inline constexpr const char* kCreditLine = "Made with Quotabrix";
inline constexpr const char* kContinued = " (continued)";

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

    // Prints the whole page (and the pages its questions continue on) and
    // ends the job. Returns false when an error (an overflow) abandoned the
    // page; the job is then not ended and the caller discards what was drawn.
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
    void PrintQuotationBy();
    void PrintQuestions();
    void PrintCrostic();
    // The header of a continuation page: the title with "(continued)" and
    // the Name blank. Sets headerBottom.
    void PrintShortHeader();

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
    int wrappedSize = 0;                // font size of wrappedQuestion

    // Where each question goes: page 1 is the page with the grid.
    struct Placement {
        int question, page, x, y;
    };
    std::vector<Placement> placements;
    int pageCount = 1;
    int crosticRows = 1;                // 2 when the crostic wraps

    // Text fitted into a width: one or two lines at `size` points.
    struct Fitted {
        std::vector<std::string> lines;
        int size = 0;
    };
    // Shrinks `text` from `size` down to `minSize` points until it fits
    // `room` twips in the current font; failing that wraps it onto two lines
    // at `minSize` and cuts the second with an ellipsis.
    Fitted fitText(const std::string& text, double room, int size, int minSize);

private:
    // How far question q, `height` high as just measured, reaches below its y.
    int questionDepth(int q, int height);
    // Places the questions as the one-page layout does; true when none runs
    // into the next or below `limit`.
    bool planFits(int columnTop, int limit);
    // Places the questions over as many pages as they need.
    void planPages(int columnTop, int firstLimit, int size);
    void printQuestion(int q, int x, int y);
    void printTitle(int y, const std::string& second, const std::string& third, int& bottom);
    // The length of the longest prefix of `text` no wider than `room`; with
    // `words`, ending before a space where there is one.
    std::size_t fittingPrefix(const std::string& text, double room, bool words);
    // The header's right edge and the mini-instructions' centre: fixed, and
    // moved in proportion on a page narrower than Letter's printable width.
    int headerRight() const;
    int instructionsCentre() const;
    int shortHeaderBottom();
    int rowGap_ = 0;  // second row of answer blanks: this much below the first, plus 150

    const Document& doc_;
    PrintSurface& s_;
    PageValues page_;
};

}  // namespace qbrx
