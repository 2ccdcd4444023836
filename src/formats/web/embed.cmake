# SPDX-License-Identifier: GPL-3.0-or-later
# Joins page.html, page.css and page.js into one page, with the style and
# the script inline and the Content-Security-Policy allowing exactly those
# two (by their SHA-256), and writes it into a C++ source as
# qbrx::kWebPageTemplate.
#
#   cmake -DSRC=<folder of the page> -DOUT=<file.cpp> -P embed.cmake

file(READ "${SRC}/page.html" html)
file(READ "${SRC}/page.css" css)
file(READ "${SRC}/page.js" js)

# The page leaves out comment lines and indentation: the browser reads and
# checks a smaller script sooner. (The script has no comment after code and
# no text running over lines; the style sheet's comments are all /* */.)
string(REGEX REPLACE "^[ ]*//[^\n]*\n" "" js "${js}")
string(REGEX REPLACE "\n[ ]*//[^\n]*" "" js "${js}")
string(REGEX REPLACE "\n[ ]+" "\n" js "${js}")
string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/" "" css "${css}")
string(REGEX REPLACE "\n[ ]*\n" "\n" css "${css}")
string(REGEX REPLACE "\n[ ]+" "\n" css "${css}")

# The base64 of a text's SHA-256, as a CSP hash source wants it.
function(sha256_base64 text result)
  string(SHA256 hex "${text}")
  set(digits "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/")
  set(out "")
  # 32 bytes: ten groups of three bytes, then two bytes and one "=".
  foreach(group RANGE 0 10)
    math(EXPR at "${group} * 6")
    if(group LESS 10)
      string(SUBSTRING "${hex}" ${at} 6 chunk)
      set(count 4)
    else()
      string(SUBSTRING "${hex}" ${at} 4 chunk)
      set(chunk "${chunk}00")
      set(count 3)
    endif()
    math(EXPR value "0x${chunk}")
    foreach(k RANGE 1 ${count})
      math(EXPR index "(${value} >> (6 * (4 - ${k}))) & 63")
      string(SUBSTRING "${digits}" ${index} 1 digit)
      string(APPEND out "${digit}")
    endforeach()
  endforeach()
  set(${result} "sha256-${out}=" PARENT_SCOPE)
endfunction()

sha256_base64("${css}" style_hash)
sha256_base64("${js}" script_hash)

string(REPLACE "<link rel=\"stylesheet\" href=\"page.css\">" "<style>${css}</style>" html "${html}")
string(REPLACE "<script src=\"page.js\"></script>" "<script>${js}</script>" html "${html}")
string(REPLACE "style-src 'self'" "style-src '${style_hash}'" html "${html}")
string(REPLACE "script-src 'self'" "script-src '${script_hash}'" html "${html}")

string(FIND "${html}" ")qbrxpage\"" clash)
if(NOT clash EQUAL -1)
  message(FATAL_ERROR "the page holds the raw string's end mark")
endif()

file(WRITE "${OUT}.new"
  "// Written by embed.cmake from page.html, page.css and page.js.\n"
  "#include \"webpage.h\"\n\n"
  "const char* const qbrx::kWebPageTemplate = R\"qbrxpage(${html})qbrxpage\";\n")
file(COPY_FILE "${OUT}.new" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.new")
