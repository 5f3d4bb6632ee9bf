# Checks the #include lines of the source tree against the layer rules of
# DESIGN.md, and the OS headers and #ifdefs against the one folder allowed to
# have them. Every break fails.
#
#   cmake -DSOURCE_DIR=<tree> [-DQT_WIDGETS_DIR=<dir>] -P check_layers.cmake
#
# Which files are core is read from the build itself: every file a folder's
# CMakeLists.txt adds with target_sources(pellar_core ...), the header beside
# each of them, everything in tool/base/, and every header of no library of
# its own that a core file includes (it is compiled into the core too). So a
# file moved between libraries in a CMakeLists.txt is judged by its new layer.
#
# QT_WIDGETS_DIR is Qt's QtWidgets include folder: a <Q...> header found
# there is a widgets header.
cmake_minimum_required(VERSION 3.25)

if(NOT IS_DIRECTORY "${SOURCE_DIR}/tool")
  message(FATAL_ERROR "SOURCE_DIR must name the source tree (the folder that holds tool/), not \"${SOURCE_DIR}\"")
endif()

set(kRuleCore "core files (pellar_core) use the standard library and core headers only: no Qt, no OS headers")
set(kRuleBase "base/ includes only base/ headers")
set(kRulePlatform "platform/ includes nothing from the folders above it (base/, platform/ only)")
set(kRuleDialogue "dialogue/ uses no widgets: nothing of Qt Widgets or the forms, nothing from programming/, \
widgets/, shell/, boards/, controller/, families/, monitor/, diagnostics/, discovery/, cli/")
set(kRuleWidgets "widgets/ includes nothing from shell/, boards/, controller/, families/, monitor/, diagnostics/, \
discovery/, cli/")
set(kRuleProgramming "programming/ includes only base/, dialogue/ and programming/ headers: no family, no window, \
no front end")
set(kRuleShell "only shell/ (and the tests) include shell/ headers")
set(kRuleSim "sim/ includes nothing of the tool (only its own sim/ files)")
set(kRuleOsHeader "OS headers are included in platform/ (and sim/) only")
set(kRuleOsIf "OS #ifdefs live in platform/ (and sim/) only")

set(kAboveDialogue programming widgets shell boards controller families monitor diagnostics discovery cli forms)
set(kProgrammingMayUse base dialogue programming)
set(kAboveWidgets shell boards controller families monitor diagnostics discovery cli)
set(kPlatformMayUse base platform)

# Macros that name an operating system (Qt's and the compilers').
set(kOsMacros "Q_OS_[A-Z0-9_]+|_WIN32|_WIN64|__WIN32__|WIN32|__linux__|__linux|__gnu_linux__|__APPLE__|__MACH__|\
__unix__|__unix|__FreeBSD__|__ANDROID__|__CYGWIN__|__MINGW32__|__MINGW64__")

# The C++ standard library (C++20/23) and the C headers it keeps.
set(kStdHeaders
  algorithm any array atomic barrier bit bitset cassert cctype cerrno cfenv cfloat charconv chrono cinttypes
  climits clocale cmath codecvt compare complex concepts condition_variable coroutine csetjmp csignal cstdarg
  cstddef cstdint cstdio cstdlib cstring ctime cuchar cwchar cwctype deque exception execution expected filesystem
  format forward_list fstream functional future initializer_list iomanip ios iosfwd iostream istream iterator latch
  limits list locale map memory memory_resource mutex new numbers numeric optional ostream print queue random
  ranges ratio regex scoped_allocator semaphore set shared_mutex source_location span spanstream sstream stack
  stacktrace stdexcept stop_token streambuf string string_view syncstream system_error thread tuple type_traits
  typeindex typeinfo unordered_map unordered_set utility valarray variant vector version
  assert.h ctype.h errno.h fenv.h float.h inttypes.h limits.h locale.h math.h setjmp.h signal.h stdarg.h stddef.h
  stdint.h stdio.h stdlib.h string.h time.h uchar.h wchar.h wctype.h)

# Qt's headers: <QString>, <QtCore/QString>, <QtGlobal>.
set(kQtHeader "^Qt?[A-Z][A-Za-z0-9_]*(/|$)")

# Used when QT_WIDGETS_DIR is not given.
set(kWidgetsHeaders QWidget QDialog QMainWindow QMessageBox QApplication QLabel QPushButton QLineEdit QComboBox
  QCheckBox QRadioButton QProgressBar QAbstractButton QTableWidget QListWidget QTreeWidget QHeaderView QStyle
  QFileDialog QInputDialog QLayout QBoxLayout QVBoxLayout QHBoxLayout QGridLayout QFrame QGroupBox QSpinBox
  QTextEdit QPlainTextEdit QTabWidget QMenu QMenuBar QToolTip QWhatsThis QScrollArea QSplitter QStatusBar)

# --- What the build says about each file --------------------------------

# Sets layer_<path> for every file a CMakeLists.txt names in target_sources,
# add_library or add_executable, and targets_<folder> to the targets it feeds.
function(read_build_file cmakeFile)
  get_filename_component(folder "${cmakeFile}" DIRECTORY)
  file(RELATIVE_PATH folderRel "${SOURCE_DIR}" "${folder}")
  file(READ "${cmakeFile}" text)
  string(REGEX REPLACE "#[^\n]*" "" text "${text}")
  string(REGEX MATCHALL "(target_sources|add_library|add_executable)[ \t\r\n]*\\([^)]*\\)" calls "${text}")
  set(targets "${targets_${folderRel}}")
  foreach(call IN LISTS calls)
    string(REGEX REPLACE "^[a-z_]+[ \t\r\n]*\\(" "" call "${call}")
    string(REGEX REPLACE "\\)$" "" call "${call}")
    string(REGEX REPLACE "[ \t\r\n]+" ";" words "${call}")
    list(FILTER words EXCLUDE REGEX "^$")
    list(POP_FRONT words target)
    list(APPEND targets ${target})
    foreach(word IN LISTS words)
      if(word MATCHES "^(PRIVATE|PUBLIC|INTERFACE|STATIC|SHARED|OBJECT|WIN32|MACOSX_BUNDLE|EXCLUDE_FROM_ALL)$"
         OR word MATCHES "[$]")
        continue()
      endif()
      set(layer_${folderRel}/${word} ${target} PARENT_SCOPE)
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES targets)
  set(targets_${folderRel} "${targets}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE buildFiles "${SOURCE_DIR}/tool/CMakeLists.txt" "${SOURCE_DIR}/tool/*/CMakeLists.txt")
if(EXISTS "${SOURCE_DIR}/terminal/CMakeLists.txt")
  list(APPEND buildFiles "${SOURCE_DIR}/terminal/CMakeLists.txt")
endif()
foreach(buildFile IN LISTS buildFiles)
  read_build_file("${buildFile}")
endforeach()
# The terminal's decisions (hyperterminal_core) are core files of a program
# of their own: the core rules hold for them as for pellar_core.
get_cmake_property(allVariables VARIABLES)
foreach(variable IN LISTS allVariables)
  if(variable MATCHES "^layer_" AND "${${variable}}" STREQUAL "hyperterminal_core")
    set(${variable} pellar_core)
  endif()
endforeach()

file(GLOB_RECURSE toolFiles RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/tool/*.h" "${SOURCE_DIR}/tool/*.hpp"
     "${SOURCE_DIR}/tool/*.cpp" "${SOURCE_DIR}/terminal/*.h" "${SOURCE_DIR}/terminal/*.cpp")
file(GLOB_RECURSE simFiles RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/sim/*.h" "${SOURCE_DIR}/sim/*.cpp")
list(SORT toolFiles)
list(SORT simFiles)

# The subsystem folder of a tool file: tool/dialogue/x.h -> dialogue.
function(folder_of path outVar)
  if(path MATCHES "^terminal/")
    set(${outVar} terminal PARENT_SCOPE)
  elseif(path MATCHES "^tool/([^/]+)/")
    set(${outVar} "${CMAKE_MATCH_1}" PARENT_SCOPE)
  else()
    set(${outVar} "" PARENT_SCOPE)
  endif()
endfunction()

# A header takes the library of the source beside it; a file no CMakeLists
# names takes its folder's library when the folder feeds only one; headers
# of mixed folders stay open until a core file includes them.
foreach(file IN LISTS toolFiles)
  if(DEFINED layer_${file})
    continue()
  endif()
  folder_of("${file}" folder)
  string(REGEX REPLACE "\\.(h|hpp)$" ".cpp" source "${file}")
  if(folder STREQUAL "base")
    set(layer_${file} pellar_core)
  elseif(NOT source STREQUAL file AND DEFINED layer_${source})
    set(layer_${file} ${layer_${source}})
  else()
    list(LENGTH targets_tool/${folder} count)
    if(count EQUAL 1)
      set(layer_${file} ${targets_tool/${folder}})
    endif()
  endif()
endforeach()

# --- Reading the includes -----------------------------------------------

# Sets includes_<path> to "<name>" / "\"name\"" entries and osifs_<path> to
# the OS macros its #if lines test.
foreach(file IN LISTS toolFiles simFiles)
  file(STRINGS "${SOURCE_DIR}/${file}" lines REGEX "^[ \t]*#[ \t]*(include|if|ifdef|ifndef|elif|elifdef|elifndef)[ \t(<\"!]")
  set(includes "")
  set(osifs "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*([<\"])([^>\"]+)[>\"]")
      if(CMAKE_MATCH_1 STREQUAL "<")
        list(APPEND includes "<${CMAKE_MATCH_2}>")
      else()
        list(APPEND includes "\"${CMAKE_MATCH_2}\"")
      endif()
    else()
      string(REGEX REPLACE "//.*$" "" condition "${line}")
      string(REGEX MATCHALL "(^|[^A-Za-z0-9_])(${kOsMacros})($|[^A-Za-z0-9_])" hits "${condition}")
      foreach(hit IN LISTS hits)
        string(REGEX REPLACE "^[^A-Za-z0-9_]|[^A-Za-z0-9_]$" "" hit "${hit}")
        list(APPEND osifs "${hit}")
      endforeach()
    endif()
  endforeach()
  list(REMOVE_DUPLICATES osifs)
  set(includes_${file} "${includes}")
  set(osifs_${file} "${osifs}")
endforeach()

# The tree file a quoted include reaches from `file`, or "" when none
# ("ui_x.h" of the forms, "x.moc").
function(resolve file name outVar)
  get_filename_component(dir "${file}" DIRECTORY)
  set(found "")
  if(file MATCHES "^sim/" AND EXISTS "${SOURCE_DIR}/${name}")
    set(found "${name}")
  elseif(file MATCHES "^terminal/" AND name MATCHES "^terminal/" AND EXISTS "${SOURCE_DIR}/${name}")
    set(found "${name}")
  elseif(EXISTS "${SOURCE_DIR}/tool/${name}" AND NOT IS_DIRECTORY "${SOURCE_DIR}/tool/${name}")
    set(found "tool/${name}")
  elseif(EXISTS "${SOURCE_DIR}/${dir}/${name}" AND NOT IS_DIRECTORY "${SOURCE_DIR}/${dir}/${name}")
    file(RELATIVE_PATH found "${SOURCE_DIR}" "${SOURCE_DIR}/${dir}/${name}")
  endif()
  set(${outVar} "${found}" PARENT_SCOPE)
endfunction()

# The folder a quoted include comes from, as the rules name folders.
function(include_folder file name resolved outVar)
  if(name MATCHES "^ui_")
    set(${outVar} forms PARENT_SCOPE)
  elseif(resolved MATCHES "^(tool|terminal)/")
    folder_of("${resolved}" folder)
    set(${outVar} "${folder}" PARENT_SCOPE)
  elseif(resolved MATCHES "^sim/")
    set(${outVar} sim PARENT_SCOPE)
  elseif(name MATCHES "^([^/]+)/")
    set(${outVar} "${CMAKE_MATCH_1}" PARENT_SCOPE)
  else()
    set(${outVar} "" PARENT_SCOPE)
  endif()
endfunction()

function(is_widgets_header name outVar)
  set(result FALSE)
  if(name MATCHES "^QtWidgets(/|$)")
    set(result TRUE)
  elseif(QT_WIDGETS_DIR)
    if(EXISTS "${QT_WIDGETS_DIR}/${name}")
      set(result TRUE)
    endif()
  elseif(name IN_LIST kWidgetsHeaders)
    set(result TRUE)
  endif()
  set(${outVar} ${result} PARENT_SCOPE)
endfunction()

# Core closure: an open header a core file includes is compiled into the core.
set(coreFiles "")
foreach(file IN LISTS toolFiles)
  if(layer_${file} STREQUAL "pellar_core")
    list(APPEND coreFiles "${file}")
  endif()
endforeach()
set(pending ${coreFiles})
while(pending)
  list(POP_FRONT pending file)
  foreach(include IN LISTS includes_${file})
    if(include MATCHES "^\"(.*)\"$")
      resolve("${file}" "${CMAKE_MATCH_1}" target)
      if(target AND NOT DEFINED layer_${target})
        set(layer_${target} pellar_core)
        list(APPEND coreFiles "${target}")
        list(APPEND pending "${target}")
      endif()
    endif()
  endforeach()
endwhile()

# --- The rules ------------------------------------------------------------

set(found "")
macro(violation file what rule)
  list(APPEND found "${file}|${what}|${rule}")
endmacro()

foreach(file IN LISTS toolFiles)
  folder_of("${file}" folder)
  set(isCore FALSE)
  if(layer_${file} STREQUAL "pellar_core")
    set(isCore TRUE)
  endif()
  foreach(include IN LISTS includes_${file})
    string(REGEX REPLACE "^[<\"](.*)[>\"]$" "\\1" name "${include}")
    if(include MATCHES "^<")
      if(isCore AND NOT name IN_LIST kStdHeaders)
        violation("${file}" "<${name}>" "${kRuleCore}")
      endif()
      # The tool builds on the standard library and Qt only, so any other
      # system header is the operating system's.
      if(NOT folder STREQUAL "platform" AND NOT name IN_LIST kStdHeaders AND NOT name MATCHES "${kQtHeader}")
        violation("${file}" "<${name}>" "${kRuleOsHeader}")
      endif()
      if(folder STREQUAL "dialogue")
        is_widgets_header("${name}" widgets)
        if(widgets)
          violation("${file}" "<${name}>" "${kRuleDialogue}")
        endif()
      endif()
      continue()
    endif()
    resolve("${file}" "${name}" target)
    include_folder("${file}" "${name}" "${target}" from)
    if(isCore AND NOT (target AND layer_${target} STREQUAL "pellar_core"))
      if(target AND DEFINED layer_${target})
        violation("${file}" "${name}" "${kRuleCore} (${name} is in ${layer_${target}})")
      else()
        violation("${file}" "${name}" "${kRuleCore}")
      endif()
    endif()
    if(folder STREQUAL "base" AND NOT from STREQUAL "base")
      violation("${file}" "${name}" "${kRuleBase}")
    endif()
    if(folder STREQUAL "platform" AND NOT from IN_LIST kPlatformMayUse)
      violation("${file}" "${name}" "${kRulePlatform}")
    endif()
    if(folder STREQUAL "dialogue" AND from IN_LIST kAboveDialogue)
      violation("${file}" "${name}" "${kRuleDialogue}")
    endif()
    if(folder STREQUAL "programming" AND NOT from IN_LIST kProgrammingMayUse)
      violation("${file}" "${name}" "${kRuleProgramming}")
    endif()
    if(folder STREQUAL "widgets" AND from IN_LIST kAboveWidgets)
      violation("${file}" "${name}" "${kRuleWidgets}")
    endif()
    if(from STREQUAL "shell" AND NOT folder STREQUAL "shell")
      violation("${file}" "${name}" "${kRuleShell}")
    endif()
  endforeach()
  if(NOT folder STREQUAL "platform")
    foreach(macro IN LISTS osifs_${file})
      violation("${file}" "#if ${macro}" "${kRuleOsIf}")
    endforeach()
  endif()
endforeach()

foreach(file IN LISTS simFiles)
  foreach(include IN LISTS includes_${file})
    if(include MATCHES "^\"(.*)\"$")
      set(name "${CMAKE_MATCH_1}")
      resolve("${file}" "${name}" target)
      if(NOT target MATCHES "^sim/")
        violation("${file}" "${name}" "${kRuleSim}")
      endif()
    endif()
  endforeach()
endforeach()

# --- The verdict ----------------------------------------------------------

foreach(entry IN LISTS found)
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 0 file)
  list(GET parts 1 what)
  list(GET parts 2 rule)
  if(what MATCHES "^#if (.*)$")
    message("${file} tests ${CMAKE_MATCH_1} in an #if: ${rule}")
  else()
    message("${file} includes ${what}: ${rule}")
  endif()
endforeach()
list(LENGTH found failures)

list(LENGTH toolFiles toolCount)
list(LENGTH simFiles simCount)
list(LENGTH coreFiles coreCount)
set(summary "${toolCount} tool files (${coreCount} of them core) and ${simCount} sim files checked")
if(failures GREATER 0)
  message(FATAL_ERROR "${failures} break(s) of the layer rules; ${summary}")
endif()
message("The layer rules hold: ${summary}")
