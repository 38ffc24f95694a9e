# Run by cpack once every component is staged (CPACK_PRE_BUILD_SCRIPTS): gives
# each Debian package its /usr/share/doc/<package>/copyright and
# changelog.Debian.gz, and compresses its manual pages, as Debian's policy
# asks of every package. A plain `cmake --install` gets none of this.

function(gzip_file file)
  execute_process(COMMAND gzip -9nf "${file}" RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "gzip ${file} failed")
  endif()
endfunction()

foreach(component IN LISTS CPACK_COMPONENTS_ALL)
  string(TOUPPER ${component} upper)
  set(package "${CPACK_DEBIAN_${upper}_PACKAGE_NAME}")
  set(root "${CPACK_TEMPORARY_DIRECTORY}/${component}${CPACK_PACKAGING_INSTALL_PREFIX}")
  if(NOT package OR NOT IS_DIRECTORY "${CPACK_TEMPORARY_DIRECTORY}/${component}")
    message(FATAL_ERROR "no staged files or no package name for component ${component}")
  endif()
  set(doc "${root}/share/doc/${package}")
  file(MAKE_DIRECTORY "${doc}")
  file(COPY_FILE "${CPACK_DEBIAN_DOCS_COPYRIGHT}" "${doc}/copyright")
  file(COPY_FILE "${CPACK_DEBIAN_DOCS_CHANGELOG}" "${doc}/changelog.Debian")
  file(CHMOD "${doc}/copyright" "${doc}/changelog.Debian" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  gzip_file("${doc}/changelog.Debian")
  file(GLOB pages "${root}/share/man/man*/*.[1-9]")
  foreach(page IN LISTS pages)
    gzip_file("${page}")
  endforeach()
endforeach()
