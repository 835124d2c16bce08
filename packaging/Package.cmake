# SPDX-License-Identifier: MIT
# The Debian package (make package, or cpack in the build folder): what it
# installs beyond the program and its data, and the control fields.

set(GLOMIRA_RELEASE_DATE 2026-12-09)
set(GLOMIRA_APPSTREAM_ID invalid.glomira.glomira)
# Where the pictures of packaging/screenshots are published, ending in "/".
# AppStream takes only web addresses for screenshots; without one the
# metainfo carries none.
set(GLOMIRA_SCREENSHOT_URL "" CACHE STRING "Web folder holding packaging/screenshots/*.png")

# The project has no mail address of its own; the reserved top-level domain
# "invalid" says so. Whoever publishes the package sets a real one.
set(GLOMIRA_PACKAGE_MAINTAINER "The Glomira developers <developers@glomira.invalid>"
    CACHE STRING "Maintainer of the Debian package: name <mail address>")

set(pkg_out ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${pkg_out})

# The metainfo from its template; it names the screenshots only when given
# the web folder they are published in.
set(GLOMIRA_METAINFO_TEMPLATE ${CMAKE_SOURCE_DIR}/resources/${GLOMIRA_APPSTREAM_ID}.metainfo.xml.in)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${GLOMIRA_METAINFO_TEMPLATE})
function(glomira_configure_metainfo output GLOMIRA_SCREENSHOT_URL)
  file(READ ${GLOMIRA_METAINFO_TEMPLATE} metainfo)
  if(NOT GLOMIRA_SCREENSHOT_URL)
    string(REGEX REPLACE "\n *<screenshots>.*</screenshots>" "" metainfo "${metainfo}")
  endif()
  file(CONFIGURE OUTPUT ${output} CONTENT "${metainfo}" @ONLY)
endfunction()
glomira_configure_metainfo(${pkg_out}/${GLOMIRA_APPSTREAM_ID}.metainfo.xml
                           "${GLOMIRA_SCREENSHOT_URL}")

# The manual page and the package's change log, compressed as Debian keeps
# them (gzip -n: no name or time stamp, so the bytes are the same each time).
set(VERSION ${PROJECT_VERSION})
configure_file(${CMAKE_CURRENT_LIST_DIR}/glomira.6 ${pkg_out}/glomira.6 @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog ${pkg_out}/changelog.Debian @ONLY)
add_custom_command(OUTPUT ${pkg_out}/glomira.6.gz ${pkg_out}/changelog.Debian.gz
  COMMAND gzip -9nkf ${pkg_out}/glomira.6 ${pkg_out}/changelog.Debian
  DEPENDS ${pkg_out}/glomira.6 ${pkg_out}/changelog.Debian
  COMMENT "Compressing the manual page and the change log")
add_custom_target(glomira_package_files ALL
  DEPENDS ${pkg_out}/glomira.6.gz ${pkg_out}/changelog.Debian.gz)

# Desktop integration.
install(FILES ${CMAKE_SOURCE_DIR}/resources/glomira.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/glomira-exercises.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${pkg_out}/${GLOMIRA_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/glomira.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/hicolor/${size}x${size}/apps/glomira.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${pkg_out}/glomira.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${pkg_out}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/glomira)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME glomira)
set(CPACK_PACKAGE_VENDOR "The Glomira developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${GLOMIRA_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "geography quiz about countries, regions, cities and flags")
# CPack puts the summary above this, as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Pick a part of the world and an exercise; Glomira asks one question at a
time: click the named country, region or city on the map, pick the named
country's flag, or choose one of four answers about cities and their
countries. Every click is scored, hints appear after three wrong tries and
the best results enter each exercise's top ten. A review after each run,
practice of the items that are due and maps to explore help to learn.
Teachers make their own exercises on the map, share them as files and
print worksheets with answer keys.

The maps follow the borders recognised by the United Nations. The
interface speaks Swedish, English, French, German, Spanish and Italian.")
# The libraries come from dpkg-shlibdeps; these the program opens by name at
# run time: the SQLite driver of Qt SQL, Qt's SVG image plugin, the font the
# pictures and the logo are drawn with, and the General MIDI soundfont.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-sqlite, libqt6svg6, fonts-liberation2, timgm6mb-soundfont | sf2-soundfont-gm")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
include(CPack)
