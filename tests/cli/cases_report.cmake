# report: the results report and the theoretical summary as PDF and RTF,
# made offscreen. Only with the report layer.
if(NOT TARGET orvane_reports)
  return()
endif()

orvane_cli_test(help_lists_report PASS "report FILE.WDT OUT.pdf\\|OUT.rtf" ARGS --help)
orvane_cli_test(report_bay_prints_what_it_wrote PASS "results report, 2 pages, PDF"
                ARGS report ${ORVANE_SAMPLES}/Bay.WDT ${CMAKE_CURRENT_BINARY_DIR}/report_bay.PDF --seed 1)

# The documents themselves, read back with poppler (and LibreOffice for RTF).
orvane_cli_script_test(report_pdf report_document.cmake -DKIND=pdf)
orvane_cli_script_test(report_summary_pdf report_document.cmake -DKIND=summary)
orvane_cli_script_test(report_rtf report_document.cmake -DKIND=rtf)
set_tests_properties(cli_report_rtf PROPERTIES SKIP_REGULAR_EXPRESSION "SKIPPED: no LibreOffice" TIMEOUT 180)

foreach(bad "out.doc" "out" "out.pdf.txt")
  string(MAKE_C_IDENTIFIER "${bad}" id)
  orvane_cli_script_test(report_bad_extension_${id} expect_exit.cmake -DEXPECT=2
                         "-DARGS=report|${ORVANE_SAMPLES}/Bay.WDT|@WORK@/${bad}" -DMUST_NOT_EXIST=@WORK@/${bad})
endforeach()
orvane_cli_script_test(report_missing_project expect_exit.cmake -DEXPECT=2
                       -DARGS=report|@WORK@/No.WDT|@WORK@/a.pdf -DMUST_NOT_EXIST=@WORK@/a.pdf)
orvane_cli_script_test(report_unknown_option expect_exit.cmake -DEXPECT=2
                       -DARGS=report|${ORVANE_SAMPLES}/Bay.WDT|@WORK@/a.pdf|--colour -DMUST_NOT_EXIST=@WORK@/a.pdf)
orvane_cli_script_test(report_bad_seed expect_exit.cmake -DEXPECT=2
                       -DARGS=report|${ORVANE_SAMPLES}/Bay.WDT|@WORK@/a.pdf|--seed|x -DMUST_NOT_EXIST=@WORK@/a.pdf)
orvane_cli_script_test(report_one_file_only expect_exit.cmake -DEXPECT=2
                       -DARGS=report|${ORVANE_SAMPLES}/Bay.WDT)
orvane_cli_script_test(report_unwritable_output expect_exit.cmake -DEXPECT=1
                       -DARGS=report|${ORVANE_SAMPLES}/Bay.WDT|@WORK@/no/such/folder/a.rtf)
orvane_cli_script_test(report_point_outside_the_water report_point_outside.cmake)
