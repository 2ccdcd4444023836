// The printed pages as a printer or PDF receives them: paper size, the
// PDF's quarter-inch margins and the second page of a long puzzle (read
// back with pdftotext -bbox); the print dialog's Cancel.
#include <gtest/gtest.h>

#include <QPrinter>

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

struct PdfPage {
    double width = 0, height = 0, left = 1e9, top = 1e9, right = 0, bottom = 0;  // bounds of the words
    std::string text;
};

std::vector<PdfPage> readPdf(const fs::path& pdf) {
    std::string html;
    if (FILE* pipe = ::popen(("pdftotext -q -bbox '" + pdf.string() + "' -").c_str(), "r")) {
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
            pages.emplace_back();
            pages.back().width = std::stod(m[1]);
            pages.back().height = std::stod(m[2]);
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

// Fifty questions do not fit one page: the puzzle takes two pages, the key
// two more, each second page under the title marked "(continued)".
TEST(PrintedPages, LetterAndA4WithQuarterInchMargins) {
    const fs::path pdf = fs::temp_directory_path() / ("qbrx_pages_" + std::to_string(::getpid()) + ".pdf");
    const std::string fifty = std::string(QBRX_SOURCE_DIR) + "/examples/fifty.dat";
    std::ostringstream out, err;
    for (const auto& [paper, width, height] :
         {std::tuple{"letter", 612.0, 792.0}, std::tuple{"A4", 595.28, 841.89}}) {
        SCOPED_TRACE(paper);
        ASSERT_EQ(
            runCommandLine(parseCommandLine({"--paper", paper, "--pdf", pdf.string(), fifty}), out, err), 0);
        const std::vector<PdfPage> pages = readPdf(pdf);
        ASSERT_EQ(pages.size(), 4u) << "is pdftotext installed?";
        for (const PdfPage& page : pages) {
            EXPECT_NEAR(page.width, width, 0.5);
            EXPECT_NEAR(page.height, height, 0.5);
            EXPECT_TRUE(page.left >= 18 && page.top >= 18 && page.right <= width - 18 &&
                        page.bottom <= height - 18)
                << page.left << " " << page.top << " " << page.right << " " << page.bottom;
        }
        EXPECT_NE(pages[1].text.find("(continued)"), std::string::npos);
        EXPECT_NE(pages[3].text.find("(continued)"), std::string::npos);
        EXPECT_NE(pages[1].text.find("XX."), std::string::npos);  // the last question
    }
    fs::remove(pdf);
    EXPECT_EQ(runCommandLine(parseCommandLine({"--paper", "legal", "--pdf", pdf.string(), fifty}), out, err),
              2);
    EXPECT_NE(err.str().find("--paper needs letter or a4"), std::string::npos);
}

TEST(PrintedPages, CancelInThePrintDialogPrintsNothing) {
    Document doc;
    doc.quotation = doc.letterPool = "JAZZ";
    doc.quoteLength = 4;
    const fs::path pdf = fs::temp_directory_path() / ("qbrx_printed_" + std::to_string(::getpid()) + ".pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    ScriptedPrompter prompter;
    EXPECT_FALSE(printCommand(prompter, doc, false, false, printer));
    EXPECT_EQ(prompter.printDialogs, 1);
    EXPECT_FALSE(fs::exists(pdf));
    prompter.printAccepted = true;
    EXPECT_TRUE(printCommand(prompter, doc, false, true, printer));
    EXPECT_TRUE(fs::exists(pdf));
    fs::remove(pdf);
}

}  // namespace
}  // namespace qbrx
