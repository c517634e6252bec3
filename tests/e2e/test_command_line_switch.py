"""Switching the display mode from the command line, read back from the X server."""
import pytest

import xrandr
from driver import IDOK
from resources import text

FIRST, SECOND = r"\\.\DISPLAY1", r"\\.\DISPLAY2"


@pytest.fixture(autouse=True)
def known_start(rig):
    """Every test starts from the rig's initial layout: 1024x768 at 60 Hz left of 800x600."""
    modes = xrandr.current_modes(rig.env)
    assert modes["DUMMY0"].size == (1024, 768) and round(modes["DUMMY0"].refresh) == 60
    assert modes["DUMMY1"].size == (800, 600)
    return modes


def expect_box(driver, expected):
    """The program's one warning box with exactly this text."""
    # Windows process ids under Wine are not the Linux ones: find the box by class and caption
    # (the fixture ends every run a test leaves behind, so no older box is left).
    box = driver.wait_message_box(timeout=20)
    assert box is not None, "no message box captioned Pixmode appeared"
    assert (box["caption"], box["text"], box["buttons"], box["icon"]) == \
        (text("IDS_APP_TITLE"), expected, [IDOK], "warning")
    return box


def press_ok_and_wait(driver, process, box):
    driver.click(box["hwnd"], IDOK)
    process.wait(timeout=20)


@pytest.mark.parametrize("args", [
    ("-H800", "-V600"),
    ("/h800", "/v600"),      # letters are case-insensitive, "/" is a prefix
    ("\\V600", "\\H800"),    # backslash prefix, any order
])
def test_width_and_height_switch_the_primary_output_only(rig, pixmode, known_start, args):
    pixmode.run(*args)
    after = xrandr.current_modes(rig.env)
    assert after["DUMMY0"].size == (800, 600)
    assert after["DUMMY1"].size == known_start["DUMMY1"].size


def test_the_previous_mode_comes_back_at_its_own_rate(rig, pixmode, known_start):
    pixmode.run("-H800", "-V600")
    assert xrandr.primary_mode(rig.env).size == (800, 600)
    pixmode.run("-H1024", "-V768")
    # The same RandR mode as before: 1024x768 at 60 Hz, not the 75 Hz one of the same size.
    assert xrandr.primary_mode(rig.env) == known_start["DUMMY0"]


def test_frequency_option_picks_the_other_rate_of_the_same_size(rig, pixmode):
    pixmode.run("-H1024", "-V768", "-F75")
    primary = xrandr.primary_mode(rig.env)
    assert primary.size == (1024, 768) and round(primary.refresh) == 75


@pytest.mark.parametrize("store", [True, False])
def test_update_option_also_stores_the_new_mode(rig, driver, pixmode, stored_modes, store):
    pixmode.run(*(["-U"] if store else []), "-H800", "-V600")
    assert xrandr.primary_mode(rig.env).size == (800, 600)
    adapters = {d["name"]: d for d in driver.displays()}
    stored = {name: (d["storedWidth"], d["storedHeight"]) for name, d in adapters.items()}
    before = {name: (d["storedWidth"], d["storedHeight"]) for name, d in stored_modes.items()}
    assert stored[FIRST] == ((800, 600) if store else before[FIRST])
    assert stored[SECOND] == before[SECOND]


def test_monitor_number_switches_the_second_output(rig, pixmode, known_start):
    pixmode.run("-M1", "-H1024", "-V768")
    after = xrandr.current_modes(rig.env)
    assert after["DUMMY1"].size == (1024, 768)
    assert after["DUMMY0"] == known_start["DUMMY0"]


def test_invalid_monitor_number_warns_then_switches_the_default_output(rig, driver, pixmode, known_start):
    process = pixmode.start("-M9", "-H800", "-V600")
    box = expect_box(driver, text("IDS_BAD_MONITOR_NUMBER"))
    # Nothing has changed while the warning waits.
    assert xrandr.current_modes(rig.env) == known_start
    press_ok_and_wait(driver, process, box)
    after = xrandr.current_modes(rig.env)
    assert after["DUMMY0"].size == (800, 600)
    assert after["DUMMY1"].size == known_start["DUMMY1"].size


@pytest.mark.parametrize("rate", [60, 75])
def test_impossible_size_shows_what_was_asked_for_and_changes_nothing(rig, driver, pixmode, rate):
    if rate != 60:
        assert driver.change(1024, 768, rate) == 0
    before = xrandr.current_modes(rig.env)
    process = pixmode.start("-H12345", "-V777")
    # The current rate is requested again, so the message names it.
    box = expect_box(driver, text("IDS_CHANGE_REQUEST_FAILED", text("IDS_REQUESTED_MODE", 12345, 777, 32, rate)))
    press_ok_and_wait(driver, process, box)
    assert xrandr.current_modes(rig.env) == before


def test_quiet_option_suppresses_the_failure_message(rig, pixmode, known_start):
    # A box would keep the process waiting for OK; with -Q it ends by itself.
    pixmode.run("-Q", "-H12345", "-V777", timeout=20)
    assert xrandr.current_modes(rig.env) == known_start


def test_mode_number_switches_the_default_output_even_with_a_monitor_number(rig, driver, pixmode, known_start):
    modes = driver.modes()
    number = next(m["index"] for m in modes
                  if (m["width"], m["height"], m["bpp"], m["frequency"]) == (640, 480, 32, 60))
    pixmode.run("-M1", str(number))
    after = xrandr.current_modes(rig.env)
    assert after["DUMMY0"].size == (640, 480)
    assert after["DUMMY1"].size == known_start["DUMMY1"].size


def test_unknown_mode_number_is_named_in_the_message(rig, driver, pixmode, known_start):
    process = pixmode.start("99999")
    box = expect_box(driver, text("IDS_BAD_MODE_NUMBER", 99999))
    press_ok_and_wait(driver, process, box)
    assert xrandr.current_modes(rig.env) == known_start


def test_negative_mode_numbers_go_to_the_platform_as_given(rig, driver, pixmode, known_start, stored_modes):
    # With a leading blank "-2" is no option but a mode number: the stored mode, applied.
    CDS_UPDATEREGISTRY, CDS_NORESET = 0x1, 0x10000000
    assert driver.change(800, 600, flags=CDS_UPDATEREGISTRY | CDS_NORESET) == 0
    assert xrandr.current_modes(rig.env) == known_start
    pixmode.run(" -2")
    assert xrandr.current_modes(rig.env)["DUMMY0"].size == (800, 600)

    process = pixmode.start(" -5")
    box = expect_box(driver, "Can't use display mode -5")
    press_ok_and_wait(driver, process, box)
