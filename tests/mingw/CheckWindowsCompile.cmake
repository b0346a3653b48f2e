# Compiles every source of the core and of the screens layer for Windows,
# the _posix files left out, so that what must build there keeps building:
# a POSIX call or header slipping into them fails here, on Linux.
# Inputs: COMPILER, SOURCE_DIR (src/), INCLUDE_DIRS ('|' between them).
file(GLOB_RECURSE sources
     ${SOURCE_DIR}/core/*.cpp ${SOURCE_DIR}/screens/*.cpp)
list(FILTER sources EXCLUDE REGEX "_posix\\.cpp$")
if(NOT sources)
  message(FATAL_ERROR "no sources under ${SOURCE_DIR}/core and ${SOURCE_DIR}/screens")
endif()
string(REPLACE "|" ";" include_dirs "${INCLUDE_DIRS}")
set(flags -std=c++20 -fsyntax-only -Wall -Wextra -Wpedantic -Werror)
foreach(dir IN LISTS include_dirs)
  list(APPEND flags -I${dir})
endforeach()
execute_process(COMMAND ${COMPILER} ${flags} ${sources}
                RESULT_VARIABLE result ERROR_VARIABLE errors OUTPUT_VARIABLE output)
list(LENGTH sources count)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${count} files compiled for Windows, with errors:\n${output}${errors}")
endif()
message(STATUS "${count} files compile for Windows")
