# export-gis on a full file system: a small tmpfs mounted in a mount
# namespace of its own (root only; skipped otherwise) holding an old GeoJSON
# file and an old Shapefile set, then filled. Each export fails with exit 1
# and the reason, and leaves the old files as they were and nothing else.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/disk")
set(disk "${WORK}/disk")
# (No semicolons in the script: CMake would split the argument there.)
execute_process(COMMAND unshare -m sh -c "
mount -t tmpfs -o size=512k tmpfs '${disk}' || exit 77
'${CLI}' export-gis '${SAMPLES}/Bay.WDT' '${disk}/old.shp' >/dev/null || exit 3
printf 'previous contents' > '${disk}/bay.geojson'
cd '${disk}' && sha256sum * > ../before
dd if=/dev/zero of='${disk}/filler' bs=1k count=1024 2>/dev/null
'${CLI}' export-gis '${SAMPLES}/Bay.WDT' '${disk}/bay.geojson' --rays
echo \"geojson exit=$?\"
'${CLI}' export-gis '${SAMPLES}/Bay.WDT' '${disk}/old.shp' --rays --crs EPSG:32633
echo \"shp exit=$?\"
rm filler
sha256sum * > ../after
ls -A
" RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(code EQUAL 77 OR (NOT code EQUAL 0 AND NOT out MATCHES "exit="))
  message("SKIPPED: cannot mount a small file system here (needs root and mount namespaces): ${err}")
  return()
endif()
if(NOT out MATCHES "geojson exit=1" OR NOT out MATCHES "shp exit=1")
  message(FATAL_ERROR "an export on a full disk must fail:\n${out}\n${err}")
endif()
string(REGEX MATCHALL "cannot write \\[[^]]+\\]: no space left on device" reasons "${err}")
list(LENGTH reasons count)
if(NOT count EQUAL 2)
  message(FATAL_ERROR "each failure names the file and the reason:\n${err}")
endif()
file(READ "${WORK}/before" before)
file(READ "${WORK}/after" after)
if(NOT before STREQUAL after OR out MATCHES "orvane-tmp")
  message(FATAL_ERROR "the old files changed or a temporary was left:\n${before}\n${after}\n${out}")
endif()
