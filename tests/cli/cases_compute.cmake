# compute, fetch, bench: the wave engine from the command line.

# Builds unusual and damaged projects from the samples for the script tests.
add_executable(orvane_patch_project "${CMAKE_CURRENT_LIST_DIR}/patch_project.cpp")
orvane_warnings(orvane_patch_project)
target_link_libraries(orvane_patch_project PRIVATE orvane_core)
set_target_properties(orvane_patch_project PROPERTIES AUTOMOC OFF)

# The sample results, line by line (a change here is a change of the engine).
orvane_cli_test(compute_bay
  PASS "^Wave spectrum\n \nfs =0\\.281 Hz\nTs = 3\\.56 sec\n \nHs = 1\\.15 m\nH1/3 = 1\\.15 m\nH1/10= 1\\.46 m\nHmax= 1\\.84 m\nFetch along the wind direction \\(45\\.00 deg\\): 6\\.289 km\n$"
  ARGS compute ${ORVANE_SAMPLES}/Bay.WDT --seed 1)
orvane_cli_test(compute_harbour
  PASS "^Wave spectrum\n \nfs =0\\.536 Hz\nTs = 1\\.87 sec\n \nHs = 0\\.31 m\nH1/3 = 0\\.31 m\nH1/10= 0\\.39 m\nHmax= 0\\.49 m\nFetch along the wind direction \\(80\\.00 deg\\): 258\\.271 m\n$"
  ARGS compute ${ORVANE_SAMPLES}/Harbour.WDT)
orvane_cli_test(fetch_bay
  PASS "^# direction_deg fetch_km fetch_ft\n  -14\\.00 +7\\.7862 +25545\\.03\n.*\n   44\\.00 .*\n  104\\.00 +[0-9.]+ +[0-9.]+\n$"
  ARGS fetch ${ORVANE_SAMPLES}/Bay.WDT)
orvane_cli_test(bench_harbour PASS "^ComputeWaves median_us=[0-9]+\\.[0-9]\nFetchScan median_us=[0-9]+\\.[0-9]\n$"
                ARGS bench ${ORVANE_SAMPLES}/Harbour.WDT)
orvane_cli_test(help_lists_engine_commands PASS "compute FILE.WDT \\[--seed N\\] \\[--json\\].*fetch FILE.WDT.*bench FILE.WDT"
                ARGS --help)

orvane_cli_script_test(compute_json compute_json.cmake -DPATCH=$<TARGET_FILE:orvane_patch_project>)

foreach(bad "compute" "compute|@B@|@B@" "compute|@B@|--colour" "compute|@B@|--seed" "compute|@B@|--seed|abc"
            "compute|@B@|--seed=-1" "compute|@B@|--seed|4294967296" "compute|@B@|--seed|1.5"
            "compute|/nonexistent/P.WDT" "fetch" "fetch|/nonexistent/P.WDT" "bench|@B@|@B@" "bench|/nonexistent/P.WDT")
  string(REPLACE "@B@" "${ORVANE_SAMPLES}/Bay.WDT" args "${bad}")
  string(MAKE_C_IDENTIFIER "${bad}" id)
  orvane_cli_script_test(engine_usage_${id} expect_exit.cmake -DEXPECT=2 "-DARGS=${args}")
endforeach()
orvane_cli_script_test(uniform_lake uniform_lake.cmake -DPATCH=$<TARGET_FILE:orvane_patch_project>)

# One option rule for every command: a word starting with "-" is an option;
# one written with a single dash, or one the command does not know, is a
# usage error, the same in every command; "--" ends the options.
orvane_cli_test(option_rule_single_dash_compute PASS "unknown option -x" ARGS compute -x ${ORVANE_SAMPLES}/Bay.WDT)
if(TARGET orvane_reports)
  orvane_cli_test(option_rule_single_dash_report PASS "unknown option -x"
                  ARGS report ${ORVANE_SAMPLES}/Bay.WDT -x ${CMAKE_CURRENT_BINARY_DIR}/never.pdf)
endif()
foreach(bad "rose|@B@|-json" "scenarios|@B@|x.csv|--nope" "plot|@B@|p.png|-size"
            "export-gis|@B@|o.geojson|--rays=1" "wind|--speed|10" "growth|--law|cem|extra")
  string(REPLACE "@B@" "${ORVANE_SAMPLES}/Bay.WDT" args "${bad}")
  string(REPLACE "@O@" "${CMAKE_CURRENT_BINARY_DIR}/never.pdf" args "${args}")
  string(MAKE_C_IDENTIFIER "${bad}" id)
  orvane_cli_script_test(option_rule_${id} expect_exit.cmake -DEXPECT=2 "-DARGS=${args}")
endforeach()
orvane_cli_test(option_rule_values_and_numbers
  PASS "Hs = 1\\.15 m"
  ARGS compute --seed=1 -- ${ORVANE_SAMPLES}/Bay.WDT)
