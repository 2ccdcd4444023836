// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts the windows draw with, and the font configuration the program
// starts with.
//
// The windows were laid out for the Windows fonts Times New Roman, Arial,
// Courier New and MS Sans Serif. Each stands here for an installed font:
// the first three for their metric twins Liberation Serif, Liberation Sans
// and Liberation Mono (so text takes the room the layout gives it, on the
// screen as on the printed page), MS Sans Serif for DejaVu Sans.
#pragma once

#include <QFont>

namespace qbrx {

// The installed family that stands for `family`, one of the Windows font
// names above; other names come back as they are.
const char* installedFamily(const char* family);

// `family` (a Windows font name) at `points`, as installed. Asking for the
// installed family by its own name spares Qt a search for substitutes; if
// it is missing, the font configuration's sans-serif stands in.
QFont uiFont(const char* family, double points, bool bold = false);
QFont uiFont(const char* family);

// Sets this process up with the program's own font configuration, before
// any font is used: the system's and the user's font folders, the Windows
// names above as aliases of their installed twins (for the printed page and
// anything else that asks by name), generic families, grey-scale
// antialiasing with slight hinting (as Debian sets it up), then the user's own fontconfig file.
// Reading the system's whole configuration, with its many rule files, was
// the largest single cost of starting the program.
//
// Does nothing and returns false when the environment names a fontconfig
// configuration of its own (FONTCONFIG_FILE or FONTCONFIG_PATH): then the
// system's configuration is read as usual.
bool useProgramFontConfiguration();

}  // namespace qbrx
