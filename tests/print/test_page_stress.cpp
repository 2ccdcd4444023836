// Every puzzle the program can hold, laid out on Letter and A4 (inside
// quarter-inch margins) with the Liberation fonts' real widths: no text may
// run into other text, leave the printable area or the crostic frame, no
// question may be lost and the grid stays on one page.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "pagelayout.h"
#include "recordingsurface.h"
#include "text.h"

namespace qbrx {
namespace {

// Liberation Sans and Serif, each regular, bold, italic, bold italic, as
// tools/make_metrics.py writes them.
struct Face {
    int unitsPerEm = 0, ascent = 0, descent = 0, lineGap = 0;
    int widths[256] = {};
};
const std::vector<Face>& faces() {
    static const std::vector<Face> all = [] {
        std::vector<Face> out(8);
        std::ifstream in(QBRX_METRICS);
        std::string line;
        for (Face& f : out) {
            while (in.peek() == '#') std::getline(in, line);
            in >> line >> f.unitsPerEm >> f.ascent >> f.descent >> f.lineGap;
            for (int& w : f.widths) in >> w;
            in >> std::ws;
        }
        if (!in) throw std::runtime_error("cannot read " QBRX_METRICS);
        return out;
    }();
    return all;
}

bool boxed(const Drawn& d) { return d.kind == Drawn::Box || d.kind == Drawn::Fill; }

// Measures text as the printer does (advance widths, no kerning). A text is
// recorded by its ink: its width less leading and trailing spaces, from
// 0.75 em above its baseline (capitals, digits and ascenders) to the font's
// descent below.
class MetricSurface : public RecordingSurface {
public:
    using RecordingSurface::RecordingSurface;
    float textWidth(const std::string& text) override {
        double w = 0;
        for (char c : text) w += face().widths[static_cast<unsigned char>(c)];
        return static_cast<float>(w * em());
    }
    float textHeight(const std::string& text) override {
        const auto lines =
            std::count(text.begin(), text.end(), '\r') + (text.empty() || text.back() == '\r' ? 0 : 1);
        return static_cast<float>(static_cast<double>(lines) *
                                  (face().ascent + face().descent + face().lineGap) * em());
    }
    void printText(const std::string& text) override {
        const std::size_t first = text.find_first_not_of(' '), last = text.find_last_not_of(' ');
        const double baseline = y_ + face().ascent * em();
        if (first != std::string::npos)
            add(Drawn::Text, x_ + textWidth(text.substr(0, first)), baseline - 0.75 * size_ * 20,
                x_ + textWidth(text.substr(0, last + 1)), baseline + face().descent * em(), text);
        x_ += textWidth(text);
    }

private:
    const Face& face() const {
        return faces()[(font_ == "Times New Roman" ? 4u : 0u) + (bold_ ? 1u : 0u) + (italic_ ? 2u : 0u)];
    }
    // Twips per font unit. The printer (1200 dots an inch) sets the font in
    // whole dots; rounding up keeps widths from coming out narrower.
    double em() const { return std::ceil(size_ * 1200 / 72) * 72 / 1200 * 20 / face().unitsPerEm; }
};

struct Paper {
    double width, height;  // the printable area
};
const Paper kLetter{11520, 15120}, kA4{11186, 16118};
constexpr int kTextBoxLimit = 32767;  // what a text box holds

std::string repeat(std::size_t length, const std::string& pattern) {
    std::string s;
    while (s.size() < length) s += pattern;
    return s.substr(0, length);
}

// Every other quotation letter taken by an answer; answers of 3 to 24
// letters (two rows of blanks) with gaps and a hyphen; every fourth
// question of two lines.
Document puzzle(int quoteLength, int questions, const std::string& crostic, bool longest = false) {
    Document doc;
    doc.quotation =
        repeat(static_cast<std::size_t>(quoteLength), "Whatever you can do, or dream, begin it! ");
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
        doc.question[i] =
            longest ? repeat(kTextBoxLimit, "Supercalifragilistic words run on ")
                    : "Question " + std::to_string(q) + " about an ordinary thing" +
                          (q % 4 ? "" : " that runs on as a teacher's clue can, giving a hint or two");
        doc.answer[i] =
            repeat(static_cast<std::size_t>(3 + q * 5 % 22), q % 9 ? "wonderfully" : "well-known");
        doc.answerMarks[i] = doc.answer[i];
        for (std::size_t k = 0; k < doc.answer[i].size(); ++k)
            if (doc.answer[i][k] >= 'a' && k % 7 != 3) {
                doc.answerMarks[i][k] = '_';
                doc.answerLetterNo[i][k + 1] =
                    static_cast<std::int16_t>((q * 7 + static_cast<int>(k)) % 255 + 1);
            }
    }
    doc.crostic = crostic;
    doc.header.titleGiven = doc.header.createdByGiven = true;
    doc.header.nameLine = doc.header.periodDateLine = doc.header.miniInstructions = true;
    doc.header.title = "Walden Pond Acrostic";
    doc.header.createdBy = "Ms. Rivera";
    return doc;
}

const std::string kLetters = repeat(50, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
const std::vector<std::string> kCrostics = {
    "",
    kLetters.substr(0, 32),
    kLetters.substr(0, 33),
    kLetters,
    kLetters.substr(0, 20) + "~" + kLetters.substr(0, 11),
    kLetters.substr(0, 20) + "~" + kLetters.substr(0, 12),
    "~" + kLetters.substr(0, 49),  // a tilde in front cuts nothing
};

// Lays out the puzzle and the key and checks both; returns the pages.
int check(const Document& doc, const Paper& paper) {
    int pages = 0;
    for (bool key : {false, true}) {
        SCOPED_TRACE(key ? "key" : "puzzle");
        MetricSurface s(paper.width, paper.height);
        PagePrinter printer(doc, s, PageValues::fromPageSize(paper.width, paper.height));
        printer.keyMode = key;
        printer.crosticOn = !doc.crostic.empty();
        EXPECT_TRUE(printer.printDoc());
        pages = printer.pageCount;
        const int cell = printer.geometry.cellSize;
        auto isCell = [&](const Drawn& d) { return boxed(d) && d.x2 - d.x1 == cell && d.y2 - d.y1 == cell; };

        std::vector<Drawn> texts;
        std::copy_if(s.drawn.begin(), s.drawn.end(), std::back_inserter(texts),
                     [](const Drawn& d) { return d.kind == Drawn::Text; });
        std::sort(texts.begin(), texts.end(), [](const Drawn& a, const Drawn& b) {
            return a.page != b.page ? a.page < b.page : a.y1 < b.y1;
        });
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const Drawn& a = texts[i];
            EXPECT_TRUE(a.x1 >= 0 && a.x2 <= paper.width && a.y1 >= 0 && a.y2 <= paper.height)
                << "\"" << a.text.substr(0, 40) << "\" off the page at (" << a.x1 << ", " << a.y1 << ")";
            for (std::size_t j = i + 1; j < texts.size() && texts[j].page == a.page && texts[j].y1 < a.y2;
                 ++j)
                EXPECT_FALSE(texts[j].x1 < a.x2 && a.x1 < texts[j].x2)
                    << "\"" << a.text.substr(0, 40) << "\" at (" << a.x1 << ", " << a.y1 << ") runs into \""
                    << texts[j].text.substr(0, 40) << "\" at (" << texts[j].x1 << ", " << texts[j].y1 << ")";
        }
        // The whole grid on the first page; every question once.
        const long cells = printer.geometry.rows * printer.geometry.columns;
        EXPECT_EQ(std::count_if(s.drawn.begin(), s.drawn.end(),
                                [&](const Drawn& d) { return isCell(d) && d.page == 1; }),
                  cells);
        EXPECT_EQ(std::count_if(s.drawn.begin(), s.drawn.end(), isCell), cells);
        for (int q = 1; q <= doc.questionCount; ++q) {
            const std::string& label = listPrefix[static_cast<std::size_t>(q)];
            EXPECT_EQ(std::count_if(texts.begin(), texts.end(), [&](const Drawn& d) { return d.text == label; }),
                      1)
                << "question " << q;
        }

        // The crostic's blanks and texts inside its frame.
        if (!printer.crosticOn) continue;
        const Drawn frame = *std::find_if(s.drawn.rbegin(), s.drawn.rend(),
                                          [&](const Drawn& d) { return boxed(d) && !isCell(d); });
        for (const Drawn& d : s.drawn) {
            if (d.page == 1 && !boxed(d) && d.y1 > frame.y1 && d.y1 < frame.y2) {
                EXPECT_TRUE(d.x1 > frame.x1 && d.x2 < frame.x2)
                    << "\"" << d.text << "\" out of the frame at " << d.x1;
            }
        }
    }
    return pages;
}

TEST(PageStress, EveryQuotationLengthWithEveryQuestionCount) {
    ASSERT_NO_THROW(faces());  // the font widths, as tools/make_metrics.py writes them
    std::size_t variant = 0;
    for (const Paper& paper : {kLetter, kA4})
        for (int length : {1, 85, 86, 200, 201, 255})
            for (int questions : {0, 1, 26, 27, 30, 40, 50}) {
                SCOPED_TRACE(std::to_string(paper.width) + ": " + std::to_string(length) + " characters, " +
                             std::to_string(questions) + " questions");
                check(puzzle(length, questions, kCrostics[variant++ % kCrostics.size()]), paper);
            }
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
            doc.header.title = repeat(kTextBoxLimit, "Acrostic of the Week ");
            doc.header.createdBy = repeat(kTextBoxLimit, "Ms. Rivera and Mr. Okafor ");
            EXPECT_GE(check(doc, paper), 2);
            doc.header.title = std::string(kTextBoxLimit, 'W');  // no space to wrap at
            check(doc, paper);
        }
}

// A text too long for its room is set smaller first, then wrapped onto two
// lines, then cut with an ellipsis. "Walden Pond Acrostic" in bold is 3396
// wide at 16 points, 2971 at 14, 2763 at 13.
TEST(PageStress, LongTextShrinksThenWrapsThenIsCut) {
    MetricSurface surface(kLetter.width, kLetter.height);
    const Document doc;
    PagePrinter printer(doc, surface, PageValues::fromPageSize(kLetter.width, kLetter.height));
    surface.setFontBold(true);
    const PagePrinter::Fitted shrunk = printer.fitText("Walden Pond Acrostic", 2800, 16, 12);
    EXPECT_EQ(shrunk.lines, std::vector<std::string>{"Walden Pond Acrostic"});
    EXPECT_EQ(shrunk.size, 13);
    const PagePrinter::Fitted wrapped = printer.fitText("Walden Pond Acrostic", 2000, 16, 12);
    EXPECT_EQ(wrapped.lines, (std::vector<std::string>{"Walden Pond", "Acrostic"}));
    EXPECT_EQ(wrapped.size, 12);
    const PagePrinter::Fitted cut = printer.fitText("Walden Pond Acrostic", 1000, 16, 12);
    ASSERT_EQ(cut.lines.size(), 2u);
    EXPECT_EQ(cut.lines[0], "Walden");
    EXPECT_EQ(cut.lines[1], "Pond\x85");  // "Pond A" and the ellipsis would be 1080
    EXPECT_LE(surface.textWidth(cut.lines[1]), 1000);
}

}  // namespace
}  // namespace qbrx
