# Runs `brivane-cli report` for the first worked selection in an empty directory and compares the
# one file it writes with the expected bytes. Variables: CLI, MOVE (the options), EXPECTED, WORKDIR.
file(REMOVE_RECURSE "${WORKDIR}")
file(MAKE_DIRECTORY "${WORKDIR}")
execute_process(
  COMMAND "${CLI}" report --nickname 홍길동 --include 1,2,3 --at 2020-03-05T14:07:09 ${MOVE}
  WORKING_DIRECTORY "${WORKDIR}"
  RESULT_VARIABLE status
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "brivane-cli report exited with ${status}\nstdout: ${out}\nstderr: ${err}")
endif()
set(name "2020-3-5 14시7분9초(홍길동).xls")
file(GLOB written RELATIVE "${WORKDIR}" "${WORKDIR}/*")
if(NOT written STREQUAL name)
  message(FATAL_ERROR "expected exactly \"${name}\" in ${WORKDIR}, found: ${written}")
endif()
string(STRIP "${out}" printed)
if(NOT printed STREQUAL "${WORKDIR}/${name}")
  message(FATAL_ERROR "expected the path of the file on stdout, got: ${out}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${WORKDIR}/${name}" "${EXPECTED}"
                RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "${WORKDIR}/${name} differs from ${EXPECTED}")
endif()
file(REMOVE_RECURSE "${WORKDIR}")
