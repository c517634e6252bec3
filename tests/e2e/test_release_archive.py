"""The archive as users get it: unpacked into a folder of its own whose path has blanks, and the
program started there without options. The main dialog comes alone, Help opens that folder's help
page, and "Check for Updates" is answered by the updater that came with it."""
import re
import subprocess
import time
import zipfile

import pytest

from driver import IDCANCEL, IDOK
from resources import ID
from rig import ROOT, windows_path
from runners import UPDATER_CAPTION, updater_starts
from waits import appended_lines

ABOUT_BUTTON, HELP_BUTTON, UPDATES_LINK = ID["IDC_ABOUT_BUTTON"], ID["IDC_HELP_BUTTON"], ID["IDC_ABOUT_UPDATES"]
# The shell's association of web pages, set to a recorder for the test and put back afterwards.
HTML_KEYS = (r"HKCR\.html", r"HKCR\htmlfile\shell\open\command")


@pytest.fixture
def unpacked(rig, pixmode, tmp_path):
    """The archive of the build under test, unpacked as a user would, with the updater's starts
    recorded."""
    dist = tmp_path / "dist"
    subprocess.run(["/usr/bin/python3", ROOT / "scripts" / "archive.py", rig.build_dir, dist], check=True,
                   capture_output=True, timeout=120)
    (archive,) = dist.glob("pixmode-*.zip")
    folder = tmp_path / "My Downloads" / "Pixmode 2.7"
    with zipfile.ZipFile(archive) as zipped:
        zipped.extractall(folder)
    pixmode.exe = folder / "pixmode.exe"
    pixmode.cwd = folder
    log = tmp_path / "updater starts.txt"
    rig.env["PIXMODE_UPDATER_LOG"] = windows_path(log)
    yield folder, log
    rig.env.pop("PIXMODE_UPDATER_LOG", None)


@pytest.fixture
def html_opens(rig, tmp_path):
    """Records what the shell opens as a web page, instead of starting a browser."""
    log = tmp_path / "opened.txt"
    assert " " not in str(log), "the recording command takes a file name without blanks"
    saved = {key: registry_default(rig, key) for key in HTML_KEYS}
    set_registry_default(rig, HTML_KEYS[0], "htmlfile")
    set_registry_default(rig, HTML_KEYS[1], f"C:\\windows\\system32\\cmd.exe /c echo %1>>{windows_path(log)}")
    yield log
    for key, value in saved.items():
        if value is None:
            rig.wine("reg", "delete", key, "/f", check=True)
        else:
            set_registry_default(rig, key, value)


def registry_default(rig, key):
    """The default value of a registry key, or None when there is no such key."""
    found = rig.wine("reg", "query", key, "/ve")
    match = re.search(r"REG_SZ\s+(.*)", found.stdout)
    return match.group(1).rstrip("\r") if found.returncode == 0 and match else None


def set_registry_default(rig, key, value):
    rig.wine("reg", "add", key, "/ve", "/d", value, "/f", check=True)


def windows_beside(driver, main, seconds):
    """Any other visible top-level window seen within the given time."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        others = [window for window in driver.list_windows() if window["hwnd"] != main]
        if others:
            return others
        time.sleep(0.2)
    return []


def test_the_unpacked_archive_starts_with_the_main_dialog_alone(driver, pixmode, unpacked, html_opens):
    folder, updater_log = unpacked
    process = pixmode.start()
    main = driver.wait_window(cls="#32770", title="Pixmode", timeout=30)
    assert main is not None, "the main dialog did not appear"
    # The updater beside it was started automatically, and ended without a word.
    assert len(updater_starts(updater_log, 1)) == 1
    assert windows_beside(driver, main["hwnd"], seconds=3) == []

    driver.press(main["hwnd"], HELP_BUTTON)
    opened = appended_lines(html_opens, 1, 20)
    assert opened, "Help opened no page"
    assert [line.strip().strip('"') for line in opened] == [windows_path(folder / "readme.html")]

    driver.press(main["hwnd"], ABOUT_BUTTON)
    about = driver.wait_window(cls="#32770", title="About", timeout=10)
    assert about is not None, "the about box did not appear"
    driver.press_link(about["hwnd"], UPDATES_LINK)
    box = driver.wait_message_box(caption=UPDATER_CAPTION, timeout=20)
    assert box is not None, "the updater did not answer"
    driver.click(box["hwnd"], box["buttons"][-1])
    assert driver.wait_gone(box["hwnd"], timeout=10)
    driver.click(about["hwnd"], IDOK)
    assert driver.wait_gone(about["hwnd"], timeout=10)

    driver.click(main["hwnd"], IDCANCEL)
    assert driver.wait_gone(main["hwnd"], timeout=10)
    process.wait(timeout=20)
