"""The release's bytes depend on its sources alone: the sources built once more in another folder
give the same files as the build under test."""
import shutil
import subprocess

import pytest

from rig import ROOT

SHIPPED = ("pixmode.exe", "Marrowick.exe")


def source_files():
    """The project's files as they stand in the work tree (tracked, and new ones not ignored)."""
    listed = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"], cwd=ROOT,
                            check=True, capture_output=True, timeout=60).stdout.decode().split("\0")
    return [name for name in listed if name and (ROOT / name).is_file()]


def test_a_second_build_in_another_folder_gives_the_same_release(tmp_path):
    for name in SHIPPED:
        assert (ROOT / "build" / "windows-x86" / name).is_file(), f"{name} is missing: build the windows-x86 preset"
    source = tmp_path / "elsewhere" / "pixmode"
    for name in source_files():
        (source / name).parent.mkdir(parents=True, exist_ok=True)
        shutil.copy2(ROOT / name, source / name)
    for command in (["cmake", "--preset", "windows-x86", "-DPIXMODE_BUILD_TESTS=OFF"],
                    ["cmake", "--build", "--preset", "windows-x86", "--target", "pixmode", "marrowick", "-j2"]):
        done = subprocess.run(command, cwd=source, capture_output=True, text=True, timeout=600)
        if done.returncode != 0:
            pytest.fail(f"{' '.join(command)} failed:\n{done.stdout}\n{done.stderr}")
    for name in SHIPPED:
        first = (ROOT / "build" / "windows-x86" / name).read_bytes()
        second = (source / "build" / "windows-x86" / name).read_bytes()
        differing = [offset for offset, (a, b) in enumerate(zip(first, second)) if a != b]
        assert (len(first), differing[:8]) == (len(second), []), f"{name} differs"
