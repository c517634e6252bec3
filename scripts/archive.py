#!/usr/bin/env python3
"""Writes the release archive of a build folder: DIST/pixmode-<version>.zip with everything the
program expects in its own folder (pixmode.exe, its updater Marrowick.exe and readme.html), and
DIST/SHA256SUMS. The same files give the same bytes: the entries come in a fixed order, with a
fixed time, fixed attributes and one compression setting. Nothing else in DIST is touched, so it
may be a folder that holds other files.

Usage: archive.py BUILD_DIR DIST
"""
import hashlib
import os
import struct
import sys
import zipfile
from pathlib import Path

FILES = ("pixmode.exe", "Marrowick.exe", "readme.html")
EARLIEST_ZIP_TIME = (1980, 1, 1, 0, 0, 0)
UNIX_FILE_0644 = 0o100644 << 16
FIXED_INFO_SIGNATURE = 0xFEEF04BD
FIXED_INFO_VERSION = 0x00010000


def file_version(exe):
    """The file version of the executable's version resource (its VS_FIXEDFILEINFO), "a.b.c.d"."""
    data = exe.read_bytes()
    at = data.find(struct.pack("<II", FIXED_INFO_SIGNATURE, FIXED_INFO_VERSION))
    if at < 0:
        sys.exit(f"archive: {exe} has no version resource")
    high, low = struct.unpack_from("<II", data, at + 8)
    return f"{high >> 16}.{high & 0xFFFF}.{low >> 16}.{low & 0xFFFF}"


def main():
    build, dist = Path(sys.argv[1]), Path(sys.argv[2])
    archive = dist / f"pixmode-{file_version(build / 'pixmode.exe')}.zip"
    contents = [(name, (build / name).read_bytes()) for name in FILES]
    dist.mkdir(parents=True, exist_ok=True)
    # Written beside and renamed into place, so that a failed run leaves no half archive.
    partial = archive.with_name(archive.name + ".partial")
    with zipfile.ZipFile(partial, "w") as zipped:
        for name, data in contents:
            entry = zipfile.ZipInfo(name, EARLIEST_ZIP_TIME)
            entry.create_system = 3
            entry.external_attr = UNIX_FILE_0644
            entry.compress_type = zipfile.ZIP_DEFLATED
            zipped.writestr(entry, data, compresslevel=9)
    os.replace(partial, archive)
    digest = hashlib.sha256(archive.read_bytes()).hexdigest()
    (dist / "SHA256SUMS").write_text(f"{digest}  {archive.name}\n")
    print(archive)


if __name__ == "__main__":
    main()
