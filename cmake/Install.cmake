# Puts the game where a Linux desktop looks for it: the program, its menu entry, icons, software
# centre metadata and man page. Included last, so that every target it installs exists.
include(GNUInstallDirs)

set(PEBBLIX_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/resources/desktop)
set(PEBBLIX_ICON_DIR ${PROJECT_SOURCE_DIR}/resources/icons)

# Debian's place for games (/usr/games, on every user's PATH). The help launcher finds the help
# page from there as ../share/pebblix/help.
install(TARGETS pebblix RUNTIME DESTINATION games)

install(FILES ${PEBBLIX_DESKTOP_DIR}/pebblix.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PEBBLIX_DESKTOP_DIR}/io.github.pebblix.pebblix.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

foreach(size IN ITEMS 16 32 48 64 128 256)
  install(FILES ${PEBBLIX_ICON_DIR}/pebblix-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME pebblix.png)
endforeach()
install(FILES ${PEBBLIX_ICON_DIR}/pebblix.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Man pages and the changelog are installed compressed at the highest level, without name or time
# stamp, so that builds are reproducible.
find_program(PEBBLIX_GZIP gzip REQUIRED)
set(PEBBLIX_MAN_PAGE ${CMAKE_BINARY_DIR}/man/pebblix.6)
configure_file(${PEBBLIX_DESKTOP_DIR}/pebblix.6.in ${PEBBLIX_MAN_PAGE} @ONLY)
set(PEBBLIX_CHANGELOG ${CMAKE_BINARY_DIR}/doc/changelog)
configure_file(${PROJECT_SOURCE_DIR}/CHANGELOG ${PEBBLIX_CHANGELOG} COPYONLY)
foreach(file IN ITEMS ${PEBBLIX_MAN_PAGE} ${PEBBLIX_CHANGELOG})
  add_custom_command(OUTPUT ${file}.gz
    COMMAND ${PEBBLIX_GZIP} -9 --no-name --keep --force ${file}
    DEPENDS ${file}
    COMMENT "Compressing ${file}"
    VERBATIM)
endforeach()
add_custom_target(pebblix_compressed_docs ALL
  DEPENDS ${PEBBLIX_MAN_PAGE}.gz ${PEBBLIX_CHANGELOG}.gz)
install(FILES ${PEBBLIX_MAN_PAGE}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# Where Debian looks for them: the licence in its machine-readable form, and the changelog.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${PEBBLIX_CHANGELOG}.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/pebblix)
