# Writes the manual page of PROGRAM from TEMPLATE, filling in @HELP@ from the
# program's own help (PROGRAM --help) and @COMMANDS@ from the help of each
# command that it lists (PROGRAM COMMAND --help), so that a command or option
# added to the program is in its page at the next build.
# Run with -D PROGRAM, TEMPLATE, VERSION and OUTPUT.
cmake_minimum_required(VERSION 3.25)


# The help text of `PROGRAM ARGN`, its lines as a list. Semicolons and brackets,
# which a CMake list would take for its own, are stood in for until roff_line.
function(help_lines out)
  execute_process(COMMAND ${PROGRAM} ${ARGN} OUTPUT_VARIABLE text RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${ARGN} failed (${status})")
  endif()
  string(ASCII 1 semicolon)
  string(ASCII 2 open)
  string(ASCII 3 close)
  string(REPLACE ";" "${semicolon}" text "${text}")
  string(REPLACE "[" "${open}" text "${text}")
  string(REPLACE "]" "${close}" text "${text}")
  string(REGEX REPLACE "\n$" "" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()

# One line of help as roff text: backslashes and minus signs escaped, and no
# control character at its start.
function(roff_line out line)
  string(ASCII 1 semicolon)
  string(ASCII 2 open)
  string(ASCII 3 close)
  string(REPLACE "\\" "\\e" line "${line}")
  string(REPLACE "-" "\\-" line "${line}")
  string(REGEX REPLACE "^([.'])" "\\\\&\\1" line "${line}")
  string(REPLACE "${semicolon}" ";" line "${line}")
  string(REPLACE "${open}" "[" line "${line}")
  string(REPLACE "${close}" "]" line "${line}")
  set(${out} "${line}" PARENT_SCOPE)
endfunction()

# The help lines in the list named LINES as roff: a blank line starts a
# paragraph, an indented option (with an upper-case argument, then its
# description) a tagged paragraph, and an unindented line ending in a colon
# that leads indented ones a subsection; other indented text continues.
function(roff_body out linesName)
  set(lines "${${linesName}}")
  list(LENGTH lines count)
  set(body "")
  foreach(index RANGE ${count})
    if(index EQUAL count)
      break()
    endif()
    list(GET lines ${index} line)
    math(EXPR nextIndex "${index} + 1")
    set(next "")
    if(nextIndex LESS count)
      list(GET lines ${nextIndex} next)
    endif()
    if(line STREQUAL "")
      string(APPEND body ".PP\n")
    elseif(line MATCHES "^ +(-[-a-zA-Z]+)( [A-Z][^ ]*)? +(.*)$")
      roff_line(option "${CMAKE_MATCH_1}")
      roff_line(argument "${CMAKE_MATCH_2}")
      roff_line(description "${CMAKE_MATCH_3}")
      string(APPEND body ".TP\n\\fB${option}\\fR\\fI${argument}\\fR\n${description}\n")
    elseif(line MATCHES "^ +(.*)$")
      roff_line(text "${CMAKE_MATCH_1}")
      string(APPEND body "${text}\n")
    elseif(next MATCHES "^ " AND line MATCHES "^(.*):$")
      roff_line(heading "${CMAKE_MATCH_1}")
      string(APPEND body ".SS \"${heading}\"\n")
    else()
      roff_line(text "${line}")
      string(APPEND body "${text}\n")
    endif()
  endforeach()
  set(${out} "${body}" PARENT_SCOPE)
endfunction()

# The overview: its usage line stands in the template's synopsis, a
# "commands:" block names the commands (each then described by its own
# help), and the rest is the program's help.
get_filename_component(name ${PROGRAM} NAME)
help_lines(overview --help)
list(POP_FRONT overview)
set(commands "")
set(helpLines "")
set(inCommands FALSE)
foreach(line IN LISTS overview)
  if(line STREQUAL "commands:")
    set(inCommands TRUE)
  elseif(inCommands AND line MATCHES "^ +([a-z][-a-z]*)")
    list(APPEND commands ${CMAKE_MATCH_1})
  elseif(inCommands)
    set(inCommands FALSE)
  else()
    list(APPEND helpLines "${line}")
  endif()
endforeach()
roff_body(HELP helpLines)

# Each command: its synopsis, then its help.
set(COMMANDS "")
foreach(command IN LISTS commands)
  help_lines(help ${command} --help)
  list(POP_FRONT help usage)
  list(POP_FRONT help)
  string(REGEX REPLACE "^usage: ${name} ${command} ?" "" synopsis "${usage}")
  roff_line(synopsis "${synopsis}")
  roff_body(body help)
  string(APPEND COMMANDS ".SS ${command}\n\\fB${name} ${command}\\fR ${synopsis}\n.PP\n${body}")
endforeach()

string(TIMESTAMP DATE "%Y-%m-%d" UTC)
file(READ ${TEMPLATE} template)
string(CONFIGURE "${template}" page @ONLY)
file(WRITE ${OUTPUT} "${page}")
