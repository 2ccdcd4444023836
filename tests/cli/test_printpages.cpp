// The printed pages as a printer or PDF receives them: the paper size, the
// quarter-inch margins of the PDF, the pages a long puzzle continues on
// (read back with pdftotext -bbox), and the print dialog's Cancel.
#include <gtest/gtest.h>

#include <QPrinter>

#include <array>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <sstream>

#include <unistd.h>

#include "commandline.h"
#include "printing.h"
#include "scriptedprompter.h"

namespace fs = std::filesystem;

namespace qbrx {
namespace {

struct Word {
    double x1, y1, x2, y2;
    std::string text;
};
struct PdfPage {
    double width, height;
    std::vector<Word> words;
};

std::vector<PdfPage> readPdf(const fs::path& pdf) {
    std::string html;
    if (FILE* pipe = ::popen(("pdftotext -q -bbox '" + pdf.string() + "' -").c_str(), "r")) {
        std::array<char, 4096> buffer{};
        while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe)) html.append(buffer.data(), n);
        ::pclose(pipe);
    }
    std::vector<PdfPage> pages;
    const std::regex tag(R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (std::sregex_iterator it(html.begin(), html.end(), tag), end; it != end; ++it) {
        const std::smatch& m = *it;
        if (m[1].matched)
            pages.push_back({std::stod(m[1]), std::stod(m[2]), {}});
        else if (!pages.empty())
            pages.back().words.push_back({std::stod(m[3]), std::stod(m[4]), std::stod(m[5]), std::stod(m[6]), m[7]});
    }
    return pages;
}

std::string textOf(const PdfPage& page) {
    std::string text;
    for (const Word& w : page.words) text += w.text + " ";
    return text;
}

class PrintedPages : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("qbrx_pages_" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    int run(const std::vector<std::string>& args, std::string* err = nullptr) {
        std::ostringstream out, errors;
        const int status = runCommandLine(parseCommandLine(args), out, errors);
        if (err) *err = errors.str();
        return status;
    }
};

// Fifty questions do not fit one page: the puzzle takes two pages, the key
// two more, each continuation under the title marked "(continued)".
TEST_F(PrintedPages, LetterAndA4WithQuarterInchMargins) {
    const std::string fifty = std::string(QBRX_SOURCE_DIR) + "/examples/fifty.dat";
    struct Case {
        std::vector<std::string> paper;
        double width, height;
    };
    for (const Case& c : {Case{{}, 612, 792}, Case{{"--paper", "A4"}, 595.28, 841.89}}) {
        SCOPED_TRACE(c.width);
        std::vector<std::string> args = {"--pdf", (dir / "fifty.pdf").string(), "--seed", "1", fifty};
        args.insert(args.begin(), c.paper.begin(), c.paper.end());
        std::string err;
        ASSERT_EQ(run(args, &err), 0) << err;
        const std::vector<PdfPage> pages = readPdf(dir / "fifty.pdf");
        ASSERT_EQ(pages.size(), 4u) << "is pdftotext installed?";
        for (const PdfPage& page : pages) {
            EXPECT_NEAR(page.width, c.width, 0.5);
            EXPECT_NEAR(page.height, c.height, 0.5);
            for (const Word& w : page.words)
                EXPECT_TRUE(w.x1 >= 18 && w.y1 >= 18 && w.x2 <= page.width - 18 && w.y2 <= page.height - 18)
                    << w.text << " at (" << w.x1 << ", " << w.y1 << ")";
        }
        for (int p : {1, 3}) EXPECT_NE(textOf(pages[static_cast<std::size_t>(p)]).find("(continued)"), std::string::npos);
        EXPECT_NE(textOf(pages[0]).find("Made with Quotabrix"), std::string::npos);  // the crostic stays on page 1
        EXPECT_EQ(textOf(pages[1]).find("Made with Quotabrix"), std::string::npos);
        EXPECT_NE(textOf(pages[1]).find("XX."), std::string::npos);  // the last question
    }
    std::string err;
    EXPECT_EQ(run({"--paper", "legal", "--pdf", (dir / "x.pdf").string(), fifty}, &err), 2);
    EXPECT_NE(err.find("--paper needs letter or a4"), std::string::npos);
}

TEST_F(PrintedPages, CancelInThePrintDialogPrintsNothing) {
    Document doc;
    doc.quotation = doc.letterPool = "JAZZ";
    doc.quoteLength = 4;
    const fs::path pdf = dir / "printed.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    ScriptedPrompter prompter;
    prompter.printAccepted = false;
    EXPECT_FALSE(printCommand(prompter, doc, false, false, printer));
    EXPECT_EQ(prompter.printDialogs, 1);
    EXPECT_FALSE(fs::exists(pdf));
    prompter.printAccepted = true;
    EXPECT_TRUE(printCommand(prompter, doc, false, true, printer));
    EXPECT_TRUE(fs::exists(pdf));
}

}  // namespace
}  // namespace qbrx
