# map, points and the project's coordinate system.
orvane_cli_test(map_help PASS "points FILE.WDT POINTS OUT.*map FILE.WDT OUT.tif" ARGS --help)
foreach(bad "--tile|3/2" "--tile|0/1" "--cell|-1" "--quantity|height")
  string(REPLACE "|" "_" label "${bad}")
  string(REGEX REPLACE "[^A-Za-z0-9_]" "" label "${label}")
  orvane_cli_script_test(map_usage_${label}_is_exit_2 expect_exit.cmake -DEXPECT=2
                         -DARGS=map|${ORVANE_SAMPLES}/Bay.WDT|@WORK@/bay.png|${bad} -DMUST_NOT_EXIST=@WORK@/bay.png)
endforeach()
if(TARGET orvane_graphics)  # a PNG map needs the pictures
  orvane_cli_script_test(map_too_many_rows_for_the_tiles_is_exit_1 expect_exit.cmake -DEXPECT=1
                         -DARGS=map|${ORVANE_SAMPLES}/Bay.WDT|@WORK@/bay.png|--cell|10|--tile|2/9
                         -DMUST_NOT_EXIST=@WORK@/bay.png)
endif()
orvane_cli_script_test(points_equal_compute points_equal_compute.cmake)
if(TARGET orvane_gis)
  find_program(ORVANE_OGRINFO ogrinfo)
  orvane_cli_script_test(crs_import_export crs_import_export.cmake -DOGRINFO=${ORVANE_OGRINFO})
endif()
