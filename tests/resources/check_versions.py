# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every file that carries kwelt's version carries the same one.

Usage: check_versions.py VERSION KWELT_RC DESKTOP_ENTRY METAINFO MANUAL_PAGE CHANGELOG CPACK_CONFIG
VERSION is major.minor.patch; the windows show "major.minor" and the Windows version block
"major.0minor" strings ("1.00" for 1.0).
"""

import re
import sys


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def main():
    version, rc, desktop, metainfo, manual, changelog, cpack = sys.argv[1:8]
    major, minor, patch = (int(p) for p in version.split("."))
    failures = []

    def expect(path, pattern, wanted):
        found = re.findall(pattern, read(path), re.MULTILINE)
        if not found:
            failures.append(f"{path}: nothing matches {pattern!r}")
        for value in found:
            if value != wanted:
                failures.append(f"{path}: {value!r} where {wanted!r} belongs")

    numbers = f"{major}, {minor}, {patch}, 0"
    expect(rc, r"^FILEVERSION (.*)$", numbers)
    expect(rc, r"^PRODUCTVERSION (.*)$", numbers)
    expect(rc, r'VALUE "(?:File|Product)Version", "([^"]*)"', f"{major}.{minor:02d}")
    expect(desktop, r"^X-Kwelt-Version=(.*)$", version)
    expect(metainfo, r'<release version="([^"]*)"', version)
    expect(manual, r'^\.TH KWELT 1 "[^"]*" "kwelt ([^"]*)"', version)
    expect(changelog, r"^kwelt \(([^)]*)\)", version)
    expect(cpack, r'^set\(CPACK_PACKAGE_VERSION "([^"]*)"\)', version)

    for failure in failures:
        print(failure)
    if failures:
        return 1
    print(f"version {version} agrees in all {len(sys.argv) - 2} files")
    return 0


if __name__ == "__main__":
    sys.exit(main())
