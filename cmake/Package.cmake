# The Debian package (scripts/package, or `cpack` in a build folder): the program as Debian's own
# desktop programs lay it out under /usr. Its files are the install component "deb", left out of a
# plain `cmake --install`, which keeps making the per-user layout of cmake/Install.cmake.
#   /usr/bin/korvane
#   /usr/share/applications/korvane.desktop, /usr/share/icons/hicolor/NxN/apps/korvane.png
#   /usr/share/korvane/sample/            copied into each user's data folder on the first start
#   /usr/share/doc/korvane/copyright, changelog.Debian.gz, the player's guide 使い方.md and its pictures
#   /usr/share/man/man1/korvane.1.gz, and in Japanese /usr/share/man/ja/man1/korvane.1.gz
set(deb_files COMPONENT deb EXCLUDE_FROM_ALL)

install(TARGETS korvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} ${deb_files})

set(KORVANE_EXEC korvane)
set(KORVANE_TRY_EXEC korvane)
configure_file(${PROJECT_SOURCE_DIR}/resources/korvane.desktop.in ${CMAKE_BINARY_DIR}/deb/korvane.desktop @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/deb/korvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
        ${deb_files})
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/korvane-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME korvane.png ${deb_files})
endforeach()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/sample/ DESTINATION ${CMAKE_INSTALL_DATADIR}/korvane/sample
        ${deb_files})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/korvane
        ${deb_files})
# The guide links its pictures by the same relative path as in the source.
install(FILES ${PROJECT_SOURCE_DIR}/docs/使い方.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/korvane ${deb_files})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/screenshots/guide/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/korvane/screenshots/guide ${deb_files})

# The version written once, in the project: the changelog and the manual page take it. Compressed
# as Debian wants them: at the most, without a name or a time in the header.
foreach(doc changelog korvane.1 korvane.ja.1)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/${doc}.in ${CMAKE_BINARY_DIR}/deb/${doc} @ONLY)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/deb/${doc}.gz
                     COMMAND gzip -9nc ${CMAKE_BINARY_DIR}/deb/${doc} > ${CMAKE_BINARY_DIR}/deb/${doc}.gz
                     DEPENDS ${CMAKE_BINARY_DIR}/deb/${doc} VERBATIM)
endforeach()
add_custom_target(korvane_deb_docs ALL DEPENDS ${CMAKE_BINARY_DIR}/deb/changelog.gz ${CMAKE_BINARY_DIR}/deb/korvane.1.gz
                                              ${CMAKE_BINARY_DIR}/deb/korvane.ja.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/deb/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/korvane
        RENAME changelog.Debian.gz ${deb_files})
install(FILES ${CMAKE_BINARY_DIR}/deb/korvane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 ${deb_files})
install(FILES ${CMAKE_BINARY_DIR}/deb/korvane.ja.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ja/man1
        RENAME korvane.1.gz ${deb_files})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvane)
set(CPACK_PACKAGE_VENDOR "The Korvane developers")
set(CPACK_PACKAGE_CONTACT "The Korvane developers <korvane@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "checklist of an online role-playing game's quests")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL deb)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEBIAN_PACKAGE_NAME korvane)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils) # a tool beside a game, not a game: no /usr/games
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# CPack puts the summary first and indents this below it; an empty line parts two paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Korvane keeps a player's checklist of an online role-playing game's quests in
one window: filter the quests by nation, area and progress, search their
texts, tick their progress, keep a memo for each, add, modify and delete
quests, and undo any edit. A clock panel shows the game's calendar and a web
pane shows favourite pages. The interface is Japanese.

The checklist is four Shift-JIS files in each user's data folder, which a
sync tool can keep the same on several PCs.")
# The libraries come from dpkg-shlibdeps; what it cannot see is named here: the web pane's helper
# process, and a font that holds Japanese.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6webenginecore6-bin, fonts-ipafont-gothic | fonts-japanese-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
