# Proves that check_layers.cmake can fail: it runs the check on a small tree
# written here that breaks every rule once (and keeps each rule once), and
# on the same tree without the breaks.
#
#   cmake -DCHECK=<check_layers.cmake> -DWORK_DIR=<empty folder> [-DQT_WIDGETS_DIR=<dir>] -P check_layers_fixture.cmake
cmake_minimum_required(VERSION 3.25)

set(failures "")

# Writes one fixture file; each entry of ARGN is one line.
function(put path)
  list(JOIN ARGN "\n" text)
  file(WRITE "${tree}/${path}" "${text}\n")
endfunction()

function(write_clean_tree)
  put(tool/base/CMakeLists.txt "target_sources(pellar_core PRIVATE words.cpp)")
  put(tool/base/words.h "#pragma once" "#include <string>")
  put(tool/base/words.cpp "#include \"base/words.h\"" "#include <vector>")
  put(tool/dialogue/CMakeLists.txt
      "# a comment naming target_sources(pellar_ui PRIVATE banner.cpp) is no build line"
      "target_sources(pellar_core PRIVATE banner.cpp)"
      "target_sources(pellar_runtime PRIVATE" "  runner.cpp)")
  put(tool/dialogue/banner.h "#pragma once" "#include \"dialogue/values.h\"")
  put(tool/dialogue/banner.cpp "#include \"dialogue/banner.h\"" "#include \"base/words.h\"" "#include <cstdint>")
  put(tool/dialogue/values.h "#pragma once" "#include <optional>")
  put(tool/dialogue/runner.h "#pragma once" "#include <QObject>")
  put(tool/dialogue/runner.cpp "#include \"dialogue/runner.h\"" "#include \"dialogue/banner.h\"" "#include <QTimer>")
  put(tool/platform/CMakeLists.txt "target_sources(pellar_platform PRIVATE echo.cpp)")
  put(tool/platform/echo.h "#pragma once" "#include \"base/words.h\"")
  put(tool/platform/echo.cpp "#include \"platform/echo.h\"" "#ifdef _WIN32" "#include <windows.h>" "#endif")
  put(tool/platform/linux/echo_linux.cpp "#include \"platform/echo.h\"" "#include <sys/socket.h>")
  put(tool/widgets/CMakeLists.txt "target_sources(pellar_ui PRIVATE box.cpp)")
  put(tool/widgets/box.h "#pragma once" "#include <QDialog>" "#include \"dialogue/runner.h\"")
  put(tool/widgets/box.cpp "#include \"widgets/box.h\"")
  put(tool/boards/CMakeLists.txt "target_sources(pellar_ui PRIVATE board.cpp)")
  put(tool/boards/board.cpp "#include \"widgets/box.h\"" "#include \"ui_board.h\"")
  put(tool/shell/CMakeLists.txt "target_sources(pellar_ui PRIVATE main_window.cpp)")
  put(tool/shell/main_window.h "#pragma once" "#include <QMainWindow>")
  put(tool/shell/main_window.cpp "#include \"shell/main_window.h\"" "#include \"boards/board.h\"")
  put(tool/boards/board.h "#pragma once")
  put(sim/main.cpp "#include \"sim/link.h\"" "#include <unistd.h>" "#ifdef __linux__" "#endif")
  put(sim/link.h "#pragma once" "#include <QObject>")
endfunction()

# Runs the check on the tree; sets rc and out.
function(run_check)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${tree} -DQT_WIDGETS_DIR=${QT_WIDGETS_DIR} -P ${CHECK}
                  RESULT_VARIABLE code OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr)
  set(rc ${code} PARENT_SCOPE)
  set(out "${stdout}${stderr}" PARENT_SCOPE)
endfunction()

function(fail text)
  set(failures "${failures}${text}\n" PARENT_SCOPE)
endfunction()

set(tree "${WORK_DIR}/clean")
file(REMOVE_RECURSE "${tree}")
write_clean_tree()
run_check()
if(NOT rc EQUAL 0)
  fail("the clean tree fails the check:\n${out}")
endif()

set(tree "${WORK_DIR}/broken")
file(REMOVE_RECURSE "${tree}")
write_clean_tree()
# One break per rule, each with the line the check must print for it.
put(tool/base/bad_qt.cpp "#include <QString>")
put(tool/base/reaches_up.cpp "#include \"dialogue/banner.h\"")
put(tool/dialogue/values.h "#pragma once" "#include <optional>" "#include <unistd.h>")
put(tool/dialogue/banner.cpp "#include \"dialogue/banner.h\"" "#include \"dialogue/runner.h\"")
put(tool/dialogue/runner.cpp "#include \"dialogue/runner.h\"" "#include <QMessageBox>" "#include \"widgets/box.h\"")
put(tool/platform/echo.h "#pragma once" "#include \"diagnostics/reply.h\"")
put(tool/diagnostics/reply.h "#pragma once")
put(tool/widgets/box.cpp "#include \"widgets/box.h\"" "#include \"boards/board.h\"")
put(tool/boards/board.cpp "#include \"shell/main_window.h\"" "#if defined(Q_OS_WIN) || defined(__linux__)" "#endif")
put(sim/main.cpp "#include \"sim/link.h\"" "#include \"base/words.h\"")
put(tool/cli/console.cpp "#include <QString>" "#include <cstdio>" "#include <sys/ioctl.h>")
run_check()
if(rc EQUAL 0)
  fail("the broken tree passes the check")
endif()

set(core "core files (pellar_core) use the standard library and core headers only: no Qt, no OS headers")
set(osHeaders "OS headers are included in platform/ (and sim/) only")
set(expected
  "tool/base/bad_qt.cpp includes <QString>: ${core}"
  "tool/base/reaches_up.cpp includes dialogue/banner.h: base/ includes only base/ headers"
  "tool/dialogue/values.h includes <unistd.h>: ${core}"
  "tool/dialogue/values.h includes <unistd.h>: ${osHeaders}"
  "tool/dialogue/banner.cpp includes dialogue/runner.h: ${core} (dialogue/runner.h is in pellar_runtime)"
  "tool/dialogue/runner.cpp includes <QMessageBox>: dialogue/ uses no widgets"
  "tool/dialogue/runner.cpp includes widgets/box.h: dialogue/ uses no widgets"
  "tool/platform/echo.h includes diagnostics/reply.h: platform/ includes nothing from the folders above it (base/, platform/ only)"
  "tool/widgets/box.cpp includes boards/board.h: widgets/ includes nothing from shell/"
  "tool/boards/board.cpp includes shell/main_window.h: only shell/ (and the tests) include shell/ headers"
  "tool/boards/board.cpp tests Q_OS_WIN in an #if: OS #ifdefs live in platform/ (and sim/) only"
  "tool/boards/board.cpp tests __linux__ in an #if: OS #ifdefs live in platform/ (and sim/) only"
  "sim/main.cpp includes base/words.h: sim/ includes nothing of the tool (only its own sim/ files)"
  "tool/cli/console.cpp includes <sys/ioctl.h>: ${osHeaders}"
  "14 break(s) of the layer rules")
foreach(line IN LISTS expected)
  string(FIND "${out}" "${line}" at)
  if(at EQUAL -1)
    fail("missing from the check's output: ${line}")
  endif()
endforeach()
# What the rules allow stays unreported.
foreach(quiet "tool/platform/echo.cpp" "tool/shell/main_window.cpp" "tool/widgets/box.h" "sim/main.cpp tests"
              "tool/cli/console.cpp includes <QString>" "tool/cli/console.cpp includes <cstdio>"
              "tool/dialogue/runner.cpp includes <QObject>" "tool/dialogue/runner.cpp includes dialogue/banner.h")
  string(FIND "${out}" "${quiet}" at)
  if(at GREATER -1)
    fail("reported although allowed: ${quiet}")
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "${failures}--- the check said:\n${out}")
endif()
message("The check fails on each planted break and passes the clean tree.")
