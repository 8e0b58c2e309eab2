# Every command that only reads a project leaves a short file (here a text
# file given by mistake) as it was: read as far as it goes, with a warning.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(WRITE "${WORK}/notes.txt" "notes\n")
set(commands "info" "compute" "fetch" "export-coords|${WORK}/a.txt" "bench")
if(PICTURES)  # plot is built with the graphics library only
  list(APPEND commands "plot|${WORK}/a.png")
endif()
foreach(command IN LISTS commands)
  string(REPLACE "|" ";" args "${command}")
  list(POP_FRONT args name)
  execute_process(COMMAND "${CLI}" ${name} "${WORK}/notes.txt" ${args} RESULT_VARIABLE code ERROR_VARIABLE err)
  file(READ "${WORK}/notes.txt" after)
  if(NOT code EQUAL 0 OR NOT err MATCHES "warning: .*notes.txt holds 6 of the 72300 bytes" OR NOT after STREQUAL "notes\n")
    message(FATAL_ERROR "${name}: exit ${code}, '${err}', the file now holds ${after}")
  endif()
endforeach()
