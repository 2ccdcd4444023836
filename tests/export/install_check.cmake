# Installs the build into a fresh prefix and runs the installed program on a
# data file, as a user of the installed program would.
#   -DBUILD_DIR=... -DPREFIX=... -DDATA_FILE=... [-DEXPORTS=ON]
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()

foreach(f bin/quotabrix bin/qbrx.ini share/quotabrix/words.dic share/quotabrix/count.dic
          share/quotabrix/level.dic share/quotabrix/COPYING.scowl share/quotabrix/COPYING.blocklist
          share/quotabrix/definitions.dic share/quotabrix/COPYING.wordnet
          share/applications/quotabrix.desktop
          share/icons/hicolor/scalable/apps/quotabrix.svg)
  if(NOT EXISTS "${PREFIX}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()

# The preferences file beside the program names the installed word list.
# (Compared in hexadecimal: file(READ) as text would drop the CR.)
file(READ "${PREFIX}/bin/qbrx.ini" ini HEX)
string(HEX "${PREFIX}/share/quotabrix/\r\n" expected)
if(NOT ini STREQUAL expected)
  file(READ "${PREFIX}/bin/qbrx.ini" text)
  message(FATAL_ERROR "qbrx.ini holds '${text}', not ${PREFIX}/share/quotabrix/ and CR LF")
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
