// SPDX-License-Identifier: GPL-3.0-or-later
// Text helpers for Windows-1252 byte strings.
#pragma once

#include <string>
#include <string_view>

namespace qbrx {

// Appends code point c to out as UTF-8 (one to four bytes).
void appendUtf8(std::string& out, char32_t c);

// Upper and lower case of Windows-1252 text: a-z, and the accented letters
// (e.g. 233 -> 201), as the system's ANSI case mapping does.
unsigned char upperChar(unsigned char c);
unsigned char lowerChar(unsigned char c);
std::string upper(std::string_view s);
std::string lower(std::string_view s);

// Removes trailing spaces (code 32 only); changes the argument and returns it.
std::string trimRight(std::string& s);

// Conversion at the window boundary. Bytes 210 and 211 (the quotation marks
// that cleaning makes) show as U+201C and U+201D, and those two characters
// typed become 210 and 211; any character without a Windows-1252 code
// becomes "?".
std::string cp1252ToUtf8(std::string_view bytes);
std::string utf8ToCp1252(std::string_view utf8);

// The numeric value of a text: its leading decimal number (optional sign,
// digits, optional fraction) after any leading spaces; 0 when the text does
// not start with a number.
double leadingNumber(std::string_view s);

// The vowels, in lower case: the letters counted as vowels everywhere in
// the program (y is not one of them).
inline constexpr std::string_view kVowels = "aeiou";
constexpr bool isVowel(char c) { return kVowels.find(c) != std::string_view::npos; }

}  // namespace qbrx
