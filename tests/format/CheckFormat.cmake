# Fails when clang-format would change a tracked C++ file: every file the
# repository tracks, not only the ones this build compiles.
execute_process(
  COMMAND ${GIT} ls-files -- *.cpp *.h
  WORKING_DIRECTORY ${SOURCE_DIR}
  OUTPUT_VARIABLE files
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "git ls-files failed in ${SOURCE_DIR}")
endif()
string(REPLACE "\n" ";" files "${files}")
list(FILTER files EXCLUDE REGEX "^$")
execute_process(
  COMMAND ${CLANG_FORMAT} --dry-run --Werror ${files}
  WORKING_DIRECTORY ${SOURCE_DIR}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "clang-format would change the files above: run ${CLANG_FORMAT} -i on them")
endif()
