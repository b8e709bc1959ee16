# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# kwelt.exe with everything it needs beside it, as a portable zip and an installer: cpack in
# the build folder makes both (the installer with NSIS).

# kwelt.exe sits at the top. Linked with a static Qt (scripts/windows.sh builds one), it holds
# Qt, its plugins and the MinGW run time, and is all there is to run. With a shared Qt (Qt's own
# kits), the Qt libraries go beside it and Qt's plugins into the folders where Qt looks for them
# next to the program.
install(TARGETS kwelt RUNTIME DESTINATION .)
if(NOT KWELT_STATIC_QT)
    install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets> DESTINATION .)
    install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
    install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
    # No image format plugin: the program picture is a PNG, which Qt reads itself, and the icons of
    # kwelt.exe come from its own resources.
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
endif()

# The licences of all that is shipped: kwelt's, Qt's, and the MinGW run time's.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/LICENSES/ DESTINATION licenses/kwelt)
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright DESTINATION licenses/kwelt RENAME COPYRIGHT.txt)
get_target_property(qt_core_file Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_prefix "${qt_core_file}" DIRECTORY)
get_filename_component(qt_prefix "${qt_prefix}" DIRECTORY)
if(EXISTS "${qt_prefix}/LICENSES")
    install(DIRECTORY ${qt_prefix}/LICENSES/ DESTINATION licenses/qt)
endif()
foreach(doc gcc-mingw-w64-base mingw-w64-common)
    if(EXISTS /usr/share/doc/${doc}/copyright)
        install(FILES /usr/share/doc/${doc}/copyright DESTINATION licenses/mingw-w64 RENAME ${doc}.txt)
    endif()
endforeach()
# What kwelt.exe holds, under which licences, and where the corresponding source is. A Qt built by
# scripts/build-windows-qt.sh says in its SOURCE.txt where it comes from.
if(KWELT_STATIC_QT)
    set(KWELT_CONTENTS "kwelt.exe is one program file. Besides kwelt, it holds Qt ${Qt6_VERSION} (its Core,
Gui and Widgets libraries, with the windows platform and windowsvista style plugins)
and the MinGW-w64 run time (GCC's libstdc++ and libgcc, and winpthreads).")
else()
    set(KWELT_CONTENTS "kwelt.exe uses Qt ${Qt6_VERSION} (its Core, Gui and Widgets libraries and the windows
platform and windowsvista style plugins beside it) and the MinGW-w64 run time.")
endif()
if(EXISTS "${qt_prefix}/SOURCE.txt")
    file(READ "${qt_prefix}/SOURCE.txt" KWELT_QT_SOURCE)
    string(STRIP "${KWELT_QT_SOURCE}" KWELT_QT_SOURCE)
else()
    set(KWELT_QT_SOURCE "Qt ${Qt6_VERSION}, whose source The Qt Company publishes at
https://download.qt.io/archive/qt/.")
endif()
configure_file(${PROJECT_SOURCE_DIR}/resources/licenses-README.txt.in ${CMAKE_BINARY_DIR}/licenses-README.txt @ONLY
    NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/licenses-README.txt DESTINATION licenses RENAME README.txt)

# Everything shipped is stripped of its debugging sections: they were over half the download.
if(CMAKE_STRIP)
    install(CODE "set(kwelt_strip \"${CMAKE_STRIP}\")")
    install(CODE [[
        file(GLOB_RECURSE shipped "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/*.exe" "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/*.dll")
        foreach(binary IN LISTS shipped)
            execute_process(COMMAND "${kwelt_strip}" --strip-unneeded "${binary}" RESULT_VARIABLE failed)
            if(failed)
                message(FATAL_ERROR "cannot strip ${binary}")
            endif()
        endforeach()
    ]])
endif()

set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "${KWELT_VENDOR}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_FILE_NAME "kwelt-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY kwelt)
set(CPACK_PACKAGE_EXECUTABLES kwelt kwelt)
set(CPACK_GENERATOR ZIP)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/staging-modes.cmake)
include(CPack)

# The installer, by NSIS from kwelt.nsi: `cmake --build BUILD --target installer`.
find_program(MAKENSIS makensis)
if(MAKENSIS)
    set(KWELT_SETUP_FILE "${CMAKE_BINARY_DIR}/kwelt-${PROJECT_VERSION}-win64-setup.exe")
    set(KWELT_STAGE "${CMAKE_BINARY_DIR}/installer/stage")
    set(KWELT_ICO "${PROJECT_SOURCE_DIR}/resources/kwelt.ico")
    set(KWELT_LICENSE "${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt")
    set(KWELT_WIZARD_BITMAP "${PROJECT_SOURCE_DIR}/resources/kwelt-installer.bmp")
    set(KWELT_INSTALL_FILES "${CMAKE_BINARY_DIR}/installer/install-files.nsh")
    set(KWELT_UNINSTALL_FILES "${CMAKE_BINARY_DIR}/installer/uninstall-files.nsh")
    configure_file(${PROJECT_SOURCE_DIR}/resources/kwelt.nsi.in ${CMAKE_BINARY_DIR}/installer/kwelt.nsi @ONLY)
    add_custom_target(installer
        COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DSTAGE=${KWELT_STAGE} -DMAKENSIS=${MAKENSIS}
            -P ${PROJECT_SOURCE_DIR}/cmake/windows-installer.cmake
        DEPENDS kwelt
        COMMENT "Making the installer ${KWELT_SETUP_FILE}"
        VERBATIM)
endif()

