# Writes a program's manual page from its own --help text, so the page can
# never tell a different story than the program does.
#
#   cmake -DPROGRAM=<binary> -DNAME=<name> -DVERSION=<x.y.z> -DSUMMARY=<one line>
#         -DOUTPUT=<name.1.gz> -P help_to_man.cmake
#
# The help's layout is read as: a "Usage:" line (the synopsis), free text,
# headings (a line ending in ":" at the left margin, or "Heading: text" of
# one or two words, where the text is the heading's first paragraph), and entries (two blanks
# in, the term, two or more blanks, the description; deeper lines carry on
# the entry before them).
cmake_minimum_required(VERSION 3.25)

foreach(var PROGRAM NAME VERSION SUMMARY OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "help_to_man.cmake needs -D${var}=...")
  endif()
endforeach()

execute_process(COMMAND "${PROGRAM}" --help
                OUTPUT_VARIABLE help ERROR_QUIET RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR help STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} --help failed (${result})")
endif()

# roff: backslashes and leading dots or quotes must not be read as requests.
function(roff text outVar)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  if(text MATCHES "^[.']")
    set(text "\\&${text}")
  endif()
  set(${outVar} "${text}" PARENT_SCOPE)
endfunction()

string(TOUPPER "${NAME}" upperName)
roff("${SUMMARY}" summary)
set(page ".TH ${upperName} 1 \"\" \"${NAME} ${VERSION}\" \"User Commands\"\n.SH NAME\n${NAME} \\- ${summary}\n")

string(REPLACE ";" "\\;" help "${help}")
string(REPLACE "\n" ";" lines "${help}")
set(inEntry FALSE)
set(inSynopsis FALSE)
foreach(line IN LISTS lines)
  string(REGEX REPLACE "[ \t\r]+$" "" line "${line}")
  if(line STREQUAL "")
    if(NOT inSynopsis)
      string(APPEND page ".PP\n")
    endif()
    set(inEntry FALSE)
    set(inSynopsis FALSE)
  elseif(line MATCHES "^Usage: (.*)$")
    roff("${CMAKE_MATCH_1}" synopsis)
    string(APPEND page ".SH SYNOPSIS\n${synopsis}\n.SH DESCRIPTION\n")
    set(inSynopsis TRUE)
  elseif(line MATCHES "^([A-Z][A-Za-z ]*):$")
    string(TOUPPER "${CMAKE_MATCH_1}" heading)
    string(APPEND page ".SH ${heading}\n")
    set(inEntry FALSE)
  elseif(line MATCHES "^([A-Z][a-z]+( [a-z]+)?): (.+)$")
    string(TOUPPER "${CMAKE_MATCH_1}" heading)
    roff("${CMAKE_MATCH_3}" text)
    string(APPEND page ".SH ${heading}\n${text}\n")
    set(inEntry FALSE)
  elseif(line MATCHES "^  ([^ ]([^ ]| [^ ])*)   *([^ ].*)$")
    set(termText "${CMAKE_MATCH_1}")
    set(entryText "${CMAKE_MATCH_3}")
    roff("${termText}" term)
    roff("${entryText}" text)
    string(APPEND page ".TP\n\\fB${term}\\fR\n${text}\n")
    set(inEntry TRUE)
  elseif(line MATCHES "^  +(.*)$")
    roff("${CMAKE_MATCH_1}" text)
    string(APPEND page "${text}\n")
  else()
    roff("${line}" text)
    string(APPEND page "${text}\n")
  endif()
endforeach()
string(REGEX REPLACE "(\\.PP\n)+$" "" page "${page}")
string(REGEX REPLACE "\\.PP\n(\\.SH|\\.TP)" "\\1" page "${page}")

string(REGEX REPLACE "\\.gz$" "" plain "${OUTPUT}")
file(WRITE "${plain}" "${page}")
file(REMOVE "${OUTPUT}")
file(ARCHIVE_CREATE OUTPUT "${OUTPUT}" PATHS "${plain}" FORMAT raw COMPRESSION GZip)
