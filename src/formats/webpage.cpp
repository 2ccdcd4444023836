// SPDX-License-Identifier: GPL-3.0-or-later
// The web page writer: the puzzle as JSON inside the built-in page. The data
// is compact (the script draws the page from it):
//
//   grid    one entry per cell in reading order: null outside the
//           quotation, 0 a space (black), "," a character shown as it is,
//           N (from 1) a hidden letter with its number, [N, "E"] a letter
//           given on the puzzle
//   hash    8 hex digits per letter number 1, 2, ... (webLetterHash)
//   clues   [label, question, [item, ...]] with an item per answer
//           character: N a box for square N, "E" a letter given (a gap),
//           " " a space, "-" other characters as they are
//   crostic null, or one item per blank: q the 0-based question whose first
//           letter goes there, or a string given as it is
//   solved  the quotation and the crostic as a JSON array, enciphered with
//           the solution (see encipher)
#include "webpage.h"

#include <cstdio>
#include <map>

#include "export.h"
#include "textescape.h"

namespace qbrx {

namespace {

std::string hex8(std::uint32_t value) {
    char buf[9];
    std::snprintf(buf, sizeof buf, "%08x", value);
    return buf;
}

// A JSON string that can stand inside the page's <script> element.
std::string scriptString(std::string_view s) { return jsonString(s, true); }

// The UTF-8 characters of a text, one string each.
std::vector<std::string> characters(std::string_view s) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) == 0x80 && !out.empty())
            out.back() += s[i];
        else
            out.emplace_back(1, s[i]);
    }
    return out;
}

bool isAsciiLetter(const std::string& c) {
    return c.size() == 1 && ((c[0] >= 'A' && c[0] <= 'Z') || (c[0] >= 'a' && c[0] <= 'z'));
}

// The crostic as printed: a "~" after the first character cuts it off.
std::string shownCrostic(const std::string& crostic) {
    const std::size_t tilde = crostic.find('~', 1);
    return tilde == std::string::npos ? crostic : crostic.substr(0, tilde);
}

// XOR with a keystream (xorshift32) seeded by the hash of the key; the
// page deciphers with the letters the student typed.
std::string encipher(std::string_view text, const std::string& key) {
    std::uint32_t state = webHash(key);
    if (state == 0) state = 1;
    std::string out;
    for (const char ch : text) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        char buf[3];
        std::snprintf(buf, sizeof buf, "%02x", (static_cast<unsigned char>(ch) ^ state) & 0xFFu);
        out += buf;
    }
    return out;
}

std::string clueItems(const ExportPuzzle& p, const ExportClue& clue) {
    std::string out = "[";
    std::size_t cell = 0;
    for (const std::string& c : characters(clue.pattern)) {
        if (out.size() > 1) out += ',';
        if (c == "_" && cell < clue.cells.size()) {
            const GridPoint g = clue.cells[cell++];
            out += std::to_string(p.at(g.column, g.row).number);
        } else if (c == " ") {
            out += "\" \"";
        } else if (static_cast<unsigned char>(c[0]) >= 'A') {
            out += scriptString(c);  // a gap letter
        } else {
            out += "\"-" + scriptString(c).substr(1);
        }
    }
    return out + "]";
}

std::string crosticItems(const ExportPuzzle& p) {
    std::string out = "[";
    std::size_t question = 0;
    for (const std::string& c : characters(shownCrostic(p.crostic))) {
        if (out.size() > 1) out += ',';
        if (!isAsciiLetter(c))
            out += scriptString(c);
        else if (question < p.clues.size())
            out += std::to_string(question++);
        else
            out += "\"\"";
    }
    return out + "]";
}

}  // namespace

std::uint32_t webHash(std::string_view bytes) {
    std::uint32_t h = 2166136261u;
    for (const char ch : bytes) {
        h ^= static_cast<unsigned char>(ch);
        h *= 16777619u;
    }
    return h;
}

std::string webLetterHash(const std::string& salt, int number, std::string_view letter) {
    return hex8(webHash(salt + ":" + std::to_string(number) + ":" + std::string(letter)));
}

std::string formatWebPage(const ExportPuzzle& p, const WebPageOptions& options) {
    // Letter number -> letter, in number order.
    std::map<int, std::string> letters;
    for (const ExportCell& cell : p.cells)
        if (cell.kind == CellKind::Letter && cell.number > 0) letters[cell.number] = cell.text;

    // The salt is drawn from the puzzle itself, so that the same puzzle
    // exported again gets the same page (and the student's saved letters).
    std::string fingerprint = p.quotation + "\x1f" + p.title;
    for (const auto& [number, letter] : letters) fingerprint += std::to_string(number) + letter;
    for (const ExportClue& c : p.clues) fingerprint += "\x1f" + c.clue + "\x1f" + c.pattern;
    for (const ExportClue& c : p.clues)
        for (const GridPoint& g : c.cells) fingerprint += std::to_string(p.at(g.column, g.row).number) + ",";
    const std::string salt = hex8(webHash(fingerprint));

    std::string grid, hashes, solution = salt + ":";
    for (const ExportCell& cell : p.cells) {
        if (!grid.empty()) grid += ',';
        switch (cell.kind) {
            case CellKind::Outside:
                grid += "null";
                break;
            case CellKind::Space:
                grid += '0';
                break;
            case CellKind::Other:
                grid += scriptString(cell.text);
                break;
            case CellKind::Letter:
                if (cell.given)
                    grid += "[" + std::to_string(cell.number) + "," + scriptString(cell.text) + "]";
                else
                    grid += std::to_string(cell.number);
                break;
        }
    }
    for (const auto& [number, letter] : letters) {
        hashes += webLetterHash(salt, number, letter);
        solution += letter;
    }

    std::string clues;
    for (const ExportClue& c : p.clues) {
        if (!clues.empty()) clues += ",\n";
        clues += "[" + scriptString(c.label) + "," + scriptString(c.clue) + "," + clueItems(p, c) + "]";
    }

    const bool crostic = options.crostic && p.crostic.find_first_not_of(' ') != std::string::npos;
    const std::string source = shownCrostic(p.crostic);
    const std::string message =
        "[" + scriptString(p.quotation) + "," +
        scriptString(source.find_first_not_of(' ') == std::string::npos ? "" : source) + "]";

    std::string data = "{\"id\":\"" + salt + "\",\n";
    data += "\"title\":" + scriptString(p.title) + ",\n";
    data += "\"by\":" + scriptString(p.author) + ",\n";
    data += "\"intro\":" + scriptString(p.instructions) + ",\n";
    data += "\"cols\":" + std::to_string(p.width) + ",\"rows\":" + std::to_string(p.height) + ",\n";
    data += "\"reveal\":" + std::string(options.reveal ? "true" : "false") + ",\n";
    data += "\"grid\":[" + grid + "],\n";
    data += "\"hash\":\"" + hashes + "\",\n";
    data += "\"clues\":[\n" + clues + "],\n";
    data += "\"crostic\":" + (crostic ? crosticItems(p) : std::string("null")) + ",\n";
    data += "\"solved\":\"" + encipher(message, solution) + "\"}";

    // The template holds {{TITLE}} once, then {{DATA}} once.
    const std::string_view page = kWebPageTemplate;
    const std::size_t title = page.find("{{TITLE}}");
    const std::size_t json = page.find("{{DATA}}", title == std::string_view::npos ? 0 : title);
    if (title == std::string_view::npos || json == std::string_view::npos)
        throw ExportError("The web page template is damaged.");
    std::string out;
    out.reserve(page.size() + data.size() + 200);
    out += page.substr(0, title);
    out += htmlText(p.title.empty() ? std::string("Acrostic puzzle") : p.title, true);
    out += page.substr(title + 9, json - title - 9);
    out += data;
    out += page.substr(json + 8);
    return out;
}

std::string formatWebPage(const Document& doc, const WebPageOptions& options) {
    return formatWebPage(buildExportPuzzle(doc), options);
}

}  // namespace qbrx
