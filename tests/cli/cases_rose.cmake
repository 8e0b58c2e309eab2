# rose, scenarios and the new keys of compute --json.

orvane_cli_test(rose_bay_text
  PASS "^# wind sector 120\\.00 deg, Seymour, Wilson, JONSWAP; every 10 deg\n# direction_deg bearing_deg central_fetch_km effective_fetch_km hs_m hs_ft ts_s\n     0     90\\.0 +[0-9.]+ +[0-9.]+ +[0-9.]+ +[0-9.]+ +[0-9.]+\n.*\n   350    100\\.0 [^\n]*\n$"
  ARGS rose ${ORVANE_SAMPLES}/Bay.WDT)
orvane_cli_test(rose_bay_csv
  PASS "^wind_direction_deg,bearing_deg,central_fetch,effective_fetch,hs_m,hs_ft,ts_s\n0,90,[0-9.]+,[0-9.]+,[0-9.]+,[0-9.]+,[0-9.]+\n.*\n240,210,[^\n]*\n.*\n330,120,[^\n]*\n$"
  ARGS rose ${ORVANE_SAMPLES}/Bay.WDT --csv --step=30)
orvane_cli_test(help_lists_rose_and_scenarios PASS "rose FILE.WDT \\[--step DEG\\].*scenarios FILE.WDT CASES.csv" ARGS --help)
orvane_cli_script_test(rose_json rose_json.cmake)
orvane_cli_script_test(scenarios_csv scenarios_csv.cmake)

foreach(bad "rose" "rose|@B@|@B@" "rose|@B@|--step|7" "rose|@B@|--step=0" "rose|@B@|--step|91" "rose|@B@|--step|-10"
            "rose|@B@|--step|ten" "rose|@B@|--step" "rose|@B@|--json|--csv" "rose|@B@|--colour" "rose|@WORK@/No.WDT"
            "scenarios" "scenarios|@B@" "scenarios|@B@|@WORK@/none.csv" "scenarios|@WORK@/No.WDT|@B@"
            "scenarios|@B@|@B@|@B@" "scenarios|@B@|@B@|--csv")
  string(REPLACE "@B@" "${ORVANE_SAMPLES}/Bay.WDT" args "${bad}")
  string(MAKE_C_IDENTIFIER "${bad}" id)
  orvane_cli_script_test(rose_usage_${id} expect_exit.cmake -DEXPECT=2 "-DARGS=${args}")
endforeach()

# The picture needs the graphics layer.
if(NOT TARGET orvane_graphics)
  return()
endif()
orvane_cli_script_test(rose_plot rose_plot.cmake)
orvane_cli_script_test(rose_plot_unwritable expect_exit.cmake -DEXPECT=1
                       -DARGS=rose|${ORVANE_SAMPLES}/Bay.WDT|--plot|@WORK@/no/such/folder/rose.png)
