# One Debian package of the whole suite (./tavreno package): the programs,
# their menu entries and icons, the launcher's catalog and metainfo. Its
# dependencies come from the shared libraries the programs link
# (dpkg-shlibdeps), plus what Qt loads at run time rather than links.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavreno)
set(CPACK_PACKAGE_VENDOR "Tavreno")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small educational games for young schoolchildren, in French")
set(CPACK_PACKAGE_DESCRIPTION "Each game is its own program that fills the screen; a launcher shows them all
and lets a grown-up set where a child starts and how high the child may climb.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tavreno <tavreno@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The display's platform plugin and the fonts the games draw their texts in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
include(CPack)
