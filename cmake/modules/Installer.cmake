# The desktop installer Setup.exe and its tests.
#
# The reading of Setup.ini and the texts the installer builds have no Windows
# calls: they are compiled natively into installer_text and unit-tested by
# installer_tests, a GoogleTest program of their own that needs nothing of the
# game. Setup.exe itself is cross-built with mingw-w64 when the cross
# compiler is installed, through a separate CMake project with the toolchain
# file, and checked end to end under Wine when wine64 and xvfb-run are there.

set(SKYREACH_INSTALLER_SOURCE_DIR ${CMAKE_SOURCE_DIR}/Src/WinCEInstaller)
set(SKYREACH_INSTALLER_TEST_DIR ${CMAKE_SOURCE_DIR}/Tests/WinCEInstaller)

add_library(installer_text STATIC
  ${SKYREACH_INSTALLER_SOURCE_DIR}/SetupIni.cpp
  ${SKYREACH_INSTALLER_SOURCE_DIR}/SetupText.cpp)
target_include_directories(installer_text PUBLIC ${SKYREACH_INSTALLER_SOURCE_DIR})
target_compile_options(installer_text PRIVATE ${SKYREACH_WARNINGS})

# The installer's tests are a program of their own, not part of the game's.
get_target_property(_skyreach_test_sources skyreach_tests SOURCES)
list(FILTER _skyreach_test_sources EXCLUDE REGEX "/Tests/WinCEInstaller/")
set_property(TARGET skyreach_tests PROPERTY SOURCES ${_skyreach_test_sources})

file(GLOB SKYREACH_INSTALLER_TEST_SOURCES CONFIGURE_DEPENDS ${SKYREACH_INSTALLER_TEST_DIR}/*.cpp)
add_executable(installer_tests ${SKYREACH_INSTALLER_TEST_SOURCES})
target_compile_options(installer_tests PRIVATE ${SKYREACH_WARNINGS})
target_link_libraries(installer_tests PRIVATE installer_text GTest::gtest GTest::gtest_main)
gtest_discover_tests(installer_tests DISCOVERY_TIMEOUT 60)

find_program(SKYREACH_MINGW_CXX NAMES x86_64-w64-mingw32-g++-win32 x86_64-w64-mingw32-g++)
find_program(SKYREACH_MINGW_WINDRES NAMES x86_64-w64-mingw32-windres)
if(NOT SKYREACH_MINGW_CXX OR NOT SKYREACH_MINGW_WINDRES)
  message(STATUS "mingw-w64 not found: Setup.exe and its Wine tests are not built")
  return()
endif()

include(ExternalProject)
set(SKYREACH_MINGW_TOOLCHAIN ${CMAKE_SOURCE_DIR}/cmake/toolchains/mingw-w64.cmake)
set(SKYREACH_SETUP_EXE ${CMAKE_BINARY_DIR}/Setup.exe)
ExternalProject_Add(installer_setup
  SOURCE_DIR ${SKYREACH_INSTALLER_SOURCE_DIR}
  BINARY_DIR ${CMAKE_BINARY_DIR}/installer/setup
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${SKYREACH_MINGW_TOOLCHAIN}
    -DCMAKE_BUILD_TYPE=Release
    -DSETUP_OUTPUT_DIR=${CMAKE_BINARY_DIR}
    -DSKYREACH_WERROR=${SKYREACH_WERROR}
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${SKYREACH_SETUP_EXE})

find_program(SKYREACH_WINE64 NAMES wine64 PATHS /usr/lib/wine)
find_program(SKYREACH_XVFB_RUN NAMES xvfb-run)
if(NOT SKYREACH_WINE64 OR NOT SKYREACH_XVFB_RUN)
  message(STATUS "wine64 or xvfb-run not found: the installer's Wine tests are not run")
  return()
endif()
get_filename_component(_skyreach_wine_dir ${SKYREACH_WINE64} DIRECTORY)
find_program(SKYREACH_WINESERVER NAMES wineserver wineserver64 PATHS ${_skyreach_wine_dir} /usr/lib/wine)
if(NOT SKYREACH_WINESERVER)
  message(STATUS "wineserver not found: the installer's Wine tests are not run")
  return()
endif()

set(SKYREACH_WINE_HELPERS_DIR ${CMAKE_BINARY_DIR}/installer/wine-helpers)
ExternalProject_Add(installer_wine_helpers
  SOURCE_DIR ${SKYREACH_INSTALLER_TEST_DIR}/Wine
  BINARY_DIR ${CMAKE_BINARY_DIR}/installer/wine-helpers-build
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${SKYREACH_MINGW_TOOLCHAIN}
    -DCMAKE_BUILD_TYPE=Release
    -DHELPERS_OUTPUT_DIR=${SKYREACH_WINE_HELPERS_DIR}
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${SKYREACH_WINE_HELPERS_DIR}/InstallDriver.exe ${SKYREACH_WINE_HELPERS_DIR}/CEAppMgr.exe)

# One fresh prefix per test run, made by the first test; the scenarios share
# it one after the other, each under a virtual display of its own.
set(_skyreach_wine_env
  WINE=${SKYREACH_WINE64}
  WINESERVER=${SKYREACH_WINESERVER}
  WINEPREFIX=${CMAKE_BINARY_DIR}/installer/wineprefix
  SETUP_EXE=${SKYREACH_SETUP_EXE}
  DRIVER_EXE=${SKYREACH_WINE_HELPERS_DIR}/InstallDriver.exe
  MANAGER_EXE=${SKYREACH_WINE_HELPERS_DIR}/CEAppMgr.exe)
set(_skyreach_wine_suite ${SKYREACH_INSTALLER_TEST_DIR}/Wine/WineSuite.sh)

add_test(NAME installer_wine.prefix COMMAND ${SKYREACH_XVFB_RUN} -a bash ${_skyreach_wine_suite} prefix)
set_tests_properties(installer_wine.prefix PROPERTIES
  FIXTURES_SETUP installer_wine RESOURCE_LOCK installer_wine TIMEOUT 180
  ENVIRONMENT "${_skyreach_wine_env}")
foreach(scenario install uninstall uninstall_key_warning selfremove_cancel selfremove_install
    missing_manager missing_component missing_ini)
  add_test(NAME installer_wine.${scenario}
    COMMAND ${SKYREACH_XVFB_RUN} -a bash ${_skyreach_wine_suite} ${scenario})
  set_tests_properties(installer_wine.${scenario} PROPERTIES
    FIXTURES_REQUIRED installer_wine RESOURCE_LOCK installer_wine TIMEOUT 120
    ENVIRONMENT "${_skyreach_wine_env}")
endforeach()
