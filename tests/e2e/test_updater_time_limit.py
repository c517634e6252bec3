"""The updater's time limit against servers on 127.0.0.1 that misbehave at every stage: whatever
they do, by hand one box answers within 12 s of the start, and automatically the process is gone
within 12 s without a box."""
import socket
import subprocess
import time

import pytest

from driver import IDOK
from runners import UPDATER_CAPTION

LIMIT = 12.0
# The box's last line, which only the time limit gives.
TOO_SLOW = "The server did not answer within 10 seconds."


def drip(handler, release):
    """A million bytes announced, one sent a second."""
    handler.send_response(200)
    handler.send_header("Content-Length", "1000000")
    handler.end_headers()
    while not release.wait(1):
        try:
            handler.wfile.write(b"x")
            handler.wfile.flush()
        except OSError:
            return


def half_body(handler, release):
    """The headers and the start of the body, then nothing."""
    handler.send_response(200)
    handler.send_header("Content-Length", "1000")
    handler.end_headers()
    handler.wfile.write(b"x" * 10)
    handler.wfile.flush()
    release.wait(60)


def slow_hop(number):
    """Sent on to the next hop after 3 s: the chain of redirects takes longer than the limit."""
    def answer(handler, release):
        if release.wait(3):
            return
        handler.send_response(302)
        handler.send_header("Location", f"/feed/hop{number + 1}")
        handler.send_header("Content-Length", "0")
        handler.end_headers()
    return answer


@pytest.fixture
def silent_port():
    """A port on 127.0.0.1 that takes connections (the system's backlog does) and never answers."""
    with socket.create_server(("127.0.0.1", 0), backlog=8) as server:
        yield server.getsockname()[1]


def folder_for(where, feed, port):
    if where == "after connecting":
        return f"http://127.0.0.1:{port}/feed/"
    routes = {"dripping": drip, "before the headers": "stall", "in the body": half_body}
    if where == "redirect chain":
        feed.routes["/feed/SHA256SUMS"] = slow_hop(0)
        for number in range(1, 6):
            feed.routes[f"/feed/hop{number}"] = slow_hop(number)
    else:
        feed.routes["/feed/SHA256SUMS"] = routes[where]
    return feed.folder


STAGES = ["dripping", "before the headers", "in the body", "after connecting", "redirect chain"]


@pytest.mark.parametrize("where", STAGES)
def test_by_hand_one_box_within_the_limit(driver, feed, updater, silent_port, where):
    folder = folder_for(where, feed, silent_port)
    start = time.monotonic()
    process = updater.start("0", folder)
    # The updater shows no other window: the first of its caption is the box, and reading what it
    # says is left until after the time is taken.
    found = driver.wait_window(cls="#32770", title=UPDATER_CAPTION, timeout=LIMIT + 5)
    elapsed = time.monotonic() - start
    assert found is not None, "the updater showed no box"
    assert elapsed <= LIMIT, f"the box came after {elapsed:.1f} s"
    box = driver.message_box(found["hwnd"])
    assert box["text"].splitlines()[-1] == TOO_SLOW, box["text"]
    assert (box["icon"], box["buttons"]) == ("warning", [IDOK])
    updater.answer(driver, process, box, IDOK)


@pytest.mark.parametrize("where", STAGES)
def test_automatically_gone_within_the_limit_without_a_box(feed, updater, silent_port, where):
    folder = folder_for(where, feed, silent_port)
    start = time.monotonic()
    process = updater.start("1", folder)
    try:
        process.wait(timeout=LIMIT)
    except subprocess.TimeoutExpired:
        pytest.fail(f"the automatic check still ran after {LIMIT} s")
    # A box would have held the process open.
    assert process.returncode == 0
    assert time.monotonic() - start <= LIMIT
    assert feed.requests or where == "after connecting", "the server was never asked"
