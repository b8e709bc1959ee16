# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Makes a delay-import library for each import library in IMPORT_LIBRARIES, of the same file name,
# in OUTPUT_DIR: one entry for each function the import library names.
#   cmake -DNM=... -DDLLTOOL=... -DIMPORT_LIBRARIES=a;b -DOUTPUT_DIR=... -P delay-import-libraries.cmake
file(MAKE_DIRECTORY ${OUTPUT_DIR})
foreach(import IN LISTS IMPORT_LIBRARIES)
    get_filename_component(file ${import} NAME)
    get_filename_component(stem ${import} NAME_WE)
    execute_process(COMMAND ${DLLTOOL} --identify ${import}
        OUTPUT_VARIABLE dll OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    # A function has a thunk in the text section; data has only its import-table entry.
    execute_process(COMMAND ${NM} -g ${import} OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "[0-9a-fA-F]+ T [^\n]+" thunks "${symbols}")
    list(TRANSFORM thunks REPLACE "^[0-9a-fA-F]+ T " "")
    list(SORT thunks)
    list(REMOVE_DUPLICATES thunks)
    list(JOIN thunks "\n    " exports)
    file(WRITE ${OUTPUT_DIR}/${stem}.def "LIBRARY ${dll}\nEXPORTS\n    ${exports}\n")
    # dlltool writes its temporary files where it runs.
    execute_process(COMMAND ${DLLTOOL} --input-def ${stem}.def --dllname ${dll} --output-delaylib ${file}
        WORKING_DIRECTORY ${OUTPUT_DIR} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
