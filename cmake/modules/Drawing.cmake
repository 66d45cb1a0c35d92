# The drawing layer writes screenshots as PNG files with zlib's deflate.
find_package(ZLIB REQUIRED)
target_link_libraries(skyreach_core PUBLIC ZLIB::ZLIB)

# The pixel loops of blits, fills and bitmap decoding run over whole screens
# every frame; -O3 lets the compiler vectorise them (a masked full-screen blit
# drops to a fraction of its -O2 time). Debug builds keep their own flags.
set_source_files_properties(
  ${CMAKE_SOURCE_DIR}/Src/WinCE/Window.cpp
  ${CMAKE_SOURCE_DIR}/Src/WinCE/Brush.cpp
  ${CMAKE_SOURCE_DIR}/Src/WinCE/DIBFile.cpp
  PROPERTIES COMPILE_OPTIONS "$<$<NOT:$<CONFIG:Debug>>:-O3>")

# The drawing benchmarks read a screen bitmap of the game's data.
if(TARGET skyreach_bench)
  target_compile_definitions(skyreach_bench PRIVATE SKYREACH_DATA_DIR="${CMAKE_SOURCE_DIR}/Data")
endif()
