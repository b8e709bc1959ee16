# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Compiles kwelt.rc, as the build configures it, the way the Windows build does, links it into a resource-only DLL and
reads it back: the icon group and its one image, and the version block.

Usage: check_windows_resources.py KWELT_RC RESOURCES_DIR WORK_DIR
Exits 77 (skipped) when the MinGW tools or pefile are missing.
"""

import os
import shutil
import struct
import subprocess
import sys

SKIP = 77

RT_ICON = 3
RT_GROUP_ICON = 14
RT_VERSION = 16
RT_MANIFEST = 24

# The standard 16-colour palette, as RGB.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]

EXPECTED_STRINGS = [
    ("Comments", "kWELT : Brandelwick"),
    ("CompanyName", None),  # present, any value
    ("ProductName", "kWELT"),
    ("FileVersion", "1.00"),
    ("ProductVersion", "1.00"),
    ("InternalName", "kwelt"),
    ("OriginalFilename", "kwelt.exe"),
]

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def resources_by_type(pe):
    found = {}
    for type_entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        for name_entry in type_entry.directory.entries:
            for lang_entry in name_entry.directory.entries:
                data = lang_entry.data.struct
                found.setdefault(type_entry.id, {})[name_entry.id] = pe.get_data(data.OffsetToData, data.Size)
    return found


def main():
    rc_file, resources_dir, work_dir = (os.path.abspath(a) for a in sys.argv[1:4])
    windres = shutil.which("x86_64-w64-mingw32-windres")
    ld = shutil.which("x86_64-w64-mingw32-ld")
    try:
        import pefile
    except ImportError:
        pefile = None
    if not windres or not ld or pefile is None:
        print("SKIP: needs x86_64-w64-mingw32-windres, x86_64-w64-mingw32-ld and python3-pefile "
              "(scripts/install-deps.sh installs them)")
        return SKIP

    os.makedirs(work_dir, exist_ok=True)
    obj = os.path.join(work_dir, "kwelt_rc.o")
    dll = os.path.join(work_dir, "kwelt_rc.dll")
    subprocess.run([windres, "-I", resources_dir, rc_file, "-O", "coff", "-o", obj],
                   check=True, cwd=resources_dir)
    subprocess.run([ld, "--dll", "-e", "0", "-o", dll, obj], check=True)

    pe = pefile.PE(dll)
    res = resources_by_type(pe)

    # The icon group: id 1, one 32 x 32, 16-colour image at 4 bits a pixel, 744 bytes, id 30001.
    check(list(res.get(RT_GROUP_ICON, {})) == [1], "one icon group, id 1")
    group = res.get(RT_GROUP_ICON, {}).get(1, b"")
    check(len(group) == 6 + 14, "icon group of one entry")
    if len(group) == 20:
        reserved, kind, count = struct.unpack_from("<HHH", group, 0)
        width, height, colours, zero, planes, bits, size, image_id = struct.unpack_from("<BBBBHHIH", group, 6)
        check((reserved, kind, count) == (0, 1, 1), "icon group header 0, 1, 1")
        check((width, height, colours, zero, planes, bits) == (32, 32, 16, 0, 1, 4), "icon group entry fields")
        check(size == 744, "icon group entry names 744 bytes")
        check(image_id == 30001, "icon group entry names image 30001")

    check(list(res.get(RT_ICON, {})) == [30001], "one icon image, id 30001")
    image = res.get(RT_ICON, {}).get(30001, b"")
    check(len(image) == 744, "icon image of 744 bytes")
    if len(image) == 744:
        (header_size, width, height, planes, bits, compression,
         image_size) = struct.unpack_from("<IiiHHII", image, 0)
        check(header_size == 40, "bitmap header of 40 bytes")
        check((width, height) == (32, 64), "bitmap 32 wide, 64 high (colour and mask)")
        check((planes, bits, compression) == (1, 4, 0), "one plane, 4 bits a pixel, uncompressed")
        palette = [tuple(image[40 + 4 * i + j] for j in (2, 1, 0)) for i in range(16)]
        check(palette == PALETTE, "the standard 16-colour palette")
        mask = image[40 + 64 + 512:]
        check(len(mask) == 128, "a 1-bit mask of 128 bytes")
        # Bottom-up rows: the last 4 bytes are the top row; its corners are transparent.
        check(mask[-4] & 0x80 and mask[-1] & 0x01, "top corners transparent")

    # The version block.
    check(list(res.get(RT_MANIFEST, {})) == [1], "one application manifest, id 1 (its content: windows_native_test)")

    check(list(res.get(RT_VERSION, {})) == [1], "one version block, id 1")
    fixed = pe.VS_FIXEDFILEINFO[0]
    check((fixed.FileVersionMS, fixed.FileVersionLS) == (0x00010000, 0), "file version 1.0.0.0")
    check((fixed.ProductVersionMS, fixed.ProductVersionLS) == (0x00010000, 0), "product version 1.0.0.0")
    check((fixed.FileFlagsMask, fixed.FileFlags) == (0, 0), "no flags")
    check(fixed.FileOS == 0x4, "32-bit Windows")
    check((fixed.FileType, fixed.FileSubtype) == (1, 0), "an application, subtype 0")
    check((fixed.FileDateMS, fixed.FileDateLS) == (0, 0), "no date")

    string_tables = []
    translations = []
    for info in pe.FileInfo[0]:
        if info.Key == b"StringFileInfo":
            string_tables.extend(info.StringTable)
        elif info.Key == b"VarFileInfo":
            for var in info.Var:
                translations.append(var.entry.get(b"Translation"))
    check([t.LangID.upper() for t in string_tables] == [b"040904B0"], "one string table, 040904B0")
    check(translations == ["0x0409 0x04b0"], "one translation, 0x0409 with code page 1200: %r" % translations)
    if string_tables:
        entries = [(k.decode(), v.decode()) for k, v in string_tables[0].entries.items()]
        check([k for k, _ in entries] == [k for k, _ in EXPECTED_STRINGS],
              "the strings in order and no others: %r" % [k for k, _ in entries])
        for (key, value), (_, expected) in zip(entries, EXPECTED_STRINGS):
            if expected is not None:
                check(value == expected, "%s is %r, not %r" % (key, value, expected))
            else:
                check(value != "", "%s has a value" % key)

    for failure in failures:
        print("FAIL: " + failure)
    if failures:
        return 1
    print("Windows resources: icon group 1 with image 30001 (744 bytes), version block with 7 strings: OK")
    return 0


if __name__ == "__main__":
    sys.exit(main())
