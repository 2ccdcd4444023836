// The questions with their answer blanks, and the crostic block.
#include <algorithm>
#include <map>

#include "editor.h"
#include "pagefixture.h"

namespace qbrx::test {
namespace {

// Below a one-cell grid with no header and the instructions' height, the
// questions start at 1394; the default page leaves them 13686 twips.
class Questions : public PageTest {
protected:
    void SetUp() override { setQuote("A"); }
    double labelY(int q) const { return surface.texts(listPrefix[static_cast<std::size_t>(q)]).at(0).y1; }
    double labelX(int q) const { return surface.texts(listPrefix[static_cast<std::size_t>(q)]).at(0).x1; }
};

const std::string kLongWords = "abcdefgh abcdefgh abcdefgh abcdefgh";  // 35 characters, 4200 wide at 12 points

TEST_F(Questions, TwoColumnsBrokenAfterHalfTheHeight) {
    for (int q = 1; q <= 5; ++q) addQuestion("Q" + std::to_string(q), "cat");
    ASSERT_TRUE(print());
    // Five questions of one line (240) and 540 of gaps: break after 3.
    EXPECT_EQ(printer->columnBreak, 3);
    EXPECT_EQ(printer->extraSpacing, 10);  // (13686 - 2340) / 3 is above 200
    EXPECT_TRUE(drawnAt(" A. ", 640 - 560, 1754 - 300));
    EXPECT_TRUE(drawnAt(" B. ", 80, 1754 + 240 + 360 + 180 + 50 + 10 - 300));
    EXPECT_TRUE(drawnAt(" D. ", 5820 + 80, 1454));
    EXPECT_EQ(surface.texts(" A. ")[0].font, "Times New Roman");
    EXPECT_TRUE(drawnAt("Q1", 640, 1754 + 90));
    EXPECT_EQ(surface.texts("Q1")[0].size, 12);
    EXPECT_TRUE(drawnAt("Q4", 5820 + 640, 1844));
    // Blanks 340 long, 400 apart, at y - 45, numbers centred at y - 25.
    const std::vector<Drawn> lines = surface.of(Drawn::Line);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(std::vector<double>({lines[1].x1, lines[1].y1, lines[1].x2}), std::vector<double>({1040, 1709, 1380}));
    EXPECT_TRUE(drawnAt("2", 1040 + 140, 1729));
    EXPECT_EQ(surface.texts("2")[0].size, 6);

    // A first question of four lines moves the break forward.
    doc.question[1] = kLongWords + " " + kLongWords + " " + kLongWords + " " + kLongWords;
    ASSERT_TRUE(print());
    EXPECT_EQ(printer->columnBreak, 2);
    EXPECT_EQ(labelX(3), 5900);
    const std::string line = kLongWords + "  ";
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(drawnAt(line, 640, 1844 + i * 240)) << i;
    EXPECT_TRUE(drawnAt(kLongWords, 640, 1844 + 720));
    EXPECT_EQ(labelY(2) - labelY(1), 960 + 590 + 10);

    // The second column is the taller (2340, three questions): the first
    // step takes 3 * 40 off it.
    setAvailable(2230);
    ASSERT_TRUE(print());
    EXPECT_EQ(printer->gapA, 320);
    EXPECT_EQ(printer->extraSpacing, 5);
}

TEST_F(Questions, ShrinkStepsAndExtraSpacing) {
    struct Step {
        int available, gapA, gapB, size, e;
    };
    // Four questions of one line: the taller column is 1560 at first; the
    // steps take 80 off it, and the third step measures again (1160).
    for (const Step& s : {Step{3000, 360, 180, 12, 10}, Step{1960, 360, 180, 12, 200}, Step{1560, 360, 180, 12, 0},
                          Step{1500, 320, 180, 8, 10}, Step{1450, 280, 180, 8, 25}, Step{1300, 280, 140, 8, 70},
                          Step{1100, 240, 140, 8, 10}, Step{1050, 200, 140, 8, 25}, Step{950, 160, 140, 8, 15},
                          Step{900, 160, 140, 8, -10}}) {
        SCOPED_TRACE(s.available);
        doc.questionCount = 0;
        for (int q = 1; q <= 4; ++q) addQuestion("Q", "ab");
        setAvailable(s.available);
        ASSERT_TRUE(print());
        EXPECT_EQ(printer->gapA, s.gapA);
        EXPECT_EQ(printer->gapB, s.gapB);
        EXPECT_EQ(printer->questionSize, s.size);
        EXPECT_EQ(printer->extraSpacing, s.e);
        EXPECT_EQ(labelY(1), 1394 + s.gapA - 300);
        EXPECT_EQ(labelY(2) - labelY(1), 20 * s.size + s.gapA + s.gapB + 50 + s.e);
        EXPECT_EQ(surface.texts("Q").at(0).size, s.size);
    }
}

TEST_F(Questions, LongWordsBreakWithAHyphen) {
    addQuestion(std::string(60, 'x'), "ab");
    ASSERT_TRUE(print());
    // 42 characters fit within 5180 - 140 at 12 points.
    EXPECT_EQ(printer->measureQuestion(1, 12), 480);
    EXPECT_EQ(printer->wrappedQuestion, std::string(42, 'x') + "-\r" + std::string(18, 'x'));
    EXPECT_TRUE(drawnAt(std::string(42, 'x') + "-", 640, 1844));
    EXPECT_TRUE(drawnAt(std::string(18, 'x'), 640, 1844 + 240));

    surface.setFontSize(12);
    // Less than 720 before the only space: the break goes inside the text.
    EXPECT_EQ(printer->breakLine("ab " + std::string(60, 'x'), 5180), "ab " + std::string(39, 'x') + "-");
    EXPECT_EQ(printer->breakLine("abcdef " + std::string(60, 'x'), 5180), "abcdef " + std::string(35, 'x') + "-");
    EXPECT_EQ(printer->breakLine("abcdefghijkl", 100), "abcdefg-");  // at least 7 characters
    EXPECT_EQ(printer->breakLine(" ", 100), "");
}

TEST_F(Questions, LongAnswerNarrowsItsBlanksAndWrapsToASecondRow) {
    addQuestion(kLongWords, "abcdefghijklmnopqrst");  // 20 letters: above 12 and 16
    ASSERT_TRUE(print());
    // The question is narrowed to 5180 - 4 * 320 and wraps.
    EXPECT_TRUE(drawnAt("abcdefgh abcdefgh abcdefgh  ", 640, 1844));
    EXPECT_TRUE(drawnAt("abcdefgh", 640, 2084));
    const std::vector<Drawn> lines = surface.of(Drawn::Line);
    ASSERT_EQ(lines.size(), 20u);
    auto at = [&](int i) { return std::vector<double>({lines[i - 1].x1, lines[i - 1].y1, lines[i - 1].x2}); };
    EXPECT_EQ(at(16), std::vector<double>({5440, 1709, 5700}));
    // The second row ends under the last blank of the first.
    EXPECT_EQ(at(17), std::vector<double>({4480, 1709 + 360 + 150, 4740}));
    EXPECT_EQ(at(20), std::vector<double>({5440, 2219, 5700}));

    // The second row stays A + 150 below the first when A shrinks.
    setAvailable(100);
    ASSERT_TRUE(print());
    ASSERT_EQ(printer->gapA, 160);
    EXPECT_EQ(surface.of(Drawn::Line).at(16).y1, 1394 + 160 - 45 + 160 + 150);
}

TEST_F(Questions, BlanksCarryNumbersGapsAndPunctuationAndTheKeyItsLetters) {
    addQuestion("Q", "ab c-d", "c");  // a space, a gap "c", a hyphen
    for (bool key : {false, true}) {
        SCOPED_TRACE(key);
        ASSERT_TRUE(print(key));
        EXPECT_EQ(surface.of(Drawn::Line).size(), 4u);  // no blank for the space and the hyphen
        EXPECT_TRUE(drawnAt("1", 780, 1729));
        EXPECT_TRUE(drawnAt("6", 2780, 1729));
        EXPECT_TRUE(drawnAt("C", 1840 + 110, 1464));
        EXPECT_TRUE(surface.texts("C")[0].italic);
        EXPECT_EQ(surface.texts("C")[0].size, 12);
        EXPECT_TRUE(drawnAt("-", 2240 + 100, 1469));
        EXPECT_EQ(surface.texts("-")[0].size, 14);
        EXPECT_EQ(textsIn(1440, 1000, 1840, 2000), std::vector<std::string>{});
        if (key) {
            EXPECT_TRUE(drawnAt("A", 640 + 115, 1464));
            EXPECT_TRUE(drawnAt("B", 1040 + 115, 1464));
            EXPECT_TRUE(drawnAt("D", 2640 + 115, 1464));
            EXPECT_EQ(surface.texts("D")[0].font, "Times New Roman");
            EXPECT_TRUE(surface.texts("D")[0].italic);
        } else {
            EXPECT_TRUE(surface.texts("B").empty());
            EXPECT_TRUE(surface.texts("D").empty());
        }
    }
}

// The block on the default page: frame from (240, 13340) to (11490,
// 14165), blanks at y 13915, labels at 13925, letters at 13670.
class CrosticBlock : public PageTest {
protected:
    void SetUp() override { setQuote("Q"); }
    std::vector<double> blankStarts() const {
        std::vector<double> xs;
        for (const Drawn& d : surface.of(Drawn::Line))
            if (d.y1 == 13915) xs.push_back(d.x1);
        return xs;
    }
};

TEST_F(CrosticBlock, TildeCutsTheBlankRow) {
    doc.crostic = "ABC~DEF";
    ASSERT_TRUE(print(false, true));
    EXPECT_EQ(blankStarts(), std::vector<double>({5400, 5750, 6100}));  // centred for 3
    EXPECT_TRUE(drawnAt("A", 5475, 13925));
    EXPECT_TRUE(drawnAt("C", 6175, 13925));
    EXPECT_TRUE(textsIn(0, 13600, 12240, 13700).empty());  // no letters on the puzzle
    EXPECT_TRUE(surface.texts("D").empty());

    ASSERT_TRUE(print(true, true));
    EXPECT_TRUE(drawnAt("A", 5475, 13670));
    EXPECT_TRUE(surface.texts("A")[1].italic);
    EXPECT_EQ(textsIn(0, 13600, 12240, 13700).size(), 3u);

    // A tilde in front cuts nothing: it is printed on the first blank.
    doc.crostic = "~AB";
    ASSERT_TRUE(print(false, true));
    EXPECT_EQ(blankStarts(), std::vector<double>({5925, 6275, 6625}));  // centred for none
    EXPECT_TRUE(drawnAt("~", 6000, 13670));
    EXPECT_TRUE(drawnAt("A", 6350, 13925));
}

TEST_F(CrosticBlock, NonLettersArePrintedAndLettersLabelledByTheirQuestion) {
    doc.crostic = "AB 3C";
    ASSERT_TRUE(print(false, true));
    EXPECT_EQ(blankStarts().size(), 5u);
    EXPECT_EQ(textsIn(0, 13600, 12240, 13700), (std::vector<std::string>{" ", "3"}));
    EXPECT_EQ(textsIn(0, 13900, 12240, 13950), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_TRUE(drawnAt("C", blankStarts()[4] + 75, 13925));

    std::string letters;
    for (int i = 0; i < 28; ++i) letters += static_cast<char>('A' + i % 26);
    doc.crostic = letters;
    ASSERT_TRUE(print(false, true));
    EXPECT_TRUE(drawnAt("BB", blankStarts()[27] + 25, 13925));
}

TEST_F(CrosticBlock, FrameInstructionAndCreditAreCentred) {
    doc.crostic = "AB";
    ASSERT_TRUE(print(false, true));
    const std::vector<Drawn> frame = surface.of(Drawn::Box);
    ASSERT_FALSE(frame.empty());
    EXPECT_EQ(std::vector<double>({frame.back().x1, frame.back().y1, frame.back().x2, frame.back().y2}),
              std::vector<double>({240, 13340, 11490, 14165}));
    const Drawn instruction = surface.texts(kCrosticInstruction).at(0);
    const Drawn credit = surface.texts("Made with Quotabrix").at(0);
    EXPECT_EQ(instruction.y1, 13410);
    EXPECT_EQ(instruction.size, 7);
    EXPECT_EQ(credit.y1, 14195);
    EXPECT_EQ(credit.size, 8);
    EXPECT_EQ((instruction.x1 + instruction.x2) / 2, 5865);
    EXPECT_EQ((credit.x1 + credit.x2) / 2, 5865);

    ASSERT_TRUE(print(false, false));
    EXPECT_TRUE(surface.texts(kCrosticInstruction).empty());
    EXPECT_TRUE(surface.texts("Made with Quotabrix").empty());
}

class QuietPrompter : public Prompter {
public:
    Reply message(const MessageRequest&) override { return Reply::Ok; }
    std::optional<std::string> input(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    void beep() override {}
    std::optional<std::string> openFile(const FileRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFile(const FileRequest&) override { return std::nullopt; }
    bool printDialog() override { return false; }
    void printSetupDialog() override {}
};

// An encoded document: every number under a blank is the number of a grid
// cell that carries the label of that question.
TEST(EncodedPage, BlankNumbersMatchTheGridCellsLabelledWithTheQuestion) {
    QuietPrompter prompter;
    SeededRandom random(11);
    Editor editor(prompter, random);
    editor.startUp();
    editor.view.quoteBox = "The only way to have a friend is to be one.";
    editor.registerButton();
    for (const char* answer : {"weather", "toast", "fence", "biology"}) {
        editor.view.questionBox = std::string("Clue for ") + answer;
        editor.view.answerBox = answer;
        editor.acceptButton();
    }
    ASSERT_EQ(editor.doc.questionCount, 4);

    RecordingSurface surface;
    PagePrinter printer(editor.doc, surface, PageValues::fromPageSize(12240, 15840));
    ASSERT_TRUE(printer.printDoc());
    const int cell = printer.geometry.cellSize;
    const double gridBottom = printer.headerBottom + printer.gridHeight - 100;
    // Grid number -> label printed at the number's height in its cell.
    std::map<int, std::string> labelOf;
    for (const Drawn& number : surface.of(Drawn::Text)) {
        if (number.y1 >= gridBottom || number.size != printer.geometry.numberFont - 1) continue;
        if (number.text.find_first_not_of("0123456789") != std::string::npos) continue;
        for (const Drawn& label : surface.of(Drawn::Text))
            if (label.y1 == number.y1 && label.x1 > number.x1 && label.x1 < number.x1 - 16 + cell &&
                label.text.find_first_of("0123456789") == std::string::npos)
                labelOf[std::stoi(number.text)] = label.text;
    }
    int checked = 0;
    for (int q = 1; q <= 4; ++q)
        for (int i = 1; i <= static_cast<int>(editor.doc.answer[q].size()); ++i)
            if (const int n = editor.doc.answerLetterNo[q][i]; n > 0) {
                EXPECT_EQ(labelOf[n], questionLetter[q]) << "slot " << q << " letter " << i;
                ++checked;
            }
    EXPECT_GT(checked, 15);
    EXPECT_EQ(static_cast<int>(labelOf.size()), checked);
}

}  // namespace
}  // namespace qbrx::test
