// SPDX-License-Identifier: GPL-3.0-or-later
// Measuring and planning the printed page: where each text of the header
// goes, the grid's cells and place, which question goes where on which page,
// the crostic block. Nothing is drawn here; the surface is only asked for
// text widths and heights. PagePrinter (pagelayout.h) draws the plan.
//
// Coordinates are twips from the printable area's corner, 16-bit integers
// as on the printer the layout was made for: a value that leaves
// -32768..32767 raises OverflowError.
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
    "Place the first letter of each answer on the blank below to spell out info about the quotation";
inline constexpr const char* kCreditLine = "Made with Quotabrix";
inline constexpr const char* kContinued = " (continued)";
inline constexpr const char* kAnswerKeyMark = "Answer Key";

// What one print makes.
struct PrintOptions {
    bool key = false;      // the key: every letter filled in
    bool crostic = false;  // the crostic block (the main window's Crostic On)
};

// Page-wide values, read from the printer once (at start-up) and kept.
struct PageValues {
    std::int16_t pageWidth = 12240;  // twips (Letter)
    std::int16_t pageHeight = 15840;
    std::int16_t bottomLimit = 15320;   // page height - 520
    std::int16_t secondColumnX = 5820;  // page width / 2 - 300
    std::int16_t textWidth = 5180;      // second column x - 640

    // The number of blanks the first row of an answer holds with blanks
    // `blankSpacing` wide; the rest go on a second row.
    int blanksInFirstRow(int blankSpacing) const;

    // Throws OverflowError when a size does not fit 16 bits.
    static PageValues fromPageSize(double widthTwips, double heightTwips);
    static PageValues fromSurface(const PrintSurface& surface);
};

// A text with its top left corner and its font.
struct PlacedText {
    int x = 0, y = 0;
    std::string text;
    int size = 10;
    bool bold = false, italic = false;
    std::string font = "Arial";
};

// One question measured at a font size: its text wrapped into at most four
// lines and the blanks' width.
struct QuestionLayout {
    std::int16_t height = 0;             // the lines' heights together
    std::array<std::string, 4> lines;    // empty lines are not printed
    std::array<double, 4> lineHeight{};  // each line's own height
    int textSize = 0;                    // points; smaller than asked when the text needed it
    std::int16_t blankSpacing = 340;     // width of one answer blank
};

// Where a question goes: page 1 is the page with the grid; (x, y) is its
// column's left edge and the line its label stands on.
struct Placement {
    int question = 0, page = 1, x = 0, y = 0;
    QuestionLayout layout;
};

struct QuestionPlan {
    int size = 0;  // question text size as finally used
    std::int32_t gapA = 360;
    std::int16_t gapB = 180;
    std::int16_t columnBreak = 0;   // questions in the first column
    std::int16_t extraSpacing = 0;  // added below each question
    int rowGap = 0;                 // second row of blanks: this much below the first, plus 150
    int pageCount = 1;
    std::vector<Placement> placements;  // in question order
};

struct GridPlan {
    GridGeometry geometry;  // cell size as printed (enlarged)
    std::int16_t left = 0, top = 0;
    std::int16_t height = 0;  // rows of cells plus 100
};

struct CrosticBlank {
    std::int16_t x = 0, y = 0;  // the blank line's left end
    PlacedText label;           // under the blank; empty for a non-letter
    PlacedText letter;          // on the blank; empty when not shown
};

struct CrosticPlan {
    std::int16_t left = 240, top = 0, right = 0, bottom = 0;  // the frame
    PlacedText instruction, credit;
    std::vector<CrosticBlank> blanks;
    int rows = 1;  // 2 when the crostic wraps
};

struct PagePlan {
    // Title, blanks, created-by line and, on the key, the Answer Key mark.
    std::vector<PlacedText> header;
    std::int16_t headerBottom = 0;
    GridPlan grid;
    std::vector<PlacedText> instructions;  // the line under the grid, when printed
    std::int16_t instructionsHeight = 0;
    QuestionPlan questions;
    bool crostic = false;
    CrosticPlan crosticBlock;
    std::vector<PlacedText> shortHeader;  // heads every page after the first, marked as the header
};

// Measures the document's texts on a surface and plans its page.
class PagePlanner {
public:
    PagePlanner(const Document& doc, PrintSurface& surface, const PageValues& page,
                const PrintOptions& options);

    // Throws OverflowError (a coordinate beyond 16 bits).
    PagePlan plan();

private:
    // Text fitted into a width: one or two lines at `size` points.
    struct Fitted {
        std::vector<std::string> lines;
        int size = 0;
    };
    // Shrinks `text` from `size` down to `minSize` points until it fits
    // `room` twips in the current font; failing that wraps it onto two lines
    // at `minSize` and cuts the second with an ellipsis.
    Fitted fitText(const std::string& text, double room, int size, int minSize);
    // The length of the longest prefix of `text` no wider than `room`; with
    // `words`, ending before a space where there is one.
    std::size_t fittingPrefix(const std::string& text, double room, bool words);
    std::int16_t textWidthAt(const std::string& text, int size);

    // --- Header.
    struct HeaderX {
        std::int16_t title = 0, second = 0, third = 0;
    };
    // Centres the title left of the blanks `second` and `third`, which end
    // at the header's right edge.
    HeaderX headerPositions(const std::string& title, const std::string& second, const std::string& third);
    void planHeader(PagePlan& plan);
    // The title at `y`, left of `second` and `third`; returns the x of the
    // blanks and sets `bottom` to the foot of a title of two lines (0 for one).
    HeaderX planTitle(std::vector<PlacedText>& out, int y, const std::string& second,
                      const std::string& third, int& bottom);
    void planShortHeader(PagePlan& plan);
    void planKeyMark(std::vector<PlacedText>& out);
    int shortHeaderBottom();
    // The header's right edge and the mini-instructions' centre: fixed, and
    // moved in proportion on a page narrower than Letter's printable width.
    int headerRight() const;
    int instructionsCentre() const;

    // --- Grid and the line under it.
    void planGrid(PagePlan& plan);
    void planInstructions(PagePlan& plan);
    void planQuotationBy(PagePlan& plan);

    // --- Questions.
    QuestionLayout measureQuestion(int q, int size);
    // The first line of `text` that fits `limit` at the current size.
    std::string breakLine(const std::string& text, int limit);
    // Total height; fills cumulativeHeight_ and sets the column break.
    std::int32_t measureQuestions(QuestionPlan& plan, std::int32_t gapA, int gapB, int size);
    // How far question q, measured as `layout`, reaches below its y.
    int questionDepth(int q, const QuestionLayout& layout, int rowGap);
    bool hasSecondRow(int q, const QuestionLayout& layout) const;
    void planQuestions(PagePlan& plan);
    // Places the questions as the one-page layout does; true when none runs
    // into the next or below `limit`.
    bool planFits(QuestionPlan& plan, int columnTop, int limit);
    // Places the questions over as many pages as they need.
    void planPages(QuestionPlan& plan, int columnTop, int firstLimit);

    void planCrostic(PagePlan& plan);

    int questionCount() const;

    const Document& doc_;
    PrintSurface& s_;
    PageValues page_;
    PrintOptions options_;
    std::array<std::int32_t, kMaxSlots + 1> cumulativeHeight_{};
};

}  // namespace qbrx
