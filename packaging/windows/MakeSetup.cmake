# Runs makensis on the staged files, telling the installer their size for
# Apps & features. Inputs: STAGE, MAKENSIS, DEFINES (a list), SCRIPT.
file(GLOB files ${STAGE}/*)
set(bytes 0)
foreach(file IN LISTS files)
  file(SIZE ${file} size)
  math(EXPR bytes "${bytes} + ${size}")
endforeach()
math(EXPR kilobytes "(${bytes} + 1023) / 1024")
execute_process(COMMAND ${MAKENSIS} -V2 -NOCD ${DEFINES} -DSIZE_KB=${kilobytes} ${SCRIPT}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "makensis failed")
endif()
