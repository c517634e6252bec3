"""The virtual test display from Python: start, reuse and stop it, run Windows programs on it.

The shell scripts in scripts/rig do the work; this module only calls them and reads the
environment file they write, so a rig started by hand (scripts/rig/start.sh DIR) and one
started by the tests behave the same.
"""
import os
import shlex
import subprocess
import tempfile
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
SCRIPTS = ROOT / "scripts" / "rig"
# The release; PIXMODE_BUILD_DIR=build/windows-x64 runs the tests against the 64-bit build. A rig
# started by start.sh names its build.
DEFAULT_BUILD_DIR = ROOT / "build" / "windows-x86"


def windows_path(path):
    """The path as Wine's programs see it: the Unix root is drive Z."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


def read_env_file(path):
    """Parses the 'export NAME=value' lines that start.sh writes."""
    env = {}
    for line in Path(path).read_text().splitlines():
        words = shlex.split(line)
        if len(words) == 2 and words[0] == "export" and "=" in words[1]:
            name, value = words[1].split("=", 1)
            env[name] = value
    return env


class Rig:
    """A running virtual display with its own Wine prefix."""

    def __init__(self, rundir, owned):
        self.rundir = Path(rundir)
        self.owned = owned  # started by this process, so stopped by it too
        self.vars = read_env_file(self.rundir / "env")
        self.env = dict(os.environ, **self.vars)
        self.build_dir = Path(os.environ.get("PIXMODE_BUILD_DIR") or self.vars.get("PIXMODE_BUILD_DIR")
                              or DEFAULT_BUILD_DIR)

    # Debian 13's Wine runs both builds' programs, the 32-bit ones in its WoW64 mode.
    loader = "wine"

    @property
    def display(self):
        return self.env["DISPLAY"]

    @classmethod
    def start(cls, rundir=None, display=None):
        # In PIXMODE_RIG_PARENT when given (scripts/windows-tests.sh), where a stopped run finds it.
        rundir = Path(rundir or tempfile.mkdtemp(prefix="pixmode-e2e-", dir=os.environ.get("PIXMODE_RIG_PARENT")))
        command = [str(SCRIPTS / "start.sh"), str(rundir)]
        if display:
            command.append(str(display))
        subprocess.run(command, check=True, stdin=subprocess.DEVNULL, timeout=600)
        return cls(rundir, owned=True)

    @classmethod
    def reuse(cls, rundir):
        return cls(rundir, owned=False)

    def stop(self):
        if self.owned:
            subprocess.run([str(SCRIPTS / "stop.sh"), str(self.rundir)], check=False,
                           stdin=subprocess.DEVNULL, timeout=120)

    def wine(self, program, *args, timeout=30, check=False):
        """Runs a Windows program to its end; returns the CompletedProcess (text output). One that
        does not end in time is ended and fails the test with what it wrote and the Wine processes
        of this rig's prefix at that moment."""
        command = [self.loader, str(program), *map(str, args)]
        try:
            return subprocess.run(command, env=self.env, stdin=subprocess.DEVNULL, capture_output=True,
                                  text=True, encoding="utf-8", errors="replace", timeout=timeout, check=check)
        except subprocess.TimeoutExpired as hung:
            written = "".join(part.decode("utf-8", "replace") for part in (hung.stdout, hung.stderr) if part)
            raise AssertionError(f"{' '.join(command[1:])} did not end within {timeout} s and was ended; "
                                 f"it wrote: {written or '(nothing)'}\nWine processes then:\n"
                                 f"{self.wine_processes()}") from None

    def wine_processes(self):
        """pid, state, kernel wait and command of each process of this rig's Wine prefix."""
        lines = []
        for entry in Path("/proc").glob("[0-9]*"):
            try:
                if f"WINEPREFIX={self.env['WINEPREFIX']}".encode() not in (entry / "environ").read_bytes().split(b"\0"):
                    continue
                state = (entry / "stat").read_text().rsplit(")", 1)[1].split()[0]
                wait = (entry / "wchan").read_text()
                command = (entry / "cmdline").read_bytes().replace(b"\0", b" ").decode("utf-8", "replace")
            except OSError:
                continue
            lines.append(f"{entry.name} {state} {wait or '-'} {command}")
        return "\n".join(sorted(lines, key=lambda line: int(line.split()[0]))) or "(none)"

    def start_wine(self, program, *args, cwd=None):
        """Starts a Windows program without waiting, in the folder cwd (a Unix path) if given.
        Under Wine the pid is the program's own."""
        return subprocess.Popen([self.loader, str(program), *map(str, args)], env=self.env, cwd=cwd,
                                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", str(path)], env=self.env, check=True,
                       stdin=subprocess.DEVNULL, timeout=30)
        return Path(path)
