# The bot-game benchmark: the player-bot's whole games through the screens,
# built with the tests' bot and the game program's tracked allocator, so the
# tracker reports leaks and the peak at exit. It joins `make bench`.
if(SKYREACH_BENCH)
  add_executable(skyreach-botgame
    ${CMAKE_SOURCE_DIR}/Bench/BotGame/BotGameBench.cpp
    ${CMAKE_SOURCE_DIR}/Tests/Common/BotGame.cpp
    ${CMAKE_SOURCE_DIR}/Tests/Common/PlayerBot.cpp
    ${CMAKE_SOURCE_DIR}/Src/Main/CrtDbgHooks.cpp)
  target_compile_options(skyreach-botgame PRIVATE ${SKYREACH_WARNINGS})
  target_include_directories(skyreach-botgame PRIVATE ${CMAKE_SOURCE_DIR}/Tests)
  target_link_libraries(skyreach-botgame PRIVATE skyreach_core)
  target_compile_definitions(skyreach-botgame PRIVATE SKYREACH_BINARY_DIR="${CMAKE_BINARY_DIR}")
  add_dependencies(skyreach-botgame skyreach_data)
  add_custom_target(bench-bot-game
    COMMAND ${CMAKE_COMMAND} -E env SKYREACH_DEBUG=1 $<TARGET_FILE:skyreach-botgame>
    DEPENDS skyreach-botgame
    USES_TERMINAL
    COMMENT "Two whole games by the player-bot through the screens")
  if(NOT TARGET bench-extra)
    add_custom_target(bench-extra)
  endif()
  add_dependencies(bench-extra bench-bot-game)
endif()
