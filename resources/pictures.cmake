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
add_custom_command(OUTPUT ${_velloran_picture_files}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:make_pictures> ${VELLORAN_RUNTIME_DIR}
  DEPENDS make_pictures
  COMMENT "Drawing the button icons and mode pictures"
  VERBATIM)
add_custom_target(velloran_pictures ALL DEPENDS ${_velloran_picture_files})
list(APPEND VELLORAN_RUNTIME_FILES ${_velloran_picture_files})
install(FILES ${_velloran_picture_files} DESTINATION .)
