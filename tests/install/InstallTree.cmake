# cmake -DBUILD_DIR= -DSTAGE= -DPREFIX= -DLIBDIR= -DZVCAL_VERSION= -DJOTWELL_VERSION= -P InstallTree.cmake
# Installs BUILD_DIR with prefix PREFIX into DESTDIR STAGE and checks the tree.

include(${CMAKE_CURRENT_LIST_DIR}/Run.cmake)

file(REMOVE_RECURSE ${STAGE})
run(${CMAKE_COMMAND} -E env DESTDIR=${STAGE} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX})
set(root ${STAGE}${PREFIX})

# Nothing lands outside the prefix.
file(GLOB top RELATIVE ${STAGE} ${STAGE}/*)
string(REGEX MATCH "^/[^/]+" prefixTop ${PREFIX})
if(NOT "/${top}" STREQUAL prefixTop)
  message(FATAL_ERROR "installed outside ${PREFIX}: ${top}")
endif()

set(soname libZVCal.so.${ZVCAL_VERSION})
string(REGEX MATCH "^[0-9]+" major ${ZVCAL_VERSION})
foreach(f bin/jotwell bin/zvcal-host
    ${LIBDIR}/${soname} ${LIBDIR}/libZVCalInterfaces.a
    include/zvcal/ZVCal.h include/zvcal/ZVCalIds.h include/zvcal/ZVCalInterfaces.h include/zvcal/ZVCalExports.h
    include/zvcal/platform/com/Variant.h
    ${LIBDIR}/cmake/ZVCal/ZVCalConfig.cmake ${LIBDIR}/cmake/ZVCal/ZVCalConfigVersion.cmake
    ${LIBDIR}/pkgconfig/zvcal.pc
    share/applications/jotwell.desktop share/metainfo/org.example.jotwell.metainfo.xml
    share/icons/hicolor/scalable/apps/jotwell.svg share/man/man1/jotwell.1 share/man/man1/zvcal-host.1)
  if(NOT EXISTS ${root}/${f} OR IS_SYMLINK ${root}/${f})
    message(FATAL_ERROR "missing or not a file: ${f}")
  endif()
endforeach()

# The catalogs of the languages the program and the library speak besides English.
foreach(f share/jotwell/translations/jotwell_de.qm share/zvcal/translations/zvcal_de.qm)
  if(NOT EXISTS ${root}/${f})
    message(FATAL_ERROR "missing translation: ${f}")
  endif()
endforeach()

# The desktop entry and its actions New Note and New Alarm start the
# installed program in the session's notes folder.
file(STRINGS ${root}/share/applications/jotwell.desktop exec REGEX "^Exec=")
set(program "Exec=${PREFIX}/bin/jotwell --data-folder")
if(NOT exec STREQUAL "${program};${program} --new-note;${program} --new-alarm")
  message(FATAL_ERROR "the desktop entry says ${exec}")
endif()

# The runtime link names the file, the development link the runtime link.
foreach(pair "libZVCal.so.${major}>${soname}" "libZVCal.so>libZVCal.so.${major}")
  string(REPLACE ">" ";" pair ${pair})
  list(GET pair 0 link)
  list(GET pair 1 target)
  if(NOT IS_SYMLINK ${root}/${LIBDIR}/${link})
    message(FATAL_ERROR "${link} is not a symbolic link")
  endif()
  file(READ_SYMLINK ${root}/${LIBDIR}/${link} points)
  if(NOT points STREQUAL target)
    message(FATAL_ERROR "${link} points to ${points}, not ${target}")
  endif()
endforeach()

# Every hicolor size holds a PNG of that size (width and height in IHDR).
foreach(size 16 22 24 32 48 64 128 256)
  set(icon ${root}/share/icons/hicolor/${size}x${size}/apps/jotwell.png)
  if(NOT EXISTS ${icon})
    message(FATAL_ERROR "missing icon ${size}x${size}")
  endif()
  file(READ ${icon} ihdr OFFSET 16 LIMIT 8 HEX)
  math(EXPR expected "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(REGEX REPLACE "^0x" "" expected ${expected})
  string(LENGTH ${expected} n)
  while(n LESS 8)
    string(PREPEND expected 0)
    math(EXPR n "${n} + 1")
  endwhile()
  if(NOT ihdr STREQUAL "${expected}${expected}")
    message(FATAL_ERROR "icon ${size}x${size} is not ${size} by ${size} pixels: ${ihdr}")
  endif()
endforeach()

# The installed programs start from where they are and answer without a display.
run(${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM ${root}/bin/jotwell --version)
if(NOT out STREQUAL "Jotwell ${JOTWELL_VERSION}\n")
  message(FATAL_ERROR "jotwell --version said: ${out}")
endif()
run(${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM ${root}/bin/zvcal-host --help)
run(${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM ${root}/bin/zvcal-host --version)
if(NOT out STREQUAL "zvcal-host ${ZVCAL_VERSION}\n")
  message(FATAL_ERROR "zvcal-host --version said: ${out}")
endif()

# The manual page shows the options, the files and the data folder.
find_program(MAN man)
if(MAN)
  run(${CMAKE_COMMAND} -E env MANWIDTH=80 ${MAN} -l ${root}/share/man/man1/jotwell.1)
  foreach(wanted "--new-note" "--new-alarm" "--data-folder" "FILES" "Notes.dat" ".local/share/jotwell")
    string(FIND "${out}" "${wanted}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "man jotwell does not show ${wanted}:\n${out}")
    endif()
  endforeach()
endif()

# The desktop's own checkers, where installed.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  run(${DESKTOP_FILE_VALIDATE} ${root}/share/applications/jotwell.desktop)
  if(NOT out STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${out}")
  endif()
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  run(${APPSTREAMCLI} validate --no-net --pedantic ${root}/share/metainfo/org.example.jotwell.metainfo.xml)
endif()
