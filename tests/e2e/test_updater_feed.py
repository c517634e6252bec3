"""The updater against a list of releases that the test serves itself on 127.0.0.1 (plain HTTP,
which the updater allows only on loopback), pointed at it through its test setting: the box it
shows when started by hand, its silence and its record when started automatically, and the
browser it hands a download to. Wine's winebrowser is told to run a script of the test instead of
a browser, so the address handed over is logged and nothing leaves this machine."""
import re
import socket

import pytest

from driver import IDNO, IDOK, IDYES
from runners import listing
from waits import appended_lines

INSTALLED = "Pixmode 2.7.0.0 is installed."
ONCE = ["/feed/SHA256SUMS"]


def closed_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


# The texts are the unit tests' to pin; here the box shows what came from the server and the
# platform (versions, addresses, status, line and error numbers), with its icon and buttons.
@pytest.mark.parametrize("routes, shows, icon, asked", [
    ({"/feed/SHA256SUMS": listing("2.6.0.0", "2.7.0.0")}, [], "information", ONCE),
    ({"/feed/SHA256SUMS": listing("2.6.1.0", "2.5.0.0")}, ["2.6.1.0"], "information", ONCE),
    ({"/feed/SHA256SUMS": listing("2.8.0.0") + b"2.9.0.0\n"}, ["{feed}", "line 2"], "warning", ONCE),
    ({"/feed/SHA256SUMS": b""}, ["{feed}"], "warning", ONCE),
    ({}, ["{feed}", "404"], "warning", ONCE),
    ({"/feed/SHA256SUMS": b"x" * (64 * 1024 + 1)}, ["{feed}", "64 KiB"], "warning", ONCE),
    # Sent on within loopback, it follows; sent to plain HTTP off loopback, it refuses.
    ({"/feed/SHA256SUMS": (302, "/moved/SHA256SUMS"), "/moved/SHA256SUMS": listing("2.7.0.0")}, [], "information",
     ["/feed/SHA256SUMS", "/moved/SHA256SUMS"]),
    ({"/feed/SHA256SUMS": (302, "http://0.0.0.0:{port}/moved/SHA256SUMS"), "/moved/SHA256SUMS": listing("2.7.0.0")},
     ["{feed}", "http://0.0.0.0:{port}/moved/SHA256SUMS"], "warning", ONCE),
], ids=["up to date", "only older", "malformed line", "empty", "404", "too large", "redirect on loopback",
        "redirect to plain http"])
def test_by_hand_one_box_answers_what_the_list_says(driver, feed, updater, routes, shows, icon, asked):
    for path, answer in routes.items():
        if isinstance(answer, tuple):
            feed.serve(b"", status=answer[0], headers={"Location": answer[1].format(port=feed.port)}, path=path)
        else:
            feed.serve(answer, path=path)
    box = updater.check_by_hand(driver, feed.folder)
    assert box["text"].startswith(INSTALLED), box["text"]
    for item in shows:
        assert item.format(feed=feed.sums, port=feed.port) in box["text"], box["text"]
    assert box["icon"] == icon
    assert box["buttons"] == [IDOK]
    # One GET of the list (and of where it was sent on to on loopback), with nothing of the
    # updater's own but its user agent (Host and Connection are HTTP's).
    assert [path for path, _ in feed.requests] == list(asked)
    for _, headers in feed.requests:
        names = {name.lower() for name, _ in headers}
        assert names <= {"host", "user-agent", "connection"}, headers
        assert dict((name.lower(), value) for name, value in headers)["user-agent"] == "Pixmode-Updater/2.7.0.0"
    assert not updater.record.exists(), "a check by hand keeps no record"


@pytest.mark.parametrize("where, shows", [
    ("closed port", ["{folder}SHA256SUMS", "(error 12029)"]),
    ("plain http off loopback", ["{folder}"]),
    ("no address", []),
], ids=lambda value: value if isinstance(value, str) else "")
def test_by_hand_it_says_why_it_could_not_tell(driver, feed, updater, where, shows):
    folder = {"closed port": f"http://127.0.0.1:{closed_port()}/feed/",
              "plain http off loopback": f"http://0.0.0.0:{feed.port}/feed/", "no address": None}[where]
    feed.routes["/feed/SHA256SUMS"] = (200, {}, listing("2.8.0.0"))
    box = updater.check_by_hand(driver, folder)
    for item in shows:
        assert item.format(folder=folder) in box["text"], box["text"]
    assert box["icon"] == ("information" if where == "no address" else "warning")
    # 0.0.0.0 would reach this machine's own server: nothing came.
    assert not feed.requests


@pytest.fixture
def browser(rig, tmp_path):
    """Wine hands web addresses to winebrowser, which runs the first program of its Browsers list:
    here a script that logs the address it gets."""
    log = tmp_path / "opened.txt"
    script = tmp_path / "browser.sh"
    script.write_text(f"#!/bin/sh\nprintf '%s\\n' \"$1\" >> '{log}'\n")
    script.chmod(0o755)
    key = r"HKCU\Software\Wine\WineBrowser"
    rig.wine("reg", "add", key, "/v", "Browsers", "/d", str(script), "/f", check=True)
    yield log
    rig.wine("reg", "delete", key, "/v", "Browsers", "/f")


def test_a_newer_version_is_offered_and_yes_opens_its_download(driver, feed, updater, browser):
    feed.serve(listing("2.7.0.0", "2.8.0.0", "2.6.0.0"))
    download = feed.folder + "pixmode-2.8.0.0.zip"
    # No first, then Yes: only the Yes hands the download to the browser.
    for button in (IDNO, IDYES):
        process = updater.start("0", feed.folder)
        box = updater.box(driver)
        assert box["text"].startswith("Pixmode 2.8.0.0") and download in box["text"], box["text"]
        assert box["icon"] == "question"
        assert box["buttons"] == [IDYES, IDNO]
        updater.answer(driver, process, box, button)
    assert appended_lines(browser, 1, 20) == [download]
    # It never fetched the archive itself.
    assert [path for path, _ in feed.requests] == ["/feed/SHA256SUMS"] * 2


@pytest.mark.parametrize("where", ["up to date", "only older", "404", "malformed", "closed port",
                                   "plain http off loopback", "no address"])
def test_automatically_it_is_silent_unless_a_newer_version_exists(feed, updater, where):
    feed.serve({"up to date": listing("2.7.0.0"), "only older": listing("2.6.0.0"),
                "malformed": listing("2.9.0.0")[1:]}.get(where, b""))
    if where == "404":
        feed.routes.clear()
    folder = {"closed port": f"http://127.0.0.1:{closed_port()}/feed/",
              "plain http off loopback": f"http://0.0.0.0:{feed.port}/feed/", "no address": None}.get(where, feed.folder)
    assert updater.ends_silently(folder) == 0
    asked = folder == feed.folder
    assert len(feed.requests) == (1 if asked else 0)
    # The day's request is kept even when it failed; without an address nothing is asked or kept.
    assert updater.record.exists() == (where not in ("plain http off loopback", "no address"))


def test_automatically_one_request_a_day_and_each_version_announced_once(driver, feed, updater):
    feed.serve(listing("2.8.0.0", "2.7.0.0"))

    def announced():
        process = updater.start("1", feed.folder)
        box = updater.box(driver)
        updater.answer(driver, process, box, IDNO)
        return box["text"].split(" is available.")[0]

    def a_day_passed():
        # The record's time of the last request, put back by more than a day.
        text = updater.record.read_text(encoding="latin-1")
        assert re.search(r"^LastRequest=\d+", text, re.MULTILINE), text
        updater.record.write_text(re.sub(r"^LastRequest=\d+", "LastRequest=1", text, flags=re.MULTILINE),
                                  encoding="latin-1", newline="")

    assert announced() == "Pixmode 2.8.0.0"
    assert len(feed.requests) == 1
    # The same day: no request at all.
    assert updater.ends_silently(feed.folder) == 0
    assert len(feed.requests) == 1
    # A day later it asks again, but 2.8.0.0 was announced.
    a_day_passed()
    assert updater.ends_silently(feed.folder) == 0
    assert len(feed.requests) == 2
    # A newer one is announced, once.
    feed.serve(listing("2.9.0.0", "2.8.0.0"))
    a_day_passed()
    assert announced() == "Pixmode 2.9.0.0"
    a_day_passed()
    assert updater.ends_silently(feed.folder) == 0
    assert len(feed.requests) == 4
    # By hand it always asks and always answers.
    process = updater.start("0", feed.folder)
    updater.answer(driver, process, updater.box(driver), IDNO)
    assert len(feed.requests) == 5


def test_automatically_one_check_at_a_time(driver, feed, updater):
    """A second automatic check while one runs (its box still open) ends without asking, even when
    its record says a request is due."""
    feed.serve(listing("2.8.0.0"))
    first = updater.start("1", feed.folder)
    box = updater.box(driver)
    text = updater.record.read_text(encoding="latin-1")
    updater.record.write_text(re.sub(r"^LastRequest=\d+", "LastRequest=1", text, flags=re.MULTILINE),
                              encoding="latin-1", newline="")
    assert updater.ends_silently(feed.folder) == 0
    assert len(feed.requests) == 1
    updater.answer(driver, first, box, IDNO)


def test_automatically_it_does_not_ask_when_it_cannot_keep_its_record(feed, updater):
    feed.serve(listing("2.8.0.0"))
    # A file where the record's folder would be.
    updater.record.parent.parent.mkdir(parents=True, exist_ok=True)
    updater.record.parent.write_text("")
    try:
        assert updater.ends_silently(feed.folder) == 0
    finally:
        updater.record.parent.unlink()
    assert not feed.requests
