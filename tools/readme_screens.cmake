# The README's pictures of the window, kept in docs/screens, against those
# that render_window drew in the build.
#
#   cmake -DMODE=copy|check -DREADME=README.md -DDRAWN=<build>/screens
#         -DLANGUAGE=en -DCOMMITTED=docs/screens -P readme_screens.cmake
#
# Every picture that the README names as docs/screens/NAME.png is looked up in
# DRAWN/LANGUAGE, then in DRAWN. MODE=copy copies the drawn ones into
# COMMITTED and removes the pictures there that the README does not name;
# MODE=check fails while a picture in COMMITTED is missing, differs from the
# drawn one or is not named by the README.

cmake_minimum_required(VERSION 3.21)

foreach(var MODE README DRAWN LANGUAGE COMMITTED)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "readme_screens: ${var} is not set")
  endif()
endforeach()

file(READ ${README} _text)
string(REGEX MATCHALL "docs/screens/[A-Za-z0-9_.-]+\\.png" _named "${_text}")
list(REMOVE_DUPLICATES _named)
if(NOT _named)
  message(FATAL_ERROR "readme_screens: ${README} shows no picture of docs/screens")
endif()

set(_names)
set(_problems)
foreach(ref IN LISTS _named)
  get_filename_component(name ${ref} NAME)
  list(APPEND _names ${name})
  if(EXISTS ${DRAWN}/${LANGUAGE}/${name})
    set(drawn ${DRAWN}/${LANGUAGE}/${name})
  elseif(EXISTS ${DRAWN}/${name})
    set(drawn ${DRAWN}/${name})
  else()
    list(APPEND _problems "${ref}: render_window draws no picture of that name")
    continue()
  endif()
  if(MODE STREQUAL "copy")
    file(COPY_FILE ${drawn} ${COMMITTED}/${name} ONLY_IF_DIFFERENT)
  elseif(NOT EXISTS ${COMMITTED}/${name})
    list(APPEND _problems "${ref} is missing")
  else()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${drawn} ${COMMITTED}/${name}
                    RESULT_VARIABLE differs)
    if(differs)
      list(APPEND _problems "${ref} differs from the window of this build (${drawn})")
    endif()
  endif()
endforeach()

file(GLOB _present RELATIVE ${COMMITTED} ${COMMITTED}/*.png)
foreach(name IN LISTS _present)
  if(NOT name IN_LIST _names)
    if(MODE STREQUAL "copy")
      file(REMOVE ${COMMITTED}/${name})
      message(STATUS "removed docs/screens/${name}: the README does not show it")
    else()
      list(APPEND _problems "docs/screens/${name} is not shown in the README")
    endif()
  endif()
endforeach()

if(_problems)
  list(JOIN _problems "\n  " _list)
  message(FATAL_ERROR "readme_screens:\n  ${_list}\n"
          "Draw them anew with: cmake --build <build folder> --target velloran_screens")
endif()
list(LENGTH _names _count)
if(MODE STREQUAL "copy")
  message(STATUS "readme_screens: ${_count} pictures copied into docs/screens")
else()
  message(STATUS "readme_screens: the ${_count} pictures in docs/screens are those of this build")
endif()
