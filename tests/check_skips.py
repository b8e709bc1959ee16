#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Fails when a test skipped, in whole or in part, unless the skip is one that skips_by_design.txt
# lists. A skip passes unseen in CTest's summary: a Qt Test function that calls QSKIP counts as
# passed, and a test that exits 77 as not run. Reads the JUnit file of `ctest --output-junit`
# (with --test-output-size-passed large enough to keep every test's whole output).
#   check_skips.py JUNIT_FILE
import pathlib
import re
import sys
import xml.etree.ElementTree as ElementTree

by_design = set()
for line in (pathlib.Path(__file__).parent / "skips_by_design.txt").read_text().splitlines():
    if line.strip() and not line.startswith("#"):
        test, what = line.split(None, 1)
        by_design.add((test, what.split("  ")[0].strip()))

# Qt Test: "SKIP   : Class::function(row) reason"; GoogleTest: "[  SKIPPED ] Suite.Test"; kwelt's
# scripts: "SKIP: what is not checked".
skip_line = re.compile(r"^(?:SKIP\s+: \w+::(\S+?\(.*?\))|\[  SKIPPED \] (\S+)|SKIP: (.*)).*$", re.M)
unseen = []
for case in ElementTree.parse(sys.argv[1]).getroot().iter("testcase"):
    test = case.get("name")
    output = case.findtext("system-out") or ""
    skipped = [(m.group(1) or m.group(2) or m.group(3), m.group(0)) for m in skip_line.finditer(output)]
    if not skipped and (case.get("status") == "notrun" or case.find("skipped") is not None):
        skipped.append(("the whole test", "skipped"))
    unseen += [f"{test}: {line.strip()}" for what, line in skipped if (test, what) not in by_design]

if unseen:
    print("These tests skipped, and no skip may pass unseen here (tests/skips_by_design.txt lists the few")
    print("that are by design):")
    print("\n".join("  " + u for u in unseen))
    sys.exit(1)
print("No test skipped, but for those skipped by design.")
