# Faults a run with damaged files and unusual file systems found: each step
# runs orvane-cli as a user would and checks the exit status, standard error
# and what is left on disk.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/links" "${WORK}/projects")
file(WRITE "${WORK}/in.txt" "1 0 0\n2 10 0\n3 10 10\n4 0 0\n")

function(run expect_code)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code EQUAL expect_code)
    message(FATAL_ERROR "${ARGN}: exit ${code}, expected ${expect_code}\n${out}\n${err}")
  endif()
  set(err "${err}" PARENT_SCOPE)
endfunction()

# compute names every field that leaves the results undefined; the record
# is computed as stored and the exit status stays 0.
run(0 "${PATCH}" "${SAMPLES}/Bay.WDT" "${WORK}/Bad.WDT" VelocityUnits=9 WindVelocity=nan DirectionalMethod=-1
    NodeX:1:3=inf)
run(0 "${CLI}" compute "${WORK}/Bad.WDT" --json)
foreach(field "VelocityUnits 9 is no velocity unit code \\(0 to 3\\)" "DirectionalMethod -1 selects no method"
              "WindVelocity is not a number" "NodeX\\[1\\]\\[3\\] is infinite")
  if(NOT err MATCHES "warning: ${field}: the results are undefined")
    message(FATAL_ERROR "compute did not name '${field}':\n${err}")
  endif()
endforeach()
run(0 "${CLI}" compute "${SAMPLES}/Bay.WDT")
if(err MATCHES "undefined")
  message(FATAL_ERROR "a sound project was said to give undefined results:\n${err}")
endif()

# A read-only project is refused and stays as it is.
file(COPY "${SAMPLES}/Bay.WDT" DESTINATION "${WORK}/projects")
file(CHMOD "${WORK}/projects/Bay.WDT" PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
file(SHA256 "${WORK}/projects/Bay.WDT" before)
run(1 "${CLI}" import-coords "${WORK}/projects/Bay.WDT" "${WORK}/in.txt")
file(SHA256 "${WORK}/projects/Bay.WDT" after)
if(NOT err MATCHES "the file is read-only" OR NOT before STREQUAL after)
  message(FATAL_ERROR "read-only project: '${err}', changed: ${before} ${after}")
endif()

# A link is followed: the project it leads to is changed, the link stays.
file(COPY "${SAMPLES}/Harbour.WDT" DESTINATION "${WORK}/projects")
file(CREATE_LINK "../projects/Harbour.WDT" "${WORK}/links/Harbour.WDT" SYMBOLIC)
file(SHA256 "${WORK}/projects/Harbour.WDT" before)
run(0 "${CLI}" import-coords "${WORK}/links/Harbour.WDT" "${WORK}/in.txt")
file(SHA256 "${WORK}/projects/Harbour.WDT" after)
if(NOT IS_SYMLINK "${WORK}/links/Harbour.WDT" OR before STREQUAL after)
  message(FATAL_ERROR "the link was replaced or its project left unchanged")
endif()
file(GLOB left "${WORK}/links/*" "${WORK}/projects/*.tmp-*")
list(LENGTH left count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "files left beside the link or the project: ${left}")
endif()

# While another program changes the project (flock holds its lock), an
# import says so, exits 1 and changes nothing.
file(SHA256 "${WORK}/projects/Harbour.WDT" before)
# (No semicolons in the script: CMake would split the argument there.)
# The lock is held until the marker file goes, so the import meets it
# however slowly either program starts.
run(0 sh -c "flock -x '${WORK}/projects/Harbour.WDT' sh -c 'touch \"${WORK}/held\" && while [ -e \"${WORK}/held\" ]
    do sleep 0.05
    done' &
  while [ ! -e '${WORK}/held' ]
  do sleep 0.05
  done
  '${CLI}' import-coords '${WORK}/links/Harbour.WDT' '${WORK}/in.txt'
  echo \"exit=$?\" >&2
  rm '${WORK}/held'
  wait")
file(SHA256 "${WORK}/projects/Harbour.WDT" after)
if(NOT err MATCHES "is being changed by another program.*exit=1" OR NOT before STREQUAL after)
  message(FATAL_ERROR "locked project: '${err}', changed: ${before} ${after}")
endif()

# The drawing and report commands start the toolkit without its desktop-session
# note.
if(PICTURES)
  run(0 "${CMAKE_COMMAND}" -E env --unset=XDG_RUNTIME_DIR "${CLI}" plot "${SAMPLES}/Bay.WDT" "${WORK}/a.png")
  if(err MATCHES "XDG_RUNTIME_DIR")
    message(FATAL_ERROR "plot printed the toolkit's note:\n${err}")
  endif()
  if(REPORTS)
    run(0 "${CMAKE_COMMAND}" -E env --unset=XDG_RUNTIME_DIR "${CLI}" report "${SAMPLES}/Bay.WDT" "${WORK}/a.pdf")
    if(err MATCHES "XDG_RUNTIME_DIR")
      message(FATAL_ERROR "report printed the toolkit's note:\n${err}")
    endif()
  endif()
endif()
