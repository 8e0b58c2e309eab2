# export-gis in every format (ogrinfo must read each file written), then
# import-shoreline of the GeoPackage gives back the boundaries; a source of
# points only is refused and leaves the project byte for byte as it was.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(COPY "${SAMPLES}/Harbour.WDT" "${SAMPLES}/Bay.WDT" DESTINATION "${WORK}")

function(run)
  execute_process(COMMAND "${CLI}" ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "orvane-cli ${ARGN}: exit ${code}\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

# Harbour's 90-degree sector has 45 directions; every one meets a shore.
foreach(name h.geojson h.gpkg h.kml h.shp)
  run(export-gis "${WORK}/Harbour.WDT" "${WORK}/${name}" --rays --crs EPSG:32633)
  string(REGEX MATCHALL "wrote [^\n]+" written "${out}")
  foreach(line IN LISTS written)
    string(SUBSTRING "${line}" 6 -1 file)
    if(NOT file MATCHES "\\.(geojson|gpkg|kml|shp)$")
      continue()  # the side files of a Shapefile
    endif()
    execute_process(COMMAND "${OGRINFO}" -ro -al -so "${file}" RESULT_VARIABLE code OUTPUT_VARIABLE info
                    ERROR_VARIABLE err)
    if(NOT code EQUAL 0 OR NOT info MATCHES "Feature Count: ")
      message(FATAL_ERROR "ogrinfo cannot read ${file}: ${code}\n${info}\n${err}")
    endif()
    string(REGEX MATCHALL "Feature Count: [0-9]+" counts "${info}")
    string(APPEND summary "${name}: ${counts}\n")
  endforeach()
endforeach()
foreach(expected "h.geojson: Feature Count: 47" "h.gpkg: Feature Count: 1;Feature Count: 1;Feature Count: 45"
                 "h.shp: Feature Count: 1\nh.shp: Feature Count: 1\nh.shp: Feature Count: 45")
  string(FIND "${summary}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "expected ${expected} in\n${summary}")
  endif()
endforeach()

# The GeoPackage back into Bay: Harbour's boundaries, node for node.
run(import-shoreline "${WORK}/Bay.WDT" "${WORK}/h.gpkg")
if(NOT out MATCHES "kept in EPSG:32633")
  message(FATAL_ERROR "import did not keep the coordinate system:\n${out}")
endif()
run(export-coords "${WORK}/Harbour.WDT" "${WORK}/a.txt")
run(export-coords "${WORK}/Bay.WDT" "${WORK}/b.txt")
file(READ "${WORK}/a.txt" a)
file(READ "${WORK}/b.txt" b)
if(NOT a STREQUAL b)
  message(FATAL_ERROR "the imported boundaries differ:\n${a}\n---\n${b}")
endif()

file(WRITE "${WORK}/points.geojson" [=[{"type": "FeatureCollection", "features": [
{"type": "Feature", "properties": {}, "geometry": {"type": "Point", "coordinates": [23.7, 37.9]}}]}]=])
file(SHA256 "${WORK}/Bay.WDT" before)
execute_process(COMMAND "${CLI}" import-shoreline "${WORK}/Bay.WDT" "${WORK}/points.geojson" RESULT_VARIABLE code
                ERROR_VARIABLE err)
file(SHA256 "${WORK}/Bay.WDT" after)
if(NOT code EQUAL 1 OR NOT err MATCHES "no polygon or closed line" OR NOT before STREQUAL after)
  message(FATAL_ERROR "points only: exit ${code}, project changed: ${before} ${after}\n${err}")
endif()
