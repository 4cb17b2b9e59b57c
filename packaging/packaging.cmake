# Installing Splitwick under a prefix, its desktop integration and the Debian
# package. Included once from the top-level CMakeLists.txt.
#
# Layout under the prefix: the program folder lib/splitwick holds the game and
# links to its data in share/splitwick, so the game finds kbs/, sound/, music/
# and xq/ beside its executable exactly as in the build folder; games/splitwick
# (Debian's place for games, on every player's PATH) is a link to it: the
# program folder is found through /proc/self/exe, which follows the link.
include(GNUInstallDirs)

set(SPLITWICK_APP_ID "org.example.splitwick.Splitwick")
set(SPLITWICK_HOMEPAGE "https://splitwick.example.org/")
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
configure_file(${SPLITWICK_PACKAGING_DIR}/splitwick.metainfo.xml.in
               ${SPLITWICK_GENERATED_DIR}/${SPLITWICK_APP_ID}.metainfo.xml @ONLY)

# The game and its data.
install(TARGETS splitwick RUNTIME DESTINATION ${SPLITWICK_PROGRAM_DIR})
install(TARGETS splitwick-audio LIBRARY DESTINATION ${SPLITWICK_PROGRAM_DIR}/modules)
install(TARGETS splitwick-kb RUNTIME DESTINATION ${SPLITWICK_GAMES_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${SPLITWICK_DATA_DIR})
file(RELATIVE_PATH SPLITWICK_DATA_FROM_PROGRAM
     /root/${SPLITWICK_PROGRAM_DIR} /root/${SPLITWICK_DATA_DIR})
file(RELATIVE_PATH SPLITWICK_PROGRAM_FROM_GAMES
     /root/${SPLITWICK_GAMES_DIR} /root/${SPLITWICK_PROGRAM_DIR})
install(CODE "
  set(root \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  foreach(kind kbs sound music xq)
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
# The copyright notice carries the dictionaries' WordNet licence in full.
file(READ ${SPLITWICK_PACKAGING_DIR}/copyright copyright_head)
file(READ ${CMAKE_SOURCE_DIR}/data/kbs/WordNet-LICENSE.txt copyright_wordnet)
# So are the FreeDict sources' notices; the GPL texts themselves are Debian's
# common licences.
file(READ ${CMAKE_SOURCE_DIR}/data/kbs/FreeDict-LICENSE.txt copyright_freedict)
string(FIND "${copyright_freedict}" "GNU General Public License, version 2\n" gpl_at)
string(SUBSTRING "${copyright_freedict}" 0 ${gpl_at} copyright_freedict)
string(REGEX REPLACE "=+\n$" "" copyright_freedict "${copyright_freedict}")
file(WRITE ${SPLITWICK_GENERATED_DIR}/copyright "${copyright_head}${copyright_wordnet}\n${copyright_freedict}"
     "On Debian systems the GNU General Public License versions 2 and 3 are in\n"
     "/usr/share/common-licenses/GPL-2 and /usr/share/common-licenses/GPL-3.\n")
# Debian looks for it under the package's own name, which is in lower case.
install(FILES ${SPLITWICK_GENERATED_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/splitwick)

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

# The Debian package: cpack -G DEB, or `cmake --build <dir> --target package`.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "splitwick")
set(CPACK_PACKAGE_VENDOR "The Splitwick developers")
set(CPACK_PACKAGE_CONTACT "Splitwick developers <support@splitwick.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word puzzle: slide word pieces into place against the clock")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${SPLITWICK_PACKAGING_DIR}/description.txt)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "splitwick")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SPLITWICK_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
# Shared libraries from dpkg-shlibdeps; what the game loads by name at run
# time (the window-system plug-ins, the fonts it draws with) added by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, fonts-dejavu-core, fonts-wine")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# Checks of the above; they run the installed game, so they need its build.
if(BUILD_TESTING OR NOT DEFINED BUILD_TESTING)
  set(packaging_tests ${CMAKE_SOURCE_DIR}/tests/packaging)
  add_test(NAME packaging_metadata
    COMMAND ${packaging_tests}/metadata_test.sh
      ${SPLITWICK_GENERATED_DIR}/${SPLITWICK_APP_ID}.desktop
      ${SPLITWICK_GENERATED_DIR}/${SPLITWICK_APP_ID}.metainfo.xml)
  add_test(NAME packaging_install COMMAND ${packaging_tests}/install_test.sh ${CMAKE_BINARY_DIR})
  add_test(NAME packaging_package COMMAND ${packaging_tests}/package_test.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(packaging_metadata packaging_install packaging_package PROPERTIES
    LABELS package TIMEOUT 600)
  # Both install the build tree: one at a time.
  set_tests_properties(packaging_install packaging_package PROPERTIES RESOURCE_LOCK splitwick_install)
endif()
