// ipuz writer. JSON is written by hand: every string goes through
// jsonString, which escapes quotes, backslashes and control characters.
#include <cstdio>

#include "export.h"

namespace qbrx {

namespace {

std::string jsonString(std::string_view s) {
    std::string out = "\"";
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += ch;
                }
        }
    }
    return out + "\"";
}

std::string puzzleCell(const ExportCell& cell) {
    switch (cell.kind) {
        case CellKind::Outside: return "null";
        case CellKind::Space: return "\"#\"";
        case CellKind::Other: return "{\"cell\": 0, \"value\": " + jsonString(cell.text) + "}";
        case CellKind::Letter:
            if (cell.given) return "{\"cell\": " + std::to_string(cell.number) + ", \"value\": " + jsonString(cell.text) + "}";
            return std::to_string(cell.number);
    }
    return "null";
}

std::string solutionCell(const ExportCell& cell) {
    switch (cell.kind) {
        case CellKind::Outside: return "null";
        case CellKind::Space: return "\"#\"";
        case CellKind::Other:
        case CellKind::Letter: return jsonString(cell.text);
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
    if (!p.title.empty()) out += "  \"title\": " + jsonString(p.title) + ",\n";
    if (!p.author.empty()) out += "  \"author\": " + jsonString(p.author) + ",\n";
    out += "  \"block\": \"#\",\n";
    out += "  \"empty\": 0,\n";
    out += "  \"dimensions\": {\"width\": " + std::to_string(p.width) + ", \"height\": " + std::to_string(p.height) + "},\n";
    out += "  \"puzzle\": " + gridRows(p, puzzleCell) + ",\n";
    out += "  \"solution\": " + gridRows(p, solutionCell) + ",\n";
    out += "  \"clues\": {\n    \"Clues\": [";
    for (std::size_t i = 0; i < p.clues.size(); ++i) {
        const ExportClue& c = p.clues[i];
        out += i == 0 ? "\n" : ",\n";
        out += "      {\"label\": " + jsonString(c.label) + ", \"clue\": " + jsonString(c.clue) +
               ", \"answer\": " + jsonString(c.answer) + ", \"quotabrix:pattern\": " + jsonString(c.pattern) +
               ", \"cells\": [";
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
