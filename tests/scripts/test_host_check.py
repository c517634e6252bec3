"""scripts/host.sh: which answer each outcome of its 32-bit probe gives, and when it stops instead.
The probe is replaced (its writer redefined) where the outcome must not depend on this host."""
import os
import subprocess
from pathlib import Path

import pytest

HOST = Path(__file__).resolve().parents[2] / "scripts" / "host.sh"
UNSET = ("PIXMODE_HOST_32BIT", "PIXMODE_HOST_WHY", "PIXMODE_32BIT", "WINELOADER")
NATIVE = "printf '#!/bin/sh\\nexit 32\\n' >\"$1\""
REFUSED = "the kernel refuses 32-bit x86 programs (Exec format error)"


def host(tmp_path, probe=None, before="", unshare=False, **env):
    """Sources host.sh as a script does, after the shell lines `before`; returns (status, answer, why,
    preset, loader, stderr). With a probe (the body of a shell function that writes the probe to
    "$1") the check runs with that probe, and `before` runs once host.sh is read (it may hide the
    repository)."""
    check = f'{before}\nsource "$HOST" || exit $?'
    if probe is not None:
        check = (f'export PIXMODE_HOST_32BIT=yes; source "$HOST"; unset PIXMODE_HOST_32BIT\n{before}\n'
                 f'pixmode_probe_write() {{ {probe}; }}\npixmode_host_answer || exit $?\nsource "$HOST" || exit $?')
    script = f'{check}\nprintf "%s|%s|%s|%s" "$PIXMODE_HOST_32BIT" "$PIXMODE_HOST_WHY" "$runnable_preset" "${{WINELOADER:-}}"'
    base = {k: v for k, v in os.environ.items() if k not in UNSET}
    done = subprocess.run(["unshare", "--mount"] * unshare + ["bash", "-c", script],
                          env={**base, "HOST": str(HOST), "TMPDIR": str(tmp_path), **env},
                          capture_output=True, text=True, timeout=60)
    return (done.returncode, *(done.stdout.split("|") if done.returncode == 0 else [None] * 4), done.stderr)


def test_a_probe_that_runs_natively_is_yes_whatever_the_umask(tmp_path):
    assert host(tmp_path, NATIVE, before="umask 0177")[:5] == (0, "yes", "", "windows-x86", "")


def test_the_kernel_refusing_the_format_is_no_with_the_64_bit_loader(tmp_path):
    status, answer, why, preset, loader, _ = host(tmp_path, "printf '\\x7fELF\\x02junk' >\"$1\"")
    assert (status, answer, preset, loader) == (0, "no", "windows-x64", "/usr/lib/wine/wine64")
    assert why == REFUSED


def test_a_probe_that_sees_another_machine_is_no_for_an_emulator(tmp_path):
    status, answer, why, _, _, _ = host(tmp_path, "printf '#!/bin/sh\\nexit 33\\n' >\"$1\"")
    assert (status, answer) == (0, "no") and "emulator" in why


def noexec(*folders):
    """Shell lines that mount an empty noexec file system on each folder, seen by this run only."""
    if subprocess.run(["unshare", "--mount", "true"], capture_output=True).returncode != 0:
        pytest.skip("no private mount namespace here (run as root)")
    return "\n".join(f'mkdir -p "{f}" && mount -t tmpfs -o noexec tmpfs "{f}" || exit 9' for f in folders)


def test_a_noexec_folder_is_passed_over(tmp_path):
    assert host(tmp_path, NATIVE, before=noexec("$TMPDIR"), unshare=True)[:2] == (0, "yes")


def test_with_a_noexec_tmpdir_and_a_umask_without_execute_the_kernel_answers(tmp_path):
    # The real probe: yes, or the kernel's own refusal, never "Permission denied".
    status, answer, why, *_ = host(tmp_path, before=noexec("$TMPDIR") + "\numask 0177", unshare=True)
    assert status == 0 and (answer, why) in [("yes", ""), ("no", REFUSED)]


def test_no_folder_that_can_run_programs_stops(tmp_path):
    status, *_, stderr = host(tmp_path, NATIVE, before=noexec("$TMPDIR", "/tmp", "/dev/shm", "/var/tmp",
                                                             HOST.parents[1] / "build"), unshare=True)
    assert status == 1
    assert "no folder lets the 32-bit test program run" in stderr and f"{tmp_path} (Permission denied)" in stderr


def test_any_other_failure_of_the_probe_stops_and_says_what_failed(tmp_path):
    status, *_, stderr = host(tmp_path, "printf '#!/bin/sh\\necho broken >&2; exit 5\\n' >\"$1\"")
    assert status == 1 and "status 5, broken" in stderr


@pytest.mark.parametrize("inherited", ["yes", "no"])
def test_an_inherited_answer_is_kept_and_the_setting_wins_over_it(tmp_path, inherited):
    assert host(tmp_path, PIXMODE_HOST_32BIT=inherited, PIXMODE_HOST_WHY="")[:2] == (0, inherited)
    assert host(tmp_path, PIXMODE_HOST_32BIT=inherited, PIXMODE_32BIT="off")[:4] == (
        0, "no", "PIXMODE_32BIT=off is set", "windows-x64")


@pytest.mark.parametrize("name, value", [("PIXMODE_HOST_32BIT", "1"), ("PIXMODE_HOST_32BIT", "true"),
                                         ("PIXMODE_32BIT", "no")])
def test_a_bad_value_stops_every_script_that_sources_it(tmp_path, name, value):
    status, *_, stderr = host(tmp_path, **{name: value})
    assert status == 1 and f"{name} is '{value}'" in stderr
