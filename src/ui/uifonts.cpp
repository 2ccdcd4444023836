// SPDX-License-Identifier: GPL-3.0-or-later
#include "uifonts.h"

#include <fontconfig/fontconfig.h>

#include <cstdlib>
#include <cstring>

namespace qbrx {

namespace {

struct Twin {
    const char* windows;
    const char* installed;
};

constexpr Twin kTwins[] = {
    {"Times New Roman", "Liberation Serif"},
    {"Arial", "Liberation Sans"},
    {"Courier New", "Liberation Mono"},
    {"MS Sans Serif", "DejaVu Sans"},
};

// Font folders and caches as the system's configuration has them; the
// aliases and generic families; bitmap fonts left out; then rendering as
// Debian sets it up, which the user's own file may override.
constexpr const char* kConfiguration = R"(<?xml version="1.0"?>
<fontconfig>
  <dir>/usr/share/fonts</dir>
  <dir>/usr/local/share/fonts</dir>
  <dir prefix="xdg">fonts</dir>
  <dir>~/.fonts</dir>
  <cachedir>/var/cache/fontconfig</cachedir>
  <cachedir prefix="xdg">fontconfig</cachedir>

  <alias binding="same"><family>Times New Roman</family><prefer><family>Liberation Serif</family></prefer></alias>
  <alias binding="same"><family>Arial</family><prefer><family>Liberation Sans</family></prefer></alias>
  <alias binding="same"><family>Courier New</family><prefer><family>Liberation Mono</family></prefer></alias>
  <alias binding="same"><family>MS Sans Serif</family><prefer><family>DejaVu Sans</family></prefer></alias>
  <alias><family>Sans Serif</family><prefer><family>sans-serif</family></prefer></alias>
  <!-- Any family without a generic one falls back to sans-serif; rules
       apply in order, so this comes before the generic families expand. -->
  <match target="pattern">
    <test qual="all" name="family" compare="not_eq"><string>sans-serif</string></test>
    <test qual="all" name="family" compare="not_eq"><string>serif</string></test>
    <test qual="all" name="family" compare="not_eq"><string>monospace</string></test>
    <edit name="family" mode="append_last"><string>sans-serif</string></edit>
  </match>
  <alias><family>sans-serif</family><prefer><family>DejaVu Sans</family><family>Liberation Sans</family></prefer></alias>
  <alias><family>serif</family><prefer><family>DejaVu Serif</family><family>Liberation Serif</family></prefer></alias>
  <alias><family>monospace</family><prefer><family>DejaVu Sans Mono</family><family>Liberation Mono</family></prefer></alias>

  <selectfont><rejectfont><pattern><patelt name="scalable"><bool>false</bool></patelt></pattern></rejectfont></selectfont>

  <match target="font">
    <edit name="antialias" mode="assign"><bool>true</bool></edit>
    <edit name="hinting" mode="assign"><bool>true</bool></edit>
    <edit name="hintstyle" mode="assign"><const>hintslight</const></edit>
    <edit name="rgba" mode="assign"><const>none</const></edit>
    <edit name="lcdfilter" mode="assign"><const>lcddefault</const></edit>
  </match>

  <include ignore_missing="yes" prefix="xdg">fontconfig/fonts.conf</include>
  <include ignore_missing="yes" deprecated="yes">~/.fonts.conf</include>
</fontconfig>
)";

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

}  // namespace

const char* installedFamily(const char* family) {
    for (const Twin& twin : kTwins)
        if (std::strcmp(twin.windows, family) == 0) return twin.installed;
    return family;
}

QFont uiFont(const char* family) { return QFont(QString::fromLatin1(installedFamily(family))); }

QFont uiFont(const char* family, double points, bool bold) {
    QFont font = uiFont(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

bool useProgramFontConfiguration() {
    if (isSet("FONTCONFIG_FILE") || isSet("FONTCONFIG_PATH")) return false;
    FcConfig* config = FcConfigCreate();
    if (config == nullptr) return false;
    if (!FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(kConfiguration), FcTrue) ||
        !FcConfigBuildFonts(config) || !FcConfigSetCurrent(config)) {
        FcConfigDestroy(config);
        return false;
    }
    // The library holds the configuration now.
    FcConfigDestroy(config);
    return true;
}

}  // namespace qbrx
