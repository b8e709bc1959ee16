# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A static Qt links DLLs that kwelt never calls as it starts: Direct3D and DXGI for Qt's GPU
# drawing, and the network, session, sound and file-sharing DLLs of Qt's core. Loading them, and
# the DLLs they need in turn, with the program cost a sixth of kwelt.exe's start under Wine (21
# of its 48 DLLs). A delay-loaded DLL is loaded at its first call instead: MinGW delay-loads
# through a delay-import library, which takes the place of the DLL's import library when it is
# found first on the library path.

# The import libraries, by the name Qt links them with (-lNAME). Their delay-import libraries carry
# functions only, as delay-loading can: a data import from one would be left unresolved, and the
# link would fail.
set(KWELT_DELAY_LOADED_LIBRARIES authz comdlg32 d3d9 d3d11 d3d12 dxgi mpr netapi32 userenv winmm
    winspool ws2_32 wtsapi32)

set(kwelt_delay_dir ${CMAKE_BINARY_DIR}/delay-load)
set(kwelt_delay_imports)
set(kwelt_delay_outputs)
foreach(name IN LISTS KWELT_DELAY_LOADED_LIBRARIES)
    find_library(KWELT_IMPORT_LIBRARY_${name} NAMES ${name} REQUIRED NO_CACHE)
    list(APPEND kwelt_delay_imports ${KWELT_IMPORT_LIBRARY_${name}})
    list(APPEND kwelt_delay_outputs ${kwelt_delay_dir}/lib${name}.a)
endforeach()
add_custom_command(OUTPUT ${kwelt_delay_outputs}
    COMMAND ${CMAKE_COMMAND} "-DNM=${CMAKE_NM}" "-DDLLTOOL=${CMAKE_DLLTOOL}"
        "-DIMPORT_LIBRARIES=${kwelt_delay_imports}" "-DOUTPUT_DIR=${kwelt_delay_dir}"
        -P ${CMAKE_CURRENT_LIST_DIR}/delay-import-libraries.cmake
    DEPENDS ${kwelt_delay_imports} ${CMAKE_CURRENT_LIST_DIR}/delay-import-libraries.cmake
    COMMENT "Delay-import libraries" VERBATIM)
add_custom_target(kwelt_delay_import_libraries DEPENDS ${kwelt_delay_outputs})

# MinGW's loader stub writes a function's address into the import table, which MinGW's linker
# now makes read-only: kwelt makes the entry writable first.
add_library(kwelt_delay_load_helper OBJECT ${PROJECT_SOURCE_DIR}/app/delay_load_windows.cpp)
set_target_properties(kwelt_delay_load_helper PROPERTIES AUTOMOC OFF AUTORCC OFF)
target_link_libraries(kwelt_delay_load_helper PRIVATE kwelt_warnings)

# Links `target` with the delay-import libraries.
function(kwelt_delay_load target)
    add_dependencies(${target} kwelt_delay_import_libraries)
    # ld lays out the import tables in the order of the names of the libraries they come from, so
    # a path through the build folder would put these before MinGW's own in one folder (/src) and
    # after them in another (/var/tmp). Named from where the link runs, they sort the same in any:
    # that is the build folder under Ninja, the target's own under Makefiles.
    if(CMAKE_GENERATOR MATCHES "Ninja")
        set(link_dir ${CMAKE_BINARY_DIR})
    else()
        get_target_property(link_dir ${target} BINARY_DIR)
    endif()
    file(RELATIVE_PATH delay_dir ${link_dir} ${kwelt_delay_dir})
    target_link_options(${target} BEFORE PRIVATE -L${delay_dir})
    target_link_libraries(${target} PRIVATE kwelt_delay_load_helper)
    target_link_options(${target} PRIVATE LINKER:--wrap=__delayLoadHelper2)
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${kwelt_delay_outputs})
endfunction()
