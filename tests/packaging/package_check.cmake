# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build folder into a scratch folder and
# checks it as a distribution would: lintian with no error and no warning,
# AppStream on the installed tree, and the files the package must and must
# not hold.
#   -DBUILD_DIR=... -DWORK=... -DVERSION=...
function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what} failed (${rc}):\n${out}")
  endif()
  message(STATUS "${what}:\n${out}")
  set(out "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
# The package's install step, stripped as cpack strips it, into a staging
# folder; cpack then packs that folder with the build's package settings.
# (Run on the build folder, cpack first makes its "preinstall" target, which
# checks every target of the build again: a minute on a busy machine, for
# nothing after the build that `make test` has just done.)
set(stage "${WORK}/stage")
run("cmake --install" "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${stage}/usr" --strip)
file(WRITE "${WORK}/CPackConfig.cmake" "include(\"${BUILD_DIR}/CPackConfig.cmake\")
set(CPACK_INSTALL_CMAKE_PROJECTS \"\")
set(CPACK_INSTALLED_DIRECTORIES \"${stage};.\")
")
run("cpack" cpack -G DEB --config "${WORK}/CPackConfig.cmake" -B "${WORK}")
file(GLOB deb "${WORK}/*.deb")
list(LENGTH deb count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "cpack made ${count} packages: ${deb}")
endif()

execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
set(asRoot)
if(uid STREQUAL "0")
  set(asRoot --allow-root)  # only silences lintian's advice not to run as root
endif()
run("lintian" lintian --fail-on error,warning --tag-display-limit 0 ${asRoot} "${deb}")

set(root "${WORK}/root")
run("dpkg-deb -x" dpkg-deb -x "${deb}" "${root}")
run("appstreamcli validate-tree" appstreamcli validate-tree --no-net --strict "${root}")

# Only the program goes into /usr/bin; its preferences live with the user.
file(GLOB programs RELATIVE "${root}" "${root}/usr/bin/*")
if(NOT programs STREQUAL "usr/bin/quotabrix")
  message(FATAL_ERROR "usr/bin holds ${programs}, not the program alone")
endif()
foreach(f usr/share/quotabrix/words.dic usr/share/metainfo/org.quotabrix.Quotabrix.metainfo.xml
          usr/share/man/man1/quotabrix.1.gz usr/share/doc/quotabrix/copyright
          usr/share/doc/quotabrix/changelog.Debian.gz)
  if(NOT EXISTS "${root}/${f}")
    message(FATAL_ERROR "not in the package: ${f}")
  endif()
endforeach()

# The changelog's newest entry and the metainfo's newest release are this one.
execute_process(COMMAND dpkg-deb -f "${deb}" Version OUTPUT_VARIABLE debVersion OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND gzip -dc "${root}/usr/share/doc/quotabrix/changelog.Debian.gz" OUTPUT_VARIABLE changelog)
string(REGEX MATCH "^quotabrix \\(([^)]*)\\)" _ "${changelog}")
if(NOT CMAKE_MATCH_1 STREQUAL debVersion)
  message(FATAL_ERROR "the changelog's newest entry is '${CMAKE_MATCH_1}', the package '${debVersion}'")
endif()
file(READ "${root}/usr/share/metainfo/org.quotabrix.Quotabrix.metainfo.xml" metainfo)
string(REGEX MATCH "<release version=\"([^\"]*)\"" _ "${metainfo}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "the metainfo's newest release is '${CMAKE_MATCH_1}', the program '${VERSION}'")
endif()
