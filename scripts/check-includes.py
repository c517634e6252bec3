#!/usr/bin/env python3
"""Checks that the program's folders include one another in one direction only.

Usage: check-includes.py [ROOT]
Reads every '#include "folder/..."' line of the program's sources and headers, the updater's and
the benchmarks', and prints each include that reaches a folder on the same or a higher level than
its own, or one it may not reach at all. With --graph it prints
the folder graph instead ("from -> to", with the number of includes). Exits 1 when any include
goes the wrong way.
"""
import pathlib
import re
import sys

# Level of each folder: a folder may include only folders on a lower level (and itself). The
# resource ids in res/ build on the framework's own ids and serve every folder above it. The
# benchmarks measure the program from above.
LEVELS = {
    "framework": 0,
    "display": 0,
    "res": 1,
    "desktop": 2,
    "about": 2,
    "shortcut": 2,
    "dialog": 3,
    "app": 4,
    "bench": 5,
}
# The updater is a program of its own on the framework: it includes nothing else of Pixmode's and
# nothing includes it.
OWN_PROGRAMS = {"updater": {"framework"}}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"/]+)/[^"]+"')
SUFFIXES = {".h", ".cpp", ".rc"}


def includes(root):
    """Yields (file, line number, its folder, the included folder) for every folder include."""
    for folder in [*LEVELS, *OWN_PROGRAMS]:
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in SUFFIXES:
                continue
            for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
                match = INCLUDE.match(line)
                if match and match.group(1) != folder:
                    yield path.relative_to(root), number, folder, match.group(1)


def wrong_way(source, target):
    if source in OWN_PROGRAMS:
        return target not in OWN_PROGRAMS[source]
    # A folder the layering does not know, such as the tests' fakes, is not the program's to include.
    return target not in LEVELS or LEVELS[target] >= LEVELS[source]


def main():
    args = [arg for arg in sys.argv[1:] if arg != "--graph"]
    root = pathlib.Path(args[0] if args else pathlib.Path(__file__).resolve().parent.parent)
    found = list(includes(root))
    if "--graph" in sys.argv:
        edges = {}
        for _, _, source, target in found:
            edges[(source, target)] = edges.get((source, target), 0) + 1
        for (source, target), count in sorted(edges.items()):
            print(f"{source} -> {target} ({count})")
        return 0
    bad = [(path, number, source, target) for path, number, source, target in found if wrong_way(source, target)]
    for path, number, source, target in bad:
        print(f"{path}:{number}: {source}/ includes {target}/, which is not below it")
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
