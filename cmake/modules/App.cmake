# The game program's own pieces: its wave resources compiled in, the default
# paths the install step records, and the headless script checks.

# Each Data/Sounds/soundNNN_*.wav becomes wave resource NNN of the program.
file(GLOB SKYREACH_SOUND_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/Data/Sounds/sound*.wav)
set(SKYREACH_SOUNDS_SOURCE ${CMAKE_BINARY_DIR}/generated/WaveResources.cpp)
add_custom_command(
  OUTPUT ${SKYREACH_SOUNDS_SOURCE}
  COMMAND ${CMAKE_COMMAND} -DOUTPUT=${SKYREACH_SOUNDS_SOURCE} "-DSOUNDS=${SKYREACH_SOUND_FILES}"
          -P ${CMAKE_SOURCE_DIR}/cmake/EmbedSounds.cmake
  DEPENDS ${SKYREACH_SOUND_FILES} ${CMAKE_SOURCE_DIR}/cmake/EmbedSounds.cmake
  COMMENT "Embedding the wave resources"
  VERBATIM)
target_sources(Skyreach PRIVATE ${SKYREACH_SOUNDS_SOURCE})
target_compile_definitions(Skyreach PRIVATE
  SKYREACH_DEFAULT_DATA="${CMAKE_BINARY_DIR}/Skyreach.dat"
  SKYREACH_DEFAULT_HELP="${CMAKE_SOURCE_DIR}/Data/Help/JetWarden.html")
if(TARGET skyreach_data)
  add_dependencies(Skyreach skyreach_data)
endif()

# Headless runs of the real program: each script under Tests/Scripts is a
# CTest entry, run with a store of its own and the built data file; its
# screenshots land in build/shots/<script>/. gallery.script walks the
# control gallery (--gallery) instead of the game.
file(GLOB SKYREACH_TEST_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/Tests/Scripts/*.script)
foreach(script ${SKYREACH_TEST_SCRIPTS})
  get_filename_component(name ${script} NAME_WE)
  add_test(NAME Script.${name}
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:Skyreach> -DSCRIPT=${script}
            -DDATA=${CMAKE_BINARY_DIR}/Skyreach.dat -DHELP=${CMAKE_SOURCE_DIR}/Data/Help/JetWarden.html
            -DWORK=${CMAKE_BINARY_DIR}/shots/${name}
            -DGALLERY=$<IF:$<STREQUAL:${name},gallery>,--gallery,>
            -P ${CMAKE_SOURCE_DIR}/Tests/Scripts/RunScript.cmake)
endforeach()

# What the program prints when it must stop: a fatal error's text once.
add_test(NAME Program.FatalMessageOnce
  COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:Skyreach> -DPACKDATA=$<TARGET_FILE:PackData>
          -DWORK=${CMAKE_BINARY_DIR}/program-tests/FatalMessageOnce -DCASE=FatalMessageOnce
          -P ${CMAKE_SOURCE_DIR}/Tests/Main/ProgramMessages.cmake)
