"""The main dialog on the virtual display: both adapters in the device list, the primary one
selected with its labels, and its modes exactly as Windows programs enumerate them, filtered by
the current refresh rate. A screenshot of the dialog is left in the build folder."""
import pytest

from driver import IDCANCEL, DriverError
from resources import ID, text

DEVICE_DESCRIPTION, DEVICE_NUMBER = ID["IDC_DEVICE_DESCRIPTION"], ID["IDC_DEVICE_NUMBER"]
MONITOR_NAMES, REFRESH_FILTER = ID["IDC_MONITOR_NAMES"], ID["IDC_REFRESH_FILTER"]
DEVICE_LIST, MODE_LIST, ROTATE_0 = ID["IDC_DEVICE_LIST"], ID["IDC_MODE_LIST"], ID["IDC_ROTATE_0"]
MESSAGE_TEXT = 0xFFFF
PRIMARY = 0x4

def colour_label(bpp):
    named = f"IDS_COLOURS_{bpp}"
    return text(named) if named in ID else text("IDS_COLOURS_OTHER", bpp)


def filtered_rows(modes, current):
    """The rows the filtered list shows, in mode-number order, and the mode of the current item."""
    rows, current_mode = [], None
    for mode in modes:
        rate = mode["frequency"]
        matches = current["frequency"] == 0 or current["frequency"] == rate
        hardware_default = rate in (0, 1)
        if not (matches or hardware_default):
            continue
        label = text("IDS_HARDWARE_DEFAULT") if hardware_default else text("IDS_FREQUENCY", rate)
        rows.append([str(mode["index"]), text("IDS_SCREEN_AREA", mode["width"], mode["height"]),
                     colour_label(mode["bpp"]), label])
        if matches and (mode["width"], mode["height"], mode["bpp"]) == \
                (current["width"], current["height"], current["bpp"]):
            current_mode = mode["index"]
    return rows, current_mode


@pytest.fixture
def main_dialog(driver, pixmode):
    process = pixmode.start()
    window = driver.wait_window(cls="#32770", title="Pixmode", timeout=20)
    assert window is not None, "the main dialog did not appear"
    hwnd = window["hwnd"]
    # A message box has the same class and caption, but a text control of its own.
    with pytest.raises(DriverError):
        driver.control(hwnd, MESSAGE_TEXT)
    yield hwnd
    driver.click(hwnd, IDCANCEL)
    assert driver.wait_gone(hwnd, timeout=10)
    process.wait(timeout=20)


def test_main_dialog_shows_both_adapters_and_the_filtered_modes(rig, driver, main_dialog):
    adapters = driver.displays()
    assert len(adapters) == 2, "the rig has two outputs"
    items, selected = driver.combo(main_dialog, DEVICE_LIST)
    assert items == [adapter["name"] for adapter in adapters]
    primary = next(i for i, adapter in enumerate(adapters) if adapter["stateFlags"] & PRIMARY)
    assert selected == primary
    adapter = adapters[primary]
    assert driver.control(main_dialog, DEVICE_DESCRIPTION)["text"] == adapter["description"]
    assert driver.control(main_dialog, DEVICE_NUMBER)["text"] == str(adapter["index"])
    assert driver.control(main_dialog, MONITOR_NAMES)["text"] == "; ".join(adapter["monitors"])
    assert driver.control(main_dialog, DEVICE_LIST)["enabled"]
    assert driver.control(main_dialog, REFRESH_FILTER)["checked"] == 1

    headers, rows = driver.listview(main_dialog, MODE_LIST)
    assert headers == [text("IDS_COLUMN_MODE"), text("IDS_COLUMN_SCREEN_AREA"), text("IDS_COLUMN_COLOURS"),
                       text("IDS_COLUMN_REFRESH_RATE")]
    expected, current_mode = filtered_rows(driver.modes(adapter["name"]), adapter)
    assert expected, "the primary adapter lists no mode"
    assert [row["cells"] for row in rows] == expected
    # Each item carries its platform mode number.
    assert [row["param"] for row in rows] == [int(cells[0]) for cells in expected]
    assert [row["param"] for row in rows if row["selected"]] == [current_mode]

    shot = rig.screenshot(rig.build_dir / "main_dialog.png")
    assert shot.stat().st_size > 0
