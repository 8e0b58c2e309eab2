# export-gis refuses a read-only file and follows a link to replace the file
# it leads to.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/links")
set(bay "${SAMPLES}/Bay.WDT")

function(run expect_code)
  execute_process(COMMAND "${CLI}" ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code EQUAL expect_code)
    message(FATAL_ERROR "orvane-cli ${ARGN}: exit ${code}, expected ${expect_code}\n${out}\n${err}")
  endif()
  set(err "${err}" PARENT_SCOPE)
endfunction()

file(WRITE "${WORK}/locked.geojson" "previous contents")
file(CHMOD "${WORK}/locked.geojson" PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
run(1 export-gis "${bay}" "${WORK}/locked.geojson")
file(READ "${WORK}/locked.geojson" kept)
if(NOT err MATCHES "cannot write \\[${WORK}/locked.geojson\\]: the file is read-only" OR
   NOT kept STREQUAL "previous contents")
  message(FATAL_ERROR "read-only target: '${err}', now holds '${kept}'")
endif()

file(WRITE "${WORK}/real.geojson" "previous contents")
file(CREATE_LINK "../real.geojson" "${WORK}/links/out.geojson" SYMBOLIC)
run(0 export-gis "${bay}" "${WORK}/links/out.geojson")
file(READ "${WORK}/real.geojson" replaced)
file(GLOB beside "${WORK}/links/*" "${WORK}/links/.*")
list(LENGTH beside count)
if(NOT IS_SYMLINK "${WORK}/links/out.geojson" OR NOT replaced MATCHES "\"kind\": \"region\"" OR NOT count EQUAL 1)
  message(FATAL_ERROR "link: the link was replaced, its file not written, or files were left beside it: ${beside}")
endif()
