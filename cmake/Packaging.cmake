# A Debian package of the installed game: cpack -G DEB in the build folder.

set(CPACK_PACKAGE_NAME orvane-cards)
set(CPACK_PACKAGE_VENDOR "Tessaly Software")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tessaly Software <orvane-cards@example.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.example.com/orvane-cards/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "joker wild video poker with a double-up game and a bonus jackpot")
set(CPACK_PACKAGE_DESCRIPTION
    "Orvane Cards is a video poker machine for one player. Put credit on the machine, \
choose a bet and play five cards from a 53-card deck with one joker: hold, draw up to \
twice, and collect a win or gamble it in a double-up game of up to ten guesses. Beside \
the poker game runs the Orvane bonus meter, a countdown for every bet that pays a \
jackpot when it runs out.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries come from dpkg-shlibdeps; the table's fonts are loaded by name and
# no tool can see that.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-dejavu-extra, fonts-liberation2")

include(CPack)
