#include "textescape.h"

#include <cstdio>

namespace qbrx {

std::string jsonString(std::string_view s, bool inScript) {
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
                if (c < 0x20 || (inScript && (c == '<' || c == '>' || c == '&'))) {
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

std::string htmlText(std::string_view s, bool quotes) {
    std::string out;
    for (const char ch : s) {
        switch (ch) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"':
                if (quotes) out += "&quot;";
                else out += ch;
                break;
            default: out += ch;
        }
    }
    return out;
}

}  // namespace qbrx
