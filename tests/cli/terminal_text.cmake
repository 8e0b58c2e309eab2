# A project's title and a file's name are the file's, not the user's: their
# escape sequences (a window title set by OSC, colours, a screen clear) are
# printed written out ("\x1b"), never sent to the terminal.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
string(ASCII 27 esc)
string(ASCII 7 bel)
set(named "${WORK}/x${esc}[2J.WDT")

execute_process(COMMAND "${PATCH}" "${SAMPLES}/Bay.WDT" "${named}" "Title=${esc}]0;owned${bel}${esc}[31mRed"
                RESULT_VARIABLE code)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "patch_project failed")
endif()

foreach(command "info|${named}" "info|${WORK}/missing${esc}[2J.WDT" "no${esc}[2Jsuch|x")
  string(REPLACE "|" ";" args "${command}")
  execute_process(COMMAND "${CLI}" ${args} OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(FIND "${out}${err}" "${esc}" raw)
  string(FIND "${out}${err}" "${bel}" bell)
  if(NOT raw EQUAL -1 OR NOT bell EQUAL -1)
    message(FATAL_ERROR "orvane-cli ${command}: control characters reached the terminal:\n${out}${err}")
  endif()
  string(FIND "${out}${err}" "\\x1b[2J" shown)
  if(shown EQUAL -1)
    message(FATAL_ERROR "orvane-cli ${command}: the name is not shown written out:\n${out}${err}")
  endif()
endforeach()

execute_process(COMMAND "${CLI}" info "${named}" OUTPUT_VARIABLE out)
string(FIND "${out}" "Title:        \\x1b]0;owned\\x07\\x1b[31mRed\n" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the title is not shown written out:\n${out}")
endif()
