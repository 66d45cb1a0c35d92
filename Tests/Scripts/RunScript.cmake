# Runs a headless script against the real program with a store of its own.
#
# A script may hold several passes separated by a line "# --- restart ---":
# each pass starts the program anew on the same store, so a pass can look at
# what the previous one saved. Every "shot FILE" line must leave its file.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(registry ${WORK}/registry.sqlite3)

execute_process(
  COMMAND ${PROGRAM} --install --data ${DATA} --help-file ${HELP} --registry ${registry}
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "install step failed (${result}):\n${out}\n${err}")
endif()

file(READ ${SCRIPT} text)
# Semicolons in the script would split CMake's lists: park them first.
string(REPLACE ";" "@SEMICOLON@" text "${text}")
string(REPLACE "# --- restart ---" ";" passes "${text}")
set(index 0)
foreach(pass IN LISTS passes)
  math(EXPR index "${index} + 1")
  set(passFile ${WORK}/pass${index}.script)
  string(REPLACE "@SEMICOLON@" ";" pass "${pass}")
  file(WRITE ${passFile} "${pass}")
  execute_process(
    COMMAND ${PROGRAM} --headless ${GALLERY} --registry ${registry} --script ${passFile}
    WORKING_DIRECTORY ${WORK}
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "pass ${index} failed (${result}):\n${out}\n${err}")
  endif()
  message(STATUS "pass ${index}: ${out}${err}")
  string(REGEX MATCHALL "\nshot [^\n]+" shots "\n${pass}")
  foreach(line IN LISTS shots)
    string(REGEX REPLACE "^\nshot +" "" shot "${line}")
    string(STRIP "${shot}" shot)
    if(NOT EXISTS ${WORK}/${shot})
      message(FATAL_ERROR "pass ${index} did not write the screenshot ${shot}")
    endif()
  endforeach()
endforeach()
message(STATUS "screenshots in ${WORK}")
