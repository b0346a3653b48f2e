# Fails while a text of the command line has no finished Japanese
# translation: brings a copy of the translation file up to date with the
# sources, as the update_translations target would, and has lrelease count
# what is unfinished or missing in it.
# Arguments: LUPDATE, LRELEASE, SOURCE_DIR, TS_FILE, WORK_DIR.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
get_filename_component(name ${TS_FILE} NAME)
file(COPY ${TS_FILE} DESTINATION ${WORK_DIR})
set(copy ${WORK_DIR}/${name})

execute_process(
  COMMAND ${LUPDATE} -locations none -no-obsolete -extensions cpp,h ${SOURCE_DIR} -ts ${copy}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed:\n${out}")
endif()
execute_process(
  COMMAND ${LRELEASE} ${copy} -qm ${WORK_DIR}/check.qm
  RESULT_VARIABLE status OUTPUT_VARIABLE released ERROR_VARIABLE released)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lrelease failed:\n${released}")
endif()
message("${out}${released}")
if(NOT released MATCHES "\\(([0-9]+) finished and 0 unfinished\\)" OR released MATCHES "untranslated")
  # Name the texts, so the message says what to translate.
  file(READ ${copy} ts)
  string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\"" open "${ts}")
  string(REPLACE "<translation type=\"unfinished\"" "" open "${open}")
  message(FATAL_ERROR "Texts without a finished Japanese translation in ${name}:\n${open}\n"
                      "Run: cmake --build build --target update_translations, then translate them.")
endif()
