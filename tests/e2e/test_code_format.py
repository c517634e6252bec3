"""The C++ sources follow the project's .clang-format."""
import subprocess

from rig import ROOT


def test_sources_follow_the_format():
    listed = subprocess.run(["git", "ls-files", "*.cpp", "*.h"], cwd=ROOT, capture_output=True, text=True,
                            check=True, timeout=60).stdout.split()
    sources = [name for name in listed if not name.startswith("res/")]
    assert sources
    result = subprocess.run(["clang-format", "--dry-run", "-Werror", *sources], cwd=ROOT, capture_output=True,
                            text=True, timeout=300)
    assert result.returncode == 0, result.stderr[:3000]
