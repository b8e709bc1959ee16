# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Run by cpack after it made the Debian package. cpack writes the modes of the package's three
# members (debian-binary, control.tar, data.tar) into the ar headers as the builder's umask left
# those files; they are set to 0644 here, so that the package does not depend on the umask.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "\\.deb$")
        continue()
    endif()
    file(SIZE "${package}" end)
    set(offset 8) # past "!<arch>\n"
    while(offset LESS end)
        # An ar member header is 60 bytes of text: the mode at 40 (8 bytes), the size at 48 (10).
        file(READ "${package}" header OFFSET ${offset} LIMIT 60)
        string(SUBSTRING "${header}" 40 8 mode)
        string(SUBSTRING "${header}" 48 10 size)
        string(STRIP "${size}" size)
        string(STRIP "${mode}" mode)
        if(NOT mode STREQUAL "100644")
            math(EXPR at "${offset} + 40")
            execute_process(COMMAND sh -c "printf '100644  ' | dd of='${package}' bs=1 seek=${at} conv=notrunc status=none"
                RESULT_VARIABLE failed)
            if(failed)
                message(FATAL_ERROR "cannot set the member modes of ${package}")
            endif()
        endif()
        math(EXPR offset "${offset} + 60 + ${size} + ${size} % 2")
    endwhile()
endforeach()
