# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Makes the installer: installs kwelt into a staging folder, lists what the uninstaller is to
# remove, and has NSIS build kwelt.nsi around it. Run by the build's "installer" target:
#   cmake -DBUILD_DIR=... -DSTAGE=... -DMAKENSIS=... -P windows-installer.cmake
file(REMOVE_RECURSE "${STAGE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGE}" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cannot install into ${STAGE}")
endif()

# What is installed, file by file in a fixed order (a folder's listing may come in any order,
# and two builds of one commit are to make the same installer).
file(GLOB_RECURSE files RELATIVE "${STAGE}" "${STAGE}/*")
list(SORT files)
set(install_lines "")
set(folder_now "-")
foreach(file IN LISTS files)
    get_filename_component(folder "${file}" DIRECTORY)
    if(NOT folder STREQUAL folder_now)
        string(REPLACE "/" "\\" windows_folder "\\${folder}")
        if(folder STREQUAL "")
            set(windows_folder "")
        endif()
        string(APPEND install_lines "SetOutPath \"$INSTDIR${windows_folder}\"\n")
        set(folder_now "${folder}")
    endif()
    string(APPEND install_lines "File \"${STAGE}/${file}\"\n")
endforeach()
file(WRITE "${BUILD_DIR}/installer/install-files.nsh" "${install_lines}")

# The uninstaller removes exactly what was installed, and the folders only when empty: the
# user may have chosen a folder that holds other things too.
set(lines "")
foreach(file IN LISTS files)
    string(REPLACE "/" "\\" file "${file}")
    string(APPEND lines "Delete \"$INSTDIR\\${file}\"\n")
endforeach()
file(GLOB_RECURSE folders LIST_DIRECTORIES true RELATIVE "${STAGE}" "${STAGE}/*")
list(REMOVE_ITEM folders ${files})
list(SORT folders ORDER DESCENDING) # the deepest first
foreach(folder IN LISTS folders)
    string(REPLACE "/" "\\" folder "${folder}")
    string(APPEND lines "RMDir \"$INSTDIR\\${folder}\"\n")
endforeach()
file(WRITE "${BUILD_DIR}/installer/uninstall-files.nsh" "${lines}")

execute_process(COMMAND "${MAKENSIS}" -V2 -INPUTCHARSET UTF8 "${BUILD_DIR}/installer/kwelt.nsi" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "makensis failed")
endif()
