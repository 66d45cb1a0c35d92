# Installing the game on a desktop and packing it as a Debian package.
#
# - `cmake --install build --prefix P` (`make install PREFIX=P`) puts the two
#   programs in P/bin, the data file and the HTML manual in P/share/jet-warden,
#   and the desktop entry, icons, AppStream metainfo and man pages where the
#   desktop and man look for them.
# - The game finds its data folder relative to its own program first, so a
#   tree installed under another prefix than the configured one still starts;
#   the configured folder is the fallback (InstalledFiles).
# - CPack makes the Debian package (`make deb`); its dependencies come from
#   the programs' shared libraries (dpkg-shlibdeps).
# - Three tests: the installed tree starts headless from another folder with
#   an empty store, the package holds every installed file, and the desktop
#   entry and metainfo validate. They carry the label "package".
#
# This module comes after SdlHost.cmake and SkyreachSim.cmake (modules are
# included in name order): the programs it installs must exist.
include(GNUInstallDirs)

set(SKYREACH_PACKAGE_NAME jet-warden)
set(SKYREACH_APP_ID com.northgatesoft.JetWarden)
set(SKYREACH_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/${SKYREACH_PACKAGE_NAME})
set(SKYREACH_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/Data/Desktop)

# Where the installed game looks for its data, compiled into the lookup.
file(RELATIVE_PATH _skyreach_data_from_program ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/${SKYREACH_PACKAGE_NAME})
set_property(SOURCE ${CMAKE_SOURCE_DIR}/Src/WinCE/InstalledFiles.cpp APPEND PROPERTY COMPILE_DEFINITIONS
  SKYREACH_INSTALLED_DATA_FOLDER="${CMAKE_INSTALL_FULL_DATADIR}/${SKYREACH_PACKAGE_NAME}"
  SKYREACH_DATA_FOLDER_FROM_PROGRAM="${_skyreach_data_from_program}")

# The metainfo carries the package's version.
set(SKYREACH_METAINFO ${CMAKE_BINARY_DIR}/${SKYREACH_APP_ID}.metainfo.xml)
configure_file(${SKYREACH_DESKTOP_DIR}/${SKYREACH_APP_ID}.metainfo.xml.in ${SKYREACH_METAINFO} @ONLY)

install(TARGETS Skyreach skyreach-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_BINARY_DIR}/Skyreach.dat ${CMAKE_SOURCE_DIR}/Data/Help/JetWarden.html
        DESTINATION ${SKYREACH_INSTALL_DATADIR})
install(FILES ${SKYREACH_DESKTOP_DIR}/${SKYREACH_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${SKYREACH_DESKTOP_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${SKYREACH_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/Data/Man/Skyreach.6 ${CMAKE_SOURCE_DIR}/Data/Man/skyreach-sim.6
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${SKYREACH_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Northgate Soft")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "airline business simulation from the jet age")
# One paragraph in lines of the width Debian's tools show.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Jet Warden is a single-player airline business simulation. Found an airline"
  "in 1959, pick a home airport among 138, buy planes from a market of 106"
  "models that changes with the calendar, set up routes, advertise and borrow"
  "from the bank, and meet strikes, storms, crashes and offers until 2003."
  "Leaving the game saves it; starting it resumes.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Jet Warden developers")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)

# The checks of what gets installed.
set(_skyreach_package_tests ${CMAKE_SOURCE_DIR}/Tests/Package)
add_test(NAME Package.InstalledGameStartsFromAnotherFolder
  COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR} -DPROGRAM=$<TARGET_FILE:Skyreach>
          -DDATA=${CMAKE_BINARY_DIR}/Skyreach.dat -DHELP=${CMAKE_SOURCE_DIR}/Data/Help/JetWarden.html
          -DBINDIR=${CMAKE_INSTALL_BINDIR} -DDATADIR=${SKYREACH_INSTALL_DATADIR}
          -DCONFIGURED_DATA_FOLDER=${CMAKE_INSTALL_FULL_DATADIR}/${SKYREACH_PACKAGE_NAME}
          -DSCRIPT=${_skyreach_package_tests}/FirstStart.script -DWORK=${CMAKE_BINARY_DIR}/package-tests/start
          -P ${_skyreach_package_tests}/InstalledGameStarts.cmake)
add_test(NAME Package.DebHoldsEveryInstalledFile
  COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR} -DPACKAGE=${SKYREACH_PACKAGE_NAME}
          -DVERSION=${PROJECT_VERSION} -DWORK=${CMAKE_BINARY_DIR}/package-tests/deb
          -P ${_skyreach_package_tests}/DebContents.cmake)
add_test(NAME Package.DesktopEntryAndMetainfoValidate
  COMMAND ${CMAKE_COMMAND} -DDESKTOP=${SKYREACH_DESKTOP_DIR}/${SKYREACH_APP_ID}.desktop
          -DMETAINFO=${SKYREACH_METAINFO} -P ${_skyreach_package_tests}/Validate.cmake)
set_tests_properties(Package.InstalledGameStartsFromAnotherFolder Package.DebHoldsEveryInstalledFile
  Package.DesktopEntryAndMetainfoValidate PROPERTIES LABELS package)
