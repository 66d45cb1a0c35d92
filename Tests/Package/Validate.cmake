# The desktop entry and the AppStream metainfo pass the validators the
# desktops and software centres use.
#
# Inputs: DESKTOP (the .desktop file), METAINFO (the configured metainfo).
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAM_UTIL appstream-util)
if(NOT DESKTOP_FILE_VALIDATE OR NOT APPSTREAM_UTIL)
  message(FATAL_ERROR "desktop-file-validate or appstream-util is missing "
                      "(Debian packages desktop-file-utils and appstream-util; `make deps` installs them)")
endif()
foreach(check "${DESKTOP_FILE_VALIDATE};${DESKTOP}" "${APPSTREAM_UTIL};validate-relax;--nonet;${METAINFO}")
  execute_process(COMMAND ${check} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  # desktop-file-validate reports hints with a zero status: they count too.
  if(NOT result EQUAL 0 OR (check MATCHES "desktop-file-validate" AND NOT "${out}${err}" STREQUAL ""))
    message(FATAL_ERROR "${check} failed (${result}):\n${out}\n${err}")
  endif()
  message(STATUS "${check}: ${out}${err}")
endforeach()
