# The move-file MIME type as shared-mime-info compiles it: update-mime-database skips a package it
# cannot read without failing, so look for the type's glob and magic in its output, and for the
# desktop entry claiming exactly this type.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK_DIR})
file(COPY ${PACKAGING_DIR}/io.github.brivane.Brivane.mime.xml DESTINATION ${WORK_DIR}/mime/packages)
# With the folder on the data path, update-mime-database has nothing to say unless something is wrong.
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${WORK_DIR} update-mime-database ${WORK_DIR}/mime
                RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT errors STREQUAL "")
  message(FATAL_ERROR "update-mime-database failed (${status}): ${errors}")
endif()

set(type application/x-brivane-move)
file(READ ${WORK_DIR}/mime/globs2 globs)
if(NOT globs MATCHES "\n[0-9]+:${type}:\\*\\.brivane\n")
  message(FATAL_ERROR "no *.brivane glob for ${type} in:\n${globs}")
endif()
file(STRINGS ${WORK_DIR}/mime/magic magic)
if(NOT magic MATCHES "\\[[0-9]+:${type}\\]" OR NOT magic MATCHES "\"brivane-move\"")
  message(FATAL_ERROR "no magic for ${type}")
endif()

file(READ ${PACKAGING_DIR}/io.github.brivane.Brivane.desktop entry)
if(NOT entry MATCHES "\nMimeType=([^\n]*)\n" OR NOT CMAKE_MATCH_1 STREQUAL "${type};")
  message(FATAL_ERROR "the desktop entry claims '${CMAKE_MATCH_1}', the package defines ${type}")
endif()
