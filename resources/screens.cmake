# Pictures of the window at work: tools/render_window draws the window with
# the sample backups loaded, without a display, into screens/ of the build
# folder at build time: window_start.png (the window as it opens) and one set
# per language in ko/, en/ and zh/. The manuals are printed with them, so they
# always show the window of the build.
#
# The README shows English ones from docs/screens, where the repository keeps
# them: `cmake --build <dir> --target velloran_screens` copies the pictures
# that the README names from the build into docs/screens, and the test
# readme_screens fails while a picture there differs from the build's.
get_filename_component(_velloran_screens_root ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
set(VELLORAN_SCREENS_DIR ${CMAKE_BINARY_DIR}/screens)
set(VELLORAN_SCREENS_STAMP ${VELLORAN_SCREENS_DIR}/drawn.stamp)

add_executable(render_window ${_velloran_screens_root}/tools/render_window.cpp)
target_link_libraries(render_window PRIVATE velloran_core)

file(GLOB_RECURSE _velloran_sample_files CONFIGURE_DEPENDS ${_velloran_screens_root}/samples/*)
add_custom_command(OUTPUT ${VELLORAN_SCREENS_STAMP}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:render_window> ${VELLORAN_SCREENS_DIR} ${_velloran_screens_root}/samples
  COMMAND ${CMAKE_COMMAND} -E touch ${VELLORAN_SCREENS_STAMP}
  WORKING_DIRECTORY ${VELLORAN_RUNTIME_DIR}
  DEPENDS render_window ${_velloran_sample_files} ${VELLORAN_RUNTIME_FILES}
  COMMENT "Drawing the window with the sample backups into screens/"
  VERBATIM)
add_custom_target(velloran_window_pictures ALL DEPENDS ${VELLORAN_SCREENS_STAMP})

set(_velloran_readme_screens
  -DREADME=${_velloran_screens_root}/README.md
  -DDRAWN=${VELLORAN_SCREENS_DIR} -DLANGUAGE=en
  -DCOMMITTED=${_velloran_screens_root}/docs/screens
  -P ${_velloran_screens_root}/tools/readme_screens.cmake)
add_custom_target(velloran_screens
  COMMAND ${CMAKE_COMMAND} -DMODE=copy ${_velloran_readme_screens}
  DEPENDS velloran_window_pictures
  COMMENT "Copying the README's pictures into docs/screens"
  VERBATIM)
add_test(NAME readme_screens COMMAND ${CMAKE_COMMAND} -DMODE=check ${_velloran_readme_screens})
