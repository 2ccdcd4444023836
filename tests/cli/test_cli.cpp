// The command line: parsing, --help and --version, and --pdf end to end,
// read back with pdftotext.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include <sys/stat.h>
#include <unistd.h>

#include "commandline.h"

namespace fs = std::filesystem;

namespace qbrx {
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
    EXPECT_EQ(parseCommandLine(Args{"--pdf", "x.pdf", "--help"}).mode, CommandLine::Mode::Help);
    EXPECT_EQ(parseCommandLine(Args{"-V"}).mode, CommandLine::Mode::Version);
    for (const Args& wrong : {Args{"--pdf", "out.pdf"}, Args{"--pdf"}, Args{"--seed", "x", "a.dat"},
                              Args{"--seed", "-1"}, Args{"--colour", "a.dat"}, Args{"--pdf", "o.pdf", "a.dat", "b.dat"}})
        EXPECT_EQ(parseCommandLine(wrong).mode, CommandLine::Mode::Error) << wrong[0];
}

int run(const Args& args, std::string* out = nullptr, std::string* err = nullptr) {
    std::ostringstream o, e;
    const int status = runCommandLine(parseCommandLine(args), o, e);
    if (out) *out = o.str();
    if (err) *err = e.str();
    return status;
}

TEST(CommandLine, HelpVersionAndMistakes) {
    std::string out, err;
    EXPECT_EQ(run({"--version"}, &out), 0);
    EXPECT_EQ(out, "Quotabrix 1.01\n");
    EXPECT_EQ(run({"--help"}, &out), 0);
    EXPECT_NE(out.find("--pdf OUT.pdf"), std::string::npos);
    EXPECT_EQ(run({"--bogus"}, &out, &err), 2);
    EXPECT_NE(err.find("--bogus"), std::string::npos);
}

std::string pdftotext(const fs::path& pdf, int page) {
    const std::string command =
        "pdftotext -q -layout -f " + std::to_string(page) + " -l " + std::to_string(page) + " '" + pdf.string() + "' -";
    std::string text;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        std::array<char, 4096> buffer{};
        while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe)) text.append(buffer.data(), n);
        ::pclose(pipe);
    }
    return text;
}

// Every letter of "Jazz fizz" is taken by the two answers, so that the
// puzzle shows none of them and the key all. Damaged files write nothing.
TEST(CommandLine, PdfPuzzleThenKeyAndNothingFromABadFile) {
    const fs::path dir = fs::temp_directory_path() / ("qbrx_cli_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path pdf = dir / "out.pdf", data = dir / "jazz.dat";
    std::ofstream(data, std::ios::binary) << "Jazz fizz\r\nMusic Night\r\n\r\nJF\r\n1\r\n0\r\n1\r\n 2 \r\n"
                                             " 1Q. Swing tunes\r\n 1A. jazz\r\n 2Q. Soda bubbles\r\n 2A. fizz\r\n";
    std::string err;
    ASSERT_EQ(run({"--pdf", pdf.string(), "--seed", "3", data.string()}, nullptr, &err), 0) << err;
    const std::string puzzle = pdftotext(pdf, 1), key = pdftotext(pdf, 2);
    ASSERT_FALSE(puzzle.empty()) << "is pdftotext installed?";
    for (const std::string& page : {puzzle, key}) {
        EXPECT_NE(page.find("Swing tunes"), std::string::npos);
        EXPECT_NE(page.find("Music Night"), std::string::npos);
        EXPECT_NE(page.find("Made with Quotabrix"), std::string::npos);
        EXPECT_TRUE(std::regex_search(page, std::regex("\\b8\\b")));  // the last grid number
    }
    EXPECT_EQ(puzzle.find_first_of("zZJ"), std::string::npos);
    EXPECT_NE(key.find('z'), std::string::npos);  // grid letters as typed
    EXPECT_NE(key.find('Z'), std::string::npos);  // letters on the answer blanks
    EXPECT_TRUE(pdftotext(pdf, 3).empty());
    ASSERT_EQ(run({"--pdf", pdf.string(), "--no-crostic", data.string()}), 0);
    EXPECT_EQ(pdftotext(pdf, 1).find("Made with Quotabrix"), std::string::npos);

    fs::remove(pdf);
    std::ofstream(dir / "short.dat", std::ios::binary) << "Jazz fizz\r\nTitle\r\n";
    std::ofstream(dir / "mismatch.dat", std::ios::binary)
        << "Jazz fizz\r\n\r\n\r\n\r\n0\r\n0\r\n0\r\n 1 \r\n 1Q. Swing\r\n 2A. jazz\r\n";
    for (const char* bad : {"none.dat", "short.dat", "mismatch.dat"}) {
        EXPECT_EQ(run({"--pdf", pdf.string(), (dir / bad).string()}, nullptr, &err), 1) << bad;
        EXPECT_NE(err.find(bad), std::string::npos);
        EXPECT_FALSE(fs::exists(pdf)) << bad;
    }
    fs::remove_all(dir);
}

// A named pipe is refused at once as a file that cannot be read (not as a
// damaged one); binary bytes as no puzzle. Neither writes anything.
TEST(CommandLine, PipesAndBinaryFilesAreRefusedByName) {
    const fs::path dir = fs::temp_directory_path() / ("qbrx_cli_refused_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string out = (dir / "out.ipuz").string();
    const std::string pipe = (dir / "pipe.dat").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    std::string err;
    ::alarm(10);  // a read that waits for a writer ends the test here
    EXPECT_EQ(run({"--ipuz", out, pipe}, nullptr, &err), 1);
    ::alarm(0);
    EXPECT_EQ(err, "quotabrix: " + pipe + " cannot be read: it is not a regular file; nothing was written\n");

    const std::string garbage = (dir / "garbage.dat").string();
    std::ofstream(garbage, std::ios::binary) << std::string("\x7F" "ELF\x02\x01\x01\0\0\0\0\r\n", 14);
    EXPECT_EQ(run({"--ipuz", out, garbage}, nullptr, &err), 1);
    EXPECT_EQ(err, "quotabrix: " + garbage + " does not look like a puzzle data file; nothing was written\n");
    EXPECT_FALSE(fs::exists(out));
    fs::remove_all(dir);
}

}  // namespace
}  // namespace qbrx

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
