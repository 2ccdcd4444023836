# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a fresh prefix and runs the installed program on a
# data file, as a user of the installed program would.
#   -DBUILD_DIR=... -DPREFIX=... -DDATA_FILE=... [-DEXPORTS=ON]
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()

foreach(f bin/quotabrix share/quotabrix/words.dic share/quotabrix/count.dic
          share/quotabrix/level.dic share/quotabrix/base.dic share/quotabrix/unfit.dic
          share/quotabrix/COPYING.scowl share/quotabrix/COPYING.blocklist share/quotabrix/COPYING.wordnet
          share/quotabrix/definitions.dic
          share/applications/org.quotabrix.Quotabrix.desktop
          share/metainfo/org.quotabrix.Quotabrix.metainfo.xml
          share/icons/hicolor/scalable/apps/quotabrix.svg share/man/man1/quotabrix.1.gz)
  if(NOT EXISTS "${PREFIX}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
# Only programs belong in bin/: the preferences are the user's.
if(EXISTS "${PREFIX}/bin/qbrx.ini")
  message(FATAL_ERROR "qbrx.ini installed beside the program")
endif()

set(out "${PREFIX}/out")
file(MAKE_DIRECTORY "${out}")
set(args --pdf "${out}/puzzle.pdf")
if(EXPORTS)
  list(APPEND args --ipuz "${out}/puzzle.ipuz" --jpz "${out}/puzzle.jpz")
endif()
# Run from an unrelated folder so that nothing is found by accident.
execute_process(COMMAND "${PREFIX}/bin/quotabrix" ${args} --seed 7 "${DATA_FILE}"
                WORKING_DIRECTORY "${out}" RESULT_VARIABLE rc TIMEOUT 60)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the installed quotabrix --pdf returned ${rc}")
endif()
file(READ "${out}/puzzle.pdf" head LIMIT 5 HEX)
if(NOT head STREQUAL "255044462d")  # "%PDF-"
  message(FATAL_ERROR "puzzle.pdf is not a PDF")
endif()
if(EXPORTS)
  file(READ "${out}/puzzle.ipuz" ipuz)
  file(READ "${out}/puzzle.jpz" jpz)
  if(NOT ipuz MATCHES "\"answer\": \"LINCOLN\"" OR NOT jpz MATCHES "answer=\"ICE-CREAM\"")
    message(FATAL_ERROR "the ipuz or JPZ export lacks the puzzle's answers")
  endif()
endif()

# With no qbrx.ini anywhere, the installed program suggests answers from the
# word list installed with it, and writes no preferences file for that.
set(home "${PREFIX}/home")
file(MAKE_DIRECTORY "${home}")
file(WRITE "${out}/lessismore.dat"
     "Less is more.\r\nT\r\nC\r\n\r\n0\r\n0\r\n0\r\n 2 \r\n"
     " 1Q. Opposite of more\r\n 1A. less\r\n 2Q. Opposite of less\r\n 2A. \r\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=XDG_CONFIG_HOME HOME=${home}
                        "${PREFIX}/bin/quotabrix" --suggest 1 --seed 1 "${out}/lessismore.dat"
                WORKING_DIRECTORY "${out}" RESULT_VARIABLE rc OUTPUT_VARIABLE suggested
                ERROR_VARIABLE suggested TIMEOUT 60)
if(NOT rc EQUAL 0 OR NOT suggested MATCHES "^[a-z]+\n$")
  message(FATAL_ERROR "the installed quotabrix --suggest returned ${rc}: ${suggested}")
endif()
file(GLOB_RECURSE written "${home}/*")
if(written)
  message(FATAL_ERROR "the installed program wrote ${written}")
endif()
