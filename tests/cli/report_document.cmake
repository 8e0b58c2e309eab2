# Writes a report of a copy of Bay.WDT with orvane-cli and reads it back:
# KIND=pdf     the results report: 2 A4 pages, title, subject, creator, the
#              headings, the predicted values, the 19-line table, positions
# KIND=summary the theoretical summary: 1 page
# KIND=rtf     the results report as RTF, converted to PDF by LibreOffice
#              (skipped without it): 2 pages, the texts, the same positions
# The project file must not change. Positions are checked to 0.5 mm against
# the layout (page millimetres of a label of TopBand, the "Predicted Waves"
# heading and the first line of the spectral table).
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(COPY "${SAMPLES}/Bay.WDT" DESTINATION "${WORK}")
set(project "${WORK}/Bay.WDT")
file(SHA256 "${project}" project_before)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "${ARGN}: exit ${code}\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

# Runs of blanks count as one: pdftotext spaces words by their positions.
function(expect text what)
  string(REGEX REPLACE " +" " " text "${text}")
  string(REGEX REPLACE " +" " " what "${what}")
  string(FIND "${text}" "${what}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "'${what}' not found in:\n${text}")
  endif()
endfunction()

# A decimal number as a whole number of hundredths ("367.369687" -> 36736).
function(hundredths text result)
  string(REGEX MATCH "^([0-9]+)\\.?([0-9]*)" matched "${text}")
  set(whole "${CMAKE_MATCH_1}")
  string(SUBSTRING "${CMAKE_MATCH_2}00" 0 2 fraction)
  math(EXPR value "${whole} * 100 + 1${fraction} - 100")
  set(${result} ${value} PARENT_SCOPE)
endfunction()

# The top-left corner of the first word "word" on page, in mm, within 0.5 mm of (x, y).
function(expect_position pdf page word x y)
  run(pdftotext -f ${page} -l ${page} -bbox "${pdf}" -)
  string(REGEX MATCH "xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>${word}<" found "${out}")
  if(NOT found)
    message(FATAL_ERROR "no word '${word}' on page ${page}")
  endif()
  # Points to hundredths of a millimetre: mm = pt * 25.4 / 72.
  set(xtext "${CMAKE_MATCH_1}")
  set(ytext "${CMAKE_MATCH_2}")
  hundredths("${xtext}" xpt)
  hundredths("${ytext}" ypt)
  math(EXPR xmm "(${xpt} * 254 + 360) / 720")
  math(EXPR ymm "(${ypt} * 254 + 360) / 720")
  math(EXPR dx "${xmm} - ${x}")
  math(EXPR dy "${ymm} - ${y}")
  if(dx GREATER 50 OR dx LESS -50 OR dy GREATER 50 OR dy LESS -50)
    message(FATAL_ERROR "'${word}' on page ${page} at ${xmm}, ${ymm} (1/100 mm), expected ${x}, ${y}")
  endif()
endfunction()

# The predicted values the report must show: those "compute" prints for
# the same project and seed.
run("${CLI}" compute "${project}" --seed 1)
set(predicted)
foreach(entry "fs =([0-9.]+) Hz|fs = @ Hz" "Ts = *([0-9.]+) sec|Ts = @ sec" "Hs = *([0-9.]+) m|Hs   = @ m"
              "H1/10= *([0-9.]+) m|H1/10= @ m" "Hmax= *([0-9.]+) m|Hmax= @ m")
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 0 pattern)
  list(GET parts 1 shown)
  if(NOT out MATCHES "${pattern}")
    message(FATAL_ERROR "compute printed no '${pattern}':\n${out}")
  endif()
  string(REPLACE "@" "${CMAKE_MATCH_1}" shown "${shown}")
  list(APPEND predicted "${shown}")
endforeach()

function(check_results_pages pdf)
  run(pdftotext -layout "${pdf}" -)
  foreach(text "Wave Forecasting" "Water region" "Mean wind direction" "45.000°" "(from NE, grid bearing 45.0°)"
               "120.000°" "60.000 Km/hr"
               "25.000 m" "JONSWAP" "Wilson's method" "Seymour's method" "Predicted Waves" ${predicted}
               "Wavetime series" "Spectral values" "Orvane wave report")
    expect("${out}" "${text}")
  endforeach()
  run(pdftotext -f 2 -l 2 -layout "${pdf}" -)
  # The density's unit, its superscript and dot kept through every writer.
  expect("${out}" "S[m²·s]")
  string(REGEX MATCHALL "\\|0\\.[0-9][0-9][0-9]" rows "${out}")
  list(LENGTH rows count)
  if(NOT count EQUAL 16)
    message(FATAL_ERROR "page 2 should hold 16 table rows, found ${count}:\n${out}")
  endif()
  string(REGEX MATCHALL "_______________________________________________________________" separators "${out}")
  list(LENGTH separators count)
  if(NOT count EQUAL 2)
    message(FATAL_ERROR "page 2 should hold 2 separator lines, found ${count}")
  endif()
  expect_position("${pdf}" 1 "Mean" 12960 3520)
  expect_position("${pdf}" 1 "Predicted" 11690 14420)
  # The table's first line starts with a blank: its first word is one
  # Courier character (1.69 mm) to the right of the box.
  expect_position("${pdf}" 2 "f\\[Hz\\]" 1489 2670)
endfunction()

if(KIND STREQUAL "pdf" OR KIND STREQUAL "summary")
  if(KIND STREQUAL "summary")
    set(options --summary)
  endif()
  run("${CLI}" report "${project}" "${WORK}/Bay.pdf" --seed 1 ${options})
  run(pdfinfo "${WORK}/Bay.pdf")
  set(info "${out}")
  expect("${info}" "Subject:         PDF report")
  expect("${info}" "Creator:         Orvane ")
  expect("${info}" "Title:           Kestrel Bay, 20 km embayment with one island")
  expect("${info}" "(A4)")
  if(KIND STREQUAL "summary")
    expect("${info}" "Pages:           1\n")
    run(pdftotext -layout "${WORK}/Bay.pdf" -)
    foreach(text "Wave forecasting methods" "Pierson-Moskowitz" "JONSWAP" "1. Bretschneider'method"
                 "3. Wilson's method" "Directional spectrum effects" "2. Saville's Modified method"
                 "Basic references" "Kinsman B.")
      expect("${out}" "${text}")
    endforeach()
  else()
    expect("${info}" "Pages:           2\n")
    check_results_pages("${WORK}/Bay.pdf")
    # The region picture is drawn as vectors: its grid label is text.
    run(pdftotext "${WORK}/Bay.pdf" -)
    expect("${out}" "grid 5 km")
  endif()
  # Columns emb, sub, uni, object: every font embedded, as a subset.
  run(pdffonts "${WORK}/Bay.pdf")
  string(REGEX MATCHALL "(yes|no) +(yes|no) +(yes|no) +[0-9]+ +[0-9]+" fonts "${out}")
  if(NOT fonts)
    message(FATAL_ERROR "no fonts listed:\n${out}")
  endif()
  foreach(font IN LISTS fonts)
    if(NOT font MATCHES "^yes +yes")
      message(FATAL_ERROR "every font must be embedded as a subset:\n${out}")
    endif()
  endforeach()
elseif(KIND STREQUAL "rtf")
  run("${CLI}" report "${project}" "${WORK}/Bay.rtf" --seed 1)
  file(READ "${WORK}/Bay.rtf" rtf LIMIT 600)
  expect("${rtf}" "{\\rtf1\\ansi")
  expect("${rtf}" "{\\subject RTF report}")
  expect("${rtf}" "{\\author Orvane ")
  find_program(SOFFICE NAMES soffice libreoffice)
  if(NOT SOFFICE)
    message("SKIPPED: no LibreOffice to read the RTF back")
    return()
  endif()
  # A profile of its own, so the test never touches a user's settings and
  # runs beside another LibreOffice.
  run("${SOFFICE}" "-env:UserInstallation=file://${WORK}/lo-profile" --headless --convert-to pdf
      --outdir "${WORK}/lo" "${WORK}/Bay.rtf")
  run(pdfinfo "${WORK}/lo/Bay.pdf")
  expect("${out}" "Pages:           2\n")
  expect("${out}" "Subject:         RTF report")
  expect("${out}" "Author:          Orvane ")
  expect("${out}" "Title:           Kestrel Bay, 20 km embayment with one island")
  check_results_pages("${WORK}/lo/Bay.pdf")
else()
  message(FATAL_ERROR "KIND must be pdf, summary or rtf")
endif()

file(SHA256 "${project}" project_after)
if(NOT project_before STREQUAL project_after)
  message(FATAL_ERROR "report changed the project file")
endif()
