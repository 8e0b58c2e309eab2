# info, export-coords, import-coords, usage.

orvane_cli_test(info_bay PASS "Title: +Kestrel Bay.*Coordinates: +km.*1 outer +49 nodes.*island 1 +13 nodes.*Seymour"
                ARGS info ${ORVANE_SAMPLES}/Bay.WDT)
orvane_cli_test(info_harbour PASS "Coordinates: +m .*velocity 18.00 m/sec.*Depth: +12.000 m.*Saville"
                ARGS info ${ORVANE_SAMPLES}/Harbour.WDT)
orvane_cli_test(help PASS "Commands:.*info.*export-coords.*import-coords" ARGS --help)
orvane_cli_test(no_arguments WILL_FAIL ARGS)
orvane_cli_test(unknown_command WILL_FAIL ARGS frobnicate)
orvane_cli_script_test(missing_project_is_exit_2 expect_exit.cmake -DEXPECT=2 -DARGS=info|/nonexistent/P.WDT
                       -DMUST_NOT_EXIST=/nonexistent/P.WDT)
orvane_cli_script_test(missing_project_not_created expect_exit.cmake -DEXPECT=2 -DARGS=info|@WORK@/New.WDT
                       -DMUST_NOT_EXIST=@WORK@/New.WDT)
orvane_cli_script_test(bad_usage_is_exit_2 expect_exit.cmake -DEXPECT=2 -DARGS=export-coords|only-one)
orvane_cli_script_test(coords_round_trip coords_round_trip.cmake)
if(TARGET orvane_graphics)
  set(pictures ON)
else()
  set(pictures OFF)
endif()
orvane_cli_script_test(read_only_commands read_only.cmake -DPICTURES=${pictures})
orvane_cli_script_test(import_formats import_formats.cmake -DPICTURES=${pictures})
if(TARGET orvane_reports)
  set(reports ON)
else()
  set(reports OFF)
endif()
orvane_cli_script_test(hostile_files hostile_files.cmake -DPATCH=$<TARGET_FILE:orvane_patch_project> -DPICTURES=${pictures}
                       -DREPORTS=${reports})
