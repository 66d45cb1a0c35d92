# The lzrw tool, and the four LZRW entry points exported from the game
# program's dynamic symbol table.
#
# The entry points live in the core library; nothing in the program calls
# them, so the linker is told to pull them in (--undefined) and to export them
# (--export-dynamic-symbol). Two checks run under CTest: the exports, and the
# tool's round trips and error reports.

add_executable(lzrw ${CMAKE_SOURCE_DIR}/Tools/Lzrw/LzrwMain.cpp)
target_compile_options(lzrw PRIVATE ${SKYREACH_WARNINGS})
target_link_libraries(lzrw PRIVATE skyreach_core)

set(SKYREACH_LZRW_ENTRY_POINTS LZRW1A LZRW2 LZRW3 LZRW3A)
foreach(entry ${SKYREACH_LZRW_ENTRY_POINTS})
  target_link_options(Skyreach PRIVATE "LINKER:--undefined=${entry}" "LINKER:--export-dynamic-symbol=${entry}")
endforeach()

add_test(NAME LzrwEntryPointsExported
  COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DPROGRAM=$<TARGET_FILE:Skyreach>
          "-DENTRY_POINTS=${SKYREACH_LZRW_ENTRY_POINTS}" -P ${CMAKE_SOURCE_DIR}/Tools/Lzrw/CheckExports.cmake)

add_test(NAME LzrwToolRoundTripsAndErrors
  COMMAND ${CMAKE_COMMAND} -DLZRW=$<TARGET_FILE:lzrw> -DCORPUS=${CMAKE_SOURCE_DIR}/Tests/Common/Compression/Corpus
          -DWORK=${CMAKE_BINARY_DIR}/lzrw-tool-test -P ${CMAKE_SOURCE_DIR}/Tools/Lzrw/ToolTest.cmake)
