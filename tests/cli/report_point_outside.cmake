# A report of a point outside the water region is written all the same, and
# standard error says so.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(COPY "${SAMPLES}/Harbour.WDT" DESTINATION "${WORK}")
execute_process(COMMAND "${CLI}" set "${WORK}/Harbour.WDT" point=-500,-500 RESULT_VARIABLE set_code)
execute_process(COMMAND "${CLI}" report "${WORK}/Harbour.WDT" "${WORK}/a.pdf" RESULT_VARIABLE code
                ERROR_VARIABLE err)
if(NOT set_code EQUAL 0 OR NOT code EQUAL 0 OR NOT EXISTS "${WORK}/a.pdf"
   OR NOT err MATCHES "warning: point is not in the water region")
  message(FATAL_ERROR "exit ${set_code} ${code}: '${err}'")
endif()
