# Translation catalogues velloran_ko.qm, velloran_en.qm, velloran_zh.qm,
# compiled with lrelease from resources/velloran_*.ts into the build folder
# (where the program and the tests run and look for them by bare name) and
# installed beside the executable. A catalogue with an entry that is not
# finished fails the build.

set(_velloran_check ${PROJECT_SOURCE_DIR}/tools/catalogue_check.cmake)
set(_velloran_catalogues)
set(_velloran_catalogue_sources)
foreach(lang ko en zh)
  set(ts ${CMAKE_CURRENT_LIST_DIR}/velloran_${lang}.ts)
  set(qm ${VELLORAN_RUNTIME_DIR}/velloran_${lang}.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -DMODE=release -DLRELEASE=$<TARGET_FILE:Qt5::lrelease>
            -DTS=${ts} -DQM=${qm} -P ${_velloran_check}
    DEPENDS ${ts} ${_velloran_check}
    COMMENT "Compiling catalogue velloran_${lang}.qm"
    VERBATIM)
  list(APPEND _velloran_catalogues ${qm})
  list(APPEND _velloran_catalogue_sources ${ts})
endforeach()
add_custom_target(velloran_catalogues ALL DEPENDS ${_velloran_catalogues})
list(APPEND VELLORAN_RUNTIME_FILES ${_velloran_catalogues})
install(FILES ${_velloran_catalogues} DESTINATION .)

# Every text that the code marks for translation (tr, QCoreApplication::
# translate, QT_TRANSLATE_NOOP, QT_TR_NOOP) must have a finished translation in
# all three catalogues; a text added to the code without one fails this test.
# (add_test here, before enable_testing() in the top list file, is fine: the
# test file of the directory is written at generate time.)
add_test(NAME catalogues_cover_sources
  COMMAND ${CMAKE_COMMAND} -DMODE=sources -DLUPDATE=$<TARGET_FILE:Qt5::lupdate>
          -DSOURCE_DIR=${PROJECT_SOURCE_DIR} "-DDIRS=${VELLORAN_DIRS}"
          -DWORK=${CMAKE_BINARY_DIR}/catalogue_check
          "-DCATALOGUES=${_velloran_catalogue_sources}"
          -P ${_velloran_check})
