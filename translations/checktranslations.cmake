# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a catalogue in translations/ lacks a text of the sources or has one unfinished:
# lupdate brings a scratch copy of each catalogue up to date with the sources (the repository's
# files stay as they are), and lrelease counts what is not translated in it. Run by ctest:
#   cmake -DLUPDATE=… -DLRELEASE=… -DSOURCES=FILE -DCATALOGUES=A.ts;B.ts -DSCRATCH=DIR
#         "-DOPTIONS=…" -P checktranslations.cmake
file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")
set(failures "")
foreach(catalogue IN LISTS CATALOGUES)
  get_filename_component(name "${catalogue}" NAME)
  set(copy "${SCRATCH}/${name}")
  file(COPY_FILE "${catalogue}" "${copy}")
  execute_process(COMMAND "${LUPDATE}" ${OPTIONS} "@${SOURCES}" -ts "${copy}"
                  RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(failed)
    message(FATAL_ERROR "lupdate failed on ${name}:\n${out}")
  endif()
  # A text that lupdate cannot give a context is never translated: name where it is.
  string(REGEX MATCHALL "[^\n]*(cannot be called without context|Cannot invoke tr\\(\\) like this)[^\n]*"
         blind "${out}")
  if(blind)
    list(REMOVE_DUPLICATES blind)
    list(JOIN blind "\n  " blind)
    string(APPEND failures "${name}: texts that lupdate cannot read (call Texts::tr or a "
                           "class's tr()):\n  ${blind}\n")
  endif()
  execute_process(COMMAND "${LRELEASE}" "${copy}" -qm "${SCRATCH}/${name}.qm"
                  RESULT_VARIABLE failed OUTPUT_VARIABLE report ERROR_VARIABLE report)
  if(failed)
    message(FATAL_ERROR "lrelease failed on ${name}:\n${report}")
  endif()
  # "Generated N translation(s) (F finished and U unfinished)", "Ignored K untranslated …"
  string(REGEX MATCH "([0-9]+) unfinished" unfinished "${report}")
  set(unfinished "${CMAKE_MATCH_1}")
  string(REGEX MATCH "Ignored ([0-9]+) untranslated" untranslated "${report}")
  set(untranslated "${CMAKE_MATCH_1}")
  if(untranslated STREQUAL "")
    set(untranslated 0)
  endif()
  if(unfinished STREQUAL "" OR NOT unfinished EQUAL 0 OR NOT untranslated EQUAL 0)
    # Name the texts, with their context, so that they can be found in the catalogue.
    file(READ "${copy}" text)
    string(REGEX MATCHALL "<name>[^<]*</name>|<source>[^<]*</source>[ \n]*(<comment>[^<]*</comment>[ \n]*)?<translation type=\"unfinished\"" hits "${text}")
    set(listing "")
    set(context "")
    foreach(hit IN LISTS hits)
      if(hit MATCHES "^<name>([^<]*)</name>$")
        set(context "${CMAKE_MATCH_1}")
      elseif(hit MATCHES "^<source>([^<]*)</source>")
        string(SUBSTRING "${CMAKE_MATCH_1}" 0 100 source)
        string(APPEND listing "  ${context}: ${source}\n")
      endif()
    endforeach()
    string(APPEND failures "${name}: ${unfinished} unfinished, ${untranslated} untranslated\n${listing}")
  endif()
endforeach()
if(NOT failures STREQUAL "")
  message(FATAL_ERROR "Texts without a finished translation (run scripts/update-translations.sh, "
                      "translate them in translations/*.ts, remove type=\"unfinished\"):\n${failures}")
endif()
message(STATUS "Every text of ${CATALOGUES} is translated.")
