#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamReader>

#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>
#include <vector>

#include "editor.h"
#include "export.h"
#include "exportcommand.h"
#include "text.h"

namespace qbrx::test {
namespace {

class SilentPrompter : public Prompter {
public:
    Reply message(const MessageRequest&) override { return Reply::Ok; }
    std::optional<std::string> input(const std::string&, const std::string&, const std::string&) override { return {}; }
    void beep() override {}
    std::optional<std::string> openFile(const FileRequest&) override { return {}; }
    std::optional<std::string> saveFile(const FileRequest&) override { return {}; }
    bool printDialog() override { return false; }
    void printSetupDialog() override {}
};

// What a solving program sees in an exported file, in one shape for both
// formats.
struct ReadCell {
    bool outside = false;
    bool block = false;
    int number = 0;
    QString solution;
    QString given;  // value shown to the solver from the start
};
struct ReadClue {
    QString label, clue, answer, pattern;
    std::vector<GridPoint> cells;
};
struct ReadBack {
    QString title, author;
    int width = 0, height = 0;
    std::vector<ReadCell> cells;
    std::vector<ReadClue> clues;
    const ReadCell& at(GridPoint g) const { return cells.at(static_cast<std::size_t>(g.row * width + g.column)); }
};

ReadBack readIpuz(const std::string& text) {
    QJsonParseError err;
    const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(text), &err);
    EXPECT_EQ(err.error, QJsonParseError::NoError) << err.errorString().toStdString();
    const QJsonObject root = json.object();
    EXPECT_EQ(root["version"].toString(), "http://ipuz.org/v2");
    EXPECT_EQ(root["kind"].toArray().at(0).toString(), "http://ipuz.org/acrostic#1");
    ReadBack r;
    r.title = root["title"].toString();
    r.author = root["author"].toString();
    r.width = root["dimensions"]["width"].toInt();
    r.height = root["dimensions"]["height"].toInt();
    const QJsonArray puzzle = root["puzzle"].toArray(), solution = root["solution"].toArray();
    EXPECT_EQ(puzzle.size(), r.height);
    EXPECT_EQ(solution.size(), r.height);
    for (int y = 0; y < r.height; ++y) {
        const QJsonArray prow = puzzle[y].toArray(), srow = solution[y].toArray();
        EXPECT_EQ(prow.size(), r.width);
        EXPECT_EQ(srow.size(), r.width);
        for (int x = 0; x < r.width; ++x) {
            ReadCell c;
            const QJsonValue p = prow[x], s = srow[x];
            c.outside = p.isNull();
            c.block = p.toString() == "#";
            if (p.isDouble()) c.number = p.toInt();
            if (p.isObject()) {
                c.number = p["cell"].toInt();
                c.given = p["value"].toString();
            }
            c.solution = s.toString();
            EXPECT_EQ(s.isNull(), c.outside) << x << "," << y;
            EXPECT_EQ(s.toString() == "#", c.block) << x << "," << y;
            r.cells.push_back(c);
        }
    }
    for (const QJsonValue v : root["clues"]["Clues"].toArray()) {
        ReadClue c{v["label"].toString(), v["clue"].toString(), v["answer"].toString(), v["quotabrix:pattern"].toString(), {}};
        for (const QJsonValue cell : v["cells"].toArray()) c.cells.push_back({cell[0].toInt(), cell[1].toInt()});
        r.clues.push_back(c);
    }
    return r;
}

ReadBack readJpz(const std::string& text) {
    QXmlStreamReader xml(QByteArray::fromStdString(text));
    ReadBack r;
    std::vector<std::vector<GridPoint>> words;
    QStringList path;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement()) path.removeLast();
        if (!xml.isStartElement()) continue;
        path << xml.name().toString();
        const auto a = xml.attributes();
        const QString name = xml.name().toString();
        if (name == "title" && path.contains("metadata")) {
            r.title = xml.readElementText();
            path.removeLast();
        } else if (name == "creator") {
            r.author = xml.readElementText();
            path.removeLast();
        } else if (name == "grid") {
            r.width = a.value("width").toInt();
            r.height = a.value("height").toInt();
            r.cells.resize(static_cast<std::size_t>(r.width * r.height));
        } else if (name == "cell") {
            const int x = a.value("x").toInt() - 1, y = a.value("y").toInt() - 1;
            EXPECT_TRUE(x >= 0 && x < r.width && y >= 0 && y < r.height);
            ReadCell& c = r.cells.at(static_cast<std::size_t>(y * r.width + x));
            c.outside = a.value("type") == QLatin1String("void");
            c.block = a.value("type") == QLatin1String("block");
            c.number = a.value("number").toInt();
            c.solution = a.value("solution").toString();
            c.given = a.value("solve-state").toString();
        } else if (name == "word") {
            EXPECT_EQ(a.value("id").toInt(), static_cast<int>(words.size()) + 1);
            words.emplace_back();
        } else if (name == "cells") {
            words.back().push_back({a.value("x").toInt() - 1, a.value("y").toInt() - 1});
        } else if (name == "clue") {
            ReadClue c{a.value("number").toString(), {}, a.value("answer").toString(), a.value("pattern").toString(), {}};
            c.cells = words.at(static_cast<std::size_t>(a.value("word").toInt() - 1));
            c.clue = xml.readElementText();
            path.removeLast();
            r.clues.push_back(c);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(path.size(), 0);
    return r;
}

QString utf8(const std::string& cp1252) { return QString::fromStdString(cp1252ToUtf8(cp1252)); }

// Checks a file read back against the document it was written from: the
// quotation spelt by the grid, numbering in reading order, the letters
// given to the solver, and every answer spelt back from its cells.
void expectMatchesDocument(const ReadBack& r, const Document& doc, int leadingBlanks) {
    const GridGeometry g = computeGridGeometry(doc.quoteLength);
    ASSERT_EQ(r.width, g.columns);
    ASSERT_EQ(r.height, g.rows);
    ASSERT_EQ(r.cells.size(), static_cast<std::size_t>(g.rows * g.columns));

    QString quote;
    int firstInside = -1, lastInside = -1, expectedNumber = 1;
    std::vector<bool> usedByAnswer(r.cells.size());
    for (std::size_t i = 0; i < r.cells.size(); ++i) {
        const ReadCell& c = r.cells[i];
        if (c.outside) continue;
        if (firstInside < 0) firstInside = static_cast<int>(i);
        lastInside = static_cast<int>(i);
        if (c.block) {
            quote += ' ';
        } else {
            quote += c.solution;
            if (c.number > 0) {
                EXPECT_EQ(c.number, expectedNumber++) << "cell " << i;
            }
        }
    }
    EXPECT_EQ(firstInside, leadingBlanks);
    EXPECT_EQ(lastInside, leadingBlanks + doc.quoteLength - 1);
    EXPECT_EQ(quote, utf8(upper(doc.quotation)));

    ASSERT_EQ(r.clues.size(), static_cast<std::size_t>(doc.questionCount));
    for (int q = 1; q <= doc.questionCount; ++q) {
        const ReadClue& c = r.clues[static_cast<std::size_t>(q - 1)];
        SCOPED_TRACE(c.label.toStdString());
        EXPECT_EQ(c.label, QString::fromStdString(questionLetter[static_cast<std::size_t>(q)]));
        EXPECT_EQ(c.clue, utf8(doc.question[static_cast<std::size_t>(q)]));
        EXPECT_EQ(c.answer, utf8(upper(doc.answer[static_cast<std::size_t>(q)])));
        // Spell the answer back: "_" takes the next cell's letter.
        QString spelt;
        std::size_t next = 0;
        for (const QChar ch : c.pattern) {
            if (ch != '_') {
                spelt += ch;
                continue;
            }
            ASSERT_LT(next, c.cells.size());
            const ReadCell& cell = r.at(c.cells[next]);
            spelt += cell.solution;
            usedByAnswer[static_cast<std::size_t>(c.cells[next].row * r.width + c.cells[next].column)] = true;
            ++next;
        }
        EXPECT_EQ(next, c.cells.size());
        EXPECT_EQ(spelt, c.answer);
        // The cells carry the numbers printed under the answer's blanks.
        std::vector<int> printed, inFile;
        for (int k = 1; k <= kAnswerCells; ++k)
            if (doc.answerLetterNo[static_cast<std::size_t>(q)][static_cast<std::size_t>(k)] > 0)
                printed.push_back(doc.answerLetterNo[static_cast<std::size_t>(q)][static_cast<std::size_t>(k)]);
        for (const GridPoint& p : c.cells) inFile.push_back(r.at(p).number);
        EXPECT_EQ(inFile, printed);
    }
    // Exactly the letters no answer takes are given, and given correctly.
    for (std::size_t i = 0; i < r.cells.size(); ++i) {
        const ReadCell& c = r.cells[i];
        if (c.outside || c.block) continue;
        if (c.number > 0) {
            EXPECT_EQ(c.given.isEmpty(), usedByAnswer[i]) << "cell " << i;
        } else {
            EXPECT_FALSE(c.given.isEmpty()) << "punctuation cell " << i;
        }
        if (!c.given.isEmpty()) {
            EXPECT_EQ(c.given, c.solution) << "cell " << i;
        }
    }
}

class ExportTest : public ::testing::Test {
protected:
    SilentPrompter prompter;
    ScriptedRandom leftmost{{0.0}};
    Editor ed{prompter, leftmost};

    void SetUp() override { ed.startUp(); }
    void registerQuote(const std::string& quote) {
        ed.view.quoteBox = quote;
        ed.registerButton();
    }
    void accept(const std::string& question, const std::string& answer) {
        ed.view.questionBox = question;
        ed.view.answerBox = answer;
        ed.acceptButton();
    }
};

TEST_F(ExportTest, OneRowGridWithAGapMapsExactCells) {
    registerQuote("Less is more.");
    accept("Fewer", "less");
    accept("Spot", "see");  // S 6, E 10, the second E is a gap
    for (const ReadBack& r : {readIpuz(formatIpuz(ed.doc)), readJpz(formatJpz(ed.doc))}) {
        expectMatchesDocument(r, ed.doc, 0);
        ASSERT_EQ(r.clues.size(), 2u);
        EXPECT_EQ(r.clues[0].cells, (std::vector<GridPoint>{{0, 0}, {1, 0}, {2, 0}, {3, 0}}));
        EXPECT_EQ(r.clues[1].pattern, "__E");
        EXPECT_EQ(r.clues[1].cells, (std::vector<GridPoint>{{6, 0}, {11, 0}}));
        EXPECT_TRUE(r.at({4, 0}).block);
        EXPECT_EQ(r.at({12, 0}).given, ".");
        EXPECT_EQ(r.at({5, 0}).number * 100 + r.at({11, 0}).number, 5 * 100 + 10);
        EXPECT_EQ(r.at({5, 0}).given, "I");  // no answer took the I
    }
}

TEST_F(ExportTest, LeadingBlanksShiftEveryCell) {
    // 86 characters: 5 rows of 18 columns, 2 leading and 2 trailing blanks.
    registerQuote("It's not the years in your life that count. It's the life in your years, said Lincoln!");
    ASSERT_EQ(ed.doc.quoteLength, 86);
    SeededRandom random(20240601);
    ed.setRandom(random);
    accept("Sixteenth president", "Lincoln");
    accept("Frozen dessert", "ice-cream");
    accept("Striped animal, twice", "zebra zz");  // no Z, no B in the quotation
    for (const ReadBack& r : {readIpuz(formatIpuz(ed.doc)), readJpz(formatJpz(ed.doc))}) {
        expectMatchesDocument(r, ed.doc, 2);
        EXPECT_TRUE(r.at({0, 0}).outside && r.at({1, 0}).outside && r.at({17, 4}).outside);
        EXPECT_EQ(r.at({2, 0}).number, 1);  // the I of "It's"
        EXPECT_EQ(r.at({4, 0}).given, "'");
        EXPECT_EQ(r.at({8, 2}).given, ".");   // character 43, cell 44
        EXPECT_EQ(r.at({15, 4}).given, "!");  // the last character, cell 87
        EXPECT_EQ(r.clues[2].pattern.left(2), "Z_");
        EXPECT_TRUE(r.clues[2].pattern.contains(" ZZ"));
    }
}

TEST_F(ExportTest, TextIsEscapedAndConverted) {
    registerQuote("\"Oui\" & <non> caf\xe9");
    ed.doc.header.titleGiven = true;
    ed.doc.header.title = "Quotes \"&\" back\\slash <tags>";
    ed.doc.header.createdByGiven = true;
    ed.doc.header.createdBy = "Ms. O'Brien\tand \x01" "co";
    accept("Caf\xe9 \"drink\"\\ a\x85", "cafe");
    for (const std::string& text : {formatIpuz(ed.doc), formatJpz(ed.doc)}) {
        const bool json = text.front() == '{';
        const ReadBack r = json ? readIpuz(text) : readJpz(text);
        SCOPED_TRACE(json ? "ipuz" : "jpz");
        expectMatchesDocument(r, ed.doc, 0);
        EXPECT_EQ(r.title, "Quotes \"&\" back\\slash <tags>");
        EXPECT_EQ(r.author, json ? QString("Ms. O'Brien\tand \x01" "co") : QString("Ms. O'Brien\tand  co"));
        EXPECT_EQ(r.clues[0].clue, QString::fromUtf8("Caf\u00e9 \"drink\"\\ a\u2026"));
        EXPECT_EQ(r.at({0, 0}).solution, QString::fromUtf8("\u201c"));  // the cleaned opening mark
    }
}

TEST_F(ExportTest, TitleAndAuthorFollowThePrintedHeader) {
    registerQuote("Less is more.");
    ed.doc.header.title = "Unprinted";
    ed.doc.header.createdBy = "Nobody";
    const std::string ipuz = formatIpuz(ed.doc);
    EXPECT_EQ(ipuz.find("Unprinted"), std::string::npos);
    EXPECT_EQ(ipuz.find("Nobody"), std::string::npos);
    EXPECT_TRUE(readIpuz(ipuz).clues.empty());
    EXPECT_TRUE(readJpz(formatJpz(ed.doc)).clues.empty());
}

TEST(ExportFile, NothingToExportWithoutAQuotation) {
    Document doc;
    EXPECT_THROW(formatIpuz(doc), ExportError);
    EXPECT_THROW(formatJpz(doc), ExportError);
}

TEST(ExportFile, FormatsFromNamesAndFilters) {
    EXPECT_EQ(exportFormatForName("a/Puzzle.IPUZ"), ExportFormat::Ipuz);
    EXPECT_EQ(exportFormatForName("key.jpz"), ExportFormat::Jpz);
    EXPECT_EQ(exportFormatForName("key.Pdf"), ExportFormat::Pdf);
    EXPECT_EQ(exportFormatForName("jpz"), std::nullopt);
    EXPECT_EQ(exportFormatForName("x.dat"), std::nullopt);
    EXPECT_EQ(exportFormatForFilter(2), ExportFormat::Ipuz);
    EXPECT_EQ(exportFormatForFilter(3), ExportFormat::Jpz);
    EXPECT_EQ(exportFormatForFilter(9), ExportFormat::Pdf);
    EXPECT_EQ(withExportExtension("week1", ExportFormat::Jpz), "week1.jpz");
    EXPECT_EQ(withExportExtension("week1.PDF", ExportFormat::Jpz), "week1.PDF");
}

TEST(ExportFile, WritesWholeFilesAndLeavesNothingOnFailure) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("qbrx_export_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string target = (dir / "p.ipuz").string();
    ASSERT_TRUE(writeExportFile(target, "first").ok);
    ASSERT_TRUE(writeExportFile(target, "second").ok);
    std::ifstream in(target, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    EXPECT_EQ(content.str(), "second");

    const ExportResult bad = writeExportFile((dir / "missing" / "p.jpz").string(), "x");
    EXPECT_FALSE(bad.ok);
    EXPECT_FALSE(bad.reason.empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    fs::remove_all(dir);
}

// Answers the save dialog from a script and records what was asked.
class DialogPrompter : public SilentPrompter {
public:
    std::deque<std::optional<std::string>> names;
    std::vector<FileRequest> dialogs;
    std::vector<MessageRequest> messages;
    Reply message(const MessageRequest& m) override {
        messages.push_back(m);
        return Reply::Ok;
    }
    std::optional<std::string> saveFile(const FileRequest& r) override {
        dialogs.push_back(r);
        auto name = names.front();
        names.pop_front();
        return name;
    }
};

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

TEST_F(ExportTest, ExportCommandWritesTheFormatTheNameAsksFor) {
    namespace fs = std::filesystem;
    registerQuote("Less is more.");
    accept("Fewer", "less");
    const fs::path dir = fs::temp_directory_path() / ("qbrx_exportcmd_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    DialogPrompter dialog;
    dialog.names = {(dir / "a.ipuz").string(), (dir / "b.JPZ").string(), (dir / "c").string(), std::nullopt};
    std::vector<std::string> pdfs;
    const ExportCommand::PdfWriter pdf = [&](const std::string& path, std::string&) {
        pdfs.push_back(path);
        return true;
    };
    ExportCommand command;
    EXPECT_TRUE(command.run(dialog, ed.doc, pdf));
    EXPECT_EQ(readIpuz(readFile(dir / "a.ipuz")).clues.at(0).answer, "LESS");
    EXPECT_TRUE(command.run(dialog, ed.doc, pdf));
    EXPECT_EQ(readJpz(readFile(dir / "b.JPZ")).clues.at(0).answer, "LESS");
    EXPECT_TRUE(pdfs.empty());
    EXPECT_TRUE(command.run(dialog, ed.doc, pdf));  // no extension: a PDF
    EXPECT_EQ(pdfs, (std::vector<std::string>{(dir / "c.pdf").string()}));
    EXPECT_FALSE(command.run(dialog, ed.doc, pdf));  // cancelled
    EXPECT_EQ(command.lastName, (dir / "c.pdf").string());

    ASSERT_EQ(dialog.dialogs.size(), 4u);
    EXPECT_EQ(dialog.dialogs[0].filter, kExportFilter);
    EXPECT_EQ(dialog.dialogs[0].initialName, "");
    EXPECT_EQ(dialog.dialogs[1].initialName + "|" + std::to_string(dialog.dialogs[1].filterIndex),
              (dir / "a.ipuz").string() + "|2");
    EXPECT_EQ(dialog.dialogs[2].filterIndex, 3);
    EXPECT_TRUE(dialog.messages.empty());
    fs::remove_all(dir);
}

TEST_F(ExportTest, ExportCommandReportsWhatItCannotDo) {
    DialogPrompter dialog;
    ExportCommand command;
    int pdfCalls = 0;
    const ExportCommand::PdfWriter failing = [&](const std::string&, std::string& error) {
        ++pdfCalls;
        error = "the layout overflowed";
        return false;
    };
    EXPECT_FALSE(command.run(dialog, ed.doc, failing));  // nothing registered: no dialog
    EXPECT_TRUE(dialog.dialogs.empty());
    ASSERT_EQ(dialog.messages.size(), 1u);
    EXPECT_EQ(dialog.messages[0].text, kNothingToExportMessage);

    registerQuote("Less is more.");
    dialog.names = {std::string("/tmp/x.pdf"), std::string("/nonexistent-folder/x.ipuz")};
    EXPECT_FALSE(command.run(dialog, ed.doc, failing));
    EXPECT_FALSE(command.run(dialog, ed.doc, failing));
    EXPECT_EQ(pdfCalls, 1);
    ASSERT_EQ(dialog.messages.size(), 3u);
    EXPECT_NE(dialog.messages[1].text.find("the layout overflowed"), std::string::npos);
    EXPECT_NE(dialog.messages[2].text.find("/nonexistent-folder/x.ipuz"), std::string::npos);
    EXPECT_EQ(dialog.messages[2].title, std::optional<std::string>(kExportTitle));
    EXPECT_EQ(dialog.messages[2].icon, Icon::Exclamation);
    EXPECT_EQ(command.lastName, "");
    EXPECT_FALSE(std::filesystem::exists("/nonexistent-folder"));
}

}  // namespace
}  // namespace qbrx::test
