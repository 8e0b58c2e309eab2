# import-coords refuses a file without coordinates (exit 1, the project byte
# for byte as it was) and takes a CSV with a header and CR line ends, after
# which the picture spans the lake alone: no node at the origin.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(COPY "${SAMPLES}/Harbour.WDT" DESTINATION "${WORK}")
set(project "${WORK}/Harbour.WDT")
file(WRITE "${WORK}/header.csv" "node,x,y\r\n\r\n")
file(SHA256 "${project}" before)
execute_process(COMMAND "${CLI}" import-coords "${project}" "${WORK}/header.csv" RESULT_VARIABLE code ERROR_VARIABLE err)
file(SHA256 "${project}" after)
if(NOT code EQUAL 1 OR NOT err MATCHES "no coordinates found in \\[.*header.csv\\]" OR NOT before STREQUAL after)
  message(FATAL_ERROR "a file without coordinates: exit ${code}, '${err}', project changed: ${before} ${after}")
endif()

string(ASCII 13 cr)
file(WRITE "${WORK}/lake.csv" "x,y${cr}537000,4390000${cr}545000,4390000${cr}545000,4398000${cr}537000,4390000${cr}")
execute_process(COMMAND "${CLI}" import-coords "${project}" "${WORK}/lake.csv" OUTPUT_VARIABLE imported)
if(PICTURES)
  execute_process(COMMAND "${CLI}" plot "${project}" "${WORK}/lake.png" OUTPUT_VARIABLE plot)
  set(span "region x 537000.000 to 545000.000 m, y 4390000.000 to 4398000.000 m.*\ngrid 1000 m")
else()  # without plot: the stored nodes, none at the origin
  execute_process(COMMAND "${CLI}" export-coords "${project}" "${WORK}/lake.txt")
  file(READ "${WORK}/lake.txt" plot)
  set(span "^ +1 +537000\\.000 +4390000\\.000\r?\n[^R]* +4 +537000\\.000 +4390000\\.000\r?\n$")
endif()
if(NOT imported STREQUAL "imported 4 nodes in 1 boundary\n" OR NOT plot MATCHES "${span}")
  message(FATAL_ERROR "CSV import: ${imported}${plot}")
endif()
