# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Now and then a Wine client loses its wineserver as it starts ("recvmsg: Connection reset by peer") and the test dies
before it began. Prints the names of the failed tests, joined by "|", when every one of them died so; exits 1 when
any failed otherwise.

Usage: wine-lost-tests.py CTEST_JUNIT_XML
"""

import sys
import xml.etree.ElementTree as ElementTree

failed = [c for c in ElementTree.parse(sys.argv[1]).getroot().iter("testcase") if c.get("status") == "fail"]
if not all("Connection reset by peer" in (c.findtext("system-out") or "") for c in failed):
    sys.exit(1)
print("|".join(c.get("name") for c in failed))
