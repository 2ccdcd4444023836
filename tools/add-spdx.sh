#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence line "SPDX-License-Identifier: GPL-3.0-or-later" at the
# top of every source file git tracks, in the file's own comment syntax:
# C++ and JavaScript (.cpp, .h, .js), CSS, HTML, and the scripts and CMake
# files (.py, .sh, .cmake, CMakeLists.txt). A file that already carries an
# SPDX line is left alone, so running it again changes nothing. The line goes
# after a "#!" line, a Python coding line and an HTML doctype. Files under a
# data/ folder are test fixtures or word lists compared byte for byte, and
# are left out, as are the web page's own files (src/formats/web/page.*), which go
# into every exported page as they are.
#   tools/add-spdx.sh [FOLDER]      (the repository holding FOLDER, default .)
set -e
cd "${1:-.}"
cd "$(git rev-parse --show-toplevel)"
id="SPDX-License-Identifier: GPL-3.0-or-later"

git ls-files -z -- '*.cpp' '*.h' '*.js' '*.css' '*.html' '*.py' '*.sh' '*.cmake' '*CMakeLists.txt' |
  xargs -0 -r sh -c '
    id=$0
    for f; do
      case "$f" in
        data/*|*/data/*|src/formats/web/page.*) continue ;;
      esac
      [ -f "$f" ] || continue
      head -n 5 "$f" | grep -qE "^(#|//|/\*|<!--) SPDX-License-Identifier:" && continue
      case "$f" in
        *.cpp|*.h|*.js) line="// $id" ;;
        *.css) line="/* $id */" ;;
        *.html) line="<!-- $id -->" ;;
        *) line="# $id" ;;
      esac
      # How many first lines must stay first.
      keep=0
      first=$(head -n 1 "$f")
      case "$first" in
        "#!"*) keep=1 ;;
        "<!DOCTYPE"*|"<!doctype"*) keep=1 ;;
      esac
      case "$f" in
        *.py)
          if sed -n "$((keep + 1))p" "$f" | grep -q "^#.*coding[:=]"; then keep=$((keep + 1)); fi ;;
      esac
      tmp="$f.spdx.$$"
      { head -n "$keep" "$f"; printf "%s\n" "$line"; tail -n "+$((keep + 1))" "$f"; } > "$tmp"
      # Keep the file'"'"'s mode (an executable script stays executable).
      chmod --reference="$f" "$tmp"
      mv "$tmp" "$f"
      echo "$f"
    done
  ' "$id"
