"""Creating the desktop shortcut from the main dialog, read back from the link file it writes."""
import re
import subprocess
from pathlib import Path

import pytest

from driver import IDOK, Driver

# Buttons that open a modal window (Shortcut, and Create Shortcut when it fails) do not return
# from a sent click until that window closes; they are pressed with a posted click.
pytestmark = pytest.mark.skipif(not hasattr(Driver, "press"),
                                reason="e2e-driver has no posted click (press) yet")

LINK_NAME = "Your Pixmode application shortcut.lnk"
REFRESH_FILTER, CHANGE_PERMANENT, SHORTCUT, ROTATE_90 = 1004, 1005, 1019, 1039
RESOLUTION, COLOURS, FREQUENCY, HZ = 1025, 1028, 1029, 1031
MONITOR_LABEL, DEVICE_NUMBER, PROGRAM, REGISTRY_NOTE = 1032, 1007, 1030, 1027
PRIMARY_DEVICE = 0x4


def desktop_folder(rig):
    users = Path(rig.env["WINEPREFIX"]) / "drive_c" / "users"
    folders = [user / "Desktop" for user in users.iterdir()
               if user.name != "Public" and (user / "Desktop").is_dir()]
    assert len(folders) == 1, folders
    return folders[0]


def read_link(path):
    """Target, arguments, comment and icon of a link file, as lnkinfo reads them."""
    out = subprocess.run(["lnkinfo", str(path)], capture_output=True, text=True, check=True,
                         timeout=30).stdout
    fields = {}
    for line in out.splitlines():
        match = re.match(r"^\t(Local path|Description|Command line arguments|Icon location)\t+: ?(.*)$", line)
        if match and match.group(1) not in fields:
            fields[match.group(1)] = match.group(2)
    return fields


def windows_path(path):
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


def remove(path):
    if path.is_dir() and not path.is_symlink():
        path.rmdir()
    elif path.exists() or path.is_symlink():
        path.unlink()


@pytest.fixture
def link(rig):
    path = desktop_folder(rig) / LINK_NAME
    remove(path)
    yield path
    remove(path)


@pytest.fixture
def primary(driver):
    """The adapter the main dialog selects at start, with its current mode."""
    adapters = [d for d in driver.displays() if d["stateFlags"] & PRIMARY_DEVICE]
    assert len(adapters) == 1, adapters
    return adapters[0]


def open_main_dialog(driver, pixmode):
    pixmode.start()
    main = driver.wait_window(cls="#32770", title="Pixmode", timeout=30)
    assert main is not None, "the main dialog did not open"
    return main


def open_shortcut_dialog(driver, main):
    driver.press(main["hwnd"], SHORTCUT)
    dialog = driver.wait_window(cls="#32770", title="Create Pixmode Shortcut", timeout=20)
    assert dialog is not None, "the shortcut dialog did not open"
    return dialog


def text(driver, dialog, control_id):
    return driver.control(dialog["hwnd"], control_id)["text"]


def shown(driver, dialog, control_id):
    return driver.control(dialog["hwnd"], control_id)["visible"]


def test_create_without_a_program_links_this_program_at_the_selected_mode(rig, driver, pixmode, link, primary):
    width, height, bpp = primary["width"], primary["height"], primary["bpp"]
    main = open_main_dialog(driver, pixmode)
    dialog = open_shortcut_dialog(driver, main)

    assert text(driver, dialog, RESOLUTION) == f"{width} x {height}"
    assert text(driver, dialog, COLOURS) == str(2 ** bpp)
    # The refresh filter starts checked, so no frequency is handed over.
    assert text(driver, dialog, FREQUENCY) == "" and not shown(driver, dialog, HZ)
    assert text(driver, dialog, DEVICE_NUMBER) == str(primary["index"]) and shown(driver, dialog, MONITOR_LABEL)
    assert not shown(driver, dialog, REGISTRY_NOTE)
    program = driver.control(dialog["hwnd"], PROGRAM)
    assert (program["text"], program["enabled"]) == ("Browse and select a program", False)

    driver.click(dialog["hwnd"], IDOK)
    assert driver.wait_gone(dialog["hwnd"], timeout=20), "Create Shortcut did not close the dialog"
    assert link.is_file()
    fields = read_link(link)
    assert fields["Local path"].lower() == windows_path(pixmode.exe).lower()
    assert fields["Command line arguments"] == f" -H{width} -V{height} -C{2 ** bpp} -M{primary['index']}"
    assert fields["Description"] == f"Runs  via Pixmode at a resolution of {width}x{height}"
    assert fields["Icon location"] == ""
    driver.close(main["hwnd"])


def test_turned_permanent_mode_with_its_rate(rig, driver, pixmode, link, primary):
    width, height, bpp, rate = primary["width"], primary["height"], primary["bpp"], primary["frequency"]
    main = open_main_dialog(driver, pixmode)
    driver.click(main["hwnd"], REFRESH_FILTER)
    driver.click(main["hwnd"], CHANGE_PERMANENT)
    assert driver.control(main["hwnd"], ROTATE_90)["enabled"], "the rotation buttons are disabled"
    driver.click(main["hwnd"], ROTATE_90)
    dialog = open_shortcut_dialog(driver, main)

    assert text(driver, dialog, RESOLUTION) == f"{height} x {width}"
    assert text(driver, dialog, FREQUENCY) == str(rate) and shown(driver, dialog, HZ)
    assert shown(driver, dialog, REGISTRY_NOTE)

    driver.click(dialog["hwnd"], IDOK)
    assert driver.wait_gone(dialog["hwnd"], timeout=20)
    fields = read_link(link)
    assert fields["Command line arguments"] == (
        f" -H{height} -V{width} -C{2 ** bpp} -F{rate} -M{primary['index']} -O90 -U")
    assert fields["Description"] == f"Runs  via Pixmode at a resolution of {height}x{width}"
    driver.close(main["hwnd"])


def test_a_failed_write_is_reported_and_the_dialog_stays_open(rig, driver, pixmode, link, primary):
    # A folder where the link file should go makes the save fail.
    link.mkdir()
    main = open_main_dialog(driver, pixmode)
    dialog = open_shortcut_dialog(driver, main)
    driver.press(dialog["hwnd"], IDOK)

    box = driver.wait_message_box(timeout=20)
    assert box is not None, "no failure message appeared"
    assert box["text"].startswith("Failed to save the shortcut\n\n")
    reason = box["text"][len("Failed to save the shortcut\n\n"):]
    assert reason and not reason.endswith("\n") and not reason.endswith("\r")
    assert (box["caption"], box["buttons"], box["icon"]) == ("Pixmode", [IDOK], "warning")
    driver.click(box["hwnd"], IDOK)
    assert driver.wait_gone(box["hwnd"], timeout=10)
    assert driver.list_windows(cls="#32770", title="Create Pixmode Shortcut"), "the dialog closed after a failure"

    # Once the way is clear, the same dialog writes the link.
    link.rmdir()
    driver.click(dialog["hwnd"], IDOK)
    assert driver.wait_gone(dialog["hwnd"], timeout=20)
    assert read_link(link)["Command line arguments"].startswith(f" -H{primary['width']} -V{primary['height']}")
    driver.close(main["hwnd"])
