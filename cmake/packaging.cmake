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

set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "${KWELT_VENDOR}")
set(CPACK_PACKAGE_CONTACT "kwelt developers <kwelt@brandelwick.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
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
# Built on Qt's private interfaces, kwelt works only with the Qt it was built with: Debian's Qt
# core library provides a virtual package that names that version (qt6-base-abi up to Qt 6.4,
# qt6-base-private-abi since), as the packages that use them depend on.
if(KWELT_USES_QT_PRIVATE)
    find_program(KWELT_DPKG_QUERY dpkg-query)
    get_target_property(qt_core_file Qt6::Core LOCATION)
    if(KWELT_DPKG_QUERY AND qt_core_file)
        file(REAL_PATH "${qt_core_file}" qt_core_file)
        execute_process(COMMAND ${KWELT_DPKG_QUERY} -S "${qt_core_file}"
            OUTPUT_VARIABLE qt_core_package ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
        string(REGEX REPLACE "[:,].*" "" qt_core_package "${qt_core_package}")
        if(qt_core_package)
            execute_process(COMMAND ${KWELT_DPKG_QUERY} -W "-f=\${Provides}" ${qt_core_package}
                OUTPUT_VARIABLE qt_provides ERROR_QUIET)
            string(REGEX MATCH "qt6-base(-private)?-abi \\(= [^)]+\\)" qt_private_abi "${qt_provides}")
            if(qt_private_abi)
                string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ${qt_private_abi}")
            endif()
        endif()
    endif()
endif()
set(CPACK_STRIP_FILES ON)
# One package holding the program and the Debian-only files.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL Unspecified debian)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/staging-modes.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/deb-member-modes.cmake)
include(CPack)
