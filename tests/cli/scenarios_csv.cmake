# scenarios: columns in any order, semicolons with decimal commas, bad rows
# reported and left without results (exit 1) while the others are computed,
# limits noted; the JSON of the project's own wind is compute's result.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(bay "${SAMPLES}/Bay.WDT")

file(WRITE "${WORK}/mixed.csv" "Speed;id;direction;depth\n60;a;45;25\n\n3;b;90;\nfast;c;90;10\n40;\"d;e\";180;2,5\n")
execute_process(COMMAND "${CLI}" scenarios "${bay}" "${WORK}/mixed.csv"
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 1)
  message(FATAL_ERROR "a bad row should give exit 1, got ${code}\n${out}\n${err}")
endif()
if(NOT err MATCHES "mixed.csv row 5: speed 'fast' is not a number\n$")
  message(FATAL_ERROR "stderr: ${err}")
endif()
set(n "[0-9.]+")
# (Quoted arguments: a semicolon in an unquoted one would split it.)
string(CONCAT expected
  "^Speed,id,direction,depth,central_fetch,effective_fetch,hs_m,hs_ft,ts_s,point_in_water,note\n"
  "60,a,45,25,${n},${n},${n},${n},${n},true,\n"
  "3,b,90,,${n},${n},${n},${n},${n},true,speed 3 -> 5\n"
  "fast,c,90,10,,,,,,,speed 'fast' is not a number\n"
  "40,\"d;e\",180,\"2,5\",${n},${n},${n},${n},${n},true,depth 2.5 -> 5\n$")
if(NOT out MATCHES "${expected}")
  message(FATAL_ERROR "output:\n${out}")
endif()

file(WRITE "${WORK}/cases.csv" "x,y,direction,speed\n,,45,60\n-100,-100,45,60\n")
execute_process(COMMAND "${CLI}" scenarios "${bay}" "${WORK}/cases.csv" --json
                RESULT_VARIABLE code OUTPUT_VARIABLE json ERROR_VARIABLE err)
execute_process(COMMAND "${CLI}" compute "${bay}" --json --seed 1 OUTPUT_VARIABLE compute)
if(NOT code EQUAL 0 OR NOT err STREQUAL "")
  message(FATAL_ERROR "exit ${code}\n${err}")
endif()
string(JSON count LENGTH "${json}" Cases)
string(JSON row GET "${json}" Cases 1 Row)
string(JSON wet GET "${json}" Cases 0 PointInWater)
string(JSON dry GET "${json}" Cases 1 PointInWater)
if(NOT (count EQUAL 2 AND row EQUAL 3 AND wet STREQUAL "ON" AND dry STREQUAL "OFF"))
  message(FATAL_ERROR "${json}")
endif()
foreach(key CentralFetch EffectiveFetch HeightM HeightFt Period)
  string(JSON s GET "${json}" Cases 0 ${key})
  string(JSON c GET "${compute}" ${key})
  if(NOT s STREQUAL c)
    message(FATAL_ERROR "${key}: scenario ${s}, compute ${c}")
  endif()
endforeach()
