# wind and growth: the chain and the laws as JSON, usage errors, and the
# computing commands with a growth law and storm duration.

# USACE (2002) EM 1110-2-1100 Part II-2, Example Problem II-2-2: 19.9 m/s of a
# 3-hr mean is 20.8 m/s (20.87 before the manual cuts it) of a 90-min mean.
orvane_cli_test(wind_json ARGS wind --speed 19.9 --unit m/s --averaging 10800 --duration 5400 --delta-t 0 --json
  PASS "\"RL\": 1,\n  \"DeltaT\": 0,\n  \"RT\": 1,\n  \"U10OneHour\": 21.43[0-9]*,[^}]*\"U10\": 20.86[0-9]*,\n  \"CD\": 0.00183[0-9]*,\n  \"UStar\": 0.892[0-9]*,\n  \"UA\": 29.8")
orvane_cli_test(wind_unknown_exposure_is_usage WILL_FAIL ARGS wind --speed 10 --unit knots --exposure sea)
# Hand computation in tests/core/GrowthLawsTest.cpp (U10 20 m/s, 50 km, 2 h).
orvane_cli_test(growth_cem_json ARGS growth --law cem --u10 20 --fetch-m 50000 --duration-h 2 --json
  PASS "\"Hm0\": 1.074[0-9]*,\n  \"Tp\": 2.8[0-9]*,\n  \"Limited\": \"duration\",\n  \"MinimumDurationH\": 6.17[0-9]*,\n  \"EquivalentFetchM\": 9218.6")
orvane_cli_test(growth_depth_law_needs_depth WILL_FAIL ARGS growth --law young-verhagen --u10 20 --fetch-m 5000)
orvane_cli_test(compute_growth_duration ARGS compute ${ORVANE_SAMPLES}/Bay.WDT --seed 1 --growth cem --duration-h 1
  PASS "Growth law: CEM, u\\*-based, 1.0 h\nduration-limited: 1.0 h needs [0-9.]+ h for this fetch\n")
orvane_cli_test(compute_growth_json ARGS compute ${ORVANE_SAMPLES}/Bay.WDT --seed 1 --json --growth spm84
  PASS "\"Growth\": {\"Law\": \"spm84\", \"LawInEffect\": \"spm84\", \"DurationH\": null, \"GoverningFetch\": [0-9.]+, \"Limited\": \"fetch\"")
orvane_cli_test(compute_growth_bad_law_is_usage WILL_FAIL ARGS compute ${ORVANE_SAMPLES}/Bay.WDT --growth smb)
orvane_cli_test(rose_growth ARGS rose ${ORVANE_SAMPLES}/Bay.WDT --step 90 --growth cem --duration-h 2
  PASS "# growth law cem, 2 h\n")
orvane_cli_script_test(companion_round_trip companion_round_trip.cmake)
