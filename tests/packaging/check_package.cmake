# Builds the package with cpack into WORK_DIR, unpacks it there and checks
# what an installer relies on. Needs dpkg-deb, readelf and gzip; skipped
# without.
#
#   cmake -DBUILD_DIR=<build> -DWORK_DIR=<scratch> -DCPACK=<cpack> -P check_package.cmake
cmake_minimum_required(VERSION 3.25)

find_program(DPKG_DEB dpkg-deb)
find_program(READELF readelf)
find_program(GZIP gzip)
if(NOT DPKG_DEB OR NOT READELF OR NOT GZIP)
  message("SKIPPED: the package check needs dpkg-deb, readelf and gzip")
  return()
endif()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
execute_process(COMMAND "${CPACK}" -G DEB -B "${WORK_DIR}" --config "${BUILD_DIR}/CPackConfig.cmake"
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cpack failed:\n${out}")
endif()
file(GLOB debs "${WORK_DIR}/*.deb")
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one .deb in ${WORK_DIR}, found ${count}")
endif()
set(root "${WORK_DIR}/root")
execute_process(COMMAND "${DPKG_DEB}" -x ${debs} "${root}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -x failed")
endif()

set(failures "")
foreach(program DorvanePELLAR DorvaneHyperTerminal pellarctl)
  set(path "${root}/usr/bin/${program}")
  if(NOT EXISTS "${path}")
    list(APPEND failures "usr/bin/${program} is missing")
    continue()
  endif()
  execute_process(COMMAND "${READELF}" -S "${path}" OUTPUT_VARIABLE sections)
  if(sections MATCHES "\\.debug_info|\\.symtab")
    list(APPEND failures "usr/bin/${program} is not stripped")
  endif()
endforeach()

foreach(page pellarctl DorvaneHyperTerminal)
  set(path "${root}/usr/share/man/man1/${page}.1.gz")
  if(NOT EXISTS "${path}")
    list(APPEND failures "usr/share/man/man1/${page}.1.gz is missing")
    continue()
  endif()
  execute_process(COMMAND "${GZIP}" -dc "${path}" OUTPUT_VARIABLE text RESULT_VARIABLE result)
  string(TOUPPER "${page}" upper)
  if(NOT result EQUAL 0 OR NOT text MATCHES "^\\.TH ${upper} 1 " OR NOT text MATCHES "\\.SH SYNOPSIS\n${page} " OR NOT text MATCHES "\\.TP\n")
    list(APPEND failures "the manual page of ${page} does not read as its --help:\n${text}")
  endif()
endforeach()

foreach(entry dorvane-pellar dorvane-hyperterminal)
  if(NOT EXISTS "${root}/usr/share/applications/${entry}.desktop")
    list(APPEND failures "usr/share/applications/${entry}.desktop is missing")
  endif()
endforeach()

# The packaged terminal answers --help without a display.
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                        "${root}/usr/bin/DorvaneHyperTerminal" --help
                RESULT_VARIABLE result OUTPUT_VARIABLE help ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT help MATCHES "^Usage: DorvaneHyperTerminal ")
  list(APPEND failures "the packaged DorvaneHyperTerminal --help failed (${result}): ${help}${errors}")
endif()

if(failures)
  list(JOIN failures "\n" text)
  message(FATAL_ERROR "${text}")
endif()
message("The package holds the three stripped programs, both manual pages and the desktop entries")
