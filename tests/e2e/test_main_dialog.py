"""The main dialog on the virtual display: both adapters in the device list, the primary one
selected with its labels, and its modes exactly as Windows programs enumerate them, filtered by
the current refresh rate. A screenshot of the dialog is left in the build folder."""
import pytest

from driver import IDCANCEL, DriverError

DEVICE_DESCRIPTION, DEVICE_NUMBER, MONITOR_NAMES = 1011, 1037, 1042
REFRESH_FILTER, DEVICE_LIST, MODE_LIST = 1004, 1007, 1009
ROTATE_0 = 1038
MESSAGE_TEXT = 0xFFFF
PRIMARY = 0x4

COLOURS = {4: "16", 8: "256", 15: "High Colour (15-bit)", 16: "High Colour (16-bit)",
           24: "True colour (24-bit)", 32: "True colour (32-bit)"}


def colour_label(bpp):
    return COLOURS.get(bpp, f"{bpp} bpp")


def filtered_rows(modes, current):
    """The rows the filtered list shows, in mode-number order, and the mode of the current item."""
    rows, current_mode = [], None
    for mode in modes:
        rate = mode["frequency"]
        matches = current["frequency"] == 0 or current["frequency"] == rate
        hardware_default = rate in (0, 1)
        if not (matches or hardware_default):
            continue
        label = "Hardware Default" if hardware_default else f"{rate} Hertz"
        rows.append([str(mode["index"]), f"{mode['width']} x {mode['height']}", colour_label(mode["bpp"]), label])
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
    assert headers == ["Mode", "Screen Area", "Colours", "Refresh Rate"]
    expected, current_mode = filtered_rows(driver.modes(adapter["name"]), adapter)
    assert expected, "the primary adapter lists no mode"
    assert [row["cells"] for row in rows] == expected
    # Each item carries its platform mode number.
    assert [row["param"] for row in rows] == [int(cells[0]) for cells in expected]
    assert [row["param"] for row in rows if row["selected"]] == [current_mode]

    shot = rig.screenshot(rig.build_dir / "main_dialog.png")
    assert shot.stat().st_size > 0
