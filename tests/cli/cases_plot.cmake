# plot: the region picture as PNG, drawn offscreen. Only with the graphics layer.
if(NOT TARGET orvane_graphics)
  return()
endif()

orvane_cli_test(plot_bay PASS "433 x 365 pixels, region plot\nregion x 0.928 to 20.537 km.*\ngrid 5 km"
                ARGS plot ${ORVANE_SAMPLES}/Bay.WDT ${CMAKE_CURRENT_BINARY_DIR}/plot_bay.png)
orvane_cli_test(plot_harbour_report PASS "600 x 500 pixels, report picture\nregion x 0.000 to 960.000 m, y 0.000 to 720.000 m, span 960.000 m\ngrid 100 m"
                ARGS plot ${ORVANE_SAMPLES}/Harbour.WDT ${CMAKE_CURRENT_BINARY_DIR}/plot_harbour.png --report --size=600x500)
orvane_cli_test(help_lists_plot PASS "plot FILE.WDT OUT.png" ARGS --help)
orvane_cli_script_test(plot_pictures plot_pictures.cmake)
orvane_cli_script_test(plot_missing_project expect_exit.cmake -DEXPECT=2 -DARGS=plot|@WORK@/No.WDT|@WORK@/a.png
                       -DMUST_NOT_EXIST=@WORK@/a.png)
foreach(bad "0x365" "433x0" "433" "433x365x2" "ax5" "8193x10" "-5x5")
  string(MAKE_C_IDENTIFIER "${bad}" id)
  orvane_cli_script_test(plot_bad_size_${id} expect_exit.cmake -DEXPECT=2
                         "-DARGS=plot|${ORVANE_SAMPLES}/Bay.WDT|@WORK@/a.png|--size|${bad}" -DMUST_NOT_EXIST=@WORK@/a.png)
endforeach()
orvane_cli_script_test(plot_unknown_option expect_exit.cmake -DEXPECT=2
                       -DARGS=plot|${ORVANE_SAMPLES}/Bay.WDT|@WORK@/a.png|--colour)
orvane_cli_script_test(plot_report_with_numbers expect_exit.cmake -DEXPECT=2
                       -DARGS=plot|${ORVANE_SAMPLES}/Bay.WDT|@WORK@/a.png|--report|--numbers)
orvane_cli_script_test(plot_unwritable_output expect_exit.cmake -DEXPECT=1
                       -DARGS=plot|${ORVANE_SAMPLES}/Bay.WDT|@WORK@/no/such/folder/a.png)
