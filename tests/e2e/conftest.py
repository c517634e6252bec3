"""Fixtures of the end-to-end tests.

Session: `rig` (the virtual display; started here, or reused when PIXMODE_RIG_DIR names the
folder of a rig started with scripts/rig/start.sh) and `driver` (e2e-driver.exe).
Per test: every output's X mode is saved before and put back after each test that uses the
rig (an output the test detached is attached again); `stored_modes` does the same for the
adapters' stored (registry) modes; `pixmode` runs pixmode.exe of the build folder, the release
by default (PIXMODE_EXE overrides it), and ends any run a test leaves behind.
"""
import os
import shutil
import signal
import time

import pytest

import xrandr
from driver import Driver
from rig import Rig
from runners import Feed, PixmodeRunner, Updater


def pytest_collection_modifyitems(items):
    """Marks each test that runs Windows programs "wine": those run inside the Debian 13 root
    (scripts/windows-tests.sh), the others on the host where the build was made."""
    for item in items:
        if "rig" in item.fixturenames:
            item.add_marker(pytest.mark.wine)


def _stopped(signum, frame):
    raise KeyboardInterrupt


def pytest_configure(config):
    """A run stopped with SIGTERM (scripts/test-all, when interrupted) ends as after Ctrl-C: the
    fixtures stop their displays and what the tests started."""
    signal.signal(signal.SIGTERM, _stopped)


@pytest.fixture(scope="session")
def rig(request):
    reuse = os.environ.get("PIXMODE_RIG_DIR")
    if reuse:
        yield Rig.reuse(reuse)
        return
    started = Rig.start(display=os.environ.get("PIXMODE_RIG_DISPLAY"))
    yield started
    started.stop()
    if os.environ.get("PIXMODE_KEEP_RIG"):
        return
    # The Wine prefix is large; the logs of the display and Wine are kept when something failed.
    shutil.rmtree(started.rundir / "wine", ignore_errors=True)
    if request.session.testsfailed == 0:
        shutil.rmtree(started.rundir, ignore_errors=True)


@pytest.fixture(scope="session")
def driver(rig):
    return Driver(rig)


def _wine_sees(driver, saved):
    """True once Windows programs see exactly the saved outputs attached, each at its saved size
    and position (Windows places the primary at the origin)."""
    origin = next((mode for mode in saved.values() if mode.primary), None)
    dx, dy = (origin.x, origin.y) if origin else (0, 0)
    expected = sorted((m.width, m.height, m.x - dx, m.y - dy) for m in saved.values())
    displays = driver.displays()
    attached = sorted((d["width"], d["height"], d["x"], d["y"]) for d in displays
                      if d["stateFlags"] & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP)
    # ... with the saved primary as the primary.
    primary = [(d["width"], d["height"]) for d in displays if d["stateFlags"] & DISPLAY_DEVICE_PRIMARY_DEVICE]
    return attached == expected and (origin is None or primary == [origin.size])


def _restore_layout(rig, saved):
    """Puts every output back as saved, detached ones included, and waits for Wine to follow."""
    if xrandr.restore(rig.env, saved):
        # Wine learns of RandR changes through its explorer: wait until it has caught up, or the
        # next test would start from a layout that Windows programs do not see yet.
        checker = Driver(rig)
        deadline = time.monotonic() + 60
        while not _wine_sees(checker, saved):
            assert time.monotonic() < deadline, f"Windows programs still see {checker.displays()} 60 s after " \
                f"the outputs were put back to {saved}"
            time.sleep(0.2)


@pytest.fixture(autouse=True)
def restore_display_modes(request):
    """Saves every output's mode before a test that uses the rig and puts it back afterwards."""
    if "rig" not in request.fixturenames:
        yield
        return
    rig = request.getfixturevalue("rig")
    saved = xrandr.current_modes(rig.env)
    yield saved
    _restore_layout(rig, saved)


CDS_UPDATEREGISTRY = 0x1
DISPLAY_DEVICE_ATTACHED_TO_DESKTOP = 0x1
DISPLAY_DEVICE_PRIMARY_DEVICE = 0x4
_STORED = ("storedWidth", "storedHeight", "storedFrequency", "storedX", "storedY")


@pytest.fixture
def stored_modes(rig, driver, restore_display_modes):
    """Each adapter's stored mode before the test; puts back any that the test changed (size,
    rate and position), after the outputs themselves."""
    before = {d["name"]: d for d in driver.displays()}
    yield before
    # Adapter names follow the primary order, so the layout comes first.
    _restore_layout(rig, restore_display_modes)
    for after in driver.displays():
        old = before[after["name"]]
        if [after[k] for k in _STORED] != [old[k] for k in _STORED]:
            driver.change(old["storedWidth"], old["storedHeight"], old["storedFrequency"],
                          device=after["name"], flags=CDS_UPDATEREGISTRY,
                          position=(old["storedX"], old["storedY"]))


@pytest.fixture
def pixmode(rig):
    runner = PixmodeRunner(rig)
    yield runner
    runner.end_all()


@pytest.fixture
def feed():
    server = Feed()
    yield server
    server.stop()


@pytest.fixture
def updater(rig, feed):
    runner = Updater(rig, feed)
    shutil.rmtree(runner.record.parent, ignore_errors=True)
    yield runner
    runner.end_all()
    shutil.rmtree(runner.record.parent, ignore_errors=True)
