# The Debian package. After a build, `cpack -G DEB` in the build folder makes
# velloran_<version>_amd64.deb, which holds
#   /opt/velloran/            the runnable folder, as `cmake --install` lays it out
#   /usr/bin/velloran         starts the viewer in that folder
#   /usr/bin/velloran-report  runs the report program there
#   /usr/share/applications/velloran.desktop, the icon in /usr/share/icons/hicolor
#   and the licence in /usr/share/doc/velloran/copyright
# The files outside the runnable folder belong to the component "desktop",
# which a plain `cmake --install` leaves out; only the package installs them.
# Its dependencies on Debian's libraries are found by dpkg-shlibdeps
# (dpkg-dev); tools/check_package.sh installs, tries and removes the package.

set(VELLORAN_PACKAGE_PREFIX /opt/velloran)
set(VELLORAN_PACKAGE_MAINTAINER "Velloran developers <velloran@localhost>"
    CACHE STRING "Maintainer named in the Debian package")
set(_velloran_packaging ${CMAKE_CURRENT_LIST_DIR})
set(_velloran_launchers ${CMAKE_BINARY_DIR}/launchers)

# Both programs lie in the runnable folder; their launchers go on the PATH.
foreach(program IN ITEMS velloran velloran-report)
  configure_file(${_velloran_packaging}/${program}.in ${_velloran_launchers}/${program} @ONLY)
  install(PROGRAMS ${_velloran_launchers}/${program} DESTINATION /usr/bin
          COMPONENT desktop EXCLUDE_FROM_ALL)
endforeach()
install(FILES ${_velloran_packaging}/velloran.desktop DESTINATION /usr/share/applications
        COMPONENT desktop EXCLUDE_FROM_ALL)
install(DIRECTORY ${VELLORAN_ICON_THEME_DIR}/hicolor DESTINATION /usr/share/icons
        COMPONENT desktop EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION /usr/share/doc/velloran RENAME copyright
        COMPONENT desktop EXCLUDE_FROM_ALL)

find_program(VELLORAN_DESKTOP_FILE_VALIDATE desktop-file-validate)
if(VELLORAN_DESKTOP_FILE_VALIDATE)
  add_test(NAME desktop_entry COMMAND ${VELLORAN_DESKTOP_FILE_VALIDATE} ${_velloran_packaging}/velloran.desktop)
  # desktop-file-validate prints warnings and hints and still succeeds; they fail the test.
  set_tests_properties(desktop_entry PROPERTIES FAIL_REGULAR_EXPRESSION "error|warning|hint")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velloran)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Velloran developers")
set(CPACK_PACKAGE_CONTACT ${VELLORAN_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer for the backups of industrial robot controllers")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Velloran shows the error and stop logs of Kav and Lum/Luma robot controller"
  "backups in one table, with what the controller recorded for each record:"
  "code, message, cause and remedy in Korean, English or Chinese, date and"
  "time, program and step, axis positions and input/output signals. It also"
  "reads the operation history, the controller data files and the job"
  "programs of a backup. Sample backups and user manuals are included.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${VELLORAN_PACKAGE_PREFIX})
set(CPACK_STRIP_FILES ON)
# One package of the runnable folder and the desktop files.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL Unspecified desktop)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The desktop's viewers open the manuals and the history text; the Korean
# and Chinese texts need a CJK font.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-noto-cjk")
include(CPack)
