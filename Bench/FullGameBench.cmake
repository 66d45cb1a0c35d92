# Runs the full-game benchmark script through skyreach-sim and prints its
# figures: wall time, events fired, events per second, peak resident memory.
execute_process(
  COMMAND ${SIM} --seed 1 --data ${DATA} --timing ${SCRIPT}
  OUTPUT_FILE /dev/null
  ERROR_VARIABLE figures
  RESULT_VARIABLE status)
message("full game (Bench/full-game.sim):\n${figures}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "skyreach-sim stopped with status ${status}")
endif()
