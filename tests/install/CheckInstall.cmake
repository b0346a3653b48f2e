# Installs the build into a temporary prefix, checks the installed tree,
# starts the program through the link in bin/ from an unrelated directory,
# and removes the tree again by its install manifest, as the README says.
#
#   cmake -DBUILD_DIR=... -DPREFIX=... -DPROBE_PLUGIN_DIR=... -P CheckInstall.cmake

foreach(var BUILD_DIR PREFIX PROBE_PLUGIN_DIR)
  if(NOT ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

# Every install writes the build's install_manifest.txt; keep the user's own.
set(manifest ${BUILD_DIR}/install_manifest.txt)
set(saved_manifest ${PREFIX}.manifest)
file(REMOVE_RECURSE ${PREFIX} ${saved_manifest})
if(EXISTS ${manifest})
  file(RENAME ${manifest} ${saved_manifest})
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET)
file(READ ${manifest} installed)
file(REMOVE ${manifest})
if(EXISTS ${saved_manifest})
  file(RENAME ${saved_manifest} ${manifest})
endif()
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()

# The layout.
foreach(file lib/turvane/turvane lib/turvane/plugins/libturvaneprint.so
             share/turvane/Cal1.dat share/turvane/Cal2.dat share/turvane/jyuusyou.dat
             share/doc/turvane/copyright share/doc/turvane/changelog.Debian.gz
             share/applications/org.oakhollow.turvane.desktop
             share/metainfo/org.oakhollow.turvane.metainfo.xml
             share/icons/hicolor/32x32/apps/turvane.png
             share/icons/hicolor/scalable/apps/turvane.svg)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
if(MANPAGE AND NOT EXISTS ${PREFIX}/share/man/man1/turvane.1.gz)
  message(FATAL_ERROR "not installed: share/man/man1/turvane.1.gz")
endif()
# man shows the Japanese page under a Japanese locale, the English one
# otherwise. (man -M would look in the English pages only.)
find_program(MAN man)
if(MANPAGE AND MAN)
  foreach(case "ja_JP.UTF-8=share/man/ja/man1/turvane.1.gz" "C.UTF-8=share/man/man1/turvane.1.gz")
    string(REPLACE "=" ";" case "${case}")
    list(GET case 0 locale)
    list(GET case 1 page)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env --unset=LANGUAGE --unset=LC_ALL --unset=LC_MESSAGES
              LANG=${locale} MANPATH=${PREFIX}/share/man ${MAN} -w turvane
      OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT found STREQUAL "${PREFIX}/${page}")
      message(FATAL_ERROR "under ${locale}, man finds '${found}', not ${page}")
    endif()
  endforeach()
endif()
# The sample year is read-only data under share/; the program's directory
# links to it, relative, so the program still finds it beside itself.
foreach(file Cal1.dat Cal2.dat jyuusyou.dat)
  file(READ_SYMLINK ${PREFIX}/lib/turvane/${file} link)
  if(NOT link STREQUAL "../../share/turvane/${file}")
    message(FATAL_ERROR "lib/turvane/${file} is not a link to share/turvane: '${link}'")
  endif()
endforeach()
if(NOT IS_SYMLINK ${PREFIX}/bin/turvane)
  message(FATAL_ERROR "bin/turvane is not a link")
endif()
# Relative, so the tree still works when moved or unpacked elsewhere.
file(READ_SYMLINK ${PREFIX}/bin/turvane link)
if(NOT link STREQUAL "../lib/turvane/turvane")
  message(FATAL_ERROR "bin/turvane points to ${link}")
endif()

# Starts the installed program through the link in bin/ from an unrelated
# directory with the probe plugin, which reports what the windows show, and
# fails unless every one of the expected lines is in the report.
function(run_installed name)
  cmake_parse_arguments(PARSE_ARGV 1 run "" "" "ARGS;EXPECT")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen TZ=Asia/Tokyo
            XDG_DATA_HOME=${PREFIX}/elsewhere/no-seasons
            QT_PLUGIN_PATH=${PROBE_PLUGIN_DIR} QT_QPA_GENERIC_PLUGINS=turvaneprobe
            ${PREFIX}/bin/turvane ${run_ARGS}
    WORKING_DIRECTORY ${PREFIX}/elsewhere
    TIMEOUT 60
    RESULT_VARIABLE rc
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err)
  message(STATUS "The installed program (${name}) reported:\n${out}")
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the installed program (${name}) ended with ${rc}:\n${err}")
  endif()
  foreach(line IN LISTS run_EXPECT)
    string(FIND "${out}" "${line}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "missing from the report (${name}): ${line}")
    endif()
  endforeach()
  set(report "${out}" PARENT_SCOPE)
endfunction()

file(MAKE_DIRECTORY ${PREFIX}/elsewhere)

# Without options: the sample year, through the links beside the program.
file(REAL_PATH ${PREFIX}/lib/turvane/turvane real_executable)
run_installed(plain EXPECT
    "executable: ${real_executable}"
    "window: Turvane version 0.90"
    "Form1.StringGrid1 name=\"開催日程\" rows=110 columns=3 first=\"１月　５日 ■中山 １回 １日目\" rowHeader=\"１月　５日\""
    "Form1.StringGrid2 name=\"競馬場別開催日程\" rows=110 columns=10 first=\"１月　５日 １回 １日目\" rowHeader=\"１月　５日\" columnHeader=\"★京都\""
    "Form2.StringGrid1 name=\"重賞日程一覧\" rows=110 columns=3"
    "graded races closed"
    "print preview opened")
string(FIND "${report}" "error box" at)
if(NOT at EQUAL -1)
  message(FATAL_ERROR "the installed program showed an error box")
endif()

# Another directory and another day: the panel, the grids and the list follow
# the date, and messages name the files under the directory given.
set(own "${PREFIX}/elsewhere/own data")
file(MAKE_DIRECTORY "${own}")
file(COPY ${PREFIX}/share/turvane/Cal1.dat ${PREFIX}/share/turvane/Cal2.dat
          ${PREFIX}/share/turvane/jyuusyou.dat DESTINATION "${own}")
run_installed(own-data-and-date ARGS --data "${own}" --date 2003-05-17 EXPECT
    "Form1.GroupBox4 title=\"本日の開催 [2003/05/17]\""
    "Form1.Edit1 text=\"◆東京 ２回 ８日目\""
    "Form1.StringGrid1 row=40 topRow=40"
    "Form1.StringGrid2 row=41 topRow=41"
    "Form2.StringGrid1 row=40 topRow=40")
file(REMOVE "${own}/jyuusyou.dat")
run_installed(own-data-incomplete ARGS --data "${own}" EXPECT
    "error box: ファイル ${own}/jyuusyou.dat は開けません")

# The document with no display, written by the installed program.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
          ${PREFIX}/bin/turvane --pdf ${PREFIX}/elsewhere/schedule.pdf
  RESULT_VARIABLE rc ERROR_VARIABLE err)
file(READ ${PREFIX}/elsewhere/schedule.pdf head LIMIT 8)
if(NOT rc EQUAL 0 OR NOT head MATCHES "^%PDF-")
  message(FATAL_ERROR "the installed program wrote no PDF (${rc}): ${err}")
endif()

# Removing the manifest's files leaves nothing but directories behind.
string(REPLACE "\n" ";" installed "${installed}")
file(REMOVE ${installed})
file(GLOB_RECURSE left LIST_DIRECTORIES false ${PREFIX}/*)
list(FILTER left EXCLUDE REGEX "/elsewhere/")
if(left)
  message(FATAL_ERROR "left after removing the manifest's files: ${left}")
endif()
file(REMOVE_RECURSE ${PREFIX})
