#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running and testing need,
# when any of them is missing. Needs root (or sudo).
# With "generator" it also installs what tools/make_dictionary.py needs to
# rebuild data/: the SCOWL word lists, WordNet (also for tools/make_definitions.py),
# and npm to fetch the block lists.
# webkit2gtk-driver brings WebKitGTK, whose MiniBrowser is the browser it drives.
set -e
PKGS="cmake make g++ qt6-base-dev qt6-svg-dev libgl-dev libfontconfig-dev libgtest-dev libgmock-dev libbenchmark-dev
      fonts-liberation fonts-dejavu-core xvfb xauth poppler-utils xdotool clang libclang-rt-14-dev python3
      appstream desktop-file-utils lintian dpkg-dev chromium chromium-driver python3-selenium firefox-esr
      webkit2gtk-driver"
[ "$1" = "generator" ] && PKGS="$PKGS scowl wordnet-base npm"
missing=""
for p in $PKGS; do
  # npm may come with a nodejs package of its own.
  [ "$p" = npm ] && command -v npm >/dev/null 2>&1 && continue
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends $missing
