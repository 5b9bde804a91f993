# Writes bjsim's man page from its --help text:
# cmake -DBJSIM=<program> -DVERSION=<x.y.z> -DOUT=<file> -P help_to_man.cmake
# The help is a usage clause, then paragraphs; an option line starts with two spaces and its
# name, and its description goes on in deeper indented lines.
execute_process(COMMAND ${BJSIM} --help OUTPUT_VARIABLE help RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${BJSIM} --help failed: ${failed}")
endif()
string(REPLACE "\\" "\\e" help "${help}")
string(REPLACE "-" "\\-" help "${help}")
string(ASCII 31 semicolon) # a list separator must not split lines
string(REPLACE ";" "${semicolon}" help "${help}")
string(REGEX REPLACE "\n$" "" help "${help}")
string(REPLACE "\n" ";" lines "${help}")

set(man ".TH BJSIM 1 \"\" \"bjsim ${VERSION}\" \"User Commands\"
.SH NAME
bjsim \\- plays blackjack sessions with stored strategies at full speed
.SH SYNOPSIS
.B bjsim
")
set(part usage)
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^ +" "" text "${line}")
  string(REGEX REPLACE "^([.'])" "\\\\&\\1" text "${text}")
  if(part STREQUAL "usage")
    if(line STREQUAL "")
      string(APPEND man ".SH DESCRIPTION\n")
      set(part start)
    else()
      string(REGEX REPLACE "^Usage: bjsim " "" text "${text}")
      string(APPEND man "${text}\n")
    endif()
  elseif(line STREQUAL "")
    set(part start)
  elseif(line MATCHES "^  (\\\\-([^ ]| [^ ])*)  +(.*)$")
    string(APPEND man ".TP\n\\fB${CMAKE_MATCH_1}\\fR\n${CMAKE_MATCH_3}\n")
    set(part options)
  else()
    if(part STREQUAL "start")
      string(APPEND man ".PP\n")
      set(part text)
    endif()
    string(APPEND man "${text}\n")
  endif()
endforeach()

string(APPEND man [=[
.SH FILES
.TP
.B BlkJack.mdb
The strategy database, shared with the desktop program. It lies in the folder of
.B bjsim
when that folder holds one, or is writable and not an installed copy (one whose prefix
holds the desktop menu entry) while the data folder below holds none; otherwise in
.I "$XDG_DATA_HOME/Black Jack Strategy Tester/"
(by default
.IR "~/.local/share/Black Jack Strategy Tester/" ),
which is made when missing.
]=])
string(REPLACE "${semicolon}" ";" man "${man}")
file(WRITE ${OUT} "${man}")
