# A coordinate system set by import-shoreline stays with the project: the
# companion file keeps it through later saves, export-gis writes it without
# --crs, the rose reads true bearings, and a lon/lat points file is placed.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(COPY "${SAMPLES}/Bay.WDT" DESTINATION "${WORK}")

function(run)
  execute_process(COMMAND "${CLI}" ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "orvane-cli ${ARGN}: exit ${code}\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

# A lake of about 8 by 5 km at 23.7 E, 37.9 N (UTM zone 34, 2.7 degrees east
# of its central meridian: a convergence of 1.66 degrees).
file(WRITE "${WORK}/lake.geojson" [=[{"type": "FeatureCollection", "features": [
{"type": "Feature", "properties": {}, "geometry": {"type": "Polygon", "coordinates": [[
[23.65, 37.88], [23.74, 37.87], [23.75, 37.90], [23.73, 37.92], [23.66, 37.915], [23.65, 37.88]]]}}]}]=])
run(import-shoreline "${WORK}/Bay.WDT" "${WORK}/lake.geojson" --point 23.70,37.90)
if(NOT out MATCHES "coordinate system is now EPSG:32634")
  message(FATAL_ERROR "import did not keep the system:\n${out}")
endif()
# Another save of the project (a set of an unrelated key) keeps it.
run(set "${WORK}/Bay.WDT" depth=12)
file(READ "${WORK}/Bay.WDT.json" companion)
string(JSON crs GET "${companion}" crs)
if(NOT crs STREQUAL "EPSG:32634")
  message(FATAL_ERROR "companion: ${companion}")
endif()

run(export-gis "${WORK}/Bay.WDT" "${WORK}/lake-out.gpkg")
if(OGRINFO)
  execute_process(COMMAND "${OGRINFO}" -ro -so "${WORK}/lake-out.gpkg" region OUTPUT_VARIABLE info)
  if(NOT info MATCHES "32634")
    message(FATAL_ERROR "export-gis did not write the project's system:\n${info}")
  endif()
endif()

# True bearings: direction 0 is grid bearing 90, true bearing 90 + convergence.
run(rose "${WORK}/Bay.WDT" --json --step 90)
string(JSON bearing GET "${out}" Rose 0 Bearing)
if(NOT bearing MATCHES "^91\\.6")
  message(FATAL_ERROR "rose bearing ${bearing}, expected a true bearing of 91.6")
endif()

# The point as lon/lat, and a points file in lon/lat.
run(set "${WORK}/Bay.WDT" point_lonlat=23.70,37.90)
file(WRITE "${WORK}/sites.csv" "name,lon,lat\npier,23.70,37.90\nhill,23.60,37.95\n")
run(points "${WORK}/Bay.WDT" "${WORK}/sites.csv" "${WORK}/sites.geojson")
file(READ "${WORK}/sites.geojson" sites)
string(JSON first GET "${sites}" features 0 properties in_water)
string(JSON second GET "${sites}" features 1 properties in_water)
if(NOT first STREQUAL "ON" OR NOT second STREQUAL "OFF")
  message(FATAL_ERROR "points: ${sites}")
endif()
