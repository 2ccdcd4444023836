// SPDX-License-Identifier: GPL-3.0-or-later
// The ipuz and JPZ files read back with Qt's own JSON and XML readers, as a
// solving program would read them, and rebuilt into the quotation and answers.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamReader>
#include <algorithm>
#include <stdexcept>

#include "../core/editorfixture.h"
#include "export.h"
#include "gridcells.h"
#include "text.h"

namespace qbrx::test {
namespace {

// What a file gives a solver, in one shape for both formats.
// given: the value shown to the solver from the start.
struct ReadCell {
    bool outside, block;
    int number;
    QString solution, given, label;
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
    bool jpz = false;
    std::vector<GridPoint> quoteWord;  // JPZ: the cells of the [QUOTE] clue's word
    int quoteClues = 0;                // JPZ: clues reading [QUOTE] with an empty number
    std::size_t index(GridPoint g) const {
        if (g.column < 0 || g.column >= width || g.row < 0 || g.row >= height)
            throw std::out_of_range("cell outside the grid");
        return static_cast<std::size_t>(g.row * width + g.column);
    }
    const ReadCell& at(GridPoint g) const { return cells[index(g)]; }
};

// A text field of an ipuz file as a solving program shows it: it may hold
// HTML, so markup characters must come as entities, which turn back into
// the characters.
QString fromHtml(const QJsonValue& field) {
    QString s = field.toString();
    EXPECT_FALSE(s.contains('<') || s.contains('>')) << s.toStdString();
    for (qsizetype i = s.indexOf('&'); i >= 0; i = s.indexOf('&', i + 1))
        EXPECT_TRUE(s.mid(i, 5) == "&amp;" || s.mid(i, 4) == "&lt;" || s.mid(i, 4) == "&gt;")
            << s.toStdString();
    return s.replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&");
}

ReadBack readIpuz(const std::string& text) {
    QJsonParseError err;
    const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(text), &err).object();
    EXPECT_EQ(err.error, QJsonParseError::NoError) << err.errorString().toStdString();
    EXPECT_EQ(root["version"].toString(), "http://ipuz.org/v2");
    EXPECT_EQ(root["kind"][0].toString(), "http://ipuz.org/acrostic#1");
    ReadBack r;
    r.title = fromHtml(root["title"]);
    r.author = fromHtml(root["author"]);
    r.width = root["dimensions"]["width"].toInt();
    r.height = root["dimensions"]["height"].toInt();
    const QJsonArray puzzle = root["puzzle"].toArray(), solution = root["solution"].toArray();
    EXPECT_EQ(puzzle.size(), r.height);
    EXPECT_EQ(solution.size(), r.height);
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x) {
            const QJsonValue p = puzzle[y][x], s = solution[y][x];
            r.cells.push_back({p.isNull(), p.toString() == "#", p.isObject() ? p["cell"].toInt() : p.toInt(),
                               s.toString(), p["value"].toString(), p["style"]["mark"]["TR"].toString()});
            EXPECT_EQ(s.isNull(), p.isNull()) << x << "," << y;
            EXPECT_EQ(s.toString() == "#", p.toString() == "#") << x << "," << y;
        }
    for (const QJsonValue v : root["clues"]["Clues"].toArray()) {
        r.clues.push_back({v["label"].toString(),
                           fromHtml(v["clue"]),
                           v["answer"].toString(),
                           v["org.quotabrix.pattern"].toString(),
                           {}});
        for (const QJsonValue g : v["cells"].toArray())
            r.clues.back().cells.push_back({g[0].toInt(), g[1].toInt()});
    }
    return r;
}

ReadBack readJpz(const std::string& text) {
    QXmlStreamReader xml(QByteArray::fromStdString(text));
    ReadBack r;
    r.jpz = true;
    std::vector<std::vector<GridPoint>> words;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QXmlStreamAttributes a = xml.attributes();
        const QString name = xml.name().toString();
        auto text = [&a](const char* key) { return a.value(key).toString(); };
        const GridPoint g{text("x").toInt() - 1, text("y").toInt() - 1};
        if (name == "title" && r.width == 0)
            r.title = xml.readElementText();  // the metadata's, before the grid
        if (name == "creator") r.author = xml.readElementText();
        if (name == "grid") {
            r.width = text("width").toInt();
            r.height = text("height").toInt();
            r.cells.resize(static_cast<std::size_t>(r.width * r.height));
        }
        if (name == "cell")
            r.cells[r.index(g)] = {text("type") == "void", text("type") == "block", text("number").toInt(),
                                   text("solution"),       text("solve-state"),     text("top-right-number")};
        if (name == "word") words.emplace_back();
        if (name == "cells") words.back().push_back(g);
        if (name == "clue") {
            const std::vector<GridPoint>& word = words.at(static_cast<std::size_t>(text("word").toInt() - 1));
            const QString number = text("number"), clue = xml.readElementText();
            if (clue == "[QUOTE]" && number.isEmpty()) {
                ++r.quoteClues;
                r.quoteWord = word;
            } else {
                r.clues.push_back({number, clue, text("answer"), text("pattern"), word});
            }
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return r;
}

QString utf8(const std::string& cp1252) { return QString::fromStdString(cp1252ToUtf8(cp1252)); }

// Rebuilds the quotation and every answer from a file and checks them
// against the document: the cells are the grid model's (blank, numbered,
// labelled as it says) and spell the quotation, each answer spells back
// from its cells, which carry the numbers printed under its blanks, and
// exactly the letters no answer takes (and punctuation) are given.
void expectMatchesDocument(const ReadBack& r, const Document& doc) {
    const GridGeometry g = computeGridGeometry(doc.quoteLength);
    ASSERT_EQ(r.width, g.columns);
    ASSERT_EQ(r.height, g.rows);
    const std::vector<GridCell> model = gridCells(doc, g);
    ASSERT_EQ(r.cells.size(), model.size());
    QString quote;
    for (std::size_t i = 0; i < r.cells.size(); ++i) {
        const ReadCell& c = r.cells[i];
        EXPECT_EQ(c.outside, model[i].outside()) << i;
        EXPECT_EQ(c.number, model[i].number) << i;
        EXPECT_EQ(c.label, QString::fromStdString(model[i].ownerLabel)) << i;
        if (!c.outside) quote += c.block ? QString(" ") : c.solution;
    }
    EXPECT_EQ(quote, utf8(upper(doc.quotation)));

    std::vector<bool> taken(r.cells.size());
    ASSERT_EQ(r.clues.size(), static_cast<std::size_t>(doc.questionCount));
    for (std::size_t q = 1; q <= r.clues.size(); ++q) {
        const ReadClue& c = r.clues[q - 1];
        ASSERT_EQ(c.label, QString::fromStdString(questionLetter[q]));
        // A clue with a gap shows the whole pattern, letter by letter.
        QString shownPattern;
        for (const QChar ch : c.pattern)
            shownPattern += (shownPattern.isEmpty() ? "" : " ") + QString(ch == ' ' ? QChar('/') : ch);
        const bool gap =
            std::any_of(c.pattern.begin(), c.pattern.end(), [](QChar ch) { return ch.isLetter(); });
        EXPECT_EQ(c.clue, gap ? utf8(doc.question[q]) + " (" + shownPattern + ")" : utf8(doc.question[q]));
        EXPECT_EQ(c.answer, utf8(upper(doc.answer[q])));
        ASSERT_EQ(c.pattern.count('_'), static_cast<qsizetype>(c.cells.size()));
        QString spelt;  // each "_" takes the next cell's letter
        auto cell = c.cells.begin();
        for (const QChar ch : c.pattern) spelt += ch == '_' ? r.at(*cell++).solution : QString(ch);
        EXPECT_EQ(spelt, c.answer);
        std::vector<int> printed, inFile;
        for (const int n : doc.answerLetterNo[q])
            if (n > 0) printed.push_back(n);
        for (const GridPoint& p : c.cells) {
            inFile.push_back(r.at(p).number);
            taken[r.index(p)] = true;
            EXPECT_EQ(r.at(p).label, c.label) << "cell " << p.column << "," << p.row;
        }
        EXPECT_EQ(inFile, printed);
    }
    std::vector<GridPoint> quotationCells;
    for (std::size_t i = 0; i < r.cells.size(); ++i) {
        const ReadCell& c = r.cells[i];
        if (c.outside || c.block) continue;
        quotationCells.push_back({static_cast<int>(i) % r.width, static_cast<int>(i) / r.width});
        EXPECT_EQ(c.given, c.number > 0 && taken[i] ? QString() : c.solution) << i;
    }
    if (r.jpz) {
        EXPECT_EQ(r.quoteClues, 1);
        EXPECT_EQ(r.quoteWord, quotationCells);
    }
}

class ExportTest : public EditorTest {
protected:
    // Registers the quotation, accepts the answers and reads both files back.
    std::vector<ReadBack> build(const std::string& quote,
                                const std::vector<std::pair<std::string, std::string>>& clues) {
        registerQuote(quote);
        for (const auto& [question, answer] : clues) accept(question, answer);
        return readBoth();
    }
    std::vector<ReadBack> readBoth() { return {readIpuz(formatIpuz(ed.doc)), readJpz(formatJpz(ed.doc))}; }
};

TEST_F(ExportTest, TwoRowGridWithPunctuationAGapAndEscapedText) {
    EXPECT_THROW(formatJpz(ed.doc), ExportError);  // no quotation yet
    // An empty clue list first.
    for (const ReadBack& r : build("\"Less\" is more & <caf\xe9>.", {})) expectMatchesDocument(r, ed.doc);
    // S 9, E 14, the second E is a gap; 12 columns.
    build("\"Less\" is more & <caf\xe9>.", {{"Fewer \"&\" a\x85", "less"}, {"Spot", "see"}});
    ed.doc.header.title = "Quotes \"&\" back\\slash <tags>";
    ed.doc.header.createdBy =
        "Ms. O'Brien\tand \x01"
        "co";
    for (const ReadBack& r : readBoth()) {  // not printed
        EXPECT_EQ(r.title, QString());
        EXPECT_EQ(r.author, QString());
    }
    ed.doc.header.titleGiven = ed.doc.header.createdByGiven = true;
    // The instruction line and the crostic (before its cut-off mark) for the solver.
    ed.doc.crostic = "LS~X";
    const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(formatIpuz(ed.doc))).object();
    EXPECT_EQ(root["intro"].toString().toStdString(), kMiniInstructions);
    EXPECT_EQ(root["explanation"].toString(), "LS");
    for (const ReadBack& r : readBoth()) {
        SCOPED_TRACE(r.jpz ? "jpz" : "ipuz");
        expectMatchesDocument(r, ed.doc);
        EXPECT_EQ(r.clues.at(1).pattern, "__E");
        EXPECT_EQ(r.at({0, 0}).solution, QString::fromUtf8("\u201c"));  // 210
        EXPECT_EQ(r.at({5, 0}).solution, QString::fromUtf8("\u201d"));  // 211
        EXPECT_EQ(r.clues.at(0).clue, QString::fromUtf8("Fewer \"&\" a\u2026"));
        EXPECT_EQ(r.title, "Quotes \"&\" back\\slash <tags>");
        EXPECT_EQ(r.author, r.jpz ? QString("Ms. O'Brien\tand  co")
                                  : QString("Ms. O'Brien\tand \x01"
                                            "co"));
    }
}

TEST_F(ExportTest, LeadingBlanksShiftEveryCell) {
    // 86 characters: 5 rows of 18 columns, 2 leading and 2 trailing blanks.
    const auto files =
        build("It's not the years in your life that count. It's the life in your years, said Lincoln!",
              {{"Sixteenth president", "Lincoln"},
               {"Frozen dessert", "ice-cream"},
               {"Striped animal, twice", "zebra zz"}});  // no Z, no B in the quotation: gaps
    for (const ReadBack& r : files) {
        expectMatchesDocument(r, ed.doc);
        EXPECT_EQ(r.at({2, 0}).number, 1);  // the I of "It's"
        EXPECT_TRUE(r.clues.at(2).pattern.startsWith("Z_"));
        EXPECT_TRUE(r.clues.at(2).pattern.contains(" ZZ"));
    }
}

}  // namespace
}  // namespace qbrx::test
