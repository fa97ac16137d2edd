# Checks translations/brivane_en.ts: lupdate over the window's sources (as the target
# brivane_ui_lupdate runs it) must leave a copy of it unchanged, and every entry must carry a
# finished translation. A failure names the texts to translate: build brivane_ui_lupdate, then
# translate the entries marked unfinished.
foreach(var TS_FILE LUPDATE LUPDATE_PROJECT GENERATE_PROJECT WORK_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "CheckTranslation: ${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(copy "${WORK_DIR}/brivane_en.ts")
file(COPY_FILE "${TS_FILE}" "${copy}")

execute_process(
  COMMAND "${CMAKE_COMMAND}" "-DIN_FILE=${LUPDATE_PROJECT}" "-DOUT_FILE=${WORK_DIR}/project.json"
          -P "${GENERATE_PROJECT}"
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "CheckTranslation: cannot write the lupdate project (${rc})")
endif()
execute_process(
  COMMAND "${LUPDATE}" -project "${WORK_DIR}/project.json" -locations none -no-obsolete -ts "${copy}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "CheckTranslation: lupdate failed (${rc}):\n${out}${err}")
endif()

file(READ "${copy}" updated)
set(problems "")
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"(unfinished|vanished|obsolete)\"[^<]*</translation>"
       unfinished "${updated}")
foreach(entry IN LISTS unfinished)
  string(APPEND problems "  ${entry}\n")
endforeach()
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation>[ \n]*</translation>" empty "${updated}")
foreach(entry IN LISTS empty)
  string(APPEND problems "  ${entry}\n")
endforeach()
if(NOT problems STREQUAL "")
  message(FATAL_ERROR "CheckTranslation: entries without a finished translation:\n${problems}")
endif()

file(READ "${TS_FILE}" original)
if(NOT original STREQUAL updated)
  message(FATAL_ERROR "CheckTranslation: ${TS_FILE} is not what lupdate makes of the sources; "
                      "build the target brivane_ui_lupdate and commit the result")
endif()
message(STATUS "CheckTranslation: every text is translated")
