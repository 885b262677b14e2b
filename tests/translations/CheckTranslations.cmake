# Runs lupdate over the window's sources into a copy of each translation file and fails when the
# copy has a text without a finished translation: a new or changed source text, or one whose
# translation was never finished. The files in the tree are left as they are.
#   cmake -DLUPDATE=... -DSOURCES_LIST=... -DTS_FILES=a.ts;b.ts -DOPTIONS=... -DWORK=dir -P CheckTranslations.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(failed FALSE)
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name "${ts}" NAME)
  file(COPY_FILE "${ts}" "${WORK}/${name}")
  execute_process(COMMAND "${LUPDATE}" ${OPTIONS} "@${SOURCES_LIST}" -ts "${WORK}/${name}"
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${name}:\n${output}")
  endif()
  file(READ "${WORK}/${name}" content)
  # An empty finished translation counts as missing too.
  string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*(<[a-z]+>[^<]*</[a-z]+>[ \n]*)*<translation( type=\"(unfinished|vanished|obsolete)\"[^>]*>|></translation>)"
         unfinished "${content}")
  list(LENGTH unfinished count)
  if(count GREATER 0)
    set(failed TRUE)
    message("${name}: ${count} text(s) without a finished translation (run the update_translations target, then translate):")
    foreach(entry IN LISTS unfinished)
      string(REGEX REPLACE "^<source>([^<]*)</source>.*" "\\1" source "${entry}")
      message("  ${source}")
    endforeach()
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "unfinished translations")
endif()
