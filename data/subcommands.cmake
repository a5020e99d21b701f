# SPDX-License-Identifier: MIT
# Writes a help2man include file with a SUBCOMMANDS section: the --help text of
# every subcommand that `tonvale-cli --help` lists.
#   cmake -DCLI=tonvale-cli -DBASE=tonvale-cli.h2m -DOUT=file.h2m -P subcommands.cmake
execute_process(COMMAND ${CLI} --help OUTPUT_VARIABLE top RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${CLI} --help failed")
endif()
string(REGEX REPLACE ".*\nSubcommands:\n" "" listing "${top}")
string(REPLACE "\n" ";" lines "${listing}")
set(section "[SUBCOMMANDS]\nEach subcommand has its own \\fB\\-\\-help\\fR.\n")
foreach(line IN LISTS lines)
  if(NOT line MATCHES "^  ([a-z][a-z-]*) ")
    continue()
  endif()
  set(name ${CMAKE_MATCH_1})
  execute_process(COMMAND ${CLI} ${name} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${CLI} ${name} --help failed")
  endif()
  # roff: backslashes doubled, and no line may start with a control character.
  string(REPLACE "\\" "\\\\" help "${help}")
  string(REPLACE "-" "\\-" help "${help}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
  string(APPEND section ".SS \"${name}\"\n.nf\n${help}.fi\n")
endforeach()
file(READ ${BASE} base)
file(WRITE ${OUT} "${section}\n${base}")
