# The Debian package: `cpack -G DEB` in the build directory writes chainadj_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME chainadj)
set(CPACK_PACKAGE_CONTACT "${CHAINADJ_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "triangulation chain adjustment for surveyors")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[chainadj adjusts a triangulation chain, a strip of triangles observed between
known control points, by condition equations: it distributes the triangle
closures, chooses the adjustment that fits the known data, solves the azimuth,
side and coordinate conditions and shows the closures, the precision figures
and the adjusted coordinates of the new points.

The program 三角锁平差 (chainadj) has a Chinese window; chainadj-console runs
the same adjustment from a terminal or a script.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${CHAINADJ_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# dpkg-shlibdeps finds the libraries the programs link (Qt 6 Widgets, the C++ runtime, dxflib and
# libxlsxwriter for the exports); the window also needs what it loads at run time: a Qt platform
# plugin, the CJK fonts it draws with and Qt's own texts in Chinese (qtbase_zh_CN).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(CHAINADJ_BUILD_WINDOW)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-arphic-uming, fonts-wqy-microhei, qt6-translations-l10n")
endif()

include(CPack)
