# `cpack` in the build folder makes pebblix_<version>_<arch>.deb from the install rules.
set(PEBBLIX_PACKAGE_MAINTAINER "Pebblix developers <pebblix@example.org>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pebblix)
set(CPACK_PACKAGE_VENDOR "The Pebblix developers")
set(CPACK_PACKAGE_CONTACT ${PEBBLIX_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ball puzzle game on a nine by nine board")
# Debian shows the description as written: lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION [=[
Balls of three to eight colours sit on a board of nine by nine cells. Send a
ball to a free cell along a free path and line up figures of one colour to
make them vanish and score. Every move that scores nothing brings three new
balls; the game ends when the board is full.

Three game types (Lines, Squares and Blocks), a preview of the next balls,
animations, sound effects and a high-score table for every game type and
number of colours.]=])
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# dpkg-shlibdeps names exactly the libraries the program links; Qt's platform plugins come
# with those Qt packages. Fonts are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-dejavu-core)
# Qt's own texts (standard buttons, the command line's usage lines) in the player's language; a
# desktop in Chinese or Japanese has its fonts already.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "fonts-wqy-microhei | fonts-noto-cjk")

include(CPack)
