// Escaping text (UTF-8) for the exported files.
#pragma once

#include <string>
#include <string_view>

namespace qbrx {

// The text (UTF-8) as a quoted JSON string: quotes, backslashes and control
// characters escaped. With inScript, "<", ">" and "&" are escaped too, so
// that the string can stand inside an HTML <script> element.
std::string jsonString(std::string_view s, bool inScript = false);

// The text with "&", "<" and ">" (and, with quotes, '"') written as HTML
// entities.
std::string htmlText(std::string_view s, bool quotes = false);

}  // namespace qbrx
