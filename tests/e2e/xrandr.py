"""The X server's view of the display modes, read and set with xrandr."""
import re
import subprocess
from dataclasses import dataclass


@dataclass(frozen=True)
class OutputMode:
    output: str
    width: int
    height: int
    x: int
    y: int
    mode_id: str      # the RandR mode id, e.g. "0x48"; names are not unique (one name, two rates)
    refresh: float    # Hz, as xrandr computes it from the timings
    primary: bool

    @property
    def size(self):
        return (self.width, self.height)


_OUTPUT = re.compile(r"^(\S+) connected (primary )?(\d+)x(\d+)\+(\d+)\+(\d+) \((0x[0-9a-f]+)\)")
_MODE = re.compile(r"^\s+(\S+) \((0x[0-9a-f]+)\) .*\*current")
_VCLOCK = re.compile(r"^\s+v:.*clock\s+([\d.]+)Hz")


def _xrandr(env, *args):
    return subprocess.run(["xrandr", *args], env=env, check=True, capture_output=True, text=True,
                          stdin=subprocess.DEVNULL, timeout=30).stdout


def current_modes(env):
    """Every active output's current mode, keyed by output name (DUMMY0, DUMMY1, ...)."""
    modes = {}
    output = None
    in_current = False
    for line in _xrandr(env, "--verbose").splitlines():
        found = _OUTPUT.match(line)
        if found:
            name, primary, width, height, x, y, mode_id = found.groups()
            output = OutputMode(name, int(width), int(height), int(x), int(y), mode_id, 0.0,
                                primary is not None)
            modes[name] = output
            in_current = False
            continue
        if not line[:1].isspace():
            output = None
            continue
        if output is None:
            continue
        if _MODE.match(line) and _MODE.match(line).group(2) == output.mode_id:
            in_current = True
            continue
        clock = _VCLOCK.match(line)
        if clock and in_current:
            modes[output.output] = OutputMode(**{**output.__dict__, "refresh": float(clock.group(1))})
            in_current = False
    return modes


def primary_mode(env):
    for mode in current_modes(env).values():
        if mode.primary:
            return mode
    raise AssertionError("xrandr reports no primary output")


def set_mode(env, saved):
    """Puts an output back to a saved OutputMode (same RandR mode id, position and primary role);
    this also turns an output that was switched off on again."""
    primary = ["--primary"] if saved.primary else []
    _xrandr(env, "--output", saved.output, "--mode", saved.mode_id, "--pos", f"{saved.x}x{saved.y}", *primary)


def turn_off(env, output):
    """Detaches an output from the screen. The full probe that follows lets clients see it."""
    _xrandr(env, "--output", output, "--off")
    _xrandr(env)


def restore(env, saved_modes):
    """Puts back every output whose mode, position or primary role differs, detached ones
    included; returns the outputs changed."""
    now = current_modes(env)
    changed = [name for name, saved in saved_modes.items() if name not in now or
               (now[name].mode_id, now[name].x, now[name].y, now[name].primary) !=
               (saved.mode_id, saved.x, saved.y, saved.primary)]
    if changed:
        # Every output in one request: Wine follows RandR changes as they come, and a layout put
        # back output by output passes through states (two outputs at the origin, none primary)
        # that it may take for the desktop.
        _xrandr(env, *[word for saved in saved_modes.values() for word in
                       ["--output", saved.output, "--mode", saved.mode_id, "--pos", f"{saved.x}x{saved.y}",
                        *(["--primary"] if saved.primary else [])]])
    return changed
