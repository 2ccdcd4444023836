// SPDX-License-Identifier: GPL-3.0-or-later
// Escaping text (UTF-8) for the exported files.
#pragma once

#include <string>
#include <string_view>

namespace qbrx {

// The text (UTF-8) as a quoted JSON string: quotes, backslashes and control
// characters escaped. With inScript, "<", ">" and "&" are escaped too, so
// that the string can stand inside an HTML <script> element.
std::string jsonString(std::string_view s, bool inScript = false);

// The text as XML character data or an attribute value: the five markup
// characters as entities, tab and line breaks as character references, and
// the other control characters, which XML 1.0 cannot hold, as spaces.
std::string xmlText(std::string_view s);

// The character a JSON escape "\\<letter>" stands for ('/' included), or 0
// when `letter` is not one of the one-letter escapes ("\\u" is not).
char jsonUnescaped(char letter);

// The text with "&", "<" and ">" (and, with quotes, '"') written as HTML
// entities.
std::string htmlText(std::string_view s, bool quotes = false);

}  // namespace qbrx
