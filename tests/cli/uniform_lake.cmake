# A circular lake with the point at its centre has the same fetch in every
# direction: the three directional methods give heights within 1 % of each
# other. A point outside it still computes, with a warning and
# "PointInWater": false.
cmake_policy(SET CMP0007 NEW)  # keep the empty error text as a list element
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
function(compute out_var)
  set(project "${WORK}/lake.WDT")
  execute_process(COMMAND "${PATCH}" "${SAMPLES}/Bay.WDT" "${project}" PointX=10 PointY=10 Circle=8 ${ARGN})
  execute_process(COMMAND "${CLI}" compute "${project}" --json RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(JSON in_water GET "${out}" PointInWater)
  string(JSON height GET "${out}" HeightM)
  # In millionths of a metre: CMake's arithmetic knows whole numbers only.
  string(REGEX MATCH "^([0-9]+)\\.?([0-9]*)$" plain "${height}")
  string(SUBSTRING "${CMAKE_MATCH_2}000000" 0 6 fraction)
  math(EXPR micro "${CMAKE_MATCH_1} * 1000000 + 1${fraction} - 1000000")
  set(${out_var} "${code};${in_water};${micro};${err}" PARENT_SCOPE)
endfunction()

foreach(sector 4 90 180)
  compute(effective SectorAngle=${sector} DirectionalMethod=0)
  list(GET effective 2 reference)
  foreach(method 1 2)
    compute(run SectorAngle=${sector} DirectionalMethod=${method})
    list(GET run 2 micro)
    math(EXPR excess "(${micro} - ${reference}) * 100")
    if(NOT run MATCHES "^0;ON;" OR excess GREATER reference OR excess LESS -${reference})
      message(FATAL_ERROR "sector ${sector}, method ${method}: ${run} against ${effective}")
    endif()
  endforeach()
endforeach()
compute(outside PointX=30)
if(NOT outside MATCHES "^0;OFF;.*warning: point is not in the water region")
  message(FATAL_ERROR "a point outside the lake: ${outside}")
endif()
