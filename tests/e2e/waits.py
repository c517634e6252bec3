"""The end-to-end tests' one way to wait: poll until something holds or a deadline passes."""
import time


def wait_until(condition, timeout, step=0.1):
    """condition()'s first true value, or its value once timeout seconds have passed."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value or time.monotonic() >= deadline:
            return value
        time.sleep(step)


def appended_lines(path, count, timeout):
    """The lines of a file that others append to, once there are at least count of them; after
    timeout seconds, the lines there are."""
    def lines():
        return path.read_text(encoding="utf-8", errors="replace").splitlines() if path.exists() else []
    return wait_until(lambda: lines() if len(lines()) >= count else None, timeout, step=0.2) or lines()
