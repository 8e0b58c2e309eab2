# import-shoreline and export-gis, when the GIS library is built.
if(NOT TARGET orvane_gis)
  return()
endif()

orvane_cli_test(gis_help PASS "import-shoreline FILE.WDT SOURCE.*export-gis FILE.WDT OUT" ARGS --help)
orvane_cli_script_test(gis_unknown_format_is_exit_2 expect_exit.cmake -DEXPECT=2
                       -DARGS=export-gis|${ORVANE_SAMPLES}/Bay.WDT|@WORK@/bay.txt -DMUST_NOT_EXIST=@WORK@/bay.txt)
orvane_cli_script_test(gis_kml_needs_crs_is_exit_2 expect_exit.cmake -DEXPECT=2
                       -DARGS=export-gis|${ORVANE_SAMPLES}/Bay.WDT|@WORK@/bay.kml -DMUST_NOT_EXIST=@WORK@/bay.kml)
orvane_cli_script_test(gis_bad_crs_is_exit_2 expect_exit.cmake -DEXPECT=2
                       -DARGS=export-gis|${ORVANE_SAMPLES}/Bay.WDT|@WORK@/bay.gpkg|--crs|32633)
orvane_cli_script_test(gis_missing_source_is_exit_2 expect_exit.cmake -DEXPECT=2
                       -DARGS=import-shoreline|${ORVANE_SAMPLES}/Bay.WDT|@WORK@/none.gpkg)
orvane_cli_script_test(gis_without_module gis_without_module.cmake)

# Every format written with rays, read by ogrinfo, imported back; a file of
# points refused with the project untouched.
find_program(ORVANE_OGRINFO ogrinfo)
if(ORVANE_OGRINFO)
  orvane_cli_script_test(gis_round_trip gis_round_trip.cmake -DOGRINFO=${ORVANE_OGRINFO})
else()
  message(STATUS "ogrinfo not found (Debian gdal-bin): the GIS round-trip test is left out")
endif()
