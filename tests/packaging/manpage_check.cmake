# SPDX-License-Identifier: GPL-3.0-or-later
# Every option the program's --help names is described in the manual page.
#   -DPROGRAM=... -DMANPAGE=...
execute_process(COMMAND "${PROGRAM}" --help OUTPUT_VARIABLE help RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help returned ${rc}")
endif()
file(READ "${MANPAGE}" manpage)
string(REGEX MATCHALL "--[a-z][a-z-]*" options "${help}")
list(REMOVE_DUPLICATES options)
set(missing)
foreach(option ${options})
  # In roff a minus sign is written \-.
  string(REPLACE "-" "\\-" written "${option}")
  string(FIND "${manpage}" "${written}" at)
  if(at EQUAL -1)
    list(APPEND missing ${option})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "the manual page does not describe ${missing}")
endif()
