# One short, repeatable fuzz run: a fresh working corpus grown from the seeds, seed 1, a fixed
# time. A failing input is kept in WORKDIR, named crash-*, leak-* or timeout-*.
file(REMOVE_RECURSE "${WORKDIR}")
file(MAKE_DIRECTORY "${WORKDIR}/corpus")
execute_process(
  COMMAND "${FUZZER}" -seed=1 -max_total_time=${SECONDS} -timeout=20 -print_final_stats=1
          "-artifact_prefix=${WORKDIR}/" "${WORKDIR}/corpus" "${SEEDS}"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} found a failing input (exit ${result}); it is kept in ${WORKDIR}")
endif()
