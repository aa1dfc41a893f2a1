# The Debian package: cmake --build BUILD --target package writes
# central-polygon_VERSION_ARCH.deb into BUILD. The shared libraries' packages are found
# by dpkg-shlibdeps (libqt6gui6 brings the platform plugins); what the program needs
# beyond linking is named here: the CJK face of the window and report, and Qt's Chinese
# translation of its standard dialogs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME central-polygon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Least-squares adjustment of a trilaterated central polygon")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "中心多边形三边平差: solves the triangles of a central polygon observed by\n"
       "trilateration, adjusts the sides under the central condition, carries the\n"
       "coordinates around the ring, evaluates every point's precision and prints a\n"
       "report with the network drawn to scale.")
set(CPACK_PACKAGE_CONTACT "The central polygon developers <central-polygon@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, qt6-translations-l10n")
include(CPack)
