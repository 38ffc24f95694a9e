# Qt Linguist catalogs: translations/<catalog>_<language>.ts are the sources,
# kept in the tree. `cmake --build <dir> --target update_translations` (or
# tools/update-translations.sh) brings them up to date with the code; the
# build turns them into .qm files that are built into the target (":/i18n")
# and installed, so the build tree and the installed program both find them.
include_guard(GLOBAL)
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

# jotwell_translations(TARGET t CATALOG name SOURCES files... INSTALL_DIR dir COMPONENT c)
function(jotwell_translations)
  cmake_parse_arguments(arg "" "TARGET;CATALOG;INSTALL_DIR;COMPONENT" "SOURCES" ${ARGN})
  file(GLOB ts_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/${arg_CATALOG}_*.ts)
  # No line numbers and no vanished texts: the files change only where a
  # text does, which keeps merges of parallel work small.
  set(lupdate_options -no-obsolete -locations none)
  qt_add_lupdate(${arg_TARGET} TS_FILES ${ts_files} SOURCES ${arg_SOURCES} OPTIONS ${lupdate_options})
  qt_add_lrelease(${arg_TARGET} TS_FILES ${ts_files} QM_FILES_OUTPUT_VARIABLE qm_files OPTIONS -silent)
  qt_add_resources(${arg_TARGET} ${arg_CATALOG}_translations PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR} FILES ${qm_files})
  install(FILES ${qm_files} DESTINATION ${arg_INSTALL_DIR} COMPONENT ${arg_COMPONENT})

  # Every catalog holds every text of the code, each one translated.
  list(JOIN arg_SOURCES "\n" source_list)
  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${arg_CATALOG}_sources.lst)
  file(WRITE ${list_file} "${source_list}\n")
  foreach(ts ${ts_files})
    get_filename_component(ts_name ${ts} NAME_WE)
    add_test(NAME translation_${ts_name}
      COMMAND ${CMAKE_COMMAND} -DLUPDATE=$<TARGET_FILE:Qt6::lupdate> -DTS=${ts} -DSOURCES=${list_file}
              "-DOPTIONS=${lupdate_options}" -DWORK=${CMAKE_CURRENT_BINARY_DIR}/check_${ts_name}
              -P ${PROJECT_SOURCE_DIR}/translations/CheckTranslation.cmake)
  endforeach()
endfunction()
