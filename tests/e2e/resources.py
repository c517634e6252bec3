"""The program's resource identifiers (res/resource.h) and string table (res/strings.rc), read
from the sources, so that the tests name controls and expect texts the way the program does."""
import re
from pathlib import Path

RES = Path(__file__).resolve().parents[2] / "res"

_DEFINE = re.compile(r"^\s*#define\s+(\w+)\s+(\d+)\s*$")
_INCLUDE = re.compile(r'^\s*#include\s+"([^"]+)"')
_ENTRY = re.compile(r'^\s*(\w+)\s*,?\s*"((?:[^"]|"")*)"\s*$')
_ESCAPES = {"n": "\n", "t": "\t", "\\": "\\", '"': '"'}
_PLACEHOLDER = re.compile(r"%([1-9]|[dsux])")


def _read_ids(header=RES / "resource.h"):
    """The ids a header defines, with those of the project headers it includes (the framework's own)."""
    ids = {}
    for line in header.read_text(encoding="utf-8").splitlines():
        match = _DEFINE.match(line)
        if match:
            ids[match.group(1)] = int(match.group(2))
        included = _INCLUDE.match(line)
        if included:
            ids.update(_read_ids(RES.parent / included.group(1)))
    return ids


def _decode(quoted):
    """An .rc string's text: a doubled quote is one quote, a backslash starts an escape."""
    quoted = quoted.replace('""', '"')
    return re.sub(r"\\(.)", lambda m: _ESCAPES.get(m.group(1), "\\" + m.group(1)), quoted)


def _read_strings():
    strings = {}
    in_table = False
    for line in (RES / "strings.rc").read_text(encoding="utf-8").splitlines():
        if line.strip() == "BEGIN":
            in_table = True
        elif line.strip() == "END":
            in_table = False
        elif in_table:
            match = _ENTRY.match(line)
            if match:
                name = match.group(1)
                strings[ID[name] if name in ID else int(name)] = _decode(match.group(2))
    return strings


ID = _read_ids()
STRINGS = _read_strings()


def text(name, *inserts):
    """The string-table entry name, its placeholders filled as the program fills them: "%1" to
    "%9" by number, "%d", "%s", "%u" and "%x" in turn; inserted text is not read again."""
    inserts = [str(insert) for insert in inserts]
    in_turn = iter(range(len(inserts)))

    def fill(match):
        kind = match.group(1)
        index = int(kind) - 1 if kind.isdigit() else next(in_turn, len(inserts))
        return inserts[index] if index < len(inserts) else match.group(0)

    return _PLACEHOLDER.sub(fill, STRINGS[ID[name]])
