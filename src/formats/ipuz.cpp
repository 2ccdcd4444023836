// SPDX-License-Identifier: GPL-3.0-or-later
// ipuz writer. JSON is written by hand: every string goes through
// jsonString, which escapes quotes, backslashes and control characters.
// Text fields that a solving program may render as HTML (title, author,
// clues, intro, explanation) go through htmlText first (textescape.h), so that "&", "<"
// and ">" arrive as themselves.
#include "export.h"
#include "textescape.h"

namespace qbrx {

namespace {

std::string jsonText(std::string_view s) { return jsonString(htmlText(s)); }

std::string puzzleCell(const ExportCell& cell) {
    switch (cell.kind) {
        case CellKind::Outside:
            return "null";
        case CellKind::Space:
            return "\"#\"";
        case CellKind::Other:
            return "{\"cell\": 0, \"value\": " + jsonString(cell.text) + "}";
        case CellKind::Letter: {
            const std::string number = std::to_string(cell.number);
            if (cell.given) return "{\"cell\": " + number + ", \"value\": " + jsonString(cell.text) + "}";
            // The label of the answer that takes the letter, top right as printed.
            if (!cell.owner.empty())
                return "{\"cell\": " + number + ", \"style\": {\"mark\": {\"TR\": " + jsonString(cell.owner) +
                       "}}}";
            return number;
        }
    }
    return "null";
}

// The crostic as a solver reads it: the part before the cut-off mark, when
// it holds a letter at all.
std::string crosticShown(const std::string& crostic) {
    std::string shown = crostic.substr(0, crostic.find('~'));
    while (!shown.empty() && shown.back() == ' ') shown.pop_back();
    for (const char c : shown)
        if (c != ' ') return shown;
    return {};
}

std::string solutionCell(const ExportCell& cell) {
    switch (cell.kind) {
        case CellKind::Outside:
            return "null";
        case CellKind::Space:
            return "\"#\"";
        case CellKind::Other:
        case CellKind::Letter:
            return jsonString(cell.text);
    }
    return "null";
}

template <typename CellText>
std::string gridRows(const ExportPuzzle& p, CellText cellText) {
    std::string out = "[\n";
    for (int r = 0; r < p.height; ++r) {
        out += "    [";
        for (int c = 0; c < p.width; ++c) {
            if (c > 0) out += ", ";
            out += cellText(p.at(c, r));
        }
        out += r + 1 < p.height ? "],\n" : "]\n";
    }
    return out + "  ]";
}

}  // namespace

std::string formatIpuz(const ExportPuzzle& p) {
    std::string out = "{\n";
    out += "  \"version\": \"http://ipuz.org/v2\",\n";
    out += "  \"kind\": [\"http://ipuz.org/acrostic#1\"],\n";
    out += "  \"origin\": \"Quotabrix\",\n";
    if (!p.title.empty()) out += "  \"title\": " + jsonText(p.title) + ",\n";
    if (!p.author.empty()) out += "  \"author\": " + jsonText(p.author) + ",\n";
    if (!p.instructions.empty()) out += "  \"intro\": " + jsonText(p.instructions) + ",\n";
    // Shown once the puzzle is solved: the crostic, and the quotation with
    // its author when the author is given.
    std::string explanation = crosticShown(p.crostic);
    if (!p.quotationBy.empty()) explanation += (explanation.empty() ? "" : "\n") + completionMessage(p);
    if (!explanation.empty()) out += "  \"explanation\": " + jsonText(explanation) + ",\n";
    // What only Quotabrix reads back: the texts as typed and the header
    // options, so that a puzzle opened from this file is the one saved.
    out += "  \"org.quotabrix.quotation\": " + jsonString(p.quotation) + ",\n";
    out += "  \"org.quotabrix.crostic\": " + jsonString(p.crostic) + ",\n";
    if (!p.quotationBy.empty())
        out += "  \"org.quotabrix.quotationBy\": " + jsonString(p.quotationBy) + ",\n";
    out += std::string("  \"org.quotabrix.header\": {\"name\": ") + (p.nameLine ? "true" : "false") +
           ", \"periodDate\": " + (p.periodDateLine ? "true" : "false") +
           ", \"miniInstructions\": " + (p.miniInstructions ? "true" : "false") + "},\n";
    out += "  \"block\": \"#\",\n";
    out += "  \"empty\": 0,\n";
    out += "  \"dimensions\": {\"width\": " + std::to_string(p.width) +
           ", \"height\": " + std::to_string(p.height) + "},\n";
    out += "  \"puzzle\": " + gridRows(p, puzzleCell) + ",\n";
    out += "  \"solution\": " + gridRows(p, solutionCell) + ",\n";
    out += "  \"clues\": {\n    \"Clues\": [";
    for (std::size_t i = 0; i < p.clues.size(); ++i) {
        const ExportClue& c = p.clues[i];
        out += i == 0 ? "\n" : ",\n";
        out += "      {\"label\": " + jsonString(c.label) + ", \"clue\": " + jsonText(c.solverText()) +
               ", \"answer\": " + jsonString(c.answer) +
               ", \"org.quotabrix.pattern\": " + jsonString(c.pattern) +
               ", \"org.quotabrix.question\": " + jsonString(c.clue) +
               ", \"org.quotabrix.answer\": " + jsonString(c.typedAnswer) + ", \"cells\": [";
        for (std::size_t k = 0; k < c.cells.size(); ++k) {
            if (k > 0) out += ", ";
            out += "[" + std::to_string(c.cells[k].column) + ", " + std::to_string(c.cells[k].row) + "]";
        }
        out += "]}";
    }
    out += p.clues.empty() ? "]\n" : "\n    ]\n";
    out += "  }\n}\n";
    return out;
}

}  // namespace qbrx
