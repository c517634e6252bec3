"""Python side of e2e-driver.exe: finds, reads and presses windows of the program under test.

Every call runs the tool once under Wine on the rig's display and returns its JSON answers.
Window handles are plain integers. A pid here is a Windows process id, which under Wine
differs from the Linux pid of the process that runs the program.
"""
import json

IDOK, IDCANCEL, IDYES, IDNO = 1, 2, 6, 7


class DriverError(AssertionError):
    pass


class Driver:
    def __init__(self, rig):
        self.rig = rig
        self.exe = rig.build_dir / "e2e-driver.exe"

    def _run(self, command, *options, timeout=60, allow_timeout=False):
        args = [command]
        for name, value in options:
            if value is not None:
                args += [f"--{name}", str(value)]
        done = self.rig.wine(self.exe, *args, timeout=timeout)
        lines = [json.loads(line) for line in done.stdout.splitlines() if line.startswith("{")]
        if done.returncode == 2 and allow_timeout:
            return None
        if done.returncode != 0:
            raise DriverError(f"e2e-driver {' '.join(args)} failed ({done.returncode}): {done.stdout}{done.stderr}")
        return lines

    # Windows
    def list_windows(self, cls=None, title=None, pid=None, hidden=False):
        """Top-level windows (visible ones unless hidden=True), optionally filtered."""
        return self._run("list-windows", ("class", cls), ("title", title), ("pid", pid),
                         ("hidden", 1 if hidden else None))

    def wait_window(self, cls=None, title=None, pid=None, timeout=10.0):
        """The first visible top-level window that matches, or None after timeout seconds."""
        found = self._run("wait-window", ("class", cls), ("title", title), ("pid", pid),
                          ("timeout", int(timeout * 1000)), timeout=timeout + 60, allow_timeout=True)
        return found[0] if found else None

    def wait_gone(self, hwnd, timeout=10.0):
        """True once the window no longer exists; False after timeout seconds."""
        return self._run("wait-gone", ("hwnd", hwnd), ("timeout", int(timeout * 1000)),
                         timeout=timeout + 60, allow_timeout=True) is not None

    def children(self, hwnd):
        return self._run("children", ("hwnd", hwnd))

    def close(self, hwnd):
        self._run("close", ("hwnd", hwnd))

    # Message boxes: caption, text (static 0xFFFF), buttons (ids) and icon
    # ("warning", "error", "question", "information", "none" or "unknown").
    def message_box(self, hwnd):
        return self._run("message-box", ("hwnd", hwnd))[0]

    def wait_message_box(self, caption="Pixmode", pid=None, timeout=10.0):
        found = self._run("wait-window", ("class", "#32770"), ("title", caption), ("pid", pid), ("message-box", 1),
                          ("timeout", int(timeout * 1000)), timeout=timeout + 60, allow_timeout=True)
        return self.message_box(found[0]["hwnd"]) if found else None

    # Controls of a dialog, by id
    def control(self, hwnd, control_id):
        """class, text, visible, enabled, checked (BST_* value for buttons), style."""
        return self._run("control", ("hwnd", hwnd), ("id", control_id))[0]

    def click(self, hwnd, control_id):
        """Presses a button with BM_CLICK; returns once the dialog has handled it."""
        self._run("click", ("hwnd", hwnd), ("id", control_id))

    def press(self, hwnd, control_id):
        """Posts BM_CLICK and returns at once: for buttons that open a modal window."""
        self._run("press", ("hwnd", hwnd), ("id", control_id))

    def press_link(self, hwnd, control_id):
        """Posts a mouse click on the first link of a link control (SysLink) and returns at once."""
        self._run("press-link", ("hwnd", hwnd), ("id", control_id))

    def set_text(self, hwnd, control_id, text, child_class=None):
        """Sets a control's text with WM_SETTEXT, or that of its first child of child_class
        (the edit of a combo box); returns the text the control then holds."""
        return self._run("set-text", ("hwnd", hwnd), ("id", control_id), ("child-class", child_class),
                         ("text", text))[0]["text"]

    def listview(self, hwnd, control_id):
        """(headers, rows) of a report list view; each row has cells, selected, focused, param."""
        lines = self._run("listview", ("hwnd", hwnd), ("id", control_id))
        return lines[0]["headers"], lines[1:]

    def select_row(self, hwnd, control_id, row):
        """Selects and focuses one row (by position) of a list view, as a click on it would;
        row -1 clears the selection."""
        self._run("select-row", ("hwnd", hwnd), ("id", control_id), ("row", row))

    def select_item(self, hwnd, control_id, index):
        """Chooses a combo box item and tells the dialog (CBN_SELCHANGE); returns once handled."""
        self._run("select-item", ("hwnd", hwnd), ("id", control_id), ("index", index))

    def combo(self, hwnd, control_id):
        """(items, selected index) of a combo box; the index is -1 without a selection."""
        answer = self._run("combo", ("hwnd", hwnd), ("id", control_id))[0]
        return answer["items"], answer["selected"]

    # The display settings service as Windows programs see it
    def displays(self):
        """One dict per adapter: index, name, description, stateFlags, monitors, modeCount and
        the current mode (width, height, bpp, frequency, orientation, x, y, fields) and the stored
        one (storedWidth, storedHeight, storedFrequency, storedX, storedY)."""
        return self._run("displays")

    def modes(self, device=None):
        return self._run("modes", ("device", device))

    def change(self, width, height, frequency=0, device=None, flags=0, position=None):
        """ChangeDisplaySettingsExW with a size (and frequency, and an (x, y) position); returns
        the result code."""
        where = ["--x", position[0], "--y", position[1]] if position is not None else []
        done = self.rig.wine(self.exe, "change", *(["--device", device] if device else []),
                             "--width", width, "--height", height, "--frequency", frequency, *where,
                             "--flags", flags, timeout=60)
        return json.loads(done.stdout.splitlines()[0])["result"]
