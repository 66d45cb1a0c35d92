# Builds the Debian package into a folder of its own and checks it: it holds
# every file the install rules install and nothing else, and depends on the
# SDL2 and SQLite runtime libraries.
#
# Inputs: BUILD (the build folder), PACKAGE and VERSION (the package's name
# and version), WORK (scratch).
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(run what)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${WORK}
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${what} failed (${result}):\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

find_program(DPKG_DEB dpkg-deb)
if(NOT DPKG_DEB)
  message(FATAL_ERROR "dpkg-deb is missing (Debian package dpkg)")
endif()
get_filename_component(cmake_bin ${CMAKE_COMMAND} DIRECTORY)
find_program(CPACK cpack HINTS ${cmake_bin} REQUIRED)

# What the install rules put under the package's prefix.
run("installing" ${CMAKE_COMMAND} --install ${BUILD} --prefix ${WORK}/tree/usr)
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${WORK}/tree ${WORK}/tree/*)
list(TRANSFORM installed PREPEND "./")
list(SORT installed)

run("cpack" ${CPACK} --config ${BUILD}/CPackConfig.cmake -B ${WORK}/cpack)
file(GLOB deb ${WORK}/cpack/${PACKAGE}_${VERSION}_*.deb)
list(LENGTH deb count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one ${PACKAGE}_${VERSION}_*.deb in ${WORK}/cpack, found: ${deb}")
endif()

# The package's files (not its folders), one "mode owner size date time name" a line.
run("listing the package" ${DPKG_DEB} --contents ${deb})
string(REGEX MATCHALL "(^|\n)[-l][^\n]*" lines "${out}")
set(packed)
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^\n?[^ ]+ +[^ ]+ +[^ ]+ +[^ ]+ +[^ ]+ +(.*)$" "\\1" name "${line}")
  string(REGEX REPLACE " -> .*$" "" name "${name}")
  list(APPEND packed ${name})
endforeach()
list(SORT packed)
if(NOT packed STREQUAL installed)
  set(missing ${installed})
  list(REMOVE_ITEM missing ${packed})
  set(extra ${packed})
  list(REMOVE_ITEM extra ${installed})
  message(FATAL_ERROR "the package does not hold what the install rules install.\n"
                      "Missing from the package: ${missing}\nOnly in the package: ${extra}")
endif()

run("reading the control fields" ${DPKG_DEB} --field ${deb} Package Version Depends Section)
foreach(expected "Package: ${PACKAGE}" "Version: ${VERSION}" "Section: games" "libsdl2-2.0-0" "libsqlite3-0")
  string(FIND "${out}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the control fields lack \"${expected}\":\n${out}")
  endif()
endforeach()
list(LENGTH packed files)
message(STATUS "${deb}: ${files} files\n${out}")
