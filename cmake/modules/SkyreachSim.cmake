# skyreach-sim, the headless game driven by scripts, with its checks.
#
# - The tool's parts (script reader, commands, notice answers, reports) are a
#   library of their own, so the unit tests can drive them; the program adds
#   its main and the tracked allocator hooks when the store provides them.
# - The scenario scripts under Tests/Sim run as CTest tests through
#   Tests/Sim/RunScenario.cmake; the regression log compares a fixed-seed
#   full game with its checked-in report.
# - The full-game benchmark (Bench/full-game.sim) joins the bench-extra target
#   that `make bench` builds, and is played once more as the soak test.

add_library(skyreach_sim_lib STATIC
  ${CMAKE_SOURCE_DIR}/Tools/SkyreachSim/ScriptReader.cpp
  ${CMAKE_SOURCE_DIR}/Tools/SkyreachSim/ScriptedNoticeSink.cpp
  ${CMAKE_SOURCE_DIR}/Tools/SkyreachSim/SimCommands.cpp
  ${CMAKE_SOURCE_DIR}/Tools/SkyreachSim/SimOutput.cpp
  ${CMAKE_SOURCE_DIR}/Tools/SkyreachSim/SimReport.cpp
  ${CMAKE_SOURCE_DIR}/Tools/SkyreachSim/SimSession.cpp)
target_include_directories(skyreach_sim_lib PUBLIC ${CMAKE_SOURCE_DIR}/Tools)
target_compile_options(skyreach_sim_lib PRIVATE ${SKYREACH_WARNINGS})
target_link_libraries(skyreach_sim_lib PUBLIC skyreach_core)

add_executable(skyreach-sim ${CMAKE_SOURCE_DIR}/Tools/SkyreachSim/SkyreachSim.cpp)
target_compile_options(skyreach-sim PRIVATE ${SKYREACH_WARNINGS})
target_link_libraries(skyreach-sim PRIVATE skyreach_sim_lib)
if(TARGET skyreach_crtdbg_hooks)
  target_link_libraries(skyreach-sim PRIVATE skyreach_crtdbg_hooks)
endif()
if(TARGET skyreach_data)
  set(SKYREACH_SIM_DATA ${CMAKE_BINARY_DIR}/Skyreach.dat)
  add_dependencies(skyreach-sim skyreach_data)
  target_compile_definitions(skyreach-sim PRIVATE SKYREACH_SIM_DATA_FILE="${SKYREACH_SIM_DATA}")
endif()

target_link_libraries(skyreach_tests PRIVATE skyreach_sim_lib)

set(SIM_TESTS ${CMAKE_SOURCE_DIR}/Tests/Sim)
set(SIM_WORK ${CMAKE_BINARY_DIR}/sim-tests)
function(skyreach_sim_test name)
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND} -DSIM=$<TARGET_FILE:skyreach-sim> -DDATA=${SKYREACH_SIM_DATA}
            -DTESTS=${SIM_TESTS} -DWORK=${SIM_WORK}/${name} -DCASE=${name}
            -P ${SIM_TESTS}/RunScenario.cmake)
endfunction()

if(SKYREACH_SIM_DATA)
  foreach(scenario SimCarefulStartProfits SimRecklessBorrowingBankrupt SimFinalYearEndsGame SimSaveLoadChangesNothing
                   SimRegressionLog SimRefusalsAndErrors SimJsonAndDeterminism SimCalendarAndRouteCounts
                   SimListingsAndHelp SimReturnsAndMark)
    skyreach_sim_test(${scenario})
  endforeach()

  # The whole 44-year game with the allocation tracker (and, in the
  # sanitizer build, the sanitizers) watching.
  add_test(NAME SimSoakFullGameLeavesNoLeak
    COMMAND ${CMAKE_COMMAND} -DSIM=$<TARGET_FILE:skyreach-sim> -DDATA=${SKYREACH_SIM_DATA}
            -DSCRIPT=${CMAKE_SOURCE_DIR}/Bench/full-game.sim -P ${SIM_TESTS}/RunSoak.cmake)

  add_custom_target(bench-full-game
    COMMAND ${CMAKE_COMMAND} -DSIM=$<TARGET_FILE:skyreach-sim> -DDATA=${SKYREACH_SIM_DATA}
            -DSCRIPT=${CMAKE_SOURCE_DIR}/Bench/full-game.sim -P ${CMAKE_SOURCE_DIR}/Bench/FullGameBench.cmake
    DEPENDS skyreach-sim
    USES_TERMINAL
    COMMENT "Full game, 100 planes, 1959 to 2003")
  if(NOT TARGET bench-extra)
    add_custom_target(bench-extra)
  endif()
  add_dependencies(bench-extra bench-full-game)
endif()
