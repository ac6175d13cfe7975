# The Debian package (cpack -G DEB, or `make package`): kestrigo_<version>_<arch>.deb installing into /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrigo)
set(CPACK_PACKAGE_VENDOR "The Kestrigo developers")
set(CPACK_PACKAGE_CONTACT "The Kestrigo developers <maintainers@kestrigo.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "gearing calculator for motorcycles (road speed in every gear)")
set(CPACK_PACKAGE_DESCRIPTION
  "From the primary ratio, up to six gear ratios, the sprockets, the tyre size, the maximum engine \
speed and the power band, Kestrigo shows the road speed in every gear as a table and as a chart. \
Presets come from editable INI catalogs. The interface is Japanese. Also contains kestrigo-calc \
(the computation as JSON on the command line) and kestrigo-snapshot (the window rendered headless).")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # the Qt 6 and C++ libraries, via dpkg-shlibdeps (dpkg-dev)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")  # the window's Japanese font
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")  # Qt's own texts in Japanese
include(CPack)
