# What `cmake --install` puts where (GNUInstallDirs, any prefix, DESTDIR
# honoured) beyond the programs and the library, which their own folders
# install, and the Debian package cpack makes of it all.

include(CMakePackageConfigHelpers)

# Public headers: the library's own under include/zvcal/, and the interface
# types they are written in under include/zvcal/platform/com/, so that both
# "zvcal/ZVCal.h" and its "platform/com/..." includes resolve.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/calendar/include/zvcal
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
  FILES_MATCHING PATTERN "*.h")
set(ZVCAL_INTERFACE_HEADERS ControlSite Dispatch Guid HResult TypeInfo Unknown Variant)
list(TRANSFORM ZVCAL_INTERFACE_HEADERS PREPEND ${PROJECT_SOURCE_DIR}/platform/com/)
list(TRANSFORM ZVCAL_INTERFACE_HEADERS APPEND .h)
install(FILES ${ZVCAL_INTERFACE_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zvcal/platform/com)

# The out-of-line code of those types. libZVCal.so exports nothing but its
# entry points, so a host compiles this in, as Jotwell and zvcal-host do.
add_library(ZVCalInterfaces STATIC
  ${PROJECT_SOURCE_DIR}/platform/com/Guid.cpp
  ${PROJECT_SOURCE_DIR}/platform/com/Variant.cpp
  ${PROJECT_SOURCE_DIR}/platform/com/TypeInfo.cpp)
target_include_directories(ZVCalInterfaces PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(ZVCalInterfaces PRIVATE Qt6::Core)
# A host's executable may be built without hidden visibility; keep these
# symbols ordinary there.
set_target_properties(ZVCalInterfaces PROPERTIES CXX_VISIBILITY_PRESET default VISIBILITY_INLINES_HIDDEN OFF)
install(TARGETS ZVCalInterfaces ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})

# The CMake package and the pkg-config file.
get_target_property(ZVCAL_VERSION ZVCal VERSION)
get_target_property(ZVCAL_SOVERSION ZVCal SOVERSION)
set(ZVCAL_LIBRARY_FILE libZVCal.so.${ZVCAL_VERSION})
set(ZVCAL_SONAME libZVCal.so.${ZVCAL_SOVERSION})
set(ZVCAL_INTERFACES_FILE libZVCalInterfaces.a)
set(ZVCAL_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/ZVCal)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/ZVCalConfig.cmake.in
  ${PROJECT_BINARY_DIR}/package/ZVCalConfig.cmake
  INSTALL_DESTINATION ${ZVCAL_CMAKE_DIR}
  PATH_VARS CMAKE_INSTALL_LIBDIR CMAKE_INSTALL_INCLUDEDIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/package/ZVCalConfigVersion.cmake
  VERSION ${ZVCAL_VERSION}
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/package/ZVCalConfig.cmake ${PROJECT_BINARY_DIR}/package/ZVCalConfigVersion.cmake
  DESTINATION ${ZVCAL_CMAKE_DIR})

# The .pc file finds its prefix from where it lies, so the same file serves
# any prefix and the Debian package.
file(RELATIVE_PATH ZVCAL_PC_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" ZVCAL_PC_PREFIX "${ZVCAL_PC_PREFIX}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/zvcal.pc.in ${PROJECT_BINARY_DIR}/package/zvcal.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/package/zvcal.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The desktop entry, the AppStream description and the icon in the hicolor theme.
# The entry names the installed program by its full path, as the prefix is
# known only when installing and need not be on the session's PATH.
install(CODE "
  set(program \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/jotwell\")
  if(program MATCHES \"[^-A-Za-z0-9_./+]\")
    set(program jotwell)
  endif()
  file(READ \"${PROJECT_SOURCE_DIR}/data/jotwell.desktop\" entry)
  string(REPLACE \"Exec=jotwell \" \"Exec=\${program} \" entry \"\${entry}\")
  file(WRITE \"${PROJECT_BINARY_DIR}/package/jotwell.desktop\" \"\${entry}\")
  file(INSTALL \"${PROJECT_BINARY_DIR}/package/jotwell.desktop\"
    DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
")
install(FILES ${PROJECT_SOURCE_DIR}/data/org.example.jotwell.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/jotwell.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/data/icons/jotwell-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME jotwell.png)
endforeach()

# cpack -G DEB: jotwell_<version>_<arch>.deb, runtime dependencies from dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME jotwell)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Jotwell developers")
set(CPACK_PACKAGE_CONTACT "Jotwell developers <jotwell@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dated notes, reminders and a daily alarm in the notification area")
set(CPACK_PACKAGE_DESCRIPTION "Jotwell keeps dated notes for one person, reminds of each note when its day\ncomes, rings a daily alarm with a memo and shows a desk clock. It lives in\nthe notification area.\n.\nThe package also holds the ZVCal calendar control library (libZVCal.so) with\nits headers, CMake package and pkg-config file, and the demo host zvcal-host.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libZVCal.so is in the package itself: dpkg-shlibdeps finds it there, and
# the package says it provides it (which also runs ldconfig on install).
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
include(CPack)
