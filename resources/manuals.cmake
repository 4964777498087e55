# User manuals: Manual_Velloran_ko.pdf (Korean), Manual_Velloran_en.pdf
# (English) and Manual_Velloran_ch.pdf (Chinese), found by the program in its
# working directory. tools/make_manual prints them at build time from the HTML
# sources in docs/manual, with the pictures that tools/render_window drew of
# the window in the manual's language (screens.cmake), into the runtime
# folder; they are installed beside the program. Korean and Chinese need the
# CJK fonts of Debian's fonts-noto-cjk.
get_filename_component(_velloran_manual_root ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
set(_velloran_manual_sources ${_velloran_manual_root}/docs/manual)

add_executable(make_manual ${_velloran_manual_root}/tools/make_manual.cpp)
target_link_libraries(make_manual PRIVATE Qt5::Gui)

# language of the source, suffix of the PDF, text fonts (first choice first)
set(_velloran_manual_ko_suffix ko)
set(_velloran_manual_ko_fonts "Noto Sans CJK KR" "NanumGothic" "Droid Sans Fallback")
set(_velloran_manual_ko_mono "Noto Sans Mono CJK KR" "DejaVu Sans Mono")
set(_velloran_manual_en_suffix en)
set(_velloran_manual_en_fonts "Noto Sans CJK SC" "DejaVu Sans")
set(_velloran_manual_en_mono "Noto Sans Mono CJK SC" "DejaVu Sans Mono")
set(_velloran_manual_zh_suffix ch)
set(_velloran_manual_zh_fonts "Noto Sans CJK SC" "Droid Sans Fallback")
set(_velloran_manual_zh_mono "Noto Sans Mono CJK SC" "DejaVu Sans Mono")

set(_velloran_manual_files)
foreach(lang ko en zh)
  set(_source ${_velloran_manual_sources}/manual_${lang}.html)
  set(_pdf ${VELLORAN_RUNTIME_DIR}/Manual_Velloran_${_velloran_manual_${lang}_suffix}.pdf)
  set(_args)
  foreach(font IN LISTS _velloran_manual_${lang}_fonts)
    list(APPEND _args --font ${font})
  endforeach()
  foreach(font IN LISTS _velloran_manual_${lang}_mono)
    list(APPEND _args --mono ${font})
  endforeach()
  add_custom_command(OUTPUT ${_pdf}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:make_manual> ${_source} ${_pdf} ${_args}
            --images ${VELLORAN_SCREENS_DIR}/${lang} --images ${VELLORAN_SCREENS_DIR}
            --version ${PROJECT_VERSION}
    DEPENDS make_manual ${_source} ${VELLORAN_SCREENS_STAMP}
    COMMENT "Printing the user manual Manual_Velloran_${_velloran_manual_${lang}_suffix}.pdf"
    VERBATIM)
  list(APPEND _velloran_manual_files ${_pdf})
endforeach()
add_custom_target(velloran_manuals ALL DEPENDS ${_velloran_manual_files})
install(FILES ${_velloran_manual_files} DESTINATION .)
