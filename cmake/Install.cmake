# Puts the game where a Linux desktop looks for it: the program, its menu entry, icons, software
# centre metadata and man page. Included last, so that every target it installs exists.
include(GNUInstallDirs)

set(PEBBLIX_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/resources/desktop)
set(PEBBLIX_ICON_DIR ${PROJECT_SOURCE_DIR}/resources/icons)

# The help launcher finds the help page from here as ../share/pebblix/help.
install(TARGETS pebblix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

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

# Man pages are installed compressed (without name or time stamp, so builds are reproducible).
find_program(PEBBLIX_GZIP gzip REQUIRED)
set(PEBBLIX_MAN_PAGE ${CMAKE_BINARY_DIR}/man/pebblix.6)
configure_file(${PEBBLIX_DESKTOP_DIR}/pebblix.6.in ${PEBBLIX_MAN_PAGE} @ONLY)
add_custom_command(OUTPUT ${PEBBLIX_MAN_PAGE}.gz
  COMMAND ${PEBBLIX_GZIP} -9 --no-name --keep --force ${PEBBLIX_MAN_PAGE}
  DEPENDS ${PEBBLIX_MAN_PAGE}
  COMMENT "Compressing the man page"
  VERBATIM)
add_custom_target(pebblix_man_page ALL DEPENDS ${PEBBLIX_MAN_PAGE}.gz)
install(FILES ${PEBBLIX_MAN_PAGE}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# Debian looks for the licence here under the name copyright.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/pebblix
        RENAME copyright)
