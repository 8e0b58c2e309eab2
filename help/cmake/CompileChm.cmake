# cmake -DCHMCMD=... -DPROJECT=x.hhp -DOUTPUT=/path/X.CHM -P CompileChm.cmake
# Compiles a help project into OUTPUT. Fails when chmcmd fails or warns: its
# warnings name links and pictures the pages refer to but the sources lack.
get_filename_component(out_dir "${OUTPUT}" DIRECTORY)
get_filename_component(out_name "${OUTPUT}" NAME)
get_filename_component(project_name "${PROJECT}" NAME_WE)
# chmcmd names its output after the project's "Compiled file" and writes it
# into the current folder: work in a folder of our own, then move it in place.
set(work "${out_dir}/.${project_name}-build")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}")
execute_process(COMMAND "${CHMCMD}" --verbosity 1 "${PROJECT}"
  WORKING_DIRECTORY "${work}" RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(GLOB produced "${work}/*.chm" "${work}/*.CHM")
if(NOT result EQUAL 0 OR "${out}${err}" MATCHES "Warning|Error" OR NOT produced)
  message(FATAL_ERROR "chmcmd could not compile ${PROJECT} cleanly:\n${out}${err}")
endif()
list(GET produced 0 chm)
file(RENAME "${chm}" "${OUTPUT}")
file(REMOVE_RECURSE "${work}")
