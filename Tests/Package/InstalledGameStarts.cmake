# Installs the build into a prefix of its own and starts the installed game
# headless from another folder with an empty store: it must find its data file
# by itself and draw the same main menu as the build's program does with an
# installed store. The installed skyreach-sim finds the data file too. Then,
# with the data file gone, the game must stop with one message naming the
# folders it searched.
#
# Inputs: BUILD (the build folder), PROGRAM (the build's Skyreach), DATA and
# HELP (the build's data file and manual), BINDIR and DATADIR (the install
# folders below the prefix), CONFIGURED_DATA_FOLDER (the data folder of the
# configured prefix), SCRIPT (the headless script), WORK (scratch).
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/reference ${WORK}/player ${WORK}/sim ${WORK}/broken)
set(prefix ${WORK}/prefix)

function(run what)
  cmake_parse_arguments(RUN "" "FOLDER" "COMMAND" ${ARGN})
  execute_process(COMMAND ${RUN_COMMAND} WORKING_DIRECTORY ${RUN_FOLDER}
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${what} failed (${result}):\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

run("installing into ${prefix}" FOLDER ${WORK} COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix})

# The build's program with the store the installation step writes.
run("the install step" FOLDER ${WORK}/reference
  COMMAND ${PROGRAM} --install --data ${DATA} --help-file ${HELP} --registry ${WORK}/reference/registry.sqlite3)
run("the build's program" FOLDER ${WORK}/reference
  COMMAND ${PROGRAM} --headless --registry ${WORK}/reference/registry.sqlite3 --script ${SCRIPT})

# The installed program, started from elsewhere with nothing in its store.
run("the installed program's first start" FOLDER ${WORK}/player
  COMMAND ${prefix}/${BINDIR}/Skyreach --headless --registry ${WORK}/player/registry.sqlite3 --script ${SCRIPT})
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/reference/main-menu.png ${WORK}/player/main-menu.png
  RESULT_VARIABLE different)
if(different)
  message(FATAL_ERROR "the installed game's first start does not show the main menu the build's program shows: "
                      "compare ${WORK}/player/main-menu.png with ${WORK}/reference/main-menu.png")
endif()

file(WRITE ${WORK}/sim/start.sim "new \"Test Air\" 7\n")
run("the installed skyreach-sim" FOLDER ${WORK}/sim
  COMMAND ${prefix}/${BINDIR}/skyreach-sim --registry ${WORK}/sim/registry.sqlite3 ${WORK}/sim/start.sim)
if(NOT out MATCHES "^new company=\"Test Air\" airport=7")
  message(FATAL_ERROR "the installed skyreach-sim did not start a game:\n${out}")
endif()

# Without its data file the installed game names where it looked; unless the
# configured prefix holds a data file, which it would rightly take.
if(EXISTS ${CONFIGURED_DATA_FOLDER}/Skyreach.dat)
  message(STATUS "${CONFIGURED_DATA_FOLDER}/Skyreach.dat exists: the start without a data file is not tried")
  return()
endif()
file(REMOVE ${prefix}/${DATADIR}/Skyreach.dat)
execute_process(
  COMMAND ${prefix}/${BINDIR}/Skyreach --headless --registry ${WORK}/broken/registry.sqlite3 --script ${SCRIPT}
  WORKING_DIRECTORY ${WORK}/broken RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(FIND "${err}" "Couldn't load datafile: Skyreach.dat is not in ${prefix}/${DATADIR}" named)
if(result EQUAL 0 OR named EQUAL -1)
  message(FATAL_ERROR "a missing data file must stop the game naming ${prefix}/${DATADIR} (${result}):\n${err}")
endif()
message(STATUS "installed into ${prefix}; without the data file: ${err}")
