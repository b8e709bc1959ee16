# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# kwelt.exe with everything it needs beside it, as a portable zip and an installer: cpack in
# the build folder makes both (the installer with NSIS).

# kwelt.exe sits at the top, the Qt libraries beside it and Qt's plugins in the folders where
# Qt looks for them next to the program.
install(TARGETS kwelt RUNTIME DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets> DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
install(FILES $<TARGET_FILE:Qt6::QICOPlugin> DESTINATION imageformats)

# The compiler's own run-time libraries, which Qt and kwelt link to.
if(MINGW)
    foreach(library libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${library}
            OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT EXISTS "${path}")
            message(FATAL_ERROR "The MinGW run-time library ${library} was not found")
        endif()
        install(FILES ${path} DESTINATION .)
    endforeach()
endif()

# The licences of all that is shipped: kwelt's, Qt's, and the MinGW run time's.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/LICENSES/ DESTINATION licenses/kwelt)
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright DESTINATION licenses/kwelt RENAME COPYRIGHT.txt)
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_prefix "${qt_core_dll}" DIRECTORY)
get_filename_component(qt_prefix "${qt_prefix}" DIRECTORY)
if(EXISTS "${qt_prefix}/LICENSES")
    install(DIRECTORY ${qt_prefix}/LICENSES/ DESTINATION licenses/qt)
endif()
foreach(doc gcc-mingw-w64-base mingw-w64-common)
    if(EXISTS /usr/share/doc/${doc}/copyright)
        install(FILES /usr/share/doc/${doc}/copyright DESTINATION licenses/mingw-w64 RENAME ${doc}.txt)
    endif()
endforeach()

set(CPACK_PACKAGE_NAME kwelt)
set(CPACK_PACKAGE_VENDOR "Brandelwick")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Colour code of four-band resistors, in Thai")
set(CPACK_PACKAGE_FILE_NAME "kwelt-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY kwelt)
set(CPACK_PACKAGE_EXECUTABLES kwelt kwelt)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt)
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_NSIS_PACKAGE_NAME kwelt)
set(CPACK_NSIS_DISPLAY_NAME "kwelt ${PROJECT_VERSION}")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME kwelt.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/kwelt.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/kwelt.ico)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# A 64-bit installer for a 64-bit program (NSIS makes 32-bit ones unless told).
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
# The installer's file name says what it is.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/windows-cpack-options.cmake)
include(CPack)
