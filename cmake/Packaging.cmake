# Desktop integration and the Debian package.

install(FILES ${PROJECT_SOURCE_DIR}/resources/chargefield.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/chargefield.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
  DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME copyright)

set(CPACK_PACKAGE_NAME chargefield)
set(CPACK_PACKAGE_VENDOR "the chargefield developers")
set(CPACK_PACKAGE_CONTACT "the chargefield developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "electrostatic field of two point charges: field lines, equipotentials, profiles")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "chargefield draws the field lines and equipotentials of two point charges,\ntheir characteristic lines and points, and profiles of the potential and\nthe field along straight lines. The interface is in Russian or in English.")
# Qt's libraries (printing among them), the platform and SVG plugins, Qt's own Russian texts (the
# buttons of its boxes, the menus of its text fields) and the font the program draws its text in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6multimedia6 (>= 6.4), libqt6svg6 (>= 6.4), libqt6printsupport6 (>= 6.4), qt6-translations-l10n, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-qpa-plugins")
set(CPACK_STRIP_FILES ON)
include(CPack)
