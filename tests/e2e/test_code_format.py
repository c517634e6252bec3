"""The C++ sources follow the project's .clang-format, as laid out by the release toolchain's
clang-format (Debian 12's, version 14). Other versions lay out some constructs otherwise, so with
any other version the check is skipped, not failed."""
import re
import shutil
import subprocess

import pytest

from rig import ROOT

REFERENCE_MAJOR = 14


def reference_formatter():
    """The path of clang-format 14, or None and the versions found instead."""
    found = []
    for name in (f"clang-format-{REFERENCE_MAJOR}", "clang-format"):
        path = shutil.which(name)
        if path is None:
            continue
        banner = subprocess.run([path, "--version"], capture_output=True, text=True, timeout=60).stdout
        version = re.search(r"clang-format version (\d+)[.\d]*", banner)
        if version and int(version.group(1)) == REFERENCE_MAJOR:
            return path, found
        found.append(f"{name}: {version.group(0) if version else banner.strip() or 'no version'}")
    return None, found


def test_sources_follow_the_format():
    formatter, found = reference_formatter()
    if formatter is None:
        pytest.skip(f"the layout is checked with clang-format {REFERENCE_MAJOR}, Debian 12's; found "
                    f"{', '.join(found) or 'none'}")
    listed = subprocess.run(["git", "ls-files", "*.cpp", "*.h"], cwd=ROOT, capture_output=True, text=True,
                            check=True, timeout=60).stdout.split()
    sources = [name for name in listed if not name.startswith("res/")]
    assert sources
    result = subprocess.run([formatter, "--dry-run", "-Werror", *sources], cwd=ROOT, capture_output=True,
                            text=True, timeout=300)
    assert result.returncode == 0, result.stderr[:3000]
