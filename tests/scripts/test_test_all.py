"""scripts/test-all, run in a copy of the repository whose building, root and Windows tests are
stubs: no inherited setting narrows what runs, a part that runs fewer tests than it holds fails,
and an interrupt ends the run at once, stops what it started and never reads as a pass."""
import os
import shutil
import signal
import subprocess
import time
from pathlib import Path

import pytest

SCRIPTS = Path(__file__).resolve().parents[2] / "scripts"

# Writes the reports scripts/windows-tests.sh would, from the settings it was given; with
# STUB_HANG it waits for its end instead, its pid in the run folder.
WINDOWS_TESTS = r"""#!/bin/bash
rundir=$1
env >"$STUB_SEEN"
if [[ -n ${STUB_HANG:-} ]]; then
  echo $$ >"$STUB_HANG"
  exec sleep 300
fi
listed=${STUB_UNIT_LISTED:-2}
for preset in windows-x86 windows-x64; do
  { echo "Suite."; for ((i = 0; i < listed; i++)); do echo "  Case$i"; done; } >"$rundir/unit-$preset.list"
  echo '{"testsuites": [{"testsuite": [{"name": "A", "status": "RUN", "result": "COMPLETED"},
    {"name": "B", "status": "RUN", "result": "COMPLETED"}]}]}' >"$rundir/unit-$preset.json"
done
echo "t.py::a" >"$rundir/e2e-wine.collected"
echo '<testsuites><testsuite><testcase name="a"/></testsuite></testsuites>' >"$rundir/e2e-wine.xml"
"""
# A test in each suite that passes; tests/e2e also holds one the host would deselect with -k.
CHECKS = 'def test_checked():\n    pass\n\n\ndef test_narrowed():\n    pass\n'


@pytest.fixture
def repo(tmp_path):
    """A copy of the repository's test command with stub steps; returns its folder."""
    repo = tmp_path / "repo"
    (repo / "scripts").mkdir(parents=True)
    for name in ("test-all", "count-tests.py", "release-runs.sh"):
        shutil.copy(SCRIPTS / name, repo / "scripts" / name)
    # The machine runs 32-bit code, as far as the run knows: every part runs.
    (repo / "scripts" / "probe-32bit-code.c").write_text('int main(void) { return 0; }\n')
    stubs = {"install-deps.sh": "#!/bin/bash\n", "build.sh": "#!/bin/bash\n",
             "root.sh": '#!/bin/bash\n[[ $1 == run ]] || exit 0\nshift\nexec "$@"\n',
             "windows-tests.sh": WINDOWS_TESTS}
    for name, text in stubs.items():
        (repo / "scripts" / name).write_text(text)
        (repo / "scripts" / name).chmod(0o755)
    for part in ("scripts", "e2e"):
        (repo / "tests" / part).mkdir(parents=True)
        (repo / "tests" / part / f"test_{part}_stub.py").write_text(CHECKS)
    return repo


def take_interrupts():
    """As from a terminal: a test run in the background of a script inherits Ctrl-C ignored."""
    signal.signal(signal.SIGINT, signal.SIG_DFL)


def start_test_all(repo, **settings):
    env = {key: value for key, value in os.environ.items() if not key.startswith(("PYTEST_", "GTEST_", "PIXMODE_"))}
    return subprocess.Popen(["/bin/bash", repo / "scripts" / "test-all"], env={**env, **settings}, cwd=repo,
                            stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                            start_new_session=True, preexec_fn=take_interrupts)


def finished(run, timeout=120):
    output, _ = run.communicate(timeout=timeout)
    return run.returncode, output


def test_inherited_settings_narrow_nothing(repo):
    seen = repo.parent / "seen.env"
    code, output = finished(start_test_all(repo, GTEST_FILTER="Nothing.*", PYTEST_ADDOPTS="-k checked",
                                     PIXMODE_EXE="/old/pixmode.exe", PIXMODE_BUILD_DIR="/elsewhere",
                                     STUB_SEEN=str(seen)))
    assert code == 0, output
    # Both stub checks of each host suite ran, and the Windows tests saw none of the settings.
    assert output.rstrip().endswith("tests: 9 passed, 0 failed, 0 skipped"), output
    assert "PIXMODE_RELEASE_RUNS=yes" in seen.read_text().splitlines()
    assert not {"GTEST_FILTER", "PYTEST_ADDOPTS", "PIXMODE_EXE", "PIXMODE_BUILD_DIR"} & \
        {line.split("=", 1)[0] for line in seen.read_text().splitlines()}


def test_a_part_that_runs_fewer_tests_than_it_holds_fails_by_name(repo):
    code, output = finished(start_test_all(repo, STUB_UNIT_LISTED="5", STUB_SEEN=os.devnull))
    assert code != 0
    assert "unit tests of windows-x86: 3 of its 5 tests did not run" in output
    lines = output.rstrip().splitlines()
    assert lines[-1] == "tests: 9 passed, 6 failed, 0 skipped", output
    # The logs of a failed run are kept and named.
    shutil.rmtree(lines[-2].split("test-all: the logs of the failed run: ", 1)[1])


@pytest.mark.parametrize("sent, to_group", [(signal.SIGINT, True), (signal.SIGTERM, False)])
def test_an_interrupt_stops_everything_and_never_reads_as_a_pass(repo, tmp_path, sent, to_group):
    hang = tmp_path / "hanging.pid"
    run = start_test_all(repo, STUB_HANG=str(hang), STUB_SEEN=os.devnull)
    deadline = time.monotonic() + 60
    while not (hang.exists() and hang.read_text().strip()):
        assert time.monotonic() < deadline and run.poll() is None, run.communicate()[0]
        time.sleep(0.05)
    hanging = int(hang.read_text())
    # Ctrl-C reaches the terminal's whole process group; a kill reaches test-all alone.
    if to_group:
        os.killpg(run.pid, sent)
    else:
        run.send_signal(sent)
    code, output = finished(run, timeout=30)
    assert code == 130, output
    lines = output.rstrip().splitlines()
    assert lines[-1] == "tests: interrupted"
    logs = Path(lines[-2].rsplit(": ", 1)[1])
    assert lines[-2].startswith("test-all: the logs of the interrupted run: ") and logs.is_dir()
    shutil.rmtree(logs)
    with pytest.raises(ProcessLookupError):
        os.kill(hanging, 0)


def test_a_machine_without_32bit_code_counts_the_releases_tests_as_skipped_never_passed(repo):
    (repo / "scripts" / "probe-32bit-code.c").write_text(
        '#include <stdio.h>\nint main(void) { puts("stub: no 32-bit code here"); return 1; }\n')
    seen = repo.parent / "seen.env"
    code, output = finished(start_test_all(repo, STUB_SEEN=str(seen)))
    assert code == 0, output
    assert "PIXMODE_RELEASE_RUNS=no" in seen.read_text().splitlines()
    assert "stub: no 32-bit code here" in output
    # The 64-bit unit tests (2) and end-to-end tests (1) ran; the release's, as many, are skipped.
    assert output.rstrip().endswith("tests: 7 passed, 0 failed, 3 skipped"), output
