// --ipuz and --jpz on the command line, beside --pdf, from one encoding draw.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <unistd.h>

#include "commandline.h"

namespace qbrx::test {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

class CliExportTest : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("qbrx_cli_export_" + std::to_string(::getpid()));
    std::string example = std::string(QBRX_EXAMPLES_DIR) + "/walden.dat";
    std::ostringstream out, err;

    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    int run(const std::vector<std::string>& args) { return runCommandLine(parseCommandLine(args), out, err); }
    std::string path(const char* name) const { return (dir / name).string(); }
};

// The [column, row] cells of every clue, as the ipuz and the JPZ file give them.
std::vector<std::vector<int>> ipuzCells(const std::string& text) {
    std::vector<std::vector<int>> all;
    for (const QJsonValue clue : QJsonDocument::fromJson(QByteArray::fromStdString(text))["clues"]["Clues"].toArray()) {
        all.emplace_back();
        for (const QJsonValue c : clue["cells"].toArray()) {
            all.back().push_back(c[0].toInt());
            all.back().push_back(c[1].toInt());
        }
    }
    return all;
}
std::vector<std::vector<int>> jpzCells(const std::string& text) {
    std::vector<std::vector<int>> all;
    std::istringstream lines(text);
    const std::regex cells(R"re(<cells x="(\d+)" y="(\d+)"/>)re");
    std::smatch m;
    for (std::string line; std::getline(lines, line);) {
        if (line.find("<word ") != std::string::npos) all.emplace_back();
        if (std::regex_search(line, m, cells)) {
            all.back().push_back(std::stoi(m[1]) - 1);
            all.back().push_back(std::stoi(m[2]) - 1);
        }
    }
    return all;
}

TEST_F(CliExportTest, AllFormatsComeFromOneEncoding) {
    ASSERT_EQ(run({"--jpz", path("w.jpz"), "--pdf", path("w.pdf"), "--ipuz", path("w.ipuz"), "--seed", "11", example}), 0)
        << err.str();
    const std::string ipuz = readFile(dir / "w.ipuz"), jpz = readFile(dir / "w.jpz");
    EXPECT_EQ(readFile(dir / "w.pdf").substr(0, 5), "%PDF-");
    const auto cells = ipuzCells(ipuz);
    ASSERT_EQ(cells.size(), 15u);
    EXPECT_EQ(cells, jpzCells(jpz));
    EXPECT_NE(ipuz.find("\"title\": \"Walden Pond Acrostic\""), std::string::npos);

    // The same seed draws the same encoding; another seed draws another.
    ASSERT_EQ(run({"--ipuz", path("again.ipuz"), "--seed", "11", example}), 0);
    EXPECT_EQ(readFile(dir / "again.ipuz"), ipuz);
    ASSERT_EQ(run({"--ipuz", path("other.ipuz"), "--seed", "12", example}), 0);
    EXPECT_NE(ipuzCells(readFile(dir / "other.ipuz")), cells);
}

TEST_F(CliExportTest, HelpListsTheExportsAndFailuresAreReported) {
    const std::string help = helpText("quotabrix");
    EXPECT_NE(help.find("--ipuz OUT.ipuz"), std::string::npos);
    EXPECT_NE(help.find("--jpz OUT.jpz"), std::string::npos);

    EXPECT_EQ(run({"--ipuz", path("missing/x.ipuz"), example}), 1);
    EXPECT_NE(err.str().find("cannot write " + path("missing/x.ipuz")), std::string::npos);

    std::ofstream(dir / "empty.dat", std::ios::binary) << "\r\n\r\n\r\n\r\n0\r\n0\r\n0\r\n 0 \r\n";
    EXPECT_EQ(run({"--jpz", path("e.jpz"), (dir / "empty.dat").string()}), 1);
    EXPECT_NE(err.str().find("no registered quotation"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "e.jpz"));
}

}  // namespace
}  // namespace qbrx::test
