# SPDX-License-Identifier: MIT
# Installs the build into an empty folder, compares the installed files with
# the expected list and runs both programs from there.
#   cmake -DBUILD=dir -DPREFIX=dir -DEXPECTED=files.txt -DVERSION=v -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)

file(GLOB_RECURSE installed RELATIVE ${PREFIX} LIST_DIRECTORIES false ${PREFIX}/*)
list(SORT installed)
file(STRINGS ${EXPECTED} expected)
list(FILTER expected EXCLUDE REGEX "^#|^$")
list(SORT expected)
if(NOT installed STREQUAL expected)
  set(missing ${expected})
  list(REMOVE_ITEM missing ${installed})
  set(extra ${installed})
  list(REMOVE_ITEM extra ${expected})
  message(FATAL_ERROR "installed files differ from ${EXPECTED}\n  missing: ${missing}\n  not listed: ${extra}")
endif()

set(ENV{ASAN_OPTIONS} detect_leaks=0)
execute_process(COMMAND ${PREFIX}/bin/tonvale --version OUTPUT_VARIABLE out RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT out STREQUAL "tonvale ${VERSION}\n")
  message(FATAL_ERROR "installed tonvale --version: status ${status}, '${out}'")
endif()
execute_process(COMMAND ${PREFIX}/bin/tonvale-cli rtp --ways 243 --payout 1 --bet 1 --json
  OUTPUT_VARIABLE out RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT out MATCHES "^\\[.*\"ways\": 243")
  message(FATAL_ERROR "installed tonvale-cli rtp --json: status ${status}, '${out}'")
endif()
message(STATUS "${PREFIX}: ${installed}")
