// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: parsing, --help and --version, files refused with a
// message, and --pdf end to end read back with pdftotext -bbox (puzzle and
// key, Letter and A4 inside quarter-inch margins); the print dialog's Cancel;
// --suggest and --fill on small puzzles with a word list of their own.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QGuiApplication>
#include <QLocale>
#include <QPrinter>
#include <cstdio>
#include <regex>
#include <set>
#include <tuple>

#include "../files/filesfixture.h"
#include "commandline.h"
#include "printing.h"
#include "text.h"

namespace qbrx::test {
namespace {

using Args = std::vector<std::string>;

TEST(CommandLine, ParsesModesOptionsAndMistakes) {
    CommandLine cl = parseCommandLine(Args{"--pdf", "out.pdf", "--seed", "42", "--no-crostic", "puzzle.dat"});
    EXPECT_EQ(cl.mode, CommandLine::Mode::Batch);
    ASSERT_EQ(cl.outputs.size(), 1u);
    EXPECT_EQ(cl.outputs[0].path, "out.pdf");
    EXPECT_EQ(cl.seed, 42u);
    EXPECT_TRUE(cl.noCrostic);
    EXPECT_EQ(cl.dataFile, "puzzle.dat");
    cl = parseCommandLine(Args{"--seed=7", "puzzle.dat", "-platform", "offscreen"});
    EXPECT_EQ(cl.mode, CommandLine::Mode::Gui);
    EXPECT_EQ(cl.seed, 7u);
    EXPECT_EQ(cl.qtArguments, (Args{"-platform", "offscreen"}));
    EXPECT_TRUE(cl.warnings.empty());
    // Options for written files alone, given to the window, are said to do nothing.
    cl = parseCommandLine(Args{"--paper", "a4", "--no-crostic", "puzzle.dat"});
    EXPECT_EQ(cl.mode, CommandLine::Mode::Gui);
    ASSERT_EQ(cl.warnings.size(), 2u);
    EXPECT_EQ(cl.warnings[0].rfind("--paper ", 0), 0u);
    EXPECT_EQ(cl.warnings[1].rfind("--no-crostic ", 0), 0u);
    EXPECT_TRUE(parseCommandLine(Args{"--pdf", "out.pdf", "--paper", "a4", "puzzle.dat"}).warnings.empty());
    cl = parseCommandLine(Args{"--html", "out.html", "--no-reveal", "puzzle.dat"});
    EXPECT_EQ(cl.mode, CommandLine::Mode::Batch);
    EXPECT_TRUE(cl.noReveal);
    EXPECT_TRUE(cl.warnings.empty());
    cl = parseCommandLine(Args{"--no-reveal", "puzzle.dat"});
    ASSERT_EQ(cl.warnings.size(), 1u);
    EXPECT_EQ(cl.warnings[0].rfind("--no-reveal ", 0), 0u);
    cl = parseCommandLine(Args{"--suggest", "1", "--familiar-only", "--min-length=4", "--max-length", "9",
                               "--exclude", "never.txt", "--include", "Tea,bat", "a.dat"});
    ASSERT_EQ(cl.mode, CommandLine::Mode::Batch) << cl.error;
    EXPECT_TRUE(cl.fill.familiarOnly);
    EXPECT_EQ(cl.fill.minLength, 4);
    EXPECT_EQ(cl.fill.maxLength, 9);
    EXPECT_EQ(cl.fill.excludeFile, "never.txt");
    EXPECT_EQ(cl.fill.include, (Args{"tea", "bat"}));
    for (const Args& wrong :
         {Args{"--pdf", "out.pdf"}, Args{"--pdf"}, Args{"--seed", "x", "a.dat"}, Args{"--seed", "-1"},
          Args{"--colour", "a.dat"}, Args{"--pdf", "o.pdf", "a.dat", "b.dat"},
          Args{"--suggest", "0", "a.dat"}, Args{"--suggest", "3"}, Args{"--suggest", "3", "--clues", "a.dat"},
          Args{"--suggest", "1", "--min-length", "1", "a.dat"},
          Args{"--suggest", "1", "--max-length", "x", "a.dat"},
          Args{"--suggest", "1", "--include", ",", "a.dat"}, Args{"--suggest", "1", "--exclude"}})
        EXPECT_EQ(parseCommandLine(wrong).mode, CommandLine::Mode::Error) << ::testing::PrintToString(wrong);
}

// One page of a PDF as pdftotext -bbox reads it: its size, the bounds of
// its words and the words themselves, each followed by a space.
struct PdfPage {
    double width = 0, height = 0, left = 1e9, top = 1e9, right = 0, bottom = 0;
    std::string text;
};

std::vector<PdfPage> readPdf(const std::string& pdf) {
    std::string html;
    if (FILE* pipe = ::popen(("pdftotext -q -bbox '" + pdf + "' -").c_str(), "r")) {
        char buffer[4096];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) html.append(buffer, n);
        ::pclose(pipe);
    }
    std::vector<PdfPage> pages;
    const std::regex tag(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re");
    for (std::sregex_iterator it(html.begin(), html.end(), tag), end; it != end; ++it) {
        const std::smatch& m = *it;
        if (m[1].matched) {
            pages.push_back({std::stod(m[1]), std::stod(m[2]), 1e9, 1e9, 0, 0, ""});
        } else if (!pages.empty()) {
            PdfPage& p = pages.back();
            p.left = std::min(p.left, std::stod(m[3]));
            p.top = std::min(p.top, std::stod(m[4]));
            p.right = std::max(p.right, std::stod(m[5]));
            p.bottom = std::max(p.bottom, std::stod(m[6]));
            p.text += m[7].str() + " ";
        }
    }
    return pages;
}

bool has(const PdfPage& page, const std::string& text) { return page.text.find(text) != std::string::npos; }

// The command line run in a folder of its own, which is also where it looks
// for a word list, keeping what it printed.
class Batch : public FilesTest {
protected:
    std::string out, err;
    int run(const Args& args) {
        CommandLine cl = parseCommandLine(args);
        cl.dictionaryFolder = dir.string();
        std::ostringstream o, e;
        const int status = runCommandLine(cl, o, e);
        out = o.str();
        err = e.str();
        return status;
    }
    void write(const std::string& name, const std::string& bytes) const { writeBytes(path(name), bytes); }
};

TEST_F(Batch, HelpVersionAndMistakes) {
    EXPECT_EQ(run({"--version"}), 0);
    EXPECT_EQ(out, "Quotabrix 1.01\n");
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_NE(out.find("--pdf OUT.pdf"), std::string::npos);
    EXPECT_EQ(run({"--bogus"}), 2);
    EXPECT_NE(err.find("--bogus"), std::string::npos);
    EXPECT_EQ(run({"--paper", "legal", "--pdf", path("out.pdf"), QBRX_SOURCE_DIR "/examples/fifty.dat"}), 2);
    EXPECT_NE(err.find("--paper needs letter or a4"), std::string::npos);
}

// Every letter of "Jazz fizz" is taken by the two answers, so that the
// puzzle shows none of them and the key all. "Quotation by" is printed on
// the key only: on the puzzle it would give the crostic away. It comes with
// the data file, as the Crostic setting does.
TEST_F(Batch, PdfPuzzleThenKey) {
    const std::string jazz =
        "Jazz fizz\r\nMusic Night\r\n\r\nJF\r\n1\r\n0\r\n1\r\n 2 \r\n"
        " 1Q. Swing tunes\r\n 1A. jazz\r\n 2Q. Soda bubbles\r\n 2A. fizz\r\n";
    write("jazz.dat", jazz);
    ASSERT_EQ(run({"--pdf", path("out.pdf"), "--seed", "3", path("jazz.dat")}), 0) << err;
    std::vector<PdfPage> pages = readPdf(path("out.pdf"));
    ASSERT_EQ(pages.size(), 2u) << "is pdftotext installed?";
    for (const PdfPage& page : pages)  // " 8 ": the last grid number
        for (const char* text : {"Swing tunes", "Music Night", "Made with Quotabrix", "spell", " 8 "})
            EXPECT_TRUE(has(page, text)) << text;
    EXPECT_EQ(pages[0].text.find_first_of("zZJ"), std::string::npos);
    EXPECT_TRUE(has(pages[1], "z"));  // grid letters as typed
    EXPECT_TRUE(has(pages[1], "Z"));  // letters on the answer blanks
    ASSERT_EQ(run({"--pdf", path("out.pdf"), "--no-crostic", path("jazz.dat")}), 0);
    pages = readPdf(path("out.pdf"));
    ASSERT_FALSE(pages.empty());
    EXPECT_FALSE(has(pages[0], "Made with Quotabrix"));

    write("jazz.dat", jazz + "[Quotabrix]\r\nCrosticOn=0\r\nQuotationBy=Duke Ellington, Newport\r\n");
    ASSERT_EQ(run({"--pdf", path("out.pdf"), "--seed", "1", path("jazz.dat")}), 0) << err;
    pages = readPdf(path("out.pdf"));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_FALSE(has(pages[0], "Ellington"));
    EXPECT_TRUE(has(pages[1], "Ellington"));
    EXPECT_FALSE(has(pages[1], "spell"));  // the crostic block's instruction
}

// Files that hold no puzzle are refused by name and write nothing. A named
// pipe is refused at once as a file that cannot be read: a read that waited
// for a writer would end the test at the alarm.
TEST_F(Batch, BadFilesAreRefusedByName) {
    ASSERT_EQ(::mkfifo(path("pipe.dat").c_str(), 0644), 0);
    write("short.dat", "Jazz fizz\r\nTitle\r\n");
    write("mismatch.dat", "Jazz fizz\r\n\r\n\r\n\r\n0\r\n0\r\n0\r\n 1 \r\n 1Q. Swing\r\n 2A. jazz\r\n");
    write("garbage.dat", std::string("\x7F"
                                     "ELF\x02\x01\x01\0\0\0\0\r\n",
                                     14));
    write("damaged.ipuz", R"({"kind": ["http://ipuz.org/acrostic#1"], )");
    const std::tuple<const char*, const char*, const char*> refused[] = {
        {"none.dat", "cannot open ", ": no such file\n"},
        {"pipe.dat", "", " cannot be read: it is not a regular file; nothing was written\n"},
        {"garbage.dat", "", " does not look like a puzzle data file; nothing was written\n"},
        {"short.dat", "",
         " is damaged or is not a puzzle data file (it ends too early or a line is malformed); "
         "nothing was written\n"},
        {"mismatch.dat", "",
         " is damaged: a question and its answer carry different numbers; nothing was written\n"},
        {"damaged.ipuz", "cannot open ", ": it is damaged (it is not valid JSON).\n"}};
    ::alarm(10);
    for (const auto& [name, before, after] : refused) {
        EXPECT_EQ(run({"--pdf", path("out.pdf"), path(name)}), 1) << name;
        EXPECT_EQ(err, "quotabrix: " + std::string(before) + path(name) + after);
        EXPECT_FALSE(fs::exists(path("out.pdf"))) << name;
    }
    ::alarm(0);
}

// Fifty questions do not fit one page: the puzzle takes two pages, the key
// two more, each second page under the title marked "(continued)".
TEST_F(Batch, LetterAndA4WithQuarterInchMargins) {
    for (const auto& [paper, width, height] :
         {std::tuple{"letter", 612.0, 792.0}, std::tuple{"A4", 595.28, 841.89}}) {
        SCOPED_TRACE(paper);
        ASSERT_EQ(run({"--paper", paper, "--pdf", path("out.pdf"), QBRX_SOURCE_DIR "/examples/fifty.dat"}),
                  0);
        const std::vector<PdfPage> pages = readPdf(path("out.pdf"));
        ASSERT_EQ(pages.size(), 4u) << "is pdftotext installed?";
        for (const PdfPage& page : pages) {
            EXPECT_NEAR(page.width, width, 0.5);
            EXPECT_NEAR(page.height, height, 0.5);
            EXPECT_GE(page.left, 18);
            EXPECT_GE(page.top, 18);
            EXPECT_LE(page.right, width - 18);
            EXPECT_LE(page.bottom, height - 18);
        }
        EXPECT_TRUE(has(pages[1], "(continued)"));
        EXPECT_TRUE(has(pages[3], "(continued)"));
        EXPECT_FALSE(has(pages[1], "Answer Key"));
        EXPECT_TRUE(has(pages[2], "Answer Key"));
        EXPECT_TRUE(has(pages[3], "Answer Key"));
        EXPECT_TRUE(has(pages[1], "XX."));  // the last question
    }
}

// Without --paper the PDF is on the locale's paper; a question still
// reading as Suggest Answers left it is named on standard error, and the
// file is written all the same.
TEST_F(Batch, LocalePaperAndUnwrittenQuestions) {
    write("jazz.dat",
          "Jazz fizz\r\n\r\n\r\n\r\n0\r\n0\r\n0\r\n 2 \r\n"
          " 1Q. Swing tunes\r\n 1A. jazz\r\n 2Q. Question for [fizz]\r\n 2A. fizz\r\n");
    for (const auto& [locale, width] : {std::pair{"en_CA", 612.0}, std::pair{"fr_FR", 595.28}}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        ASSERT_EQ(run({"--pdf", path("out.pdf"), path("jazz.dat")}), 0) << err;
        const std::vector<PdfPage> pages = readPdf(path("out.pdf"));
        ASSERT_FALSE(pages.empty());
        EXPECT_NEAR(pages[0].width, width, 0.5);
        EXPECT_NE(err.find("warning: " + path("jazz.dat") + ": some questions are not written yet"),
                  std::string::npos);
        EXPECT_NE(err.find("Still \"Question for [...]\": B"), std::string::npos) << err;
    }
    QLocale::setDefault(QLocale::c());
}

TEST_F(Batch, CancelInThePrintDialogPrintsNothing) {
    Document doc;
    doc.quotation = doc.letterPool = "JAZZ";
    doc.quoteLength = 4;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path("printed.pdf")));
    EXPECT_FALSE(printCommand(prompter, doc, PrintOptions{}, printer));
    EXPECT_EQ(prompter.printDialogs, 1);
    EXPECT_FALSE(fs::exists(path("printed.pdf")));
    prompter.printAccepted = true;
    EXPECT_TRUE(printCommand(prompter, doc, PrintOptions{true, false}, printer));
    EXPECT_TRUE(fs::exists(path("printed.pdf")));
}

class Suggest : public Batch {
protected:
    std::string puzzle = path("puzzle.dat");

    // "Tea bat." with the crostic TB, its letters in the two slots.
    void SetUp() override {
        Batch::SetUp();
        registerQuote("Tea bat.");
        prompter.inputs.push_back("TB");
        ed.setupCrostic();
        ASSERT_TRUE(writeDataFile(ed.doc, puzzle).ok());
    }
    // As the file holds it: the count line, then a word a line.
    void writeWordList(const std::string& text) const { writeBytes(dir / "words.dic", text); }
};

// --fill, like Save As, writes an ipuz file when the name asks for one.
TEST_F(Suggest, PrintsEveryFillAndWritesTheFirstIntoTheFile) {
    writeWordList("6\r\nta\r\ntab\r\nbat\r\nbeat\r\ntea\r\n");
    const std::string filled = path("filled.ipuz");
    ASSERT_EQ(run({"--suggest", "5", "--fill", filled, "--seed", "4", "--min-length", "2", puzzle}), 0)
        << err;
    std::set<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) lines.insert(line);
    EXPECT_EQ(lines, (std::set<std::string>{"tea bat", "ta beat"}));

    // The first fill printed, whole.
    EXPECT_NE(readBytes(filled).find("http://ipuz.org/acrostic#1"), std::string::npos);
    ASSERT_EQ(openPuzzle(ed, filled).result.status, FileStatus::Ok);
    EXPECT_EQ(lower(ed.doc.answer[1]), out.substr(0, out.find(' ')));
    EXPECT_TRUE(ed.doc.lettersLeft.empty());
}

// --clues: the new answers' questions are drafted from the definitions
// beside the word list; a word without one gets the program's question.
TEST_F(Suggest, CluesDraftTheNewQuestions) {
    writeWordList("3\r\nbat\r\ntea\r\n");
    writeBytes(dir / "definitions.dic",
               "1\r\nn a hot drink made from dried leaves (in Britain)\r\nbat\t\t\r\ntea\t\t1\r\n");
    const std::string filled = path("filled.dat");
    ASSERT_EQ(run({"--suggest", "1", "--fill", filled, "--clues", puzzle}), 0) << err;
    ASSERT_EQ(openPuzzle(ed, filled).result.status, FileStatus::Ok);
    EXPECT_EQ(ed.doc.question[1], "A hot drink made from dried leaves");
    EXPECT_EQ(ed.doc.question[2], "Question for [Bat]");
}

TEST_F(Suggest, WithoutAnExactFillSaysSoAndOffersTheFewestGaps) {
    EXPECT_EQ(run({"--suggest", "2", puzzle}), 1);
    EXPECT_NE(err.find("no word list"), std::string::npos) << err;

    // tab and bet need a second b and leave an a.
    writeWordList("3\r\ntab\r\nbet\r\n");
    ASSERT_EQ(run({"--suggest", "2", puzzle}), 0) << err;
    EXPECT_EQ(out, "tab bet\n");
    EXPECT_NE(err.find("no set of 2 answers uses exactly the 6 letters left (the search went through every "
                       "possibility); this one leaves 1 gap"),
              std::string::npos)
        << err;
    EXPECT_NE(err.find("  Fill fewer answers, or allow shorter ones.\n"), std::string::npos) << err;
}

TEST_F(Suggest, TakesTheFillOptions) {
    // Levels 10 (ta, tab, bat, tea) and 70 (beat).
    writeWordList("6\r\nta\r\ntab\r\nbat\r\nbeat\r\ntea\r\n");
    writeBytes(dir / "level.dic", "10\r\n10\r\n10\r\n70\r\n10\r\n");
    ASSERT_EQ(run({"--suggest", "5", "--min-length", "2", "--familiar-only", puzzle}), 0) << err;
    EXPECT_EQ(out, "tea bat\n");
    writeBytes(dir / "never.txt", "Bat\n");
    ASSERT_EQ(run({"--suggest", "5", "--min-length", "2", "--exclude", path("never.txt"), puzzle}), 0) << err;
    EXPECT_EQ(out, "ta beat\n");
    ASSERT_EQ(run({"--suggest", "5", "--min-length", "2", "--include", "beat", puzzle}), 0) << err;
    EXPECT_EQ(out, "ta beat\n");
    // Without --min-length, two-letter words are out.
    ASSERT_EQ(run({"--suggest", "5", puzzle}), 0) << err;
    EXPECT_EQ(out, "tea bat\n");
}

}  // namespace
}  // namespace qbrx::test

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
