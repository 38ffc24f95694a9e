# What `cmake --install` puts where (GNUInstallDirs, any prefix, DESTDIR
# honoured) beyond the programs and the library, which their own folders
# install, and the Debian package cpack makes of it all.

include(CMakePackageConfigHelpers)

# Public headers: the library's own under include/zvcal/, and the interface
# types they are written in under include/zvcal/platform/com/, so that both
# "zvcal/ZVCal.h" and its "platform/com/..." includes resolve.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/calendar/include/zvcal
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT Development
  FILES_MATCHING PATTERN "*.h")
set(ZVCAL_INTERFACE_HEADERS ControlSite Dispatch Guid HResult TypeInfo Unknown Variant)
list(TRANSFORM ZVCAL_INTERFACE_HEADERS PREPEND ${PROJECT_SOURCE_DIR}/platform/com/)
list(TRANSFORM ZVCAL_INTERFACE_HEADERS APPEND .h)
install(FILES ${ZVCAL_INTERFACE_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zvcal/platform/com COMPONENT Development)

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
install(TARGETS ZVCalInterfaces ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development)
# An archive is not stripped by install(TARGETS); its debugging sections go
# as Debian's own packages drop them.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-debug
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/$<TARGET_FILE_NAME:ZVCalInterfaces>\")
  endif()" COMPONENT Development)

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
  DESTINATION ${ZVCAL_CMAKE_DIR} COMPONENT Development)

# The .pc file finds its prefix from where it lies, so the same file serves
# any prefix and the Debian package.
file(RELATIVE_PATH ZVCAL_PC_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" ZVCAL_PC_PREFIX "${ZVCAL_PC_PREFIX}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/zvcal.pc.in ${PROJECT_BINARY_DIR}/package/zvcal.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/package/zvcal.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT Development)

# The desktop entry, the AppStream description, the icon in the hicolor theme
# and the manual pages, with the program.
# The entry names the installed program by its full path, as the prefix is
# known only when installing and need not be on the session's PATH.
install(CODE "
  set(program \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/jotwell\")
  if(program MATCHES \"[^-A-Za-z0-9_./+]\")
    set(program jotwell)
  endif()
  file(READ \"${PROJECT_SOURCE_DIR}/data/jotwell.desktop\" entry)
  string(REPLACE \"Exec=jotwell \" \"Exec=\${program} \" entry \"\${entry}\")
  # One written entry per destination: cpack and a plain install may run at once.
  string(MD5 destination \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  file(WRITE \"${PROJECT_BINARY_DIR}/package/\${destination}/jotwell.desktop\" \"\${entry}\")
  file(INSTALL \"${PROJECT_BINARY_DIR}/package/\${destination}/jotwell.desktop\"
    DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
" COMPONENT Program)
install(FILES ${PROJECT_SOURCE_DIR}/data/org.example.jotwell.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT Program)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/jotwell.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT Program)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/data/icons/jotwell-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME jotwell.png COMPONENT Program)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/data/jotwell.1 ${PROJECT_SOURCE_DIR}/data/zvcal-host.1
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT Program)

# Under /usr the libraries lie in the dynamic linker's own folder: the
# programs and plugins carry no run path there. Under any other prefix they
# keep the one relative to where they lie ($ORIGIN/...), which the install
# has already set.
function(zvcal_drop_runpath_under_usr target destination component)
  if(NOT TARGET ${target})
    return()
  endif()
  if(NOT IS_ABSOLUTE "${destination}")
    set(destination "\${CMAKE_INSTALL_PREFIX}/${destination}")
  endif()
  install(CODE "
    if(CMAKE_INSTALL_PREFIX STREQUAL \"/usr\")
      file(RPATH_REMOVE FILE \"\$ENV{DESTDIR}${destination}/$<TARGET_FILE_NAME:${target}>\")
    endif()" COMPONENT ${component})
endfunction()
zvcal_drop_runpath_under_usr(jotwell ${CMAKE_INSTALL_BINDIR} Program)
zvcal_drop_runpath_under_usr(zvcal-host ${CMAKE_INSTALL_BINDIR} Program)
zvcal_drop_runpath_under_usr(ZVCalWidgets ${CMAKE_INSTALL_LIBDIR} Runtime)
zvcal_drop_runpath_under_usr(zvcaldesigner "${ZVCAL_DESIGNER_PLUGIN_DIR}" Designer)

# cpack -G DEB makes the four packages a Debian library and its users come in:
#   libzvcal2                  Runtime      libZVCal.so.2 (and the widget library)
#   libzvcal-dev               Development  headers, .so links, libZVCalInterfaces.a, CMake and pkg-config files
#   jotwell                    Program      the program, zvcal-host, desktop entry, icons, AppStream file, manual pages
#   qt6-designer-plugin-zvcal  Designer     the Qt Designer plugin, the only package needing Qt Designer's library
# Dependencies on system libraries come from dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME jotwell)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Jotwell developers")
set(CPACK_PACKAGE_CONTACT "Jotwell developers <jotwell@example.org>")
# No package-wide summary: each package's description below begins with its own.
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Runtime Development Program)
if(TARGET zvcaldesigner)
  list(APPEND CPACK_COMPONENTS_ALL Designer)
endif()
# A Debian revision: the packaging has its own changelog (changelog.Debian.gz).
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(ZVCAL_DEB_VERSION ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The packages of the same build find libZVCal.so.2 (and the widget library)
# in the build tree; the dependency on libzvcal2 is written out below.
get_target_property(zvcal_dir ZVCal BINARY_DIR)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${zvcal_dir})
if(TARGET ZVCalWidgets)
  get_target_property(widgets_dir ZVCalWidgets BINARY_DIR)
  list(APPEND CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${widgets_dir})
endif()

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libzvcal2)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION "calendar control library ZVCal\nZVCal is a library of two calendar controls for Qt Widgets hosts: the month\ncalendar ZVCalendar and the drop-down calendar button ZVCalButton, reached\nthrough four entry points, with their property pages.\n.\nThis package holds the shared library.")
# Says that it provides libZVCal.so.2 (shlibs), and runs ldconfig.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libzvcal-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "libzvcal2 (= ${ZVCAL_DEB_VERSION}), qt6-base-dev")
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION "calendar control library ZVCal - development files\nZVCal is a library of two calendar controls for Qt Widgets hosts: the month\ncalendar ZVCalendar and the drop-down calendar button ZVCalButton.\n.\nThis package holds the headers, the development links, the interface\nlibrary libZVCalInterfaces.a, the CMake package ZVCal and the pkg-config\nfile zvcal.pc.")

set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME jotwell)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS "libzvcal2 (>= ${ZVCAL_DEB_VERSION})")
set(CPACK_COMPONENT_PROGRAM_DESCRIPTION "dated notes, reminders and a daily alarm in the notification area\nJotwell keeps dated notes for one person, reminds of each note when its day\ncomes, rings a daily alarm with a memo and shows a desk clock. It lives in\nthe notification area.\n.\nThe package also holds zvcal-host, the demo host of the ZVCal calendar\ncontrols.")

set(CPACK_DEBIAN_DESIGNER_PACKAGE_NAME qt6-designer-plugin-zvcal)
set(CPACK_DEBIAN_DESIGNER_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_DESIGNER_PACKAGE_DEPENDS "libzvcal2 (>= ${ZVCAL_DEB_VERSION})")
set(CPACK_COMPONENT_DESIGNER_DESCRIPTION "ZVCal calendar controls in Qt Designer\nThe Qt Designer plugin of the ZVCal calendar controls: ZVCalendar and\nZVCalButton in the widget box, their properties in the property editor and\ntheir property dialog.")

# Every package gets the copyright file and the packaging changelog in
# /usr/share/doc/<package>, and its manual pages compressed, once the files
# are staged (cmake/DebianDocs.cmake).
set(CPACK_DEBIAN_DOCS_COPYRIGHT ${CMAKE_CURRENT_LIST_DIR}/debian/copyright)
set(CPACK_DEBIAN_DOCS_CHANGELOG ${CMAKE_CURRENT_LIST_DIR}/debian/changelog)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianDocs.cmake)
include(CPack)
