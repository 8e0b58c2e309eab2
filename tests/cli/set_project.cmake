# orvane-cli set on a copy of a sample: every key reaches the project as the
# window would store it, clamps are named, and a bad word changes nothing.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(COPY "${SAMPLES}/Harbour.WDT" DESTINATION "${WORK}")
set(project "${WORK}/Harbour.WDT")

function(run_set expect)
  execute_process(COMMAND "${CLI}" set "${project}" ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)
  if(NOT code EQUAL expect)
    message(FATAL_ERROR "set ${ARGN}: exit ${code}, expected ${expect}\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

run_set(0 "title=North pier" point=120.5,80 bearing=225 sector=200 speed=40 speed_unit=KM/H depth=9
        coord_unit=m significant=wilson spectrum=pm directional=seymour)
if(NOT err MATCHES "warning: sector 200 -> 180" OR NOT out MATCHES "bearing = 225\n")
  message(FATAL_ERROR "set output: ${out}\n${err}")
endif()
execute_process(COMMAND "${CLI}" info "${project}" OUTPUT_VARIABLE info)
if(NOT info MATCHES "Title: +North pier\n.*x = 120.500 m, y = 80.000 m\n.*direction 225.00 deg.*sector 180.00 deg\n"
   OR NOT info MATCHES "velocity 40.00 Km/hr\nDepth: +9.000 m\n.*Wilson\n.*Pierson-Moskowitz\n.*Seymour\n")
  message(FATAL_ERROR "info after set: ${info}")
endif()
file(SIZE "${project}" size)
if(NOT size EQUAL 72300)
  message(FATAL_ERROR "project file is ${size} bytes")
endif()

# Unknown keys, unreadable values and contradictions: exit 2, same bytes.
file(SHA256 "${project}" before)
foreach(words "speed=10|colour=red" "speed=fast" "direction=10|bearing=20" "spectrum=wilson" "point=1")
  string(REPLACE "|" ";" words "${words}")
  run_set(2 ${words})
  file(SHA256 "${project}" after)
  if(NOT before STREQUAL after OR NOT err MATCHES "nothing was changed")
    message(FATAL_ERROR "set ${words} changed the project or kept quiet: ${err}")
  endif()
endforeach()
file(GLOB left "${WORK}/*")
list(LENGTH left count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "files left beside the project: ${left}")
endif()
