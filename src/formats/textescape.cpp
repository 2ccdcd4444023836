// SPDX-License-Identifier: GPL-3.0-or-later
#include "textescape.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
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

std::string xmlText(std::string_view s) {
    std::string out;
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            case '\t':
                out += "&#9;";
                break;
            case '\n':
                out += "&#10;";
                break;
            case '\r':
                out += "&#13;";
                break;
            default:
                if (c < 0x20)
                    out += ' ';
                else
                    out += ch;
        }
    }
    return out;
}

std::string htmlText(std::string_view s, bool quotes) {
    std::string out;
    for (const char ch : s) {
        switch (ch) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                if (quotes)
                    out += "&quot;";
                else
                    out += ch;
                break;
            default:
                out += ch;
        }
    }
    return out;
}

}  // namespace qbrx
