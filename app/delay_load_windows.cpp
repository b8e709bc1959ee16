// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The first call into a delay-loaded DLL runs MinGW's loader stub, which loads the DLL and writes
// the function's address into the program's import table. MinGW's linker (binutils 2.44) puts that
// table in a read-only section, where the write would crash the program: the entry is made
// writable first, as earlier linkers left it. It stays writable, so that two threads calling at
// once cannot take the write away from each other.

#include <windows.h>

#include <delayimp.h>

extern "C" {

FARPROC WINAPI __real___delayLoadHelper2(PCImgDelayDescr descriptor, FARPROC* entry);

FARPROC WINAPI __wrap___delayLoadHelper2(PCImgDelayDescr descriptor, FARPROC* entry)
{
    DWORD previous = 0;
    VirtualProtect(entry, sizeof *entry, PAGE_READWRITE, &previous);
    return __real___delayLoadHelper2(descriptor, entry);
}

} // extern "C"
