# Runtime files that the program finds beside its executable (help texts,
# mode pictures) or in its working directory (catalogues, manuals, icons).
# They are copied into the build folder, where the program and the tests run,
# and installed beside the executable, so that the installed folder runs as is.
# VELLORAN_RUNTIME_FILES collects those made or copied at build time.
set(VELLORAN_RUNTIME_FILES)

# Pictures: icons and mode pictures.
include(${CMAKE_CURRENT_LIST_DIR}/pictures.cmake OPTIONAL)
# Translation catalogues velloran_ko.qm, velloran_en.qm, velloran_zh.qm.
include(${CMAKE_CURRENT_LIST_DIR}/catalogues.cmake OPTIONAL)

# Help texts: resources/help/<Kav|kor|eng|chn>/*.xml
if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/help)
  file(GLOB_RECURSE _velloran_help CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_CURRENT_LIST_DIR}/help/*.xml)
  set(_velloran_help_out)
  foreach(f IN LISTS _velloran_help)
    add_custom_command(OUTPUT ${VELLORAN_RUNTIME_DIR}/${f}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_CURRENT_LIST_DIR}/${f} ${VELLORAN_RUNTIME_DIR}/${f}
      DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${f})
    list(APPEND _velloran_help_out ${VELLORAN_RUNTIME_DIR}/${f})
  endforeach()
  add_custom_target(velloran_help ALL DEPENDS ${_velloran_help_out})
  list(APPEND VELLORAN_RUNTIME_FILES ${_velloran_help_out})
  install(DIRECTORY ${CMAKE_CURRENT_LIST_DIR}/help DESTINATION .)
endif()

# Pictures of the window at work, drawn with the runtime files above.
include(${CMAKE_CURRENT_LIST_DIR}/screens.cmake OPTIONAL)
# User manuals Manual_Velloran_ko.pdf, _en.pdf, _ch.pdf, with those pictures.
include(${CMAKE_CURRENT_LIST_DIR}/manuals.cmake OPTIONAL)
