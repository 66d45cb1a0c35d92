# Fuzz targets for every reader of outside bytes.
#
# - The targets themselves (Fuzz/*.cpp, Fuzz/Targets/*.cpp) are a library
#   that the test program links in every build: the seed corpora and the
#   inputs of past crashes (Fuzz/corpus, Fuzz/regressions) run as ordinary
#   tests.
# - fuzz-seeds writes the seed corpora.
# - With SKYREACH_FUZZ (clang 14 and libFuzzer, `make fuzz`), each target
#   also becomes a program fuzz-NAME; `fuzz-all` builds them all and
#   Fuzz/run-fuzzers.sh runs them.

set(SKYREACH_FUZZ_NAMES configblock savedgame datafileindex dibfile fontmetrics
                        lzrw1a lzrw2 lzrw3 lzrw3a setupini worldtables)

file(GLOB SKYREACH_FUZZ_SOURCES CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/Fuzz/*.cpp ${CMAKE_SOURCE_DIR}/Fuzz/Targets/*.cpp)
list(FILTER SKYREACH_FUZZ_SOURCES EXCLUDE REGEX "/Fuzz/(FuzzMain|MakeSeeds)\\.cpp$")
add_library(skyreach_fuzz_targets STATIC ${SKYREACH_FUZZ_SOURCES})
target_include_directories(skyreach_fuzz_targets PUBLIC ${CMAKE_SOURCE_DIR}/Fuzz)
target_compile_options(skyreach_fuzz_targets PRIVATE ${SKYREACH_WARNINGS})
# installer_text is defined by Installer.cmake, which is included later.
target_link_libraries(skyreach_fuzz_targets PUBLIC skyreach_core installer_text)

target_link_libraries(skyreach_tests PRIVATE skyreach_fuzz_targets)

add_executable(fuzz-seeds ${CMAKE_SOURCE_DIR}/Fuzz/MakeSeeds.cpp)
target_compile_options(fuzz-seeds PRIVATE ${SKYREACH_WARNINGS})
target_include_directories(fuzz-seeds PRIVATE ${CMAKE_SOURCE_DIR}/Tests)
target_compile_definitions(fuzz-seeds PRIVATE SKYREACH_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
target_link_libraries(fuzz-seeds PRIVATE skyreach_sim_lib)

if(SKYREACH_FUZZ)
  set(_fuzz_programs)
  foreach(name ${SKYREACH_FUZZ_NAMES})
    add_executable(fuzz-${name} ${CMAKE_SOURCE_DIR}/Fuzz/FuzzMain.cpp)
    target_compile_options(fuzz-${name} PRIVATE ${SKYREACH_WARNINGS})
    target_compile_definitions(fuzz-${name} PRIVATE SKYREACH_FUZZ_TARGET="${name}"
                               SKYREACH_FUZZ_DATA_FILE="${CMAKE_BINARY_DIR}/Skyreach.dat")
    target_link_libraries(fuzz-${name} PRIVATE skyreach_fuzz_targets)
    target_link_options(fuzz-${name} PRIVATE -fsanitize=fuzzer)
    list(APPEND _fuzz_programs fuzz-${name})
  endforeach()
  # The saved-game target reads the world tables of the built data file.
  add_custom_target(fuzz-all DEPENDS ${_fuzz_programs})
  add_dependencies(fuzz-all skyreach_data)
endif()
