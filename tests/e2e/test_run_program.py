"""Running another program at a mode (-X, with -R) and putting the previous mode back,
read back from the X server. The program run is testapp.exe, scripted by its command line."""
import time
from pathlib import Path

import pytest

import xrandr
from driver import IDOK
from resources import text
from rig import windows_path
from waits import wait_until

ORIGINAL = (1024, 768)
REQUESTED = (800, 600)
# Seconds the watcher may take on a loaded machine to follow a change of the watched window (it
# looks every half second, then changes the mode through Wine). A script leaves more than this
# between a change the test waits for and the next one.
FOLLOW = 8


class ScriptedApp:
    """testapp.exe as Pixmode's -X option runs it, with a log of what it has done."""

    def __init__(self, rig, tmp_path):
        self.exe = Path(rig.build_dir) / "testapp.exe"
        self.log = tmp_path / "testapp.log"

    def option(self, *args):
        """The -X argument: the quoted program path, its log and the given arguments."""
        return f'-X"{windows_path(self.exe)}" --log {windows_path(self.log)} ' + " ".join(args)

    def lines(self):
        return self.log.read_text().splitlines() if self.log.exists() else []

    def wait_for(self, action, timeout=60):
        assert wait_until(lambda: any(line.split()[0] == action for line in self.lines()), timeout), \
            f"testapp never logged {action}: {self.lines()}"


def primary_size(rig):
    return xrandr.primary_mode(rig.env).size


@pytest.fixture(autouse=True)
def known_start(rig):
    assert primary_size(rig) == ORIGINAL


@pytest.fixture
def testapp(rig, tmp_path):
    return ScriptedApp(rig, tmp_path)


def test_program_runs_at_the_requested_mode_and_the_saved_mode_comes_back(rig, pixmode, testapp):
    process = pixmode.start("-H800", "-V600", testapp.option("--script", "exit0@4000"))
    testapp.wait_for("ready")
    assert primary_size(rig) == REQUESTED
    # Pixmode waits for the program and ends only after it.
    assert process.poll() is None
    testapp.wait_for("exit0")
    process.wait(timeout=30)
    assert primary_size(rig) == ORIGINAL


def test_only_when_maximized_applies_while_maximized_and_restores_behind_another_window(rig, pixmode, testapp):
    # (Minimizing is not used here: under Wine the desktop window, a popup, takes the front then,
    # and a popup in front keeps the mode.)
    process = pixmode.start("-R", "-H800", "-V600",
                            testapp.option("--script", "maximize@4000,second@14000,exit0@24000"))
    testapp.wait_for("ready")
    time.sleep(1.5)
    assert primary_size(rig) == ORIGINAL, "the mode changed before the window was maximized"
    testapp.wait_for("maximize")
    assert wait_until(lambda: primary_size(rig) == REQUESTED, FOLLOW), "maximizing did not apply the mode"
    testapp.wait_for("second")
    assert wait_until(lambda: primary_size(rig) == ORIGINAL, FOLLOW), "another window in front did not restore the mode"
    assert process.poll() is None
    process.wait(timeout=60)
    assert any(line.startswith("exit0") for line in testapp.lines())
    assert primary_size(rig) == ORIGINAL


def test_only_when_maximized_keeps_the_mode_behind_a_popup(rig, pixmode, testapp):
    process = pixmode.start("-R", "-H800", "-V600",
                            testapp.option("--script", "maximize@3000,popup@13000,exit0@16000"))
    testapp.wait_for("maximize")
    assert wait_until(lambda: primary_size(rig) == REQUESTED, FOLLOW)
    testapp.wait_for("popup")
    time.sleep(1.5)
    assert primary_size(rig) == REQUESTED, "a popup in front put the saved mode back"
    process.wait(timeout=30)
    assert primary_size(rig) == ORIGINAL


def test_only_when_maximized_without_a_window_never_changes_and_leaves_the_program_running(rig, pixmode, testapp):
    process = pixmode.start("-R", "-H800", "-V600", testapp.option("--hidden", "--script", "exit0@25000"))
    testapp.wait_for("ready")
    started = time.monotonic()
    # The search gives up after 10 s; the program goes on running.
    process.wait(timeout=40)
    assert time.monotonic() - started < 20
    assert primary_size(rig) == ORIGINAL
    assert not any(line.startswith("exit0") for line in testapp.lines())
    testapp.wait_for("exit0", timeout=30)


def test_program_that_cannot_be_started_is_reported_and_the_saved_mode_comes_back(rig, driver, pixmode, tmp_path):
    missing = windows_path(tmp_path / "no-such-program.exe")
    process = pixmode.start("-Q", "-H800", "-V600", f"-X{missing} --flag")
    box = driver.wait_message_box(timeout=20)
    assert box is not None, "no message box captioned Pixmode appeared"
    assert box["text"].rstrip("\r\n") == text("IDS_RUN_FAILED", f"{missing} --flag", "File not found.")
    assert (box["caption"], box["buttons"], box["icon"]) == (text("IDS_APP_TITLE"), [IDOK], "information")
    # The requested mode was applied before the run; the box waits.
    assert primary_size(rig) == REQUESTED
    driver.click(box["hwnd"], IDOK)
    process.wait(timeout=20)
    assert primary_size(rig) == ORIGINAL


@pytest.mark.parametrize("ending", ["crash", "abort"])
def test_program_that_dies_still_gets_the_saved_mode_back(rig, pixmode, testapp, ending):
    process = pixmode.start("-H800", "-V600", testapp.option("--script", f"{ending}@3000"))
    testapp.wait_for("ready")
    assert primary_size(rig) == REQUESTED
    process.wait(timeout=30)
    assert primary_size(rig) == ORIGINAL


@pytest.mark.parametrize("ending", ["exit3", "crash"])
def test_only_when_maximized_after_many_state_changes_ends_at_the_saved_mode(rig, pixmode, testapp, ending):
    # Maximized, minimized, back, behind another window and in front again, several times over;
    # however the program ends, the desktop is left at the mode it had.
    # The changes the test waits for are followed by a longer pause.
    script = ("maximize@3000,minimize@13000,maximize@15000,second@17000,front@27000,minimize@37000,"
              f"maximize@39000,second@41000,front@43000,{ending}@45000")
    process = pixmode.start("-R", "-H800", "-V600", testapp.option("--script", script))
    testapp.wait_for("maximize")
    assert wait_until(lambda: primary_size(rig) == REQUESTED, FOLLOW), "maximizing did not apply the mode"
    testapp.wait_for("second")
    assert wait_until(lambda: primary_size(rig) == ORIGINAL, FOLLOW), "another window in front did not restore the mode"
    testapp.wait_for("front")
    assert wait_until(lambda: primary_size(rig) == REQUESTED, FOLLOW), "coming back to the front did not apply the mode"
    process.wait(timeout=60)
    assert any(line.startswith(ending) for line in testapp.lines())
    assert primary_size(rig) == ORIGINAL


def test_title_watch_applies_while_maximized_and_searches_on_for_the_minute(rig, pixmode, testapp):
    title = "Pixmode Title Watch"
    program = rig.start_wine(testapp.exe, "--title", title, "--log", windows_path(testapp.log),
                             "--script", "maximize@4000,exit0@14000")
    try:
        testapp.wait_for("ready")
        started = time.monotonic()
        process = pixmode.start(f"-T{title}", "-H800", "-V600")
        time.sleep(1.5)
        assert primary_size(rig) == ORIGINAL, "the mode changed before the window was maximized"
        testapp.wait_for("maximize")
        assert wait_until(lambda: primary_size(rig) == REQUESTED, FOLLOW)
        testapp.wait_for("exit0")
        assert wait_until(lambda: primary_size(rig) == ORIGINAL, FOLLOW)
        # The search goes on for the rest of the minute, then the run ends without a message.
        time.sleep(5)
        assert process.poll() is None
        process.wait(timeout=90)
        assert 55 < time.monotonic() - started < 80
        assert primary_size(rig) == ORIGINAL
    finally:
        program.wait(timeout=30)
