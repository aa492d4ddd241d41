# Installing like any desktop program (`cmake --install`) and the Debian
# package (`make package`, CPack): the program, its desktop entry, its icon
# in every size, and the German help text.
include(GNUInstallDirs)

set(KOLORAT_DATA ${PROJECT_SOURCE_DIR}/data)
set(KOLORAT_ICON_SIZES 16 22 24 32 48 64 128 256)

install(TARGETS kolorat RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${KOLORAT_DATA}/kolorat.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KOLORAT_DATA}/icons/kolorat.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${KOLORAT_ICON_SIZES})
  install(FILES ${KOLORAT_DATA}/icons/kolorat-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME kolorat.png)
endforeach()
# The help text is looked up in the current folder first, then here.
if(EXISTS ${KOLORAT_DATA}/KOLORATHELP.RTF)
  install(FILES ${KOLORAT_DATA}/KOLORATHELP.RTF DESTINATION ${CMAKE_INSTALL_DATADIR}/kolorat)
endif()

# Tests: an install into a fresh prefix holds every file in its place, and
# the desktop entry passes the freedesktop validator.
add_test(NAME packaging_install_tree
  COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR} -DPREFIX=${PROJECT_BINARY_DIR}/install-test
          -DDATA_DIR=${KOLORAT_DATA} "-DICON_SIZES=${KOLORAT_ICON_SIZES}"
          -P ${PROJECT_SOURCE_DIR}/cmake/CheckInstall.cmake)
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  add_test(NAME packaging_desktop_entry COMMAND ${DESKTOP_FILE_VALIDATE} ${KOLORAT_DATA}/kolorat.desktop)
  # The validator prints hints on stdout and still exits 0: treat any output as failure.
  set_tests_properties(packaging_desktop_entry PROPERTIES FAIL_REGULAR_EXPRESSION "error|warning|hint")
endif()

# Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kolorat)
set(CPACK_PACKAGE_VENDOR "Kolorat")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Farbige Lesehilfe: Texte nach Lauten oder Silben einfärben")
set(CPACK_PACKAGE_DESCRIPTION
  "Kolorat färbt deutsche Texte nach Lauten oder nach Silben ein, speichert und druckt sie als RTF und übt das Lesen mit einem Lesetrainer, Stück für Stück.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(KOLORAT_MAINTAINER "Kolorat-Team <kolorat@localhost>" CACHE STRING "Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT "${KOLORAT_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# What Qt loads at run time and the linker cannot see: the platform plugins
# (X11, Wayland), the German button texts, a font for the texts, and the
# German hyphenation patterns that automatic syllable marks are built on,
# and the German voice and sound output for reading aloud.
set(kolorat_runtime_depends
  "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6printsupport6 (>= 6.4), libqt6multimedia6 (>= 6.4), qt6-qpa-plugins, qt6-translations-l10n, fonts-dejavu-core, hyphen-de, libespeak-ng1, espeak-ng-data")
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
  # The remaining libraries (C and C++ runtime) with the versions the binary
  # needs; the Qt packages stay listed above so that the package always asks
  # for the whole Qt runtime, also the parts loaded only when printing.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${kolorat_runtime_depends}")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= 6.4), libstdc++6, libc6, ${kolorat_runtime_depends}")
endif()
include(CPack)
