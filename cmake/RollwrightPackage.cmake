# The Debian package, made by `cpack -G DEB` from the install rules.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rollwright)
set(CPACK_PACKAGE_VENDOR "Rollwright developers")
set(CPACK_PACKAGE_CONTACT "Rollwright developers <rollwright@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${ROLLWRIGHT_SUMMARY}")
set(CPACK_PACKAGE_DESCRIPTION "${PROJECT_DESCRIPTION}
Pick a die type (2- to 30-sided, percentile, or a custom die with a lower
and an upper limit up to 1000), the number of dice and the modifiers for
every die and for the total, and roll: Rollwright shows every die as it
fell, every die with its modifier, and the total. A help viewer and a
read-me come with it.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps works out the libraries the programs link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows are laid out for Arial's metrics, which Liberation Sans shares.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)

include(CPack)
