"""Starting without a mode option: the main dialog, and the process ending with it."""
import pytest

import xrandr
from driver import IDCANCEL, DriverError
from resources import ID

CHANGE_PERMANENT = ID["IDC_CHANGE_PERMANENT"]
MODE_LIST = ID["IDC_MODE_LIST"]
MESSAGE_TEXT = 0xFFFF


def wait_main_dialog(driver):
    dialog = driver.wait_window(cls="#32770", title="Pixmode", timeout=20)
    assert dialog is not None, "the main dialog did not appear"
    # A message box has the same class and caption; it has a text control, the dialog does not.
    with pytest.raises(DriverError):
        driver.control(dialog["hwnd"], MESSAGE_TEXT)
    return dialog


@pytest.mark.parametrize("args, permanent", [((), 0), (("-u",), 1), (("/U",), 1)])
def test_dialog_shows_and_the_run_ends_when_it_closes(rig, driver, pixmode, args, permanent):
    before = xrandr.current_modes(rig.env)
    process = pixmode.start(*args)
    dialog = wait_main_dialog(driver)
    assert driver.control(dialog["hwnd"], CHANGE_PERMANENT)["checked"] == permanent
    headers, rows = driver.listview(dialog["hwnd"], MODE_LIST)
    assert headers and rows, "the mode list is empty"
    driver.click(dialog["hwnd"], IDCANCEL)
    assert driver.wait_gone(dialog["hwnd"], timeout=10)
    process.wait(timeout=20)
    assert xrandr.current_modes(rig.env) == before
