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

#include "commandline.h"

namespace fs = std::filesystem;

namespace qbrx {
namespace {

CommandLine parse(std::vector<std::string> args) { return parseCommandLine(args); }

TEST(ParseCommandLine, ModesOptionsAndMistakes) {
    CommandLine cl = parse({"--pdf", "out.pdf", "--seed", "42", "--no-crostic", "puzzle.dat"});
    EXPECT_EQ(cl.mode, CommandLine::Mode::Batch);
    ASSERT_EQ(cl.outputs.size(), 1u);
    EXPECT_EQ(cl.outputs[0].option, "--pdf");
    EXPECT_EQ(cl.outputs[0].path, "out.pdf");
    EXPECT_EQ(cl.seed, 42u);
    EXPECT_TRUE(cl.noCrostic);
    EXPECT_EQ(cl.dataFile, "puzzle.dat");

    cl = parse({"--seed=7", "puzzle.dat", "-platform", "offscreen"});
    EXPECT_EQ(cl.mode, CommandLine::Mode::Gui);
    EXPECT_EQ(cl.seed, 7u);
    EXPECT_EQ(cl.dataFile, "puzzle.dat");
    EXPECT_EQ(cl.qtArguments, (std::vector<std::string>{"-platform", "offscreen"}));

    EXPECT_EQ(parse({}).mode, CommandLine::Mode::Gui);
    EXPECT_EQ(parse({"--pdf", "x.pdf", "--help"}).mode, CommandLine::Mode::Help);
    EXPECT_EQ(parse({"-V"}).mode, CommandLine::Mode::Version);
    for (const auto& wrong : std::vector<std::vector<std::string>>{
             {"--pdf", "out.pdf"}, {"--pdf"}, {"--seed", "x", "a.dat"}, {"--seed", "-1"}, {"--colour", "a.dat"},
             {"--pdf", "o.pdf", "a.dat", "b.dat"}}) {
        cl = parse(wrong);
        EXPECT_EQ(cl.mode, CommandLine::Mode::Error) << wrong[0];
        EXPECT_FALSE(cl.error.empty());
    }
}

int run(const std::vector<std::string>& args, std::string* out = nullptr, std::string* err = nullptr) {
    std::ostringstream o, e;
    const int status = runCommandLine(parse(args), o, e);
    if (out) *out = o.str();
    if (err) *err = e.str();
    return status;
}

TEST(RunCommandLine, HelpVersionAndMistakes) {
    std::string out, err;
    EXPECT_EQ(run({"--version"}, &out), 0);
    EXPECT_EQ(out, "Quotabrix 1.01\n");
    EXPECT_EQ(run({"--help"}, &out), 0);
    EXPECT_NE(out.find("--pdf OUT.pdf"), std::string::npos);
    EXPECT_NE(out.find("--no-crostic"), std::string::npos);
    EXPECT_EQ(run({"--bogus"}, &out, &err), 2);
    EXPECT_NE(err.find("--bogus"), std::string::npos);
    EXPECT_NE(err.find("--help"), std::string::npos);
}

class PdfOutput : public ::testing::Test {
protected:
    fs::path dir;
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("qbrx_cli_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // Every letter of "Jazz fizz" is taken by the two answers, so that the
    // puzzle shows none of them and the key all.
    fs::path writeJazz() {
        const fs::path path = dir / "jazz.dat";
        std::ofstream(path, std::ios::binary) << "Jazz fizz\r\nMusic Night\r\n\r\nJF\r\n1\r\n0\r\n1\r\n 2 \r\n"
                                                 " 1Q. Swing tunes\r\n 1A. jazz\r\n 2Q. Soda bubbles\r\n 2A. fizz\r\n";
        return path;
    }
    static std::string pdftotext(const fs::path& pdf, int page, bool bbox = false) {
        const std::string command = "pdftotext -q -f " + std::to_string(page) + " -l " + std::to_string(page) +
                                    (bbox ? " -bbox " : " -layout ") + "'" + pdf.string() + "' -";
        std::string text;
        if (FILE* pipe = ::popen(command.c_str(), "r")) {
            std::array<char, 4096> buffer{};
            while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe)) text.append(buffer.data(), n);
            ::pclose(pipe);
        }
        return text;
    }
};

TEST_F(PdfOutput, PuzzleThenKeyFromOneEncoding) {
    const fs::path pdf = dir / "out.pdf";
    std::string err;
    ASSERT_EQ(run({"--pdf", pdf.string(), "--seed", "3", writeJazz().string()}, nullptr, &err), 0) << err;
    ASSERT_TRUE(fs::exists(pdf));
    const std::string puzzle = pdftotext(pdf, 1), key = pdftotext(pdf, 2);
    ASSERT_FALSE(puzzle.empty()) << "is pdftotext installed?";
    for (const std::string& page : {puzzle, key}) {
        EXPECT_NE(page.find("Swing tunes"), std::string::npos);
        EXPECT_NE(page.find("Soda bubbles"), std::string::npos);
        EXPECT_NE(page.find("Music Night"), std::string::npos);
        EXPECT_NE(page.find("Made with Quotabrix"), std::string::npos);
        EXPECT_TRUE(std::regex_search(page, std::regex("\\b8\\b")));  // the last grid number
    }
    EXPECT_EQ(puzzle.find_first_of("zZJ"), std::string::npos);
    EXPECT_NE(key.find('z'), std::string::npos);  // grid letters as typed
    EXPECT_NE(key.find('Z'), std::string::npos);  // letters on the answer blanks
    EXPECT_NE(key.find('J'), std::string::npos);
    EXPECT_TRUE(pdftotext(pdf, 3).empty());

    // Twips on the page: the Name blank ends at 10800 (540 points), its top
    // at 250 (12.5 points), set in 10 points (about 11.2 points high).
    const std::string boxes = pdftotext(pdf, 1, true);
    std::smatch m;
    ASSERT_TRUE(std::regex_search(boxes, m,
                                  std::regex("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                                             "yMax=\"([0-9.]+)\">_{27}<")));
    EXPECT_NEAR(std::stod(m[3]), 540.0, 0.5);
    EXPECT_NEAR(std::stod(m[2]), 12.5, 0.3);
    EXPECT_NEAR(std::stod(m[4]) - std::stod(m[2]), 11.2, 0.5);

    // --no-crostic leaves the block off.
    ASSERT_EQ(run({"--pdf", pdf.string(), "--no-crostic", (dir / "jazz.dat").string()}), 0);
    EXPECT_EQ(pdftotext(pdf, 1).find("Made with Quotabrix"), std::string::npos);
}

TEST_F(PdfOutput, MissingOrDamagedFileWritesNothing) {
    const fs::path pdf = dir / "out.pdf";
    std::string err;
    EXPECT_EQ(run({"--pdf", pdf.string(), (dir / "none.dat").string()}, nullptr, &err), 1);
    EXPECT_NE(err.find("none.dat"), std::string::npos);
    EXPECT_FALSE(fs::exists(pdf));

    std::ofstream(dir / "short.dat", std::ios::binary) << "Jazz fizz\r\nTitle\r\n";
    EXPECT_EQ(run({"--pdf", pdf.string(), (dir / "short.dat").string()}, nullptr, &err), 1);
    EXPECT_NE(err.find("damaged"), std::string::npos);
    EXPECT_FALSE(fs::exists(pdf));

    std::ofstream(dir / "mismatch.dat", std::ios::binary)
        << "Jazz fizz\r\n\r\n\r\n\r\n0\r\n0\r\n0\r\n 1 \r\n 1Q. Swing\r\n 2A. jazz\r\n";
    EXPECT_EQ(run({"--pdf", pdf.string(), (dir / "mismatch.dat").string()}, nullptr, &err), 1);
    EXPECT_FALSE(fs::exists(pdf));
}

}  // namespace
}  // namespace qbrx

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
