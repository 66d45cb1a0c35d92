# The soak: the full 1959-2003 benchmark game (Bench/full-game.sim) played
# through skyreach-sim with the program's own allocation tracking reporting
# at exit. It passes when the tracker finds no leak and the program ends
# normally; in the sanitizer build (make asan) the same run is also watched
# by AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer, any of
# whose reports ends the program with a failure.
#
#   cmake -DSIM=... -DDATA=... -DSCRIPT=... -P RunSoak.cmake
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env SKYREACH_DEBUG=1 ${SIM} --seed 1 --data ${DATA} --timing ${SCRIPT}
  OUTPUT_VARIABLE report
  ERROR_VARIABLE diagnostics
  RESULT_VARIABLE status)
string(REGEX MATCH "events_fired total=[0-9]+" fired "${report}")
string(REGEX MATCH "Maximum free store memory allocated at a time: [0-9]+" peak "${diagnostics}")
string(REGEX MATCH "wall time: [0-9.]+ s" wall "${diagnostics}")
message("soak: ${fired}; ${wall}; ${peak}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "skyreach-sim ended with status ${status}:\n${diagnostics}")
endif()
if(diagnostics MATCHES "ERROR: |runtime error:|Detected memory leaks!")
  message(FATAL_ERROR "the soak found a fault:\n${diagnostics}")
endif()
if(NOT diagnostics MATCHES "No memory leaks detected!")
  message(FATAL_ERROR "the allocation tracker did not report:\n${diagnostics}")
endif()
if(NOT fired MATCHES "total=[1-9]")
  message(FATAL_ERROR "the game fired no events:\n${report}")
endif()
