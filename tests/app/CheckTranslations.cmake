# cmake -DLUPDATE=EXE -DSOURCES=LIST_FILE -DTS_DIR=DIR -DWORK=DIR -P CheckTranslations.cmake
# Brings copies of the committed catalogues up to date with the code, as update_translations
# would, and fails where a text has no translation yet (lupdate marks it unfinished) or a
# translation's text has left the code (vanished): a new or changed text must come with its
# German, French and Spanish translation.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(GLOB catalogues ${TS_DIR}/wellscope_*.ts)
list(LENGTH catalogues count)
if(count LESS 3)
  message(FATAL_ERROR "expected the German, French and Spanish catalogues in ${TS_DIR}")
endif()
file(COPY ${catalogues} DESTINATION ${WORK})
file(GLOB copies ${WORK}/wellscope_*.ts)
execute_process(COMMAND ${LUPDATE} -locations none -no-ui-lines -I ${SOURCE_DIR} @${SOURCES}
                        -ts ${copies}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed (status ${status}):\n${out}")
endif()
set(failed "")
foreach(ts ${copies})
  file(STRINGS ${ts} lines ENCODING UTF-8)
  set(source "")
  foreach(line IN LISTS lines)
    if(line MATCHES "<source>([^<]*)")
      set(source "${CMAKE_MATCH_1}")
    elseif(line MATCHES "type=\"(unfinished|vanished|obsolete)\"")
      get_filename_component(name ${ts} NAME)
      string(APPEND failed "\n  ${name}: ${CMAKE_MATCH_1}: ${source}")
    endif()
  endforeach()
endforeach()
if(failed)
  message(FATAL_ERROR "catalogues out of step with the code (cmake --build <dir> --target "
                      "update_translations, then translate):${failed}")
endif()
