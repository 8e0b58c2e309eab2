# wave climate from a wind record.
if(TARGET orvane_graphics)
  orvane_cli_script_test(climate_run climate_run.cmake -DPICTURES=1)
else()
  orvane_cli_script_test(climate_run climate_run.cmake)
endif()
orvane_cli_test(climate_bad_sectors_is_usage WILL_FAIL ARGS climate ${ORVANE_SAMPLES}/Bay.WDT wind.csv --sectors 10)
