// SPDX-License-Identifier: GPL-3.0-or-later
#include "textescape.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>
#include <utility>

namespace qbrx {

namespace {

// JSON's one-letter escapes: the character, and the letter after the backslash.
constexpr std::pair<char, char> kJsonEscapes[] = {{'"', '"'},  {'\\', '\\'}, {'\n', 'n'}, {'\r', 'r'},
                                                  {'\t', 't'}, {'\b', 'b'},  {'\f', 'f'}};

}  // namespace

char jsonUnescaped(char letter) {
    if (letter == '/') return '/';
    for (const auto& [c, e] : kJsonEscapes)
        if (e == letter) return c;
    return 0;
}

std::string jsonString(std::string_view s, bool inScript) {
    std::string out = "\"";
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        const auto escape = std::find_if(std::begin(kJsonEscapes), std::end(kJsonEscapes),
                                         [ch](const std::pair<char, char>& e) { return e.first == ch; });
        if (escape != std::end(kJsonEscapes)) {
            out += '\\';
            out += escape->second;
            continue;
        }
        if (c < 0x20 || (inScript && (c == '<' || c == '>' || c == '&'))) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

namespace {

// The markup characters' entities, shared by XML and HTML text.
const char* markupEntity(char ch) {
    switch (ch) {
        case '&':
            return "&amp;";
        case '<':
            return "&lt;";
        case '>':
            return "&gt;";
        case '"':
            return "&quot;";
        case '\'':
            return "&apos;";
        default:
            return nullptr;
    }
}

}  // namespace

std::string xmlText(std::string_view s) {
    std::string out;
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (const char* entity = markupEntity(ch))
            out += entity;
        else if (c == '\t' || c == '\n' || c == '\r')
            out += "&#" + std::to_string(c) + ";";
        else if (c < 0x20)
            out += ' ';
        else
            out += ch;
    }
    return out;
}

std::string htmlText(std::string_view s, bool quotes) {
    std::string out;
    for (const char ch : s) {
        const char* entity = ch == '\'' || (ch == '"' && !quotes) ? nullptr : markupEntity(ch);
        if (entity)
            out += entity;
        else
            out += ch;
    }
    return out;
}

}  // namespace qbrx
