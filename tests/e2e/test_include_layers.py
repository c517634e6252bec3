"""The program's folders include one another in one direction only (scripts/check-includes.py)."""
import subprocess
import sys

from rig import ROOT

CHECK = ROOT / "scripts" / "check-includes.py"


def check(root):
    return subprocess.run([sys.executable, str(CHECK), str(root)], capture_output=True, text=True, timeout=60)


def test_no_folder_includes_one_above_it():
    result = check(ROOT)
    assert result.returncode == 0, result.stdout


def test_upward_and_sideways_includes_are_reported(tmp_path):
    files = {
        "framework/Base.h": '#include "framework/Other.h"\n#include "res/resource.h"\n',
        "shortcut/Link.cpp": '#include "about/Box.h"\n#include "framework/Base.h"\n',
        "dialog/Main.cpp": '#include "shortcut/Link.h"\n  #  include "app/App.h"\n',
        "app/App.cpp": '#include "dialog/Main.h"\n#include <windows.h>\n',
        "about/Start.cpp": '#include "updater/Check.h"\n',
        "bench/Floor.cpp": '#include "app/App.h"\n#include "fakes/FakeDisplay.h"\n',
        "updater/Check.cpp": '#include "framework/Base.h"\n#include "display/Modes.h"\n',
    }
    for name, text in files.items():
        (tmp_path / name).parent.mkdir(parents=True, exist_ok=True)
        (tmp_path / name).write_text(text, encoding="utf-8")
    result = check(tmp_path)
    assert result.returncode == 1
    assert result.stdout.splitlines() == [
        "framework/Base.h:2: framework/ includes res/, which is not below it",
        "about/Start.cpp:1: about/ includes updater/, which is not below it",
        "shortcut/Link.cpp:1: shortcut/ includes about/, which is not below it",
        "dialog/Main.cpp:2: dialog/ includes app/, which is not below it",
        "bench/Floor.cpp:2: bench/ includes fakes/, which is not below it",
        "updater/Check.cpp:2: updater/ includes display/, which is not below it",
    ]
