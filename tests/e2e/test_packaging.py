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
COMPATIBILITY = "{urn:schemas-microsoft-com:compatibility.v1}"
# Windows 7, 8, 8.1, and 10 and 11: the systems the updater says it knows.
SUPPORTED_OS = ["{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
                "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"]


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


@pytest.mark.parametrize("program", [RELEASE, *UPDATERS], ids=["windows-x86", "updater-x86", "updater-x64"])
def test_manifest_asks_for_common_controls_6_no_elevation_and_per_monitor_dpi(program):
    assert program.is_file(), f"{program} is missing"
    manifests = PeFile(program).resources(RT_MANIFEST)
    assert list(manifests) == [(1, 0)]  # the process manifest, language neutral
    root = ElementTree.fromstring(next(iter(manifests.values())))
    identities = root.findall(f"{ASM_V1}dependency/{ASM_V1}dependentAssembly/{ASM_V1}assemblyIdentity")
    assert [(i.get("name"), i.get("version")) for i in identities] == [
        ("Microsoft.Windows.Common-Controls", "6.0.0.0")]
    levels = root.findall(f".//{ASM_V3}requestedExecutionLevel")
    assert [(level.get("level"), level.get("uiAccess")) for level in levels] == [("asInvoker", "false")]
    assert [d.text for d in root.iter(f"{WINDOWS_SETTINGS}dpiAware")] == ["True/PM"]
    # Only the updater names the systems it knows: the program would lose its modes below 32 bits
    # per pixel on Windows 8 and later.
    systems = [entry.get("Id") for entry in root.iter(f"{COMPATIBILITY}supportedOS")]
    assert systems == (SUPPORTED_OS if program.name == "Marrowick.exe" else [])


@pytest.mark.parametrize("updater", UPDATERS, ids=["updater-x86", "updater-x64"])
def test_the_updater_says_what_it_is_with_the_programs_version(release, updater):
    assert updater.is_file(), f"{updater} is missing"
    program, info = (json.loads(output("exiftool", "-j", str(path)))[0] for path in (release, updater))
    assert info["FileDescription"] == "Pixmode Updater"
    assert info["OriginalFileName"] == "Marrowick.exe"
    for key in ("FileVersion", "ProductVersion", "FileVersionNumber", "ProductVersionNumber", "CompanyName",
                "ProductName", "LegalCopyright", "LanguageCode"):
        assert info[key] == program[key], key
    assert list(PeFile(updater).resources(RT_VERSION)) == [(1, UK_ENGLISH)]


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
