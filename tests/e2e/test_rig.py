"""The rig itself: what Windows programs see of the two outputs, and putting modes back."""
import xrandr


def test_windows_programs_see_two_adapters_with_the_x_modes(rig, driver):
    adapters = driver.displays()
    assert [a["name"] for a in adapters] == [r"\\.\DISPLAY1", r"\\.\DISPLAY2"]
    # Attached and primary, then attached only.
    assert [a["stateFlags"] for a in adapters] == [0x5, 0x1]
    outputs = xrandr.current_modes(rig.env)
    assert (adapters[0]["width"], adapters[0]["height"]) == outputs["DUMMY0"].size
    assert (adapters[1]["width"], adapters[1]["height"], adapters[1]["x"]) == (
        outputs["DUMMY1"].width, outputs["DUMMY1"].height, outputs["DUMMY0"].width)


def test_both_adapters_offer_one_size_at_two_rates_and_no_duplicates(driver):
    for adapter in driver.displays():
        modes = [(m["width"], m["height"], m["bpp"], m["frequency"]) for m in driver.modes(adapter["name"])]
        assert len(modes) == len(set(modes)) == adapter["modeCount"]
        assert {(1024, 768, 32, 60), (1024, 768, 32, 75), (800, 600, 32, 60), (640, 480, 32, 60),
                (1280, 1024, 32, 60)} <= set(modes)


def test_a_mode_changed_by_a_program_is_seen_by_xrandr_and_put_back(rig, driver):
    saved = xrandr.current_modes(rig.env)
    assert driver.change(640, 480) == 0
    changed = xrandr.current_modes(rig.env)
    assert changed["DUMMY0"].size == (640, 480)
    # Wine keeps the second output next to the first.
    assert (changed["DUMMY1"].x, changed["DUMMY1"].size) == (640, saved["DUMMY1"].size)
    assert "DUMMY0" in xrandr.restore(rig.env, saved)
    assert xrandr.current_modes(rig.env) == saved
