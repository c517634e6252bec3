"""Programs of the build run on the rig's display, and the feed the updater is pointed at: shared
by the end-to-end tests through conftest.py's fixtures."""
import http.server
import os
import subprocess
import threading
from pathlib import Path

import pytest

from driver import IDOK
from waits import appended_lines

FILE_VERSION = "562980018192384"  # 2.7.0.0 as one 64-bit number
UPDATER_CAPTION = "Pixmode Updater"
class PixmodeRunner:
    """Runs pixmode.exe on the rig's display."""

    def __init__(self, rig):
        self.rig = rig
        self.exe = Path(os.environ.get("PIXMODE_EXE") or rig.build_dir / "pixmode.exe")
        self.cwd = None  # the current folder of the runs; the test's own when None
        self.started = []

    def run(self, *args, timeout=30):
        """Runs to the end; returns the exit code. Fails the test if it does not end in time."""
        process = self.start(*args)
        try:
            return process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            pytest.fail(f"pixmode {' '.join(args)} did not end within {timeout} s")

    def start(self, *args):
        """Starts without waiting; returns the Popen (its pid is the Windows process's)."""
        process = self.rig.start_wine(self.exe, *args, cwd=self.cwd)
        self.started.append(process)
        return process

    def end_all(self):
        for process in self.started:
            if process.poll() is None:
                process.kill()
                process.wait(timeout=30)


PROGRAM = "C:\\Pixmode\\pixmode.exe"
TEST_FEED = "PIXMODE_UPDATER_TEST_FEED"
SUM = "4f2b8c1d9e0a7b6c5d4e3f2a1b0c9d8e7f6a5b4c3d2e1f0a9b8c7d6e5f4a3b2c"


def listing(*versions):
    return "".join(f"{SUM}  pixmode-{version}.zip\n" for version in versions).encode()


class Feed:
    """A web server in a thread of the test on 127.0.0.1. routes maps a path to (status, headers,
    body), to "stall" for an answer that never comes, or to a function that answers itself, given
    the request handler and an event set when the server stops; every other path is not found."""

    def __init__(self):
        self.routes = {}
        self.requests = []  # (path, [(header, value), ...]) in order
        self.release = threading.Event()
        feed = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                feed.requests.append((self.path, list(self.headers.items())))
                answer = feed.routes.get(self.path, (404, {}, b"not found"))
                if answer == "stall":
                    feed.release.wait(60)
                    return
                if callable(answer):
                    answer(self, feed.release)
                    return
                status, headers, body = answer
                self.send_response(status)
                for name, value in headers.items():
                    self.send_header(name, value)
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body)

            def log_message(self, *args):
                pass

        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self.port = self.server.server_address[1]
        self.folder = f"http://127.0.0.1:{self.port}/feed/"
        self.sums = self.folder + "SHA256SUMS"
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def serve(self, body, status=200, headers=None, path="/feed/SHA256SUMS"):
        self.routes[path] = (status, headers or {}, body)

    def stop(self):
        self.release.set()
        self.server.shutdown()
        self.server.server_close()


class Updater(PixmodeRunner):
    """Marrowick.exe of the build, started as the program starts it, with the test setting."""

    def __init__(self, rig, feed):
        super().__init__(rig)
        self.feed = feed
        users = Path(rig.env["WINEPREFIX"]) / "drive_c" / "users"
        self.record = next(folder for folder in users.iterdir() if folder.name != "Public") / \
            "AppData" / "Local" / "Pixmode" / "Marrowick.ini"

    def start(self, flag, address=None):
        env = dict(self.rig.env)
        env.pop(TEST_FEED, None)
        if address is not None:
            env[TEST_FEED] = address
        process = subprocess.Popen(
            [self.rig.loader, str(self.rig.build_dir / "Marrowick.exe"), PROGRAM, "0", FILE_VERSION, flag],
            env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.started.append(process)
        return process

    def box(self, driver):
        box = driver.wait_message_box(caption=UPDATER_CAPTION, timeout=40)
        assert box is not None, "the updater showed no box"
        return box

    def answer(self, driver, process, box, button):
        driver.click(box["hwnd"], button)
        assert driver.wait_gone(box["hwnd"], timeout=10)
        assert process.wait(timeout=30) == 0

    def check_by_hand(self, driver, address):
        """Starts the check by hand, reads its box, presses OK and waits for the end."""
        process = self.start("0", address)
        box = self.box(driver)
        self.answer(driver, process, box, IDOK)
        return box

    def ends_silently(self, address):
        """Starts the automatic check and waits for its end: a box would hold it open."""
        process = self.start("1", address)
        try:
            process.wait(timeout=40)
        except subprocess.TimeoutExpired:
            pytest.fail("the automatic check did not end by itself: it shows something")
        return process.returncode




def updater_starts(log, count, timeout=15.0):
    """The parameter texts the updater received, once there are at least count of them."""
    lines = appended_lines(log, count, timeout)
    if len(lines) < count:
        pytest.fail(f"the updater was started {len(lines)} times, not {count}")
    return lines
