# A circular lake with the point at its centre has the same fetch in every
# direction, so the three directional methods must give the same height
# (within 1 %) for narrow and wide sectors. Then the point is moved onto the
# shore's outside: the run still succeeds, with a warning and
# "PointInWater": false.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

function(run_json out_var project)
  execute_process(COMMAND "${CLI}" compute "${project}" --json --seed 1 RESULT_VARIABLE code OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "compute ${project}: exit ${code}\n${err}")
  endif()
  set(${out_var} "${out}" PARENT_SCOPE)
  set(${out_var}_err "${err}" PARENT_SCOPE)
endfunction()

# A positive decimal such as 1.17026174 as a whole number of millionths.
function(millionths out_var value)
  if(NOT value MATCHES "^([0-9]+)\\.?([0-9]*)$")
    message(FATAL_ERROR "not a plain decimal: ${value}")
  endif()
  string(SUBSTRING "${CMAKE_MATCH_2}000000" 0 6 fraction)
  math(EXPR result "${CMAKE_MATCH_1} * 1000000 + 1${fraction} - 1000000")
  set(${out_var} ${result} PARENT_SCOPE)
endfunction()

foreach(sector 4 90 180)
  set(heights "")
  foreach(method 0 1 2)
    set(project "${WORK}/lake_${sector}_${method}.WDT")
    execute_process(COMMAND "${PATCH}" "${SAMPLES}/Bay.WDT" "${project}" PointX=10 PointY=10 Circle=8
                            SectorAngle=${sector} DirectionalMethod=${method} RESULT_VARIABLE code)
    if(NOT code EQUAL 0)
      message(FATAL_ERROR "cannot make ${project}")
    endif()
    run_json(json "${project}")
    string(JSON in_water GET "${json}" PointInWater)
    if(NOT in_water STREQUAL "ON" OR NOT json_err STREQUAL "")
      message(FATAL_ERROR "the lake's centre is in the water: ${in_water} ${json_err}")
    endif()
    string(JSON h GET "${json}" HeightM)
    millionths(h "${h}")
    list(APPEND heights ${h})
  endforeach()
  list(GET heights 0 effective)
  foreach(h IN LISTS heights)
    math(EXPR diff "(${h} - ${effective}) * 100")
    if(diff LESS 0)
      math(EXPR diff "-(${diff})")
    endif()
    if(diff GREATER effective)
      message(FATAL_ERROR "sector ${sector}: heights ${heights} (millionths of a metre) differ by more than 1 %")
    endif()
  endforeach()
endforeach()

execute_process(COMMAND "${PATCH}" "${SAMPLES}/Bay.WDT" "${WORK}/outside.WDT" PointX=10 PointY=10 Circle=8 PointX=30
                RESULT_VARIABLE code)
run_json(outside "${WORK}/outside.WDT")
string(JSON in_water GET "${outside}" PointInWater)
if(NOT in_water STREQUAL "OFF" OR NOT outside_err MATCHES "warning: point is not in the water region")
  message(FATAL_ERROR "a point outside the lake: PointInWater ${in_water}, stderr '${outside_err}'")
endif()
