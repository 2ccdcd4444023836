// SPDX-License-Identifier: GPL-3.0-or-later
// Document text (Windows-1252 bytes) and Qt's strings: the one conversion
// that the windows, the prompter and the printer go through.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "text.h"

namespace qbrx {

inline QString screenText(std::string_view cp1252) { return QString::fromStdString(cp1252ToUtf8(cp1252)); }
inline std::string documentText(const QString& text) { return utf8ToCp1252(text.toStdString()); }

}  // namespace qbrx
