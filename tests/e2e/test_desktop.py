"""Arranging the desktop (make sole, make primary, extend) and switching from the main dialog,
read back from the X server and from the adapters Windows programs see.

Wine's display driver refuses with -2 a staged change that names the refresh rate without the
size, accepts a new primary without moving it and refuses rotation; so the successful make
primary and rotation are covered by the unit tests, and here only what Wine really does.
"""

import pytest

import xrandr
from driver import IDCANCEL, IDOK
from resources import ID, text
from waits import wait_until

FIRST, SECOND = r"\\.\DISPLAY1", r"\\.\DISPLAY2"
ATTACHED = 0x1
CHANGE_PERMANENT, DEVICE_LIST, MODE_LIST = ID["IDC_CHANGE_PERMANENT"], ID["IDC_DEVICE_LIST"], ID["IDC_MODE_LIST"]
SWITCH, EXTEND = ID["IDC_SWITCH"], ID["IDC_EXTEND"]


@pytest.fixture(autouse=True)
def known_start(rig, stored_modes):
    """Every test starts from the rig's layout: DUMMY0 1024x768 at 60 Hz, primary, left of
    DUMMY1 800x600. Requesting stored_modes puts back the adapters' stored modes too, which
    the staging calls write even when nothing is committed."""
    modes = xrandr.current_modes(rig.env)
    assert set(modes) == {"DUMMY0", "DUMMY1"}
    assert modes["DUMMY0"].size == (1024, 768) and round(modes["DUMMY0"].refresh) == 60
    assert modes["DUMMY0"].primary and modes["DUMMY1"].size == (800, 600)
    return modes


def adapters(driver):
    return {d["name"]: d for d in driver.displays()}


def stored(adapter):
    return (adapter["storedWidth"], adapter["storedHeight"])


def read_box(driver, expected):
    """The program's one OK box, which must say exactly this."""
    box = driver.wait_message_box(timeout=20)
    assert box is not None, f"no message box captioned Pixmode appeared (expected {expected!r})"
    assert (box["text"], box["buttons"], box["icon"]) == (expected, [IDOK], "warning")
    return box


def dismiss(driver, box):
    driver.click(box["hwnd"], IDOK)
    assert driver.wait_gone(box["hwnd"], timeout=30)


# Command line: make sole

@pytest.mark.parametrize("quiet", [False, True])
def test_make_sole_with_a_size_then_switches_the_name_it_resolved(rig, driver, pixmode, quiet):
    args = ("-M1", "-S", "-H1024", "-V768")
    renamed = None
    if quiet:
        # No box keeps the run waiting: it ends by itself.
        pixmode.run(*args, "-Q", timeout=20)
    else:
        process = pixmode.start(*args)
        box = read_box(driver, text("IDS_SOLE_CHANGED"))
        # The arrangement is committed before the message says so: the second output alone, at the
        # origin, in the requested size with the current rate.
        sole = xrandr.current_modes(rig.env)
        assert list(sole) == ["DUMMY1"], f"outputs still attached: {sole}"
        assert (sole["DUMMY1"].size, sole["DUMMY1"].x, sole["DUMMY1"].y, round(sole["DUMMY1"].refresh)) == \
            ((1024, 768), 0, 0, 60)
        # Whom the name that -M1 resolved, \\.\DISPLAY2, belongs to now, as the platform says.
        renamed = not adapters(driver)[SECOND]["stateFlags"] & ATTACHED
        dismiss(driver, box)
        process.wait(timeout=20)
    # The requested-mode switch follows on that name. Whatever adapter it reaches, every output
    # left on the desktop is in the requested size, and Windows programs see the X server's layout.
    after = xrandr.current_modes(rig.env)
    assert after and all((m.size, round(m.refresh)) == ((1024, 768), 60) for m in after.values()), after
    assert len([d for d in adapters(driver).values() if d["stateFlags"] & ATTACHED]) == len(after)
    if renamed:
        # Wine 8 names adapters in desktop order, so the name went to the detached DUMMY0, and the
        # switch attached it again beside DUMMY1.
        assert set(after) == {"DUMMY0", "DUMMY1"}, f"outputs: {after}"
    elif renamed is not None:
        # On Windows the name still belongs to the sole adapter, which the switch leaves as it is.
        # Wine 10 keeps the name there too, yet its X driver applies the change to DUMMY0 and
        # detaches DUMMY1 (that driver lists outputs primary first): one output either way.
        assert len(after) == 1, f"outputs: {after}"


# Command line: a staging call that Wine refuses. Make primary first stages the present primary
# at its shifted position with the rate but no size; plain make sole first detaches the first
# adapter (accepted), then stages the second with the rate but no size.

@pytest.mark.parametrize("args, refused, staged_first", [
    (("-M1", "-P"), FIRST, False),
    (("-M1", "-S"), SECOND, True),
    (("-M1", "-S", "-Q"), SECOND, True),   # failures are shown even when quiet
    (("-M1", "-P", "-Q"), FIRST, False),
])
def test_refused_staging_names_the_device_and_commits_nothing(rig, driver, pixmode, known_start, stored_modes,
                                                              args, refused, staged_first):
    process = pixmode.start(*args)
    box = read_box(driver, text("IDS_STAGE_FAILED", refused, -2))
    dismiss(driver, box)
    process.wait(timeout=20)
    assert xrandr.current_modes(rig.env) == known_start
    now = adapters(driver)
    assert [(d["width"], d["height"], d["x"], d["y"]) for d in now.values()] == [
        (1024, 768, 0, 0), (800, 600, 1024, 0)]
    # What was staged before the refusal stays recorded, neither committed nor withdrawn.
    assert stored(now[FIRST]) == ((0, 0) if staged_first else stored(stored_modes[FIRST]))
    assert stored(now[SECOND]) == stored(stored_modes[SECOND])


# Command line: refusals before any change

@pytest.mark.parametrize("quiet", [False, True])
def test_make_primary_of_the_primary_changes_nothing(rig, driver, pixmode, known_start, stored_modes, quiet):
    if quiet:
        pixmode.run("-M0", "-P", "-Q", timeout=20)
    else:
        process = pixmode.start("-M0", "-P")
        dismiss(driver, read_box(driver, text("IDS_ALREADY_PRIMARY")))
        process.wait(timeout=20)
    assert xrandr.current_modes(rig.env) == known_start
    assert {name: stored(d) for name, d in adapters(driver).items()} == {
        name: stored(d) for name, d in stored_modes.items()}


@pytest.mark.parametrize("option", ["-P", "-S"])
def test_unknown_monitor_number_warns_then_refuses_the_desktop_option(rig, driver, pixmode, known_start, option):
    process = pixmode.start("-M7", option)
    first = read_box(driver, text("IDS_BAD_MONITOR_NUMBER"))
    dismiss(driver, first)
    second = read_box(driver, text("IDS_NEED_MONITOR_NUMBER"))
    assert second["hwnd"] != first["hwnd"]
    dismiss(driver, second)
    process.wait(timeout=20)
    assert xrandr.current_modes(rig.env) == known_start


# The main dialog

def open_dialog(driver, pixmode):
    process = pixmode.start()
    dialog = driver.wait_window(cls="#32770", title="Pixmode", timeout=20)
    assert dialog is not None, "the main dialog did not appear"
    driver.control(dialog["hwnd"], MODE_LIST)  # a message box has no mode list: this raises
    return process, dialog["hwnd"]


def close_dialog(driver, process, dialog):
    driver.click(dialog, IDCANCEL)
    process.wait(timeout=20)


def select_mode(driver, dialog, width, height, rate):
    """Selects the mode list's 32-bit row of that size and rate; returns its mode number."""
    _, rows = driver.listview(dialog, MODE_LIST)
    wanted = [text("IDS_SCREEN_AREA", width, height), text("IDS_COLOURS_32"), text("IDS_FREQUENCY", rate)]
    row = next((r for r in rows if r["cells"][1:] == wanted), None)
    assert row is not None, f"no row {wanted} among {[r['cells'] for r in rows]}"
    driver.select_row(dialog, MODE_LIST, row["row"])
    selected = [r["row"] for r in driver.listview(dialog, MODE_LIST)[1] if r["selected"]]
    assert selected == [row["row"]]
    return row["param"]


def select_device(driver, dialog, name):
    items, _ = driver.combo(dialog, DEVICE_LIST)
    assert items == [FIRST, SECOND]
    driver.select_item(dialog, DEVICE_LIST, items.index(name))
    assert driver.combo(dialog, DEVICE_LIST) == (items, items.index(name))


def wait_box_over(driver, dialog, timeout=20.0):
    """The message box the dialog opens (same class and caption as the dialog itself)."""
    boxes = wait_until(lambda: [w for w in driver.list_windows(cls="#32770", title="Pixmode") if w["hwnd"] != dialog],
                       timeout, step=0.2)
    if not boxes:
        pytest.fail("no message box appeared over the dialog")
    return driver.message_box(boxes[0]["hwnd"])


@pytest.mark.parametrize("button, message", [(EXTEND, text("IDS_NO_MODE_SELECTED")), (SWITCH, None)])
def test_without_a_selected_mode_extend_says_so_and_switch_does_nothing(rig, driver, pixmode, known_start,
                                                                        stored_modes, button, message):
    process, dialog = open_dialog(driver, pixmode)
    select_device(driver, dialog, SECOND)
    driver.select_row(dialog, MODE_LIST, -1)
    assert not any(row["selected"] for row in driver.listview(dialog, MODE_LIST)[1])
    if message:
        driver.press(dialog, button)
        box = wait_box_over(driver, dialog)
        assert (box["text"], box["buttons"], box["icon"]) == (message, [IDOK], "warning")
        dismiss(driver, box)
    else:
        # A sent click returns once handled; a box would have kept it waiting.
        driver.click(dialog, button)
    assert [w["hwnd"] for w in driver.list_windows(cls="#32770", title="Pixmode")] == [dialog]
    assert xrandr.current_modes(rig.env) == known_start
    assert {name: stored(d) for name, d in adapters(driver).items()} == {
        name: stored(d) for name, d in stored_modes.items()}
    close_dialog(driver, process, dialog)


@pytest.mark.parametrize("width, height", [(640, 480), (1024, 768)])
def test_extend_attaches_a_detached_adapter_in_the_selected_mode(rig, driver, pixmode, width, height):
    xrandr.turn_off(rig.env, "DUMMY1")
    # Wine keeps the name of the detached adapter, which follows the primary one.
    assert wait_until(lambda: not adapters(driver)[SECOND]["stateFlags"] & ATTACHED, 30), adapters(driver)
    assert list(xrandr.current_modes(rig.env)) == ["DUMMY0"]
    process, dialog = open_dialog(driver, pixmode)
    select_device(driver, dialog, SECOND)
    select_mode(driver, dialog, width, height, 60)
    driver.click(dialog, EXTEND)
    after = xrandr.current_modes(rig.env)
    assert set(after) == {"DUMMY0", "DUMMY1"}
    assert after["DUMMY1"].size == (width, height) and after["DUMMY0"].size == (1024, 768)
    assert after["DUMMY0"].primary
    second = adapters(driver)[SECOND]
    assert second["stateFlags"] & ATTACHED
    assert (second["width"], second["height"]) == (width, height)
    # Windows stores the staged mode. Wine 10 stores 0 by 0 for every adapter it finds detached
    # whenever a process reads the adapters afresh, and it applies the commit one output after the
    # other, so a process that reads them in between stores that over the staged mode.
    assert stored(second) in {(width, height), (0, 0)}
    assert driver.list_windows(cls="#32770", title="Pixmode") != [], "the dialog closed"
    close_dialog(driver, process, dialog)


@pytest.mark.parametrize("device, output, other, permanent", [
    (FIRST, "DUMMY0", "DUMMY1", False),
    (FIRST, "DUMMY0", "DUMMY1", True),
    (SECOND, "DUMMY1", "DUMMY0", False),
    (SECOND, "DUMMY1", "DUMMY0", True),
])
def test_switch_applies_the_selected_mode_and_stores_it_when_permanent(rig, driver, pixmode, known_start,
                                                                      stored_modes, device, output, other,
                                                                      permanent):
    process, dialog = open_dialog(driver, pixmode)
    if device != FIRST:
        select_device(driver, dialog, device)
    if permanent:
        driver.click(dialog, CHANGE_PERMANENT)
        assert driver.control(dialog, CHANGE_PERMANENT)["checked"] == 1
    select_mode(driver, dialog, 640, 480, 60)
    driver.click(dialog, SWITCH)
    after = xrandr.current_modes(rig.env)
    assert after[output].size == (640, 480)
    assert after[other].size == known_start[other].size
    now = adapters(driver)
    assert (now[device]["width"], now[device]["height"]) == (640, 480)
    assert stored(now[device]) == ((640, 480) if permanent else stored(stored_modes[device]))
    untouched = FIRST if device == SECOND else SECOND
    assert stored(now[untouched]) == stored(stored_modes[untouched])
    # No message on success: the dialog is the only window of its kind.
    assert [w["hwnd"] for w in driver.list_windows(cls="#32770", title="Pixmode")] == [dialog]
    close_dialog(driver, process, dialog)
