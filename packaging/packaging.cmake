# SPDX-License-Identifier: GPL-3.0-or-later
# Installing Splitwick under a prefix, its desktop integration and the Debian
# package. Included once from the top-level CMakeLists.txt.
#
# Layout under the prefix: the program folder lib/splitwick holds the game and
# links to its data in share/splitwick, so the game finds kbs/, sound/, music/,
# xq/ and starting-settings.ini beside its executable exactly as in the build folder; games/splitwick
# (Debian's place for games, on every player's PATH) is a link to it: the
# program folder is found through /proc/self/exe, which follows the link.
include(GNUInstallDirs)

set(SPLITWICK_PROGRAM_DIR "${CMAKE_INSTALL_LIBDIR}/splitwick")
set(SPLITWICK_DATA_DIR "${CMAKE_INSTALL_DATADIR}/splitwick")
set(SPLITWICK_GAMES_DIR "games")
# Debian's multiarch libdir would put the game one folder deeper for nothing.
if(CMAKE_INSTALL_LIBDIR MATCHES "^lib/")
  set(SPLITWICK_PROGRAM_DIR "lib/splitwick")
endif()

set(SPLITWICK_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
set(SPLITWICK_GENERATED_DIR ${CMAKE_BINARY_DIR}/packaging)
configure_file(${SPLITWICK_PACKAGING_DIR}/splitwick.desktop.in
               ${SPLITWICK_GENERATED_DIR}/${SPLITWICK_APP_ID}.desktop @ONLY)
# The package's maintainer: the project when it has an address, else the
# packager, as Debian's tools take them (DEBFULLNAME, DEBEMAIL), else the
# project at an address that says it takes no mail. A guess from the build
# machine (root@vm) is no address: lintian refuses the package.
set(SPLITWICK_MAINTAINER_NAME "$ENV{DEBFULLNAME}")
if(NOT SPLITWICK_EMAIL STREQUAL "" OR SPLITWICK_MAINTAINER_NAME STREQUAL "")
  set(SPLITWICK_MAINTAINER_NAME "The Splitwick developers")
endif()
set(SPLITWICK_MAINTAINER_EMAIL "${SPLITWICK_EMAIL}")
if(SPLITWICK_MAINTAINER_EMAIL STREQUAL "")
  set(SPLITWICK_MAINTAINER_EMAIL "$ENV{DEBEMAIL}")
endif()
if(SPLITWICK_MAINTAINER_EMAIL MATCHES "^(.*[^ ]) *<(.*)>$")
  set(SPLITWICK_MAINTAINER_NAME "${CMAKE_MATCH_1}")
  set(SPLITWICK_MAINTAINER_EMAIL "${CMAKE_MATCH_2}")
endif()
if(SPLITWICK_MAINTAINER_EMAIL STREQUAL "")
  set(SPLITWICK_MAINTAINER_NAME "The Splitwick developers")
  set(SPLITWICK_MAINTAINER_EMAIL "maintainers@splitwick.invalid")
  message(STATUS "No SPLITWICK_EMAIL or DEBEMAIL: the package's maintainer is ${SPLITWICK_MAINTAINER_EMAIL}")
endif()
set(SPLITWICK_MAINTAINER "${SPLITWICK_MAINTAINER_NAME} <${SPLITWICK_MAINTAINER_EMAIL}>")
# The project's web site, when it has one (software centres want a web address, not mail).
set(SPLITWICK_APPSTREAM_URLS "")
if(NOT SPLITWICK_WEB_SITE STREQUAL "")
  set(SPLITWICK_APPSTREAM_URLS "  <url type=\"homepage\">${SPLITWICK_WEB_SITE}</url>\n")
endif()
# Software centres fetch screenshots by address: without a published copy there is none to name.
set(SPLITWICK_APPSTREAM_SCREENSHOTS "")
if(NOT SPLITWICK_SCREENSHOT_URL STREQUAL "")
  string(CONCAT SPLITWICK_APPSTREAM_SCREENSHOTS
    "  <screenshots>\n"
    "    <screenshot type=\"default\">\n"
    "      <caption>A round of seven-letter words, partly solved</caption>\n"
    "      <image>${SPLITWICK_SCREENSHOT_URL}</image>\n"
    "    </screenshot>\n"
    "  </screenshots>\n")
endif()
configure_file(${SPLITWICK_PACKAGING_DIR}/splitwick.metainfo.xml.in
               ${SPLITWICK_GENERATED_DIR}/${SPLITWICK_APP_ID}.metainfo.xml @ONLY)

# The game and its data.
install(TARGETS splitwick RUNTIME DESTINATION ${SPLITWICK_PROGRAM_DIR})
install(TARGETS splitwick-audio LIBRARY DESTINATION ${SPLITWICK_PROGRAM_DIR}/modules)
install(TARGETS splitwick-kb RUNTIME DESTINATION ${SPLITWICK_GAMES_DIR})
# Marks the program folder as installed: the game then writes only into each
# player's configuration folder, even when run by root.
install(FILES ${SPLITWICK_PACKAGING_DIR}/INSTALLED DESTINATION ${SPLITWICK_PROGRAM_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${SPLITWICK_DATA_DIR})
file(RELATIVE_PATH SPLITWICK_DATA_FROM_PROGRAM
     /root/${SPLITWICK_PROGRAM_DIR} /root/${SPLITWICK_DATA_DIR})
file(RELATIVE_PATH SPLITWICK_PROGRAM_FROM_GAMES
     /root/${SPLITWICK_GAMES_DIR} /root/${SPLITWICK_PROGRAM_DIR})
install(CODE "
  set(root \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  foreach(kind kbs sound music xq starting-settings.ini)
    file(REMOVE \"\${root}/${SPLITWICK_PROGRAM_DIR}/\${kind}\")
    file(CREATE_LINK \"${SPLITWICK_DATA_FROM_PROGRAM}/\${kind}\"
         \"\${root}/${SPLITWICK_PROGRAM_DIR}/\${kind}\" SYMBOLIC)
  endforeach()
  file(MAKE_DIRECTORY \"\${root}/${SPLITWICK_GAMES_DIR}\")
  file(REMOVE \"\${root}/${SPLITWICK_GAMES_DIR}/splitwick\")
  file(CREATE_LINK \"${SPLITWICK_PROGRAM_FROM_GAMES}/splitwick\"
       \"\${root}/${SPLITWICK_GAMES_DIR}/splitwick\" SYMBOLIC)
")

# Desktop entry, metadata, icons, manual page and copyright.
install(FILES ${SPLITWICK_GENERATED_DIR}/${SPLITWICK_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${SPLITWICK_GENERATED_DIR}/${SPLITWICK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${SPLITWICK_PACKAGING_DIR}/splitwick.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${SPLITWICK_APP_ID}.svg)
# Debian's machine-readable copyright file; it names the program's files as the
# package installs them. Debian looks for it under the package's own name.
install(FILES ${SPLITWICK_PACKAGING_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/splitwick)
# The game's picture, the one the README shows.
install(FILES ${CMAKE_SOURCE_DIR}/docs/screenshot.png DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/splitwick)

# Debian's change log of the package, compressed as its tools do.
configure_file(${SPLITWICK_PACKAGING_DIR}/changelog.Debian.in ${SPLITWICK_GENERATED_DIR}/changelog.Debian @ONLY)
add_custom_command(OUTPUT ${SPLITWICK_GENERATED_DIR}/changelog.Debian.gz
  COMMAND gzip -n -9 -c ${SPLITWICK_GENERATED_DIR}/changelog.Debian > ${SPLITWICK_GENERATED_DIR}/changelog.Debian.gz
  DEPENDS ${SPLITWICK_GENERATED_DIR}/changelog.Debian)
add_custom_target(splitwick_changelog ALL DEPENDS ${SPLITWICK_GENERATED_DIR}/changelog.Debian.gz)
install(FILES ${SPLITWICK_GENERATED_DIR}/changelog.Debian.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/splitwick)

# Manual pages, compressed as Debian's tools do.
foreach(page splitwick.6 splitwick-kb.1)
  string(REGEX REPLACE ".*\\." "" section ${page})
  configure_file(${SPLITWICK_PACKAGING_DIR}/${page} ${SPLITWICK_GENERATED_DIR}/man/${page} @ONLY)
  add_custom_command(OUTPUT ${SPLITWICK_GENERATED_DIR}/man/${page}.gz
    COMMAND gzip -n -9 -c ${SPLITWICK_GENERATED_DIR}/man/${page} > ${SPLITWICK_GENERATED_DIR}/man/${page}.gz
    DEPENDS ${SPLITWICK_GENERATED_DIR}/man/${page})
  add_custom_target(splitwick_man_${section} ALL DEPENDS ${SPLITWICK_GENERATED_DIR}/man/${page}.gz)
  install(FILES ${SPLITWICK_GENERATED_DIR}/man/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endforeach()

# PNG icons for desktops and menus that do not draw SVG.
set(SPLITWICK_ICON_SIZES 16 22 24 32 48 64 128 256)
find_program(RSVG_CONVERT rsvg-convert)
if(RSVG_CONVERT)
  set(icon_outputs)
  foreach(size ${SPLITWICK_ICON_SIZES})
    set(png ${SPLITWICK_GENERATED_DIR}/icons/${size}x${size}/apps/${SPLITWICK_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${SPLITWICK_GENERATED_DIR}/icons/${size}x${size}/apps
      COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${SPLITWICK_PACKAGING_DIR}/splitwick.svg
      DEPENDS ${SPLITWICK_PACKAGING_DIR}/splitwick.svg
      COMMENT "Rendering the ${size}x${size} icon")
    list(APPEND icon_outputs ${png})
  endforeach()
  add_custom_target(splitwick_icons ALL DEPENDS ${icon_outputs})
  install(DIRECTORY ${SPLITWICK_GENERATED_DIR}/icons/
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor
          FILES_MATCHING PATTERN "*.png")
else()
  message(WARNING "rsvg-convert not found (Debian package librsvg2-bin): only the SVG icon is installed")
endif()

# Everything the install rules take from the build, for building a package
# without the tests (the package test's hardened build).
add_custom_target(splitwick_installed_files)
add_dependencies(splitwick_installed_files splitwick splitwick-audio splitwick-kb splitwick_changelog
                 splitwick_man_1 splitwick_man_6)
if(TARGET splitwick_icons)
  add_dependencies(splitwick_installed_files splitwick_icons)
endif()

# The Debian package: cpack -G DEB, or `cmake --build <dir> --target package`.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "splitwick")
set(CPACK_PACKAGE_VENDOR "The Splitwick developers")
set(CPACK_PACKAGE_CONTACT "${SPLITWICK_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word puzzle: slide word pieces into place against the clock")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${SPLITWICK_PACKAGING_DIR}/description.txt)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "splitwick")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
if(NOT SPLITWICK_WEB_SITE STREQUAL "")
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SPLITWICK_WEB_SITE})
endif()
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
# Shared libraries from dpkg-shlibdeps; what the game loads by name at run
# time (the window-system plug-ins, the fonts it draws with) added by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, fonts-dejavu-core, fonts-wine")
# Qt's Wayland platform: without it the game runs through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# Checks of the above; they run the installed game, so they need its build.
if(BUILD_TESTING OR NOT DEFINED BUILD_TESTING)
  set(packaging_tests ${CMAKE_SOURCE_DIR}/tests/packaging)
  add_test(NAME packaging_metadata
    COMMAND ${packaging_tests}/metadata_test.sh
      ${SPLITWICK_GENERATED_DIR}/${SPLITWICK_APP_ID}.desktop
      ${SPLITWICK_GENERATED_DIR}/${SPLITWICK_APP_ID}.metainfo.xml ${PROJECT_VERSION})
  add_test(NAME packaging_install COMMAND ${packaging_tests}/install_test.sh ${CMAKE_BINARY_DIR})
  add_test(NAME packaging_package COMMAND ${packaging_tests}/package_test.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(packaging_metadata packaging_install packaging_package PROPERTIES
    LABELS package TIMEOUT 600)
  # The package test builds an optimised, hardened copy of the game when this build is not one.
  set_tests_properties(packaging_package PROPERTIES TIMEOUT 2400)
  # Both install the build tree: one at a time.
  set_tests_properties(packaging_install packaging_package PROPERTIES RESOURCE_LOCK splitwick_install)
endif()
