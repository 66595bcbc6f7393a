# SPDX-License-Identifier: MIT
# The Debian package, made by `cpack -G DEB` from the install rules.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rollwright)
set(CPACK_PACKAGE_VENDOR "${ROLLWRIGHT_VENDOR}")
set(CPACK_PACKAGE_CONTACT "${ROLLWRIGHT_VENDOR} <${ROLLWRIGHT_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${ROLLWRIGHT_SUMMARY_LOWER}")
set(CPACK_PACKAGE_DESCRIPTION "${PROJECT_DESCRIPTION}\n${ROLLWRIGHT_LONG_DESCRIPTION}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps works out the libraries the programs link; Qt Assistant
# shows the help.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's private API holds only for the Qt it was built against: Debian's Qt
# provides qt6-base-abi with its exact version for this.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "assistant-qt6")
get_target_property(qt_private rollwright_forms ROLLWRIGHT_QT_PRIVATE_API)
if(qt_private)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", qt6-base-abi (= ${qt_private})")
endif()
# The windows are laid out for Arial's metrics, which Liberation Sans shares;
# Qt's own texts (context menus, buttons) come in the user's language with its translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-translations-l10n")

include(CPack)
