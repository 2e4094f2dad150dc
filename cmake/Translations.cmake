# SPDX-License-Identifier: GPL-3.0-or-later
# The interface in Slovak and English; the source texts are Czech. One catalogue per program
# and language, kept in translations/ and updated from the sources by
# scripts/update-translations.sh. The .qm files are built into the program and installed into
# share/PROGRAM/translations, where a program looks first.
set(tesilka_translated_languages sk en)
set(tesilka_translations_dir "${PROJECT_SOURCE_DIR}/translations")
# The same options for the build's update target, the update script and the completeness
# check: no line numbers (a change elsewhere in a file does not touch the catalogues) and no
# texts that the sources no longer have.
set(tesilka_lupdate_options -source-language cs_CZ -locations none -no-obsolete -no-ui-lines
    -silent)

# tesilka_add_translations(TARGET CATALOGUE COMPONENT PROGRAM FOLDER...): the catalogue of the
# texts in FOLDERs' sources, built into TARGET (under :/i18n) and installed with COMPONENT for
# PROGRAM. Call it where TARGET is made.
function(tesilka_add_translations target catalogue component program)
  set(sources)
  foreach(folder IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/${folder}/*.cpp"
         "${PROJECT_SOURCE_DIR}/${folder}/*.h")
    list(APPEND sources ${found})
  endforeach()
  list(SORT sources)
  set(ts_files)
  foreach(language IN LISTS tesilka_translated_languages)
    list(APPEND ts_files "${tesilka_translations_dir}/${catalogue}_${language}.ts")
  endforeach()
  qt_add_translations(${target}
    TS_FILES ${ts_files}
    SOURCES ${sources}
    INCLUDE_DIRECTORIES "${PROJECT_SOURCE_DIR}" "${PROJECT_BINARY_DIR}/generated"
    LUPDATE_OPTIONS ${tesilka_lupdate_options}
    LRELEASE_OPTIONS -silent
    RESOURCE_PREFIX "/i18n")
  foreach(language IN LISTS tesilka_translated_languages)
    install(FILES "${CMAKE_CURRENT_BINARY_DIR}/${catalogue}_${language}.qm"
            DESTINATION "share/${program}/translations" COMPONENT ${component})
  endforeach()
  # For the completeness check: which sources and catalogues belong together.
  string(REPLACE ";" "\n" source_lines "${sources}")
  file(WRITE "${PROJECT_BINARY_DIR}/translations/${catalogue}.sources" "${source_lines}\n")
  set_property(GLOBAL APPEND PROPERTY tesilka_catalogues ${catalogue})
endfunction()
