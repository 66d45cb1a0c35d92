# The desktop host: the only code that includes SDL. It is linked into the game
# program alone; tests and tools run on the headless host.
find_package(SDL2 REQUIRED)
add_library(skyreach_sdlhost STATIC ${CMAKE_SOURCE_DIR}/Src/WinCE/Host/SdlHost.cpp)
target_compile_options(skyreach_sdlhost PRIVATE ${SKYREACH_WARNINGS})
target_link_libraries(skyreach_sdlhost PUBLIC skyreach_core SDL2::SDL2 ${CMAKE_DL_LIBS})
target_link_libraries(Skyreach PRIVATE skyreach_sdlhost)

# The desktop window on a display of its own, without a sound device.
find_program(SKYREACH_XVFB_RUN NAMES xvfb-run)
if(SKYREACH_XVFB_RUN)
  add_test(NAME Program.SilentWithoutSoundDevice
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:Skyreach> -DDATA=${CMAKE_BINARY_DIR}/Skyreach.dat
            -DXVFB_RUN=${SKYREACH_XVFB_RUN} -DWORK=${CMAKE_BINARY_DIR}/program-tests/SilentWithoutSoundDevice
            -DCASE=SilentWithoutSoundDevice -P ${CMAKE_SOURCE_DIR}/Tests/Main/ProgramMessages.cmake)
endif()
