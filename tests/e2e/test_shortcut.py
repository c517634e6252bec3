"""Creating the desktop shortcut from the main dialog, read back from the link file it writes."""
import shutil
import subprocess
from pathlib import Path

import pytest

import resources
import xrandr
from driver import IDOK, Driver
from resources import ID
from rig import windows_path
from shell_link import read_shell_link
from waits import wait_until

# Buttons that open a modal window (Shortcut, and Create Shortcut when it fails) do not return
# from a sent click until that window closes; they are pressed with a posted click.
pytestmark = pytest.mark.skipif(not hasattr(Driver, "press"),
                                reason="e2e-driver has no posted click (press) yet")

LINK_NAME = resources.text("IDS_SHORTCUT_FILE_NAME")
REFRESH_FILTER, CHANGE_PERMANENT = ID["IDC_REFRESH_FILTER"], ID["IDC_CHANGE_PERMANENT"]
SHORTCUT, ROTATE_90 = ID["IDC_SHORTCUT"], ID["IDC_ROTATE_90"]
RESOLUTION, COLOURS = ID["IDC_SHORTCUT_RESOLUTION"], ID["IDC_SHORTCUT_COLOURS"]
FREQUENCY, HZ = ID["IDC_SHORTCUT_FREQUENCY"], ID["IDC_SHORTCUT_HZ"]
MONITOR_LABEL, DEVICE_NUMBER = ID["IDC_SHORTCUT_MONITOR_LABEL"], ID["IDC_SHORTCUT_DEVICE_NUMBER"]
PROGRAM, REGISTRY_NOTE = ID["IDC_SHORTCUT_PROGRAM"], ID["IDC_SHORTCUT_REGISTRY_NOTE"]
BROWSE, ONLY_WHEN_MAXIMIZED = ID["IDC_BROWSE"], ID["IDC_ONLY_WHEN_MAXIMIZED"]
PRIMARY_DEVICE = 0x4
FILE_DIALOG_TITLE = resources.text("IDS_SHORTCUT_BROWSE_TITLE")
SAVE_FAILED = resources.text("IDS_SHORTCUT_SAVE_FAILED", "")


def description(program, width, height):
    return resources.text("IDS_SHORTCUT_DESCRIPTION", program, width, height)
# The file name box of the platform's explorer-style file dialog: a combo box with an edit inside.
FILE_NAME_COMBO = 0x47C


def desktop_folder(rig):
    users = Path(rig.env["WINEPREFIX"]) / "drive_c" / "users"
    folders = [user / "Desktop" for user in users.iterdir()
               if user.name != "Public" and (user / "Desktop").is_dir()]
    assert len(folders) == 1, folders
    return folders[0]


def remove(path):
    if path.is_dir() and not path.is_symlink():
        path.rmdir()
    elif path.exists() or path.is_symlink():
        path.unlink()


@pytest.fixture
def link(rig):
    path = desktop_folder(rig) / LINK_NAME
    remove(path)
    yield path
    remove(path)


@pytest.fixture
def program(rig):
    """A real program in a folder whose name has blanks, on the Wine prefix's drive C:."""
    folder = Path(rig.env["WINEPREFIX"]) / "drive_c" / "Pixmode test programs"
    folder.mkdir(exist_ok=True)
    shutil.copy(Path(rig.build_dir) / "testapp.exe", folder / "testapp.exe")
    yield "C:\\Pixmode test programs\\testapp.exe"
    shutil.rmtree(folder)


@pytest.fixture
def primary(driver):
    """The adapter the main dialog selects at start, with its current mode."""
    adapters = [d for d in driver.displays() if d["stateFlags"] & PRIMARY_DEVICE]
    assert len(adapters) == 1, adapters
    return adapters[0]


def open_main_dialog(driver, pixmode):
    pixmode.start()
    main = driver.wait_window(cls="#32770", title="Pixmode", timeout=30)
    assert main is not None, "the main dialog did not open"
    return main


def open_shortcut_dialog(driver, main):
    driver.press(main["hwnd"], SHORTCUT)
    dialog = driver.wait_window(cls="#32770", title="Create Pixmode Shortcut", timeout=20)
    assert dialog is not None, "the shortcut dialog did not open"
    return dialog


def choose_program(driver, dialog, path):
    """Browses for the program: types its full path into the file dialog and opens it."""
    driver.press(dialog["hwnd"], BROWSE)
    files = driver.wait_window(cls="#32770", title=FILE_DIALOG_TITLE, timeout=20)
    assert files is not None, "the file dialog did not open"
    assert driver.set_text(files["hwnd"], FILE_NAME_COMBO, path, child_class="Edit") == path
    driver.press(files["hwnd"], IDOK)
    assert driver.wait_gone(files["hwnd"], timeout=20), "the file dialog did not take the path"


def create_shortcut(driver, dialog):
    driver.click(dialog["hwnd"], IDOK)
    assert driver.wait_gone(dialog["hwnd"], timeout=20), "Create Shortcut did not close the dialog"


def text(driver, dialog, control_id):
    return driver.control(dialog["hwnd"], control_id)["text"]


def shown(driver, dialog, control_id):
    return driver.control(dialog["hwnd"], control_id)["visible"]


def test_create_without_a_program_links_this_program_at_the_selected_mode(rig, driver, pixmode, link, primary):
    width, height, bpp = primary["width"], primary["height"], primary["bpp"]
    main = open_main_dialog(driver, pixmode)
    dialog = open_shortcut_dialog(driver, main)

    assert text(driver, dialog, RESOLUTION) == resources.text("IDS_SCREEN_AREA", width, height)
    assert text(driver, dialog, COLOURS) == str(2 ** bpp)
    # The refresh filter starts checked, so no frequency is handed over.
    assert text(driver, dialog, FREQUENCY) == "" and not shown(driver, dialog, HZ)
    assert text(driver, dialog, DEVICE_NUMBER) == str(primary["index"]) and shown(driver, dialog, MONITOR_LABEL)
    assert not shown(driver, dialog, REGISTRY_NOTE)
    program = driver.control(dialog["hwnd"], PROGRAM)
    assert (program["text"], program["enabled"]) == ("Browse and select a program", False)

    create_shortcut(driver, dialog)
    assert link.is_file()
    fields = read_shell_link(link)
    assert fields.target.lower() == windows_path(pixmode.exe).lower()
    assert fields.arguments == f" -H{width} -V{height} -C{2 ** bpp} -M{primary['index']}"
    assert fields.description == description("", width, height)
    assert fields.icon_location == ""
    driver.close(main["hwnd"])


def test_turned_permanent_mode_with_its_rate(rig, driver, pixmode, link, primary):
    width, height, bpp, rate = primary["width"], primary["height"], primary["bpp"], primary["frequency"]
    main = open_main_dialog(driver, pixmode)
    driver.click(main["hwnd"], REFRESH_FILTER)
    driver.click(main["hwnd"], CHANGE_PERMANENT)
    assert driver.control(main["hwnd"], ROTATE_90)["enabled"], "the rotation buttons are disabled"
    driver.click(main["hwnd"], ROTATE_90)
    dialog = open_shortcut_dialog(driver, main)

    assert text(driver, dialog, RESOLUTION) == resources.text("IDS_SCREEN_AREA", height, width)
    assert text(driver, dialog, FREQUENCY) == str(rate) and shown(driver, dialog, HZ)
    assert shown(driver, dialog, REGISTRY_NOTE)

    create_shortcut(driver, dialog)
    fields = read_shell_link(link)
    assert fields.arguments == (
        f" -H{height} -V{width} -C{2 ** bpp} -F{rate} -M{primary['index']} -O90 -U")
    assert fields.description == description("", height, width)
    driver.close(main["hwnd"])


def test_a_failed_write_is_reported_and_the_dialog_stays_open(rig, driver, pixmode, link, primary):
    # A folder where the link file should go makes the save fail.
    link.mkdir()
    main = open_main_dialog(driver, pixmode)
    dialog = open_shortcut_dialog(driver, main)
    driver.press(dialog["hwnd"], IDOK)

    box = driver.wait_message_box(timeout=20)
    assert box is not None, "no failure message appeared"
    assert box["text"].startswith(SAVE_FAILED)
    reason = box["text"][len(SAVE_FAILED):]
    assert reason and not reason.endswith("\n") and not reason.endswith("\r")
    assert (box["caption"], box["buttons"], box["icon"]) == (resources.text("IDS_APP_TITLE"), [IDOK], "warning")
    driver.click(box["hwnd"], IDOK)
    assert driver.wait_gone(box["hwnd"], timeout=10)
    assert driver.list_windows(cls="#32770", title="Create Pixmode Shortcut"), "the dialog closed after a failure"

    # Once the way is clear, the same dialog writes the link.
    link.rmdir()
    create_shortcut(driver, dialog)
    assert read_shell_link(link).arguments.startswith(f" -H{primary['width']} -V{primary['height']}")
    driver.close(main["hwnd"])


def test_chosen_program_is_run_only_when_maximized_and_gives_its_icon(rig, driver, pixmode, link, primary, program):
    width, height, bpp, index = primary["width"], primary["height"], primary["bpp"], primary["index"]
    main = open_main_dialog(driver, pixmode)
    dialog = open_shortcut_dialog(driver, main)
    choose_program(driver, dialog, program)
    label = driver.control(dialog["hwnd"], PROGRAM)
    assert (label["text"], label["enabled"]) == (program, True)
    driver.click(dialog["hwnd"], ONLY_WHEN_MAXIMIZED)
    create_shortcut(driver, dialog)

    fields = read_shell_link(link)
    assert fields.target.lower() == windows_path(pixmode.exe).lower()
    assert fields.arguments == f' -H{width} -V{height} -C{2 ** bpp} -M{index} -R "-X\\"{program}\\""'
    assert fields.description == description(program, width, height)
    # The program's first icon, and no working folder: the link sets nothing else.
    assert (fields.icon_location, fields.icon_index, fields.working_dir) == (program, 0, "")
    driver.close(main["hwnd"])


def test_a_second_shortcut_replaces_the_first(rig, driver, pixmode, link, primary, program):
    width, height, bpp, index = primary["width"], primary["height"], primary["bpp"], primary["index"]
    main = open_main_dialog(driver, pixmode)
    dialog = open_shortcut_dialog(driver, main)
    choose_program(driver, dialog, program)
    create_shortcut(driver, dialog)
    assert read_shell_link(link).arguments.endswith(f'"-X\\"{program}\\""')

    # The second one, with the rate handed over and no program, leaves nothing of the first.
    driver.click(main["hwnd"], REFRESH_FILTER)
    create_shortcut(driver, open_shortcut_dialog(driver, main))
    assert [path.name for path in link.parent.glob("*.lnk")] == [LINK_NAME]
    fields = read_shell_link(link)
    assert fields.arguments == f" -H{width} -V{height} -C{2 ** bpp} -F{primary['frequency']} -M{index}"
    assert fields.description == description("", width, height)
    assert fields.icon_location == ""
    driver.close(main["hwnd"])


def test_the_link_runs_the_program_at_its_mode_and_puts_the_mode_back(rig, driver, pixmode, link, primary, program):
    original = (primary["width"], primary["height"])
    chosen = (800, 600)
    assert chosen != original
    # The dialog takes over the mode in force, so the link is made while the chosen one is.
    assert driver.change(*chosen) == 0
    main = open_main_dialog(driver, pixmode)
    dialog = open_shortcut_dialog(driver, main)
    assert text(driver, dialog, RESOLUTION) == resources.text("IDS_SCREEN_AREA", 800, 600)
    choose_program(driver, dialog, program)
    create_shortcut(driver, dialog)
    driver.close(main["hwnd"])
    assert driver.wait_gone(main["hwnd"], timeout=20)
    assert driver.change(*original, primary["frequency"]) == 0
    assert xrandr.primary_mode(rig.env).size == original

    # Opened the way the desktop opens it: the shell reads the link and starts its target.
    opened = subprocess.Popen([rig.loader, "start", "/wait", "/unix", str(link)], env=rig.env,
                              stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        app = driver.wait_window(title="Pixmode Test App", timeout=30)
        assert app is not None, "the link did not start the program"
        assert xrandr.primary_mode(rig.env).size == chosen
        driver.close(app["hwnd"])
        opened.wait(timeout=30)
        assert wait_until(lambda: xrandr.primary_mode(rig.env).size == original, 10), \
            "the previous mode did not come back after the program ended"
    finally:
        # Pixmode ends once its program has ended.
        for window in driver.list_windows(title="Pixmode Test App"):
            driver.close(window["hwnd"])
        if opened.poll() is None:
            opened.kill()
            opened.wait(timeout=30)


def test_a_link_for_a_path_with_blanks_runs_that_program_and_not_a_decoy(rig, driver, pixmode, link, tmp_path):
    # Unquoted, "C:\My Games\old game\game.exe" would first be tried as "C:\My Games\old.exe".
    games = Path(rig.env["WINEPREFIX"]) / "drive_c" / "My Games"
    (games / "old game").mkdir(parents=True, exist_ok=True)
    shutil.copy(Path(rig.build_dir) / "testapp.exe", games / "old game" / "game.exe")
    shutil.copy(Path(rig.build_dir) / "testapp.exe", games / "old.exe")
    chosen = "C:\\My Games\\old game\\game.exe"
    starts = tmp_path / "starts.txt"
    opened = None
    try:
        main = open_main_dialog(driver, pixmode)
        dialog = open_shortcut_dialog(driver, main)
        choose_program(driver, dialog, chosen)
        create_shortcut(driver, dialog)
        driver.close(main["hwnd"])
        assert driver.wait_gone(main["hwnd"], timeout=20)

        env = dict(rig.env, PIXMODE_TESTAPP_STARTS=windows_path(starts))
        opened = subprocess.Popen([rig.loader, "start", "/wait", "/unix", str(link)], env=env,
                                  stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        app = driver.wait_window(title="Pixmode Test App", timeout=30)
        assert app is not None, "the link started no program"
        assert wait_until(starts.exists, 10)
        assert starts.read_text().splitlines() == [f"started {chosen}"]
        driver.close(app["hwnd"])
        opened.wait(timeout=30)
        # The path is quoted inside the option, so the platform takes it whole.
        assert read_shell_link(link).arguments.endswith(f' "-X\\"{chosen}\\""')
    finally:
        for window in driver.list_windows(title="Pixmode Test App"):
            driver.close(window["hwnd"])
        if opened is not None and opened.poll() is None:
            opened.kill()
            opened.wait(timeout=30)
        shutil.rmtree(games)
