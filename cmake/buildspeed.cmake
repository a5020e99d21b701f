# SPDX-License-Identifier: MIT
# A cold build, above all the sanitized one of `make test`, spends its time parsing the
# same standard, test and Qt headers in every file and generating the same inline
# functions again for each. Two of the compiler's own means cut both:
#  - precompiled headers: each target parses the headers most of its files include
#    once (tonvale_precompile below; the lists are of headers that are not ours, so a
#    change to one of our headers never rebuilds a precompiled one);
#  - unity builds: a target's files are compiled a few at a time in one unit, so what
#    they share is parsed and generated once per unit instead of once per file.
# Files that cannot share a unit (two helpers of one name in unnamed namespaces) carry
# SKIP_UNITY_BUILD_INCLUSION. TONVALE_UNITY=OFF builds every file alone, to check that
# each file includes what it uses.
option(TONVALE_UNITY "Compile each target's files a few at a time in one unit" ON)

# The standard headers nearly every file of the game includes.
set(TONVALE_PCH_STD <algorithm> <array> <cstdint> <cstdio> <cstdlib> <functional> <map>
  <memory> <optional> <set> <sstream> <string> <string_view> <utility> <vector>)

# tonvale_precompile(TARGET BATCH HEADER...): the headers precompiled for TARGET, and its
# files built BATCH to a unit.
function(tonvale_precompile target batch)
  target_precompile_headers(${target} PRIVATE ${ARGN})
  if(TONVALE_UNITY)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE ${batch})
  endif()
endfunction()

# tonvale_plain_code(TARGET...): the targets' own code is compiled without optimisation
# in the sanitized build. A test's code runs once per case and mostly waits on the game's
# code it calls, which keeps the build type's optimisation (the rules, the model, the tools:
# the simulator's hot loops); unoptimised, such a file compiles in about half the time
# under the sanitizers, and the sanitizers check it all the same.
function(tonvale_plain_code)
  if(TONVALE_SANITIZE)
    foreach(target ${ARGN})
      target_compile_options(${target} PRIVATE $<$<CONFIG:Debug>:-O0>)
    endforeach()
  endif()
endfunction()
