# Pictures: the icons of the manual and about buttons (bookmark.png,
# information.png, found in the working directory) and the three mode
# pictures of the operation history (Auto.png, Manual.png, Remote.png, found
# beside the executable). tools/make_pictures draws them at build time into
# the runtime folder; they are installed beside the program.
get_filename_component(_velloran_root ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
set(_velloran_tools_dir ${_velloran_root}/tools)

add_executable(make_pictures ${_velloran_tools_dir}/make_pictures.cpp)
target_link_libraries(make_pictures PRIVATE Qt5::Gui)

set(_velloran_picture_files)
foreach(picture bookmark.png information.png Auto.png Manual.png Remote.png)
  list(APPEND _velloran_picture_files ${VELLORAN_RUNTIME_DIR}/${picture})
endforeach()
# The program's icon for the desktop, in the sizes of an icon theme; the
# Debian package installs it (packaging/package.cmake).
set(VELLORAN_ICON_THEME_DIR ${CMAKE_BINARY_DIR}/icons)
set(_velloran_icon_sizes 16 24 32 48 64 128 256)
set(VELLORAN_ICON_FILES)
foreach(size IN LISTS _velloran_icon_sizes)
  list(APPEND VELLORAN_ICON_FILES ${VELLORAN_ICON_THEME_DIR}/hicolor/${size}x${size}/apps/velloran.png)
endforeach()
add_custom_command(OUTPUT ${_velloran_picture_files} ${VELLORAN_ICON_FILES}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:make_pictures> ${VELLORAN_RUNTIME_DIR} ${VELLORAN_ICON_THEME_DIR} ${_velloran_icon_sizes}
  DEPENDS make_pictures
  COMMENT "Drawing the button icons, the mode pictures and the program's icon"
  VERBATIM)
add_custom_target(velloran_pictures ALL DEPENDS ${_velloran_picture_files} ${VELLORAN_ICON_FILES})
list(APPEND VELLORAN_RUNTIME_FILES ${_velloran_picture_files})
install(FILES ${_velloran_picture_files} DESTINATION .)
