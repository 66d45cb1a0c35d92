# What the game program prints on stderr when things go wrong, one CASE per
# CTest test.
#
# Inputs: PROGRAM (the game), PACKDATA (the data file packer), DATA (the
# built data file), WORK (a scratch folder, kept for inspection), CASE, and
# for the desktop case XVFB_RUN.
#
# - FatalMessageOnce: a data file without the game's bitmaps stops the
#   headless game with a fatal error; its text reaches stderr exactly once.
# - SilentWithoutSoundDevice: the desktop game on a machine whose only sound
#   device does not exist starts without a page of the sound library's
#   complaints and says once, in the debug output, that it plays silently.

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(registry ${WORK}/registry.sqlite3)

function(install_data data)
  execute_process(
    COMMAND ${PROGRAM} --install --data ${data} --registry ${registry}
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "install step failed (${result}):\n${out}\n${err}")
  endif()
endfunction()

function(count_lines text pattern result)
  string(REGEX MATCHALL "${pattern}" found "${text}")
  list(LENGTH found n)
  set(${result} ${n} PARENT_SCOPE)
endfunction()

if(CASE STREQUAL "FatalMessageOnce")
  file(MAKE_DIRECTORY ${WORK}/entries)
  file(WRITE ${WORK}/entries/readme_rsc "a data file without the game's bitmaps\n")
  execute_process(COMMAND ${PACKDATA} ${WORK}/bare.dat ${WORK}/entries RESULT_VARIABLE result ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "packing the bare data file failed: ${err}")
  endif()
  install_data(${WORK}/bare.dat)
  file(WRITE ${WORK}/quit.script "quit\n")
  execute_process(
    COMMAND ${PROGRAM} --headless --registry ${registry} --script ${WORK}/quit.script
    WORKING_DIRECTORY ${WORK}
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  file(WRITE ${WORK}/stderr.txt "${err}")
  if(result EQUAL 0)
    message(FATAL_ERROR "the game ran on a data file without its bitmaps:\n${err}")
  endif()
  count_lines("${err}" "Fatal error - press retry to debug" fatal)
  if(NOT fatal EQUAL 1)
    message(FATAL_ERROR "the fatal error was printed ${fatal} times, wanted once:\n${err}")
  endif()

elseif(CASE STREQUAL "SilentWithoutSoundDevice")
  install_data(${DATA})
  # The sound library is pointed at a card no machine has; SDL_AUDIODRIVER
  # keeps a sound server from answering in its place. An interrupt after a
  # few seconds closes the window the way the desktop does.
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env SDL_AUDIODRIVER=alsa AUDIODEV=hw:97,0 SKYREACH_DEBUG=1
            ${XVFB_RUN} -a timeout -s INT 6 ${PROGRAM} --registry ${registry}
    WORKING_DIRECTORY ${WORK}
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  file(WRITE ${WORK}/stderr.txt "${err}")
  count_lines("${err}" "ALSA lib" alsa)
  if(alsa GREATER 0)
    message(FATAL_ERROR "the sound library printed ${alsa} lines on stderr:\n${err}")
  endif()
  count_lines("${err}" "the game plays silently" silent)
  if(NOT silent EQUAL 1)
    message(FATAL_ERROR "the silent start was reported ${silent} times, wanted once:\n${err}")
  endif()

else()
  message(FATAL_ERROR "unknown CASE ${CASE}")
endif()
