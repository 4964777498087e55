# Checks of the translation catalogues, run with cmake -P.
#
# MODE=release: compile one catalogue with lrelease and fail when it holds an
#   entry without a finished translation.
#   -DLRELEASE=<lrelease> -DTS=<file.ts> -DQM=<file.qm>
#
# MODE=sources: fail when a text that the code marks for translation has no
#   finished translation in a catalogue. lupdate merges the texts of the
#   sources into a copy of each catalogue; a text that the catalogue does not
#   carry, word for word in its context, comes out as "unfinished".
#   -DLUPDATE=<lupdate> -DSOURCE_DIR=<tree> -DDIRS=<dir;dir> -DWORK=<scratch dir>
#   -DCATALOGUES=<file.ts;file.ts>

cmake_minimum_required(VERSION 3.16)

# The texts (with their contexts) of every message of a .ts file whose
# translation is marked unfinished, one per line.
function(unfinished_messages ts result)
  file(READ "${ts}" content)
  set(found "")
  set(marker "type=\"unfinished\"")
  string(FIND "${content}" "${marker}" pos)
  while(NOT pos EQUAL -1)
    string(SUBSTRING "${content}" 0 ${pos} head)
    string(FIND "${head}" "<source>" s REVERSE)
    string(FIND "${head}" "</source>" e REVERSE)
    string(FIND "${head}" "<name>" n REVERSE)
    string(FIND "${head}" "</name>" ne REVERSE)
    set(text "?")
    if(s GREATER -1 AND e GREATER s)
      math(EXPR s "${s} + 8")
      math(EXPR len "${e} - ${s}")
      string(SUBSTRING "${head}" ${s} ${len} text)
    endif()
    set(context "?")
    if(n GREATER -1 AND ne GREATER n)
      math(EXPR n "${n} + 6")
      math(EXPR len "${ne} - ${n}")
      string(SUBSTRING "${head}" ${n} ${len} context)
    endif()
    string(APPEND found "  ${context}: \"${text}\"\n")
    math(EXPR next "${pos} + 1")
    string(SUBSTRING "${content}" ${next} -1 content)
    string(FIND "${content}" "${marker}" pos)
  endwhile()
  set(${result} "${found}" PARENT_SCOPE)
endfunction()

if(MODE STREQUAL "release")
  unfinished_messages("${TS}" missing)
  if(missing)
    message(FATAL_ERROR "${TS}: entries without a finished translation:\n${missing}")
  endif()
  file(READ "${TS}" content)
  if(content MATCHES "<translation */>|<translation>[ \t\r\n]*</translation>")
    message(FATAL_ERROR "${TS}: an entry has an empty translation")
  endif()
  execute_process(COMMAND "${LRELEASE}" "${TS}" -qm "${QM}"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "lrelease failed on ${TS}:\n${out}${err}")
  endif()
  # "Generated N translation(s) (N finished and M unfinished)" and, for
  # entries with an empty translation, "Ignored K untranslated source text(s)".
  if(NOT out MATCHES "and 0 unfinished" OR out MATCHES "untranslated")
    file(REMOVE "${QM}")
    message(FATAL_ERROR "${TS} is not completely translated:\n${out}${err}")
  endif()
elseif(MODE STREQUAL "sources")
  set(dirs "")
  foreach(d IN LISTS DIRS)
    if(NOT IS_DIRECTORY "${SOURCE_DIR}/${d}")
      message(FATAL_ERROR "No source folder ${d}")
    endif()
    list(APPEND dirs "${d}")
  endforeach()
  if(NOT dirs)
    message(FATAL_ERROR "No source folders given: nothing would be checked")
  endif()
  file(REMOVE_RECURSE "${WORK}")
  file(MAKE_DIRECTORY "${WORK}")
  set(failures "")
  foreach(ts IN LISTS CATALOGUES)
    get_filename_component(name "${ts}" NAME)
    configure_file("${ts}" "${WORK}/${name}" COPYONLY)
    execute_process(COMMAND "${LUPDATE}" -silent -locations none -I "${SOURCE_DIR}" ${dirs} -ts "${WORK}/${name}"
      WORKING_DIRECTORY "${SOURCE_DIR}"
      RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "lupdate failed for ${name}:\n${out}${err}")
    endif()
    unfinished_messages("${WORK}/${name}" missing)
    if(missing)
      string(APPEND failures "${name} has no translation for:\n${missing}")
    endif()
  endforeach()
  if(failures)
    message(FATAL_ERROR "Texts of the code without a translation:\n${failures}")
  endif()
  message(STATUS "Every marked text of ${dirs} is translated in ${CATALOGUES}")
else()
  message(FATAL_ERROR "catalogue_check.cmake: MODE must be release or sources")
endif()
