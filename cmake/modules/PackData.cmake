# The data file and the preference store.
#
# - The core library keeps the registry in a SQLite database file.
# - PackData, the packing tool, and the Skyreach.dat it packs from the asset
#   folders Data/Bitmaps, Data/Fonts and Data/Entries (those that exist) as
#   part of the default build; a change to any file there packs again.
# - The tracked allocator's global operators, as an object library for
#   game programs other than Skyreach (which takes them from Src/Main).

find_package(SQLite3 REQUIRED)
target_link_libraries(skyreach_core PUBLIC SQLite::SQLite3)

# The packer's logic is a library of its own so the tests can drive it.
add_library(packdata_lib STATIC ${CMAKE_SOURCE_DIR}/Tools/PackData/DataPacker.cpp)
target_include_directories(packdata_lib PUBLIC ${CMAKE_SOURCE_DIR}/Tools)
target_compile_options(packdata_lib PRIVATE ${SKYREACH_WARNINGS})
target_link_libraries(packdata_lib PUBLIC skyreach_core)

add_executable(PackData ${CMAKE_SOURCE_DIR}/Tools/PackData/PackData.cpp)
target_compile_options(PackData PRIVATE ${SKYREACH_WARNINGS})
target_link_libraries(PackData PRIVATE packdata_lib)

target_link_libraries(skyreach_tests PRIVATE packdata_lib)
target_compile_definitions(skyreach_tests PRIVATE SKYREACH_PACKDATA="$<TARGET_FILE:PackData>")
add_dependencies(skyreach_tests PackData)

# Every file under Data/ is watched, so that a folder that appears later
# (or a file added to one) configures again and packs again.
file(GLOB_RECURSE SKYREACH_DATA_CANDIDATES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/Data/*)
set(SKYREACH_DATA_FOLDERS)
set(SKYREACH_DATA_INPUTS)
foreach(folder Bitmaps Fonts Entries)
  if(IS_DIRECTORY ${CMAKE_SOURCE_DIR}/Data/${folder})
    list(APPEND SKYREACH_DATA_FOLDERS ${CMAKE_SOURCE_DIR}/Data/${folder})
    foreach(candidate ${SKYREACH_DATA_CANDIDATES})
      if(candidate MATCHES "^${CMAKE_SOURCE_DIR}/Data/${folder}/")
        list(APPEND SKYREACH_DATA_INPUTS ${candidate})
      endif()
    endforeach()
  endif()
endforeach()

# The list of inputs is rewritten only when it changes, so that a file
# removed from a folder packs again too.
list(JOIN SKYREACH_DATA_INPUTS "\n" SKYREACH_DATA_INPUT_LIST)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/SkyreachDataInputs.txt CONTENT "${SKYREACH_DATA_INPUT_LIST}\n")

set(SKYREACH_DATA_FILE ${CMAKE_BINARY_DIR}/Skyreach.dat)
add_custom_command(
  OUTPUT ${SKYREACH_DATA_FILE}
  COMMAND PackData ${SKYREACH_DATA_FILE} ${SKYREACH_DATA_FOLDERS}
  DEPENDS PackData ${SKYREACH_DATA_INPUTS} ${CMAKE_BINARY_DIR}/SkyreachDataInputs.txt
  COMMENT "Packing Skyreach.dat"
  VERBATIM)
add_custom_target(skyreach_data ALL DEPENDS ${SKYREACH_DATA_FILE})

# Game programs besides Skyreach link these for the tracked allocator.
add_library(skyreach_crtdbg_hooks OBJECT EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/Src/Main/CrtDbgHooks.cpp)
target_compile_options(skyreach_crtdbg_hooks PRIVATE ${SKYREACH_WARNINGS})
target_link_libraries(skyreach_crtdbg_hooks PRIVATE skyreach_core)
