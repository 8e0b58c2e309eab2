# Installs the build into ROOT and checks what an installed Orvane needs:
# exactly the program folder's files under opt/orvane (nothing the build
# folder gathered at run time), relative links in usr/bin that run, a valid
# desktop entry, and a file type that matches .WDT in either case.

function(fail)
  message(FATAL_ERROR ${ARGN})
endfunction()

file(REMOVE_RECURSE "${ROOT}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${ROOT}"
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  fail("cmake --install failed: ${err}")
endif()

set(expected
  opt/orvane/Doc/OrvaneManual.doc opt/orvane/Doc/OrvaneManual.pdf opt/orvane/HLP/KAVRO421ENG.CHM
  opt/orvane/INSTALLED opt/orvane/Orvane opt/orvane/Orvane.INI opt/orvane/OrvaneFAQ.chm opt/orvane/Projects/Bay.WDT
  opt/orvane/Projects/Harbour.WDT opt/orvane/orvane-cli usr/bin/orvane usr/bin/orvane-cli
  usr/share/applications/orvane.desktop usr/share/icons/hicolor/scalable/apps/orvane.svg
  usr/share/mime/packages/orvane.xml)
if(GIS)
  list(APPEND expected opt/orvane/liborvane-gis.so)
  list(SORT expected)
endif()
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${ROOT}" "${ROOT}/*")
list(SORT installed)
if(NOT installed STREQUAL expected)
  fail("installed files differ.\n expected: ${expected}\n installed: ${installed}")
endif()

foreach(pair IN ITEMS "orvane=../../opt/orvane/Orvane" "orvane-cli=../../opt/orvane/orvane-cli")
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 name)
  list(GET pair 1 target)
  file(READ_SYMLINK "${ROOT}/usr/bin/${name}" points_to)
  if(NOT points_to STREQUAL target)
    fail("usr/bin/${name} points to ${points_to}, not ${target}")
  endif()
endforeach()

# The programs run through their links, from any folder.
execute_process(COMMAND "${ROOT}/usr/bin/orvane-cli" compute "${ROOT}/opt/orvane/Projects/Bay.WDT" --seed 1
                WORKING_DIRECTORY "${ROOT}" RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out MATCHES "Hs = [0-9.]+ m")
  fail("installed orvane-cli compute failed (${rc}): ${out}${err}")
endif()
if(GIS)
  # The GIS module is found beside the program the link leads to.
  execute_process(COMMAND "${ROOT}/usr/bin/orvane-cli" export-gis "${ROOT}/opt/orvane/Projects/Bay.WDT"
                          "${ROOT}/bay.geojson" --rays
                  WORKING_DIRECTORY "${ROOT}" RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT EXISTS "${ROOT}/bay.geojson")
    fail("installed orvane-cli export-gis failed (${rc}): ${out}${err}")
  endif()
endif()
execute_process(COMMAND "${ROOT}/usr/bin/orvane" --version RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "Orvane ${VERSION}\n")
  fail("orvane --version gave (${rc}) '${out}'")
endif()
execute_process(COMMAND "${ROOT}/usr/bin/orvane" a.WDT b.WDT RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 2 OR NOT err MATCHES "one project file at a time")
  fail("orvane with two files gave (${rc}) '${err}'")
endif()

if(VALIDATE)
  execute_process(COMMAND "${VALIDATE}" "${ROOT}/usr/share/applications/orvane.desktop"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR out OR err)
    fail("desktop-file-validate: ${out}${err}")
  endif()
endif()
if(MIMEDB)
  execute_process(COMMAND "${MIMEDB}" "${ROOT}/usr/share/mime" RESULT_VARIABLE rc ERROR_VARIABLE err)
  file(READ "${ROOT}/usr/share/mime/globs2" globs)
  if(NOT rc EQUAL 0 OR NOT globs MATCHES "application/x-orvane-project:\\*\\.wdt\n" OR globs MATCHES ":cs")
    fail("the project file type is not matched by *.wdt in either case (${rc}): ${err}\n${globs}")
  endif()
endif()
file(REMOVE_RECURSE "${ROOT}")
