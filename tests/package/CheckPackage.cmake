# Builds the Debian package of the build and runs lintian on it: any error or
# warning fails, so a new tag fails CI, and so does any hardening tag, though
# lintian only calls those info. Other info, pedantic and experimental tags
# are printed but do not fail.
#
#   cmake -DBUILD_DIR=... -DCPACK=... -DLINTIAN=... -P CheckPackage.cmake

foreach(var BUILD_DIR CPACK LINTIAN)
  if(NOT ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

set(out ${BUILD_DIR}/package-check)
file(REMOVE_RECURSE ${out})
file(MAKE_DIRECTORY ${out})
execute_process(
  COMMAND ${CPACK} -G DEB -B ${out} --config ${BUILD_DIR}/CPackConfig.cmake
  WORKING_DIRECTORY ${BUILD_DIR}
  RESULT_VARIABLE rc
  OUTPUT_VARIABLE cpack_out
  ERROR_VARIABLE cpack_out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cpack failed:\n${cpack_out}")
endif()
file(GLOB debs ${out}/*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one package in ${out}, found: ${debs}")
endif()

execute_process(
  COMMAND ${LINTIAN} --fail-on error,warning --display-info --display-experimental
          --pedantic --tag-display-limit 0 ${debs}
  RESULT_VARIABLE rc
  OUTPUT_VARIABLE tags
  ERROR_VARIABLE lintian_err)
message(STATUS "lintian on ${debs}:\n${tags}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lintian failed (${rc}):\n${tags}${lintian_err}")
endif()
string(REGEX MATCHALL "[A-Z]: [^ ]+: hardening-[^\n]*" hardening "${tags}")
if(hardening)
  message(FATAL_ERROR "the program is not fully hardened:\n${hardening}")
endif()
