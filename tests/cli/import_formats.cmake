# import-coords takes the files other tools write (a CSV with a header, CR
# line ends), draws no spike to the origin afterwards, and refuses a file
# without coordinates: exit 1, the message, the project byte for byte as it was.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(COPY "${SAMPLES}/Harbour.WDT" DESTINATION "${WORK}")
set(project "${WORK}/Harbour.WDT")

function(run_cli code_var out_var err_var)
  execute_process(COMMAND "${CLI}" ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(${code_var} "${code}" PARENT_SCOPE)
  set(${out_var} "${out}" PARENT_SCOPE)
  set(${err_var} "${err}" PARENT_SCOPE)
endfunction()

# No node at all: nothing changes.
file(WRITE "${WORK}/header.csv" "node,x,y\r\n\r\n")
file(SHA256 "${project}" before)
run_cli(code out err import-coords "${project}" "${WORK}/header.csv")
file(SHA256 "${project}" after)
if(NOT code EQUAL 1 OR NOT err MATCHES "no coordinates found in \\[.*header.csv\\]" OR NOT before STREQUAL after)
  message(FATAL_ERROR "a file without coordinates: exit ${code}, '${err}', project changed: ${before} ${after}")
endif()

# A CSV lake in UTM metres with a header line, CR line ends only.
string(ASCII 13 cr)
file(WRITE "${WORK}/lake.csv"
     "x,y${cr}537000,4390000${cr}545000,4390000${cr}545000,4398000${cr}537000,4398000${cr}537000,4390000${cr}")
run_cli(code out err import-coords "${project}" "${WORK}/lake.csv")
if(NOT code EQUAL 0 OR NOT out STREQUAL "imported 5 nodes in 1 boundary\n")
  message(FATAL_ERROR "CSV import: exit ${code}, '${out}' '${err}'")
endif()
run_cli(code out err info "${project}")
if(NOT out MATCHES "Boundaries: +1\n +1 outer +5 nodes")
  message(FATAL_ERROR "after the CSV import: ${out}")
endif()
# The picture's extents come from the boundary and its closing copy alone: no
# node at the origin, and a grid with a step.
run_cli(code out err plot "${project}" "${WORK}/lake.png")
if(NOT out MATCHES "region x 537000.000 to 545000.000 m, y 4390000.000 to 4398000.000 m.*\ngrid 1000 m")
  message(FATAL_ERROR "plot after the import: ${out}")
endif()
