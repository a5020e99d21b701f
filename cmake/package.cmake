# SPDX-License-Identifier: MIT
# The Debian package: `cpack -G DEB` in a release build folder (`make package`).
# Its library dependencies are computed by dpkg-shlibdeps from the programs
# themselves; the fonts the pictures are drawn with are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tonvale)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tonvale developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "video slot machine played with play money")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Tonvale is a desktop video slot machine with five reels, three rows and up
to 243 ways to win, wilds, scatters and free spins with a random multiplier,
three progressive jackpots won on a bonus board, a double-up card gamble,
autoplay and six players with their own credit, settings and statistics.
Everything is played with play money.
.
The package also holds tonvale-cli, the game's headless tools: the exact
return figures, a simulator that plays the whole machine and checks its
books, and a runner for scenario scripts.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TONVALE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.example.org/slots")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
include(CPack)
