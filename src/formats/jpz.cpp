// SPDX-License-Identifier: GPL-3.0-or-later
// JPZ writer: plain (uncompressed) crossword-applet XML. Text and attribute
// values go through xmlText, which escapes markup characters and drops the
// control characters that XML 1.0 cannot hold.
#include "export.h"
#include "textescape.h"

namespace qbrx {

namespace {

std::string attr(const char* name, std::string_view value) {
    return std::string(" ") + name + "=\"" + xmlText(value) + "\"";
}

std::string cellElement(const ExportCell& cell, int column, int row) {
    std::string out =
        "        <cell" + attr("x", std::to_string(column + 1)) + attr("y", std::to_string(row + 1));
    switch (cell.kind) {
        case CellKind::Outside:
            out += attr("type", "void");
            break;
        case CellKind::Space:
            out += attr("type", "block");
            break;
        case CellKind::Other:
            out += attr("solution", cell.text) + attr("solve-state", cell.text) + attr("hint", "true");
            break;
        case CellKind::Letter:
            out += attr("solution", cell.text) + attr("number", std::to_string(cell.number));
            if (!cell.owner.empty()) out += attr("top-right-number", cell.owner);
            if (cell.given) out += attr("solve-state", cell.text) + attr("hint", "true");
            break;
    }
    return out + "/>\n";
}

}  // namespace

std::string formatJpz(const ExportPuzzle& p) {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<crossword-compiler-applet xmlns=\"http://crossword.info/xml/crossword-compiler-applet\">\n";
    // Shown by a solving program once every letter is right.
    out += "  <applet-settings>\n";
    out += "    <completion only-if-correct=\"true\">" + xmlText(completionMessage(p)) + "</completion>\n";
    out += "  </applet-settings>\n";
    out +=
        "  <rectangular-puzzle xmlns=\"http://crossword.info/xml/rectangular-puzzle\" "
        "alphabet=\"ABCDEFGHIJKLMNOPQRSTUVWXYZ\">\n";
    out += "    <metadata>\n";
    out += "      <title>" + xmlText(p.title) + "</title>\n";
    out += "      <creator>" + xmlText(p.author) + "</creator>\n";
    out += "      <copyright></copyright>\n";
    out += "      <description></description>\n";
    out += "    </metadata>\n";
    out += "    <acrostic>\n";
    out += "      <grid" + attr("width", std::to_string(p.width)) + attr("height", std::to_string(p.height)) +
           ">\n";
    out += "        <grid-look numbering-scheme=\"normal\"/>\n";
    for (int r = 0; r < p.height; ++r)
        for (int c = 0; c < p.width; ++c) out += cellElement(p.at(c, r), c, r);
    out += "      </grid>\n";
    for (std::size_t i = 0; i < p.clues.size(); ++i) {
        out += "      <word" + attr("id", std::to_string(i + 1)) + ">\n";
        for (const GridPoint& g : p.clues[i].cells)
            out += "        <cells" + attr("x", std::to_string(g.column + 1)) +
                   attr("y", std::to_string(g.row + 1)) + "/>\n";
        out += "      </word>\n";
    }
    // The quotation as one word of every cell a solver fills or reads, in
    // reading order: acrostic readers know the puzzle by it and its
    // [QUOTE] clue.
    const std::string quoteWord = std::to_string(p.clues.size() + 1);
    out += "      <word" + attr("id", quoteWord) + ">\n";
    for (int r = 0; r < p.height; ++r)
        for (int c = 0; c < p.width; ++c) {
            const CellKind kind = p.at(c, r).kind;
            if (kind == CellKind::Letter || kind == CellKind::Other)
                out += "        <cells" + attr("x", std::to_string(c + 1)) +
                       attr("y", std::to_string(r + 1)) + "/>\n";
        }
    out += "      </word>\n";
    out += "      <clues ordering=\"normal\">\n";
    out += "        <title><b>Clues</b></title>\n";
    for (std::size_t i = 0; i < p.clues.size(); ++i) {
        const ExportClue& c = p.clues[i];
        out += "        <clue" + attr("word", std::to_string(i + 1)) + attr("number", c.label) +
               attr("answer", c.answer) + attr("pattern", c.pattern) + ">" + xmlText(c.solverText()) +
               "</clue>\n";
    }
    out += "        <clue" + attr("word", quoteWord) + attr("number", "") + ">[QUOTE]</clue>\n";
    out += "      </clues>\n";
    out += "    </acrostic>\n";
    out += "  </rectangular-puzzle>\n";
    out += "</crossword-compiler-applet>\n";
    return out;
}

}  // namespace qbrx
