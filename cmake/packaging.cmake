# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The licence files beside the program, and a Debian package of it: cpack in the build folder.

# Debian's machine-readable copyright file and a changelog, compressed as Debian keeps them. They
# are in Debian's formats, so only the package made here carries them: a plain install leaves
# them out (component "debian", installed only when asked for by name).
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR}
    COMPONENT debian EXCLUDE_FROM_ALL)
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
find_program(GZIP gzip)
if(GZIP)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        COMMAND ${GZIP} -9n -c ${CMAKE_BINARY_DIR}/packaging/changelog > ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog)
    add_custom_target(package_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
    install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR}
        COMPONENT debian EXCLUDE_FROM_ALL)
endif()

set(CPACK_PACKAGE_NAME kwelt)
set(CPACK_PACKAGE_VENDOR "Brandelwick")
set(CPACK_PACKAGE_CONTACT "kwelt developers <kwelt@brandelwick.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour code of four-band resistors, in Thai")
set(CPACK_PACKAGE_DESCRIPTION "kwelt reads the colour code of a four-band resistor, with a Thai user
interface. Pick the four band colours and it shows the digits, the multiplier
and the tolerance, and warns when the first two bands are not a value of the
E24 series of preferred numbers.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://brandelwick.invalid/kwelt")
# Qt's libraries come from the program's own links; the window system plugin is needed at run
# time as well, and on a Wayland desktop Qt's Wayland plugin, without which kwelt falls back
# to X11 and says so at every start. A kwelt that carries its own Thai font only recommends the system's; one built
# without it cannot show its texts without them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(KWELT_BUNDLE_THAI_FONT)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, fonts-thai-tlwg")
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-thai-tlwg")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
endif()
set(CPACK_STRIP_FILES ON)
# One package holding the program and the Debian-only files.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL Unspecified debian)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/deb-member-modes.cmake)
include(CPack)
