# `make contact-sheet`: every bitmap of the built data file on one PNG, drawn
# with the game's own data-file and bitmap code.
add_executable(contact-sheet ${CMAKE_SOURCE_DIR}/Tools/ContactSheet/ContactSheet.cpp)
target_compile_options(contact-sheet PRIVATE ${SKYREACH_WARNINGS})
target_link_libraries(contact-sheet PRIVATE skyreach_core)
add_custom_target(contact-sheet-png
  COMMAND contact-sheet ${CMAKE_BINARY_DIR}/Skyreach.dat ${CMAKE_BINARY_DIR}/contact-sheet.png
  DEPENDS contact-sheet
  COMMENT "Drawing every bitmap of Skyreach.dat into contact-sheet.png")
add_test(NAME ContactSheet.DrawsEveryBitmapOfTheDataFile
  COMMAND contact-sheet ${CMAKE_BINARY_DIR}/Skyreach.dat ${CMAKE_BINARY_DIR}/contact-sheet-test.png)
add_dependencies(contact-sheet-png skyreach_data)
