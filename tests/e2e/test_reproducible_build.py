"""The release's bytes depend on its sources alone: the sources built once more in another folder,
with the release command, give the same files and the same archive as the build under test; and
the archive holds that build's files, their sums and its version."""
import hashlib
import json
import os
import shutil
import signal
import subprocess
import zipfile

import pytest

from rig import ROOT

BUILD = ROOT / "build" / "windows-x86"
SHIPPED = ("pixmode.exe", "Marrowick.exe")
ARCHIVED = ["pixmode.exe", "Marrowick.exe", "readme.html"]
# One worker builds the second copy for every test here (scripts/test-all runs pytest with
# --dist loadgroup), at a lower priority than the tests that wait on Wine beside it; on a loaded
# machine that takes many minutes.
pytestmark = pytest.mark.xdist_group("reproducible-build")
NICE = ["nice", "-n", "5"]
BUILD_TIMEOUT = 1800


def source_files():
    """The project's files as they stand in the work tree (tracked, and new ones not ignored)."""
    listed = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"], cwd=ROOT,
                            check=True, capture_output=True, timeout=60).stdout.decode().split("\0")
    return [name for name in listed if name and (ROOT / name).is_file()]


def run(command, cwd, timeout=600):
    # In a session of its own, so that one that does not end in time is ended with all it started.
    with subprocess.Popen(command, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True,
                          start_new_session=True) as process:
        try:
            stdout, stderr = process.communicate(timeout=timeout)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            stdout, stderr = process.communicate()
            pytest.fail(f"{' '.join(map(str, command))} did not end within {timeout} s:\n{stdout}\n{stderr}")
        except BaseException:
            # An interrupted test run ends the build with it.
            os.killpg(process.pid, signal.SIGKILL)
            raise
    if process.returncode != 0:
        pytest.fail(f"{' '.join(map(str, command))} failed:\n{stdout}\n{stderr}")


@pytest.fixture(scope="module")
def elsewhere(tmp_path_factory):
    """A copy of the sources in another folder, released there with the release command."""
    for name in SHIPPED:
        assert (BUILD / name).is_file(), f"{name} is missing: build the windows-x86 preset"
    source = tmp_path_factory.mktemp("elsewhere") / "pixmode"
    for name in source_files():
        (source / name).parent.mkdir(parents=True, exist_ok=True)
        shutil.copy2(ROOT / name, source / name)
    run([*NICE, "scripts/release"], source, timeout=BUILD_TIMEOUT)
    run([*NICE, "cmake", "--build", "--preset", "windows-x86", "--target", "marrowick", "-j2"], source,
        timeout=BUILD_TIMEOUT)
    return source


@pytest.fixture(scope="module")
def archive(tmp_path_factory):
    """The archive of the build under test (the release command's last step, so the build folder
    is not built again while other tests use it)."""
    dist = tmp_path_factory.mktemp("dist")
    run(["/usr/bin/python3", ROOT / "scripts" / "archive.py", BUILD, dist], ROOT)
    return dist


def test_a_second_build_in_another_folder_gives_the_same_release(elsewhere):
    for name in SHIPPED:
        first = (BUILD / name).read_bytes()
        second = (elsewhere / "build" / "windows-x86" / name).read_bytes()
        differing = [offset for offset, (a, b) in enumerate(zip(first, second)) if a != b]
        assert (len(first), differing[:8]) == (len(second), []), f"{name} differs"


def test_the_archive_is_the_same_bytes_from_either_folder(elsewhere, archive):
    assert sorted(p.name for p in (elsewhere / "dist").iterdir()) == sorted(p.name for p in archive.iterdir())
    for path in archive.iterdir():
        assert path.read_bytes() == (elsewhere / "dist" / path.name).read_bytes(), f"{path.name} differs"


def test_the_archive_holds_the_build_files_under_the_program_version_with_its_sum(archive):
    version = json.loads(subprocess.run(["exiftool", "-j", str(BUILD / "pixmode.exe")], check=True,
                                        capture_output=True, text=True, timeout=60).stdout)[0]["FileVersion"]
    zipped = archive / f"pixmode-{version}.zip"
    assert sorted(p.name for p in archive.iterdir()) == ["SHA256SUMS", zipped.name]
    assert (archive / "SHA256SUMS").read_text() == f"{hashlib.sha256(zipped.read_bytes()).hexdigest()}  {zipped.name}\n"
    with zipfile.ZipFile(zipped) as unpacked:
        assert unpacked.testzip() is None
        assert unpacked.namelist() == ARCHIVED
        for name in ARCHIVED:
            assert unpacked.read(name) == (BUILD / name).read_bytes(), f"{name} differs from the build's"
