"""The updater started with each opening of the main dialog and from the about box's link, and
the about box's labels, with the program installed in a folder whose name has blanks."""
import shutil

import pytest

from driver import IDCANCEL, IDOK
from resources import ID
from rig import windows_path
from runners import FILE_VERSION, UPDATER_CAPTION, updater_starts

ABOUT_BUTTON = ID["IDC_ABOUT_BUTTON"]
EMAIL_LINK, WEB_LINK, UPDATES_LINK = ID["IDC_ABOUT_EMAIL"], ID["IDC_ABOUT_WEB"], ID["IDC_ABOUT_UPDATES"]
DESCRIPTION, VERSION, COPYRIGHT = ID["IDC_ABOUT_DESCRIPTION"], ID["IDC_ABOUT_VERSION"], ID["IDC_ABOUT_COPYRIGHT"]


@pytest.fixture
def installed(request, rig, pixmode, tmp_path):
    """pixmode.exe and Marrowick.exe side by side in a folder with blanks (nested deep enough for
    a program path of over 200 characters when the parameter is "long"); the updater appends
    each parameter text it receives to a file."""
    folder = tmp_path / "Program Files" / "Pixmode With Blanks"
    while getattr(request, "param", "short") == "long" and len(windows_path(folder)) < 200:
        folder = folder / "one more level"
    folder.mkdir(parents=True)
    for name in ("pixmode.exe", "Marrowick.exe"):
        shutil.copy(rig.build_dir / name, folder / name)
    log = tmp_path / "updater starts.txt"
    pixmode.exe = folder / "pixmode.exe"
    rig.env["PIXMODE_UPDATER_LOG"] = windows_path(log)
    yield windows_path(folder / "pixmode.exe"), log
    rig.env.pop("PIXMODE_UPDATER_LOG", None)


def open_main_dialog(driver, pixmode):
    process = pixmode.start()
    dialog = driver.wait_window(cls="#32770", title="Pixmode", timeout=20)
    assert dialog is not None, "the main dialog did not appear"
    return process, dialog["hwnd"]


def close_main_dialog(driver, process, dialog):
    driver.click(dialog, IDCANCEL)
    assert driver.wait_gone(dialog, timeout=10)
    process.wait(timeout=20)


@pytest.mark.parametrize("installed", ["short", "long"], indirect=True)
def test_each_opening_of_the_main_dialog_starts_the_updater_automatically(driver, pixmode, installed):
    program, log = installed
    for opening in (1, 2):
        process, dialog = open_main_dialog(driver, pixmode)
        # Unquoted path with its blanks, the constant 0, the version and the automatic flag 1.
        assert updater_starts(log, opening) == [f"{program} 0 {FILE_VERSION} 1"] * opening
        # Started automatically, the updater says nothing.
        assert driver.wait_window(cls="#32770", title=UPDATER_CAPTION, timeout=2) is None
        close_main_dialog(driver, process, dialog)
    assert len(updater_starts(log, 2)) == 2


def test_about_box_shows_the_version_resource_and_checks_for_updates_by_hand(driver, pixmode, installed):
    program, log = installed
    process, dialog = open_main_dialog(driver, pixmode)
    updater_starts(log, 1)

    driver.press(dialog, ABOUT_BUTTON)
    about = driver.wait_window(cls="#32770", title="About", timeout=10)
    assert about is not None, "the about box did not appear"
    about = about["hwnd"]
    texts = {control: driver.control(about, control)["text"]
             for control in (DESCRIPTION, VERSION, COPYRIGHT, EMAIL_LINK, UPDATES_LINK, WEB_LINK)}
    assert texts == {
        DESCRIPTION: "Pixmode Display Resolution Switching Application",
        VERSION: "2.7.0.0",
        COPYRIGHT: "Copyright \u00a9 2026 Tallowin. All rights reserved.",
        EMAIL_LINK: "<a>Email</a>",
        UPDATES_LINK: "<a>Check for Updates</a>",
        WEB_LINK: "<a>Web Site</a>",
    }
    assert driver.control(about, EMAIL_LINK)["class"] == "SysLink"

    # Each use of the link starts the updater once more, by hand (flag 0); the box stays open.
    for use in (1, 2):
        driver.press_link(about, UPDATES_LINK)
        box = driver.wait_message_box(caption=UPDATER_CAPTION, timeout=15)
        assert box is not None, "the updater showed nothing"
        # The build has no address to look in, and the test sets none.
        assert box["icon"] == "information"
        assert box["buttons"] == [IDOK]
        assert updater_starts(log, 1 + use)[1:] == [f"{program} 0 {FILE_VERSION} 0"] * use
        driver.click(box["hwnd"], IDOK)
        assert driver.wait_gone(box["hwnd"], timeout=10)
        assert driver.control(about, VERSION)["text"] == "2.7.0.0"

    driver.click(about, IDOK)
    assert driver.wait_gone(about, timeout=10)
    # The main dialog is still open, and nothing else started the updater.
    assert driver.control(dialog, ABOUT_BUTTON)["enabled"]
    close_main_dialog(driver, process, dialog)
    assert len(updater_starts(log, 3)) == 3
