"""The release build as shipped: machine and subsystem, version resource, manifest and imported DLLs."""
import json
import re
import subprocess
import xml.etree.ElementTree as ElementTree

import pytest

from pe_resources import (MACHINE_AMD64, MACHINE_I386, PE32, PE32_PLUS, RT_MANIFEST, RT_VERSION,
                          SUBSYSTEM_WINDOWS_GUI, PeFile)
from rig import ROOT

RELEASE = ROOT / "build" / "windows-x86" / "pixmode.exe"
SECOND = ROOT / "build" / "windows-x64" / "pixmode.exe"
UPDATERS = [path.with_name("Marrowick.exe") for path in (RELEASE, SECOND)]
# Windows takes its known DLLs from the system folder whatever lies beside a program, and the
# manifest binds the common controls; any other DLL is looked for in the program's folder first.
# The C++ runtime is linked in statically.
ALLOWED_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comdlg32.dll", "shell32.dll", "shlwapi.dll",
                "ole32.dll", "oleaut32.dll", "advapi32.dll", "msvcrt.dll", "comctl32.dll"}
# What the program loads only when first needed, so that a command-line switch does without them.
LOADED_LATE = {"comctl32.dll", "comdlg32.dll", "shell32.dll", "ole32.dll"}
UK_ENGLISH = 0x0809
ASM_V1 = "{urn:schemas-microsoft-com:asm.v1}"
ASM_V3 = "{urn:schemas-microsoft-com:asm.v3}"
WINDOWS_SETTINGS = "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}"


def output(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True, timeout=60).stdout


@pytest.fixture(scope="module")
def release():
    assert RELEASE.is_file(), f"{RELEASE} is missing: build the windows-x86 preset"
    return RELEASE


@pytest.mark.parametrize("program, machine, magic", [(RELEASE, MACHINE_I386, PE32), (SECOND, MACHINE_AMD64, PE32_PLUS)],
                         ids=["windows-x86", "windows-x64"])
def test_builds_are_gui_programs_for_their_machine(program, machine, magic):
    assert program.is_file(), f"{program} is missing"
    pe = PeFile(program)
    assert (pe.machine, pe.magic, pe.subsystem) == (machine, magic, SUBSYSTEM_WINDOWS_GUI)


def test_version_resource_names_the_product_in_uk_english(release):
    info = json.loads(output("exiftool", "-j", str(release)))[0]
    assert info["FileVersion"] == "2.7.0.0"
    assert info["ProductVersion"] == "2.7.0.0"
    assert info["FileVersionNumber"] == info["ProductVersionNumber"] == "2.7.0.0"
    assert info["FileDescription"] == "Pixmode Display Resolution Switching Application"
    assert info["CompanyName"] == "Tallowin"
    assert info["InternalName"] == "PIXMODE"
    assert info["OriginalFileName"] == "PIXMODE.EXE"
    assert info["ProductName"] == "PIXMODE Application"
    assert (info["LanguageCode"], info["CharacterSet"]) == ("English (British)", "Unicode")
    # The notice must survive the resource compiler whole, copyright sign included.
    assert re.fullmatch(r"Copyright © \d{4} Tallowin\. All rights reserved\.", info["LegalCopyright"])


def test_version_resource_is_the_only_one_and_tagged_uk_english(release):
    assert list(PeFile(release).resources(RT_VERSION)) == [(1, UK_ENGLISH)]


def test_manifest_asks_for_common_controls_6_no_elevation_and_per_monitor_dpi(release):
    manifests = PeFile(release).resources(RT_MANIFEST)
    assert list(manifests) == [(1, 0)]  # the process manifest, language neutral
    root = ElementTree.fromstring(next(iter(manifests.values())))
    identities = root.findall(f"{ASM_V1}dependency/{ASM_V1}dependentAssembly/{ASM_V1}assemblyIdentity")
    assert [(i.get("name"), i.get("version")) for i in identities] == [
        ("Microsoft.Windows.Common-Controls", "6.0.0.0")]
    levels = root.findall(f".//{ASM_V3}requestedExecutionLevel")
    assert [(level.get("level"), level.get("uiAccess")) for level in levels] == [("asInvoker", "false")]
    assert [d.text for d in root.iter(f"{WINDOWS_SETTINGS}dpiAware")] == ["True/PM"]


@pytest.mark.parametrize("program", [RELEASE, SECOND, *UPDATERS],
                         ids=["windows-x86", "windows-x64", "updater-x86", "updater-x64"])
def test_imports_only_dlls_that_come_from_the_system_folder(program):
    assert program.is_file(), f"{program} is missing"
    objdump = "i686-w64-mingw32-objdump" if "windows-x86" in str(program) else "x86_64-w64-mingw32-objdump"
    dlls = {name.lower() for name in re.findall(r"DLL Name: (\S+)", output(objdump, "-p", str(program)))}
    assert dlls, "no imports found"
    assert dlls <= ALLOWED_DLLS, f"DLLs a file beside the program could stand in for: {sorted(dlls - ALLOWED_DLLS)}"
    # So that the program's command-line run starts without them; the updater, whose start is
    # never waited on, imports what it uses.
    if program.name == "pixmode.exe":
        assert not dlls & LOADED_LATE, f"imported instead of loaded when needed: {sorted(dlls & LOADED_LATE)}"


def test_the_release_stays_within_its_size_limit(release):
    size = release.stat().st_size
    assert size <= 300_000, f"{release} is {size} bytes, over its limit of 300,000"
