# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The installer carries a version block of its own: kwelt's product name and version.

Usage: check_installer_version.py SETUP_EXE VERSION
"""

import sys

import pefile

pe = pefile.PE(sys.argv[1])
strings = {k: v for info in getattr(pe, "FileInfo", [[]])[0] if info.Key == b"StringFileInfo"
           for table in info.StringTable for k, v in table.entries.items()}
if strings.get(b"ProductName") != b"kwelt" or strings.get(b"ProductVersion") != sys.argv[2].encode():
    sys.exit(f"the installer's version block is wrong: {strings}")
