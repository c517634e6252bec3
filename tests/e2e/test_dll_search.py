"""A DLL named like a system library, dropped beside the program or into the current folder, is
never used by it. Wine loads its own copy of a system DLL by default; told to take the DLL beside
the program first ("version=n,b"), it searches as Windows does. The planted version.dll logs each
program that loads it, and each call of its functions with the module that made it, to
planted.log beside itself. Planted copies of the libraries the program loads only when first
needed (LATE) log their own name and the program that loaded them there.

Wine's own user32 imports version.dll and may ask it for a file's version size; Windows' user32
does neither. So under Wine the planted file is loaded into every program started from its
folder, before the program runs, and Wine's user32 may call it. What the tests hold the program
to is that its own code never calls it (on Windows, it is not even loaded)."""
import shutil
from pathlib import Path

import pytest

import xrandr
from driver import IDCANCEL, IDOK
from resources import ID, text
from rig import windows_path
from runners import FILE_VERSION, TEST_FEED, UPDATER_CAPTION, listing, updater_starts

PLANTED = ("version.dll", "winhttp.dll")
ABOUT_BUTTON, SHORTCUT, BROWSE = ID["IDC_ABOUT_BUTTON"], ID["IDC_SHORTCUT"], ID["IDC_BROWSE"]
DESCRIPTION, VERSION = ID["IDC_ABOUT_DESCRIPTION"], ID["IDC_ABOUT_VERSION"]
# ole32.dll too is loaded late, but it is a known DLL that Windows takes from its system folder
# whatever the search. Under Wine the system's file dialog loads it by its bare name, and then
# from beside the program, whatever the program's own search.
LATE = ("comctl32.dll", "comdlg32.dll", "shell32.dll")


class Planted:
    """A copy of the program, its updater and help page in a folder with a planted version.dll,
    run from another folder that has one too."""

    def __init__(self, rig, program, folder):
        self.rig = rig
        self.program_folder = folder / "Downloads"
        self.current_folder = folder / "Documents"
        for where in (self.program_folder, self.current_folder):
            where.mkdir()
            for name in (*PLANTED, *LATE):
                shutil.copy(rig.build_dir / "planted" / name, where / name)
        shutil.copy(program, self.program_folder / "pixmode.exe")
        for name in ("Marrowick.exe", "readme.html"):
            shutil.copy(rig.build_dir / name, self.program_folder / name)
        self.updater_log = folder / "updater starts.txt"

    def events(self, program):
        """What the planted DLLs logged in one program of the program folder, in order: "load",
        or a function's name and the module that called it."""
        path = windows_path(self.program_folder / program)
        lines = []
        for where in (self.program_folder, self.current_folder):
            if (where / "planted.log").exists():
                lines += (where / "planted.log").read_text(encoding="utf-8").splitlines()
        fields = [line.split("\t") for line in lines]
        return [(event, *rest) for event, loader, *rest in fields if loader == path]

    def calls_from(self, program):
        """The planted functions that the program's own code called."""
        path = windows_path(self.program_folder / program)
        return [event for event, *caller in self.events(program) if caller == [path]]

    def loads(self, program):
        """How often the planted DLLs were loaded into the program: once under Wine, whose own user32
        imports version.dll; never on Windows."""
        return [event for event, *_ in self.events(program)].count("load")

    def late_loads(self, program):
        """The planted copies of the late-loaded libraries that were loaded into the program."""
        return [event for event, *_ in self.events(program) if event in LATE]

    def run_beside(self, tool, *args):
        """Copies a tool of the build into the program folder and runs it there to its end."""
        name = Path(tool).name
        shutil.copy(self.rig.build_dir / tool, self.program_folder / name)
        self.rig.wine(self.program_folder / name, *args, timeout=30)
        return name


@pytest.fixture
def planted(rig, pixmode, tmp_path):
    setting = rig.env["WINEDLLOVERRIDES"]
    rig.env["WINEDLLOVERRIDES"] = setting + ";" + ",".join(name[:-4] for name in (*PLANTED, *LATE)) + "=n,b"
    folders = Planted(rig, pixmode.exe, tmp_path)
    rig.env["PIXMODE_UPDATER_LOG"] = windows_path(folders.updater_log)
    pixmode.exe = folders.program_folder / "pixmode.exe"
    pixmode.cwd = folders.current_folder
    yield folders
    rig.env["WINEDLLOVERRIDES"] = setting
    rig.env.pop("PIXMODE_UPDATER_LOG")


@pytest.mark.parametrize("user, call", [("version_user.exe", "GetFileVersionInfoSizeW"),
                                        ("winhttp_user.exe", "WinHttpOpen")])
def test_a_program_that_imports_a_system_library_runs_the_planted_one(planted, user, call):
    # The rig searches as Windows does: an import of version.dll or winhttp.dll finds the planted
    # file first.
    user = planted.run_beside(f"planted/{user}")
    assert planted.calls_from(user) == [call]


def test_a_command_line_switch_uses_no_planted_dll(rig, pixmode, planted):
    assert pixmode.run("-Q", "-H800", "-V600") == 0
    assert xrandr.primary_mode(rig.env).size == (800, 600)
    assert planted.calls_from("pixmode.exe") == []
    assert planted.loads("pixmode.exe") <= 1
    assert planted.late_loads("pixmode.exe") == []


def test_the_dialogs_use_no_planted_dll_and_the_about_box_shows_the_real_version(driver, pixmode, planted):
    process = pixmode.start()
    main = driver.wait_window(cls="#32770", title="Pixmode", timeout=30)
    assert main is not None, "the main dialog did not open"
    # The updater got the version from the real version library.
    program = windows_path(planted.program_folder / "pixmode.exe")
    assert updater_starts(planted.updater_log, 1) == [f"{program} 0 {FILE_VERSION} 1"]

    driver.press(main["hwnd"], ABOUT_BUTTON)
    about = driver.wait_window(cls="#32770", title="About", timeout=10)
    assert about is not None, "the about box did not open"
    assert driver.control(about["hwnd"], VERSION)["text"] == "2.7.0.0"
    assert driver.control(about["hwnd"], DESCRIPTION)["text"] == "Pixmode Display Resolution Switching Application"
    driver.click(about["hwnd"], IDOK)
    assert driver.wait_gone(about["hwnd"], timeout=10)

    driver.press(main["hwnd"], SHORTCUT)
    shortcut = driver.wait_window(cls="#32770", title="Create Pixmode Shortcut", timeout=20)
    assert shortcut is not None, "the shortcut dialog did not open"
    driver.press(shortcut["hwnd"], BROWSE)
    files = driver.wait_window(cls="#32770", title=text("IDS_SHORTCUT_BROWSE_TITLE"), timeout=20)
    assert files is not None, "the file dialog did not open"
    driver.click(files["hwnd"], IDCANCEL)
    assert driver.wait_gone(files["hwnd"], timeout=20)
    driver.click(shortcut["hwnd"], IDCANCEL)
    assert driver.wait_gone(shortcut["hwnd"], timeout=20)

    driver.click(main["hwnd"], IDCANCEL)
    assert driver.wait_gone(main["hwnd"], timeout=10)
    process.wait(timeout=20)
    for program in ("pixmode.exe", "Marrowick.exe"):
        assert planted.calls_from(program) == [], program
        assert planted.loads(program) <= 1, program
        assert planted.late_loads(program) == [], program


def test_the_updater_asks_through_the_system_winhttp_and_uses_no_planted_dll(rig, driver, planted, feed):
    feed.serve(listing("2.7.0.0"))
    rig.env[TEST_FEED] = feed.folder
    try:
        process = rig.start_wine(planted.program_folder / "Marrowick.exe", "C:\\Pixmode\\pixmode.exe", "0",
                                 FILE_VERSION, "0", cwd=planted.current_folder)
        box = driver.wait_message_box(caption=UPDATER_CAPTION, timeout=40)
    finally:
        rig.env.pop(TEST_FEED)
    assert box is not None, "the updater showed nothing"
    # The real WinHTTP fetched the list.
    assert box["text"] == "Pixmode 2.7.0.0 is installed. It is the latest version."
    driver.click(box["hwnd"], IDOK)
    assert process.wait(timeout=30) == 0
    assert planted.calls_from("Marrowick.exe") == []
    # Under Wine its user32 loads version.dll (see above); nothing loads a winhttp.dll by name.
    assert planted.loads("Marrowick.exe") <= 1
