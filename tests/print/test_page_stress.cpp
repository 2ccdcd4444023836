// Every puzzle the program can hold, laid out on Letter and A4 (inside
// quarter-inch margins) with the Liberation fonts' real widths: no text may
// run into other text, leave the printable area or the crostic frame, no
// question may be lost and the grid stays on one page.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "liberation_metrics.h"
#include "pagelayout.h"
#include "text.h"

namespace qbrx {
namespace {

struct Ink {
    int page;
    double x1, y1, x2, y2;
    std::string text;
};
struct Shape {
    int page;
    bool box;
    double x1, y1, x2, y2;
};

// Records what is drawn, page by page, measuring text as the printer does
// (the fonts' advance widths, no kerning).
// A text's ink is taken as its width less leading and trailing spaces, from
// 0.75 em above its baseline (capitals, digits and ascenders) to its
// descent below.
class MetricSurface : public PrintSurface {
public:
    MetricSurface(double width, double height) : width_(width), height_(height) {}
    std::vector<Ink> inks;
    std::vector<Shape> shapes;
    int page = 1;

    double pageWidth() const override { return width_; }
    double pageHeight() const override { return height_; }
    double currentX() const override { return x_; }
    double currentY() const override { return y_; }
    void setCurrentX(double x) override { x_ = x; }
    void setCurrentY(double y) override { y_ = y; }
    void setFontName(const std::string& name) override { serif_ = name == "Times New Roman"; }
    void setFontSize(double points) override { size_ = points; }
    void setFontBold(bool on) override { bold_ = on; }
    void setFontItalic(bool on) override { italic_ = on; }
    float textWidth(const std::string& text) override {
        double w = 0;
        for (char c : text) w += face().widths[static_cast<unsigned char>(c)];
        return static_cast<float>(w * em() / face().unitsPerEm);
    }
    float textHeight(const std::string& text) override {
        int lines = text.empty() ? 0 : 1;
        for (std::size_t i = 0; i + 1 < text.size(); ++i) lines += text[i] == '\r';
        const liberation::Face& f = face();
        return static_cast<float>(lines * (f.ascent + f.descent + f.lineGap) * em() / f.unitsPerEm);
    }
    void printText(const std::string& text) override {
        const double width = textWidth(text);
        const std::size_t first = text.find_first_not_of(' ');
        if (first != std::string::npos) {
            const std::size_t last = text.find_last_not_of(' ');
            const double lead = textWidth(text.substr(0, first));
            const double trail = textWidth(text.substr(last + 1));
            const liberation::Face& f = face();
            const double baseline = y_ + f.ascent * em() / f.unitsPerEm;
            inks.push_back({page, x_ + lead, baseline - 0.75 * em(), x_ + width - trail,
                            baseline + f.descent * em() / f.unitsPerEm, text});
        }
        x_ += width;
    }
    void line(double x1, double y1, double x2, double y2) override { shapes.push_back({page, false, x1, y1, x2, y2}); }
    void box(double x1, double y1, double x2, double y2) override { shapes.push_back({page, true, x1, y1, x2, y2}); }
    void filledBox(double x1, double y1, double x2, double y2) override { box(x1, y1, x2, y2); }
    void setTransparentText(bool) override {}
    void newPage() override { ++page; }
    void endDoc() override {}

private:
    const liberation::Face& face() const {
        return (serif_ ? liberation::kSerif : liberation::kSans)[(bold_ ? 1 : 0) + (italic_ ? 2 : 0)];
    }
    // The printer (1200 dots an inch) sets the font in whole dots; rounding
    // up keeps the widths from coming out narrower than printed.
    double em() const { return std::ceil(size_ * 1200 / 72) * 72 / 1200 * 20; }
    double width_, height_, x_ = 0, y_ = 0, size_ = 10;
    bool serif_ = false, bold_ = false, italic_ = false;
};

struct Paper {
    const char* name;
    double width, height;  // the printable area
};
const Paper kLetter{"Letter", 11520, 15120};
const Paper kA4{"A4", 11186, 16118};

constexpr int kTextBoxLimit = 32767;  // what a text box holds

std::string words(std::size_t length, const std::string& pattern) {
    std::string s;
    while (s.size() < length) s += pattern;
    s.resize(length);
    return s;
}

// A registered puzzle: every other quotation letter taken by an answer, some
// answers with gaps, punctuation and two rows of blanks.
Document puzzle(int quoteLength, int questions, const std::string& crostic, bool longest = false) {
    Document doc;
    doc.quotation = words(static_cast<std::size_t>(quoteLength), "Whatever you can do, or dream, begin it! ");
    doc.quoteLength = quoteLength;
    doc.letterPool = upper(doc.quotation);
    for (int p = 1; p <= quoteLength && questions > 0; p += 2)
        if (static_cast<unsigned char>(doc.letterPool[static_cast<std::size_t>(p - 1)]) >= 65) {
            doc.letterPool[static_cast<std::size_t>(p - 1)] = '_';
            doc.positionOwner[static_cast<std::size_t>(p)] = static_cast<std::int16_t>(p % questions + 1);
        }
    doc.questionCount = questions;
    for (int q = 1; q <= questions; ++q) {
        const auto i = static_cast<std::size_t>(q);
        doc.question[i] = longest ? words(kTextBoxLimit, "Supercalifragilistic words run on ")
                          : q % 4 ? "Question " + std::to_string(q) + " about an ordinary thing"
                                  : "Question " + std::to_string(q) + " runs on a little, as a teacher's clue can do "
                                    "when it gives the pupils a hint or two about the answer";
        doc.answer[i] = words(static_cast<std::size_t>(3 + q * 5 % 22), q % 9 ? "wonderfully" : "well-known");
        doc.answerMarks[i] = doc.answer[i];
        for (std::size_t k = 0; k < doc.answer[i].size(); ++k)
            if (doc.answer[i][k] >= 'a' && k % 7 != 3) {
                doc.answerMarks[i][k] = '_';
                doc.answerLetterNo[i][k + 1] = static_cast<std::int16_t>((q * 7 + static_cast<int>(k)) % 255 + 1);
            }
    }
    doc.crostic = crostic;
    doc.header.titleGiven = doc.header.createdByGiven = true;
    doc.header.nameLine = doc.header.periodDateLine = doc.header.miniInstructions = true;
    doc.header.title = "Walden Pond Acrostic";
    doc.header.createdBy = "Ms. Rivera";
    return doc;
}

const std::string kLetters = words(50, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
const std::vector<std::string> kCrostics = {
    "", kLetters.substr(0, 32), kLetters.substr(0, 33), kLetters,
    kLetters.substr(0, 20) + "~" + kLetters.substr(0, 11), kLetters.substr(0, 20) + "~" + kLetters.substr(0, 12),
    "~" + kLetters.substr(0, 49),  // a tilde in front cuts nothing
};

// Lays out the puzzle and the key and checks both.
void check(const Document& doc, const Paper& paper, int* pages = nullptr) {
    for (bool key : {false, true}) {
        SCOPED_TRACE(std::string(paper.name) + (key ? " key" : " puzzle"));
        MetricSurface s(paper.width, paper.height);
        PagePrinter printer(doc, s, PageValues::fromPageSize(paper.width, paper.height));
        printer.keyMode = key;
        printer.crosticOn = !doc.crostic.empty();
        ASSERT_TRUE(printer.printDoc());
        if (pages) *pages = printer.pageCount;

        std::vector<Ink> inks = s.inks;
        std::sort(inks.begin(), inks.end(), [](const Ink& a, const Ink& b) {
            return a.page != b.page ? a.page < b.page : a.y1 < b.y1;
        });
        for (std::size_t i = 0; i < inks.size(); ++i) {
            const Ink& a = inks[i];
            EXPECT_TRUE(a.x1 >= 0 && a.x2 <= paper.width && a.y1 >= 0 && a.y2 <= paper.height)
                << "\"" << a.text.substr(0, 40) << "\" outside the page at (" << a.x1 << ", " << a.y1 << ")";
            for (std::size_t j = i + 1; j < inks.size() && inks[j].page == a.page && inks[j].y1 < a.y2; ++j) {
                const Ink& b = inks[j];
                EXPECT_FALSE(b.x1 < a.x2 && a.x1 < b.x2)
                    << "\"" << a.text.substr(0, 40) << "\" at (" << a.x1 << ", " << a.y1 << ") and \""
                    << b.text.substr(0, 40) << "\" at (" << b.x1 << ", " << b.y1 << ") on page " << a.page;
            }
        }

        // The grid's cells, all on the first page.
        const int cell = printer.geometry.cellSize;
        int cells = 0;
        for (const Shape& sh : s.shapes)
            if (sh.box && sh.x2 - sh.x1 == cell && sh.y2 - sh.y1 == cell) {
                ++cells;
                EXPECT_EQ(sh.page, 1);
            }
        EXPECT_EQ(cells, printer.geometry.rows * printer.geometry.columns);

        // Every question once.
        for (int q = 1; q <= doc.questionCount; ++q) {
            int labels = 0;
            for (const Ink& ink : s.inks) labels += ink.text == listPrefix[static_cast<std::size_t>(q)];
            EXPECT_EQ(labels, 1) << "question " << q;
        }

        // The crostic's blanks and labels inside its frame.
        if (!printer.crosticOn) continue;
        const Shape frame = *std::find_if(s.shapes.rbegin(), s.shapes.rend(), [&](const Shape& sh) {
            return sh.box && sh.x2 - sh.x1 != cell;
        });
        for (const Shape& sh : s.shapes) {
            if (sh.page == 1 && !sh.box && sh.y1 > frame.y1 && sh.y1 < frame.y2) {
                EXPECT_TRUE(sh.x1 > frame.x1 && sh.x2 < frame.x2) << "crostic blank at " << sh.x1;
            }
        }
        for (const Ink& ink : s.inks) {
            if (ink.page == 1 && ink.y1 > frame.y1 && ink.y1 < frame.y2) {
                EXPECT_TRUE(ink.x1 > frame.x1 && ink.x2 < frame.x2) << "\"" << ink.text << "\" at " << ink.x1;
            }
        }
    }
}

TEST(PageStress, EveryQuotationLengthWithEveryQuestionCount) {
    int variant = 0;
    for (const Paper& paper : {kLetter, kA4})
        for (int length : {1, 85, 86, 200, 201, 255})
            for (int questions : {0, 1, 26, 27, 30, 40, 50}) {
                SCOPED_TRACE(std::to_string(length) + " characters, " + std::to_string(questions) + " questions");
                const std::string& crostic = kCrostics[static_cast<std::size_t>(variant++) % kCrostics.size()];
                check(puzzle(length, questions, crostic), paper);
                if (HasFatalFailure()) return;
            }
}

TEST(PageStress, EveryCrostic) {
    for (const Paper& paper : {kLetter, kA4})
        for (const std::string& crostic : kCrostics) {
            SCOPED_TRACE(crostic);
            check(puzzle(120, 50, crostic), paper);
        }
}

// Questions, title and created-by text as long as their text boxes hold,
// in every header shape: the questions take further pages.
TEST(PageStress, TextsAtTheirLongest) {
    for (const Paper& paper : {kLetter, kA4})
        for (int shape = 0; shape < 4; ++shape) {
            SCOPED_TRACE(shape);
            Document doc = puzzle(255, 50, kLetters, true);
            doc.header.nameLine = shape & 1;
            doc.header.periodDateLine = shape & 2;
            doc.header.title = words(kTextBoxLimit, "Acrostic of the Week ");
            doc.header.createdBy = words(kTextBoxLimit, "Ms. Rivera and Mr. Okafor ");
            int pages = 0;
            check(doc, paper, &pages);
            EXPECT_GE(pages, 2);
            doc.header.title = std::string(kTextBoxLimit, 'W');  // no space to wrap at
            doc.header.createdBy = std::string(200, 'm');
            check(doc, paper);
        }
}

}  // namespace
}  // namespace qbrx
