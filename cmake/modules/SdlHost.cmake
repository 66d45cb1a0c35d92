# The desktop host: the only code that includes SDL. It is linked into the game
# program alone; tests and tools run on the headless host.
find_package(SDL2 REQUIRED)
add_library(skyreach_sdlhost STATIC ${CMAKE_SOURCE_DIR}/Src/WinCE/Host/SdlHost.cpp)
target_compile_options(skyreach_sdlhost PRIVATE ${SKYREACH_WARNINGS})
target_link_libraries(skyreach_sdlhost PUBLIC skyreach_core SDL2::SDL2)
target_link_libraries(Skyreach PRIVATE skyreach_sdlhost)
