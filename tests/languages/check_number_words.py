# SPDX-FileCopyrightText: 2026 ZEP contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The committed number-word tables and their list of disagreements are exactly what the
generating script makes from ICU with the reviewed corrections, checked against num2words
and libnumbertext: a table edited by hand, a disagreement without a reason, or a changed
source fails here. Fails, naming it, when a source package is missing.

Usage: check_number_words.py LANGUAGES_FOLDER SCRATCH_FOLDER
"""

import filecmp
import importlib.util
import os
import shutil
import subprocess
import sys

languages, scratch = sys.argv[1], sys.argv[2]
missing = [package for module, package in (("icu", "python3-icu"), ("num2words", "python3-num2words"))
           if importlib.util.find_spec(module) is None]
if not os.access("/usr/lib/libnumbertext/spellout", os.X_OK):
    missing.append("libnumbertext-tools")
if missing:
    sys.exit("missing test packages: " + " ".join(missing) + " (./zep test installs them)")

shutil.rmtree(scratch, ignore_errors=True)
subprocess.run([sys.executable, os.path.join(languages, "make_number_words.py"), "--check", scratch],
               check=True)
made = ["disagreements.txt"] + [os.path.join("words", name)
                                for name in sorted(os.listdir(os.path.join(scratch, "words")))]
committed = ["disagreements.txt"] + [os.path.join("words", name)
                                     for name in sorted(os.listdir(os.path.join(languages, "words")))]
failed = sorted(set(made) ^ set(committed))
for name in made:
    if name in committed and not filecmp.cmp(os.path.join(scratch, name),
                                             os.path.join(languages, name), shallow=False):
        failed.append(name)
for name in failed:
    print(f"differs from what the sources and the reviewed corrections give: {name}")
    if os.path.exists(os.path.join(scratch, name)) and os.path.exists(os.path.join(languages, name)):
        subprocess.run(["diff", os.path.join(languages, name), os.path.join(scratch, name)])
if failed:
    sys.exit(1)
rows = sum(1 for line in open(os.path.join(scratch, "disagreements.txt"), encoding="utf-8")
           if line.count("\t") == 4)
print(f"{len(made) - 1} tables checked; {rows} disagreements, each with its reason")
