"""Reads the fields of a shell link (.lnk) file from its own binary layout, without any tool."""
import struct
from dataclasses import dataclass
from pathlib import Path

HEADER_SIZE = 0x4C
LINK_CLSID = bytes.fromhex("0114020000000000c000000000000046")
HAS_TARGET_ID_LIST, HAS_LINK_INFO, IS_UNICODE = 0x1, 0x2, 0x80
# The optional strings, in the order they follow each other, with the flag that announces each.
STRINGS = (("description", 0x4), ("relative_path", 0x8), ("working_dir", 0x10), ("arguments", 0x20),
           ("icon_location", 0x40))
VOLUME_ID_AND_LOCAL_BASE_PATH = 0x1


@dataclass
class ShellLink:
    target: str = ""         # the local path of the link information, base path and suffix
    description: str = ""
    relative_path: str = ""
    working_dir: str = ""
    arguments: str = ""
    icon_location: str = ""
    icon_index: int = 0


def _ansi(data, offset):
    # The writer's code page; Wine's is Western European.
    return data[offset:data.index(b"\0", offset)].decode("cp1252")


def _unicode(data, offset):
    end = offset
    while data[end:end + 2] != b"\0\0":
        end += 2
    return data[offset:end].decode("utf-16-le")


def _target(info):
    size, header_size, flags, _, base, _, suffix = struct.unpack_from("<7I", info)
    if len(info) != size or not flags & VOLUME_ID_AND_LOCAL_BASE_PATH:
        return ""
    if header_size >= 0x24:
        base_unicode, suffix_unicode = struct.unpack_from("<2I", info, 28)
        return _unicode(info, base_unicode) + _unicode(info, suffix_unicode)
    return _ansi(info, base) + _ansi(info, suffix)


def read_shell_link(path):
    data = Path(path).read_bytes()
    if struct.unpack_from("<I", data)[0] != HEADER_SIZE or data[4:20] != LINK_CLSID:
        raise ValueError(f"{path} is not a shell link")
    flags, = struct.unpack_from("<I", data, 20)
    link = ShellLink(icon_index=struct.unpack_from("<i", data, 56)[0])
    offset = HEADER_SIZE
    if flags & HAS_TARGET_ID_LIST:
        offset += 2 + struct.unpack_from("<H", data, offset)[0]
    if flags & HAS_LINK_INFO:
        size, = struct.unpack_from("<I", data, offset)
        link.target = _target(data[offset:offset + size])
        offset += size
    width, encoding = (2, "utf-16-le") if flags & IS_UNICODE else (1, "cp1252")
    for name, flag in STRINGS:
        if flags & flag:
            count, = struct.unpack_from("<H", data, offset)
            offset += 2
            # Wine counts a terminating NUL in, Windows does not.
            setattr(link, name, data[offset:offset + count * width].decode(encoding).removesuffix("\0"))
            offset += count * width
    if offset > len(data):
        raise ValueError(f"{path} ends inside its strings")
    return link
