# The Debian package (cpack -G DEB, or `make package`): kestrigo_<version>_<arch>.deb installing into /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrigo)
set(CPACK_PACKAGE_VENDOR "The Kestrigo developers")
set(CPACK_PACKAGE_CONTACT "The Kestrigo developers <maintainers@kestrigo.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "gearing calculator for motorcycles (road speed in every gear)")
# The long description, one line per line of the control file (each under 80 columns).
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Kestrigo shows the road speed in every gear, as a table and a chart, from the"
  "primary, gear and sprocket ratios, the tyre, the maximum engine speed and the"
  "power band, with presets from INI catalogs; the interface is Japanese."
  "kestrigo-calc computes it on the command line, kestrigo-snapshot headless.")
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
