"""Reads the header and the resources of a PE file (32- or 64-bit) without any tool beyond Python."""
import struct
from pathlib import Path

RT_VERSION = 16
RT_MANIFEST = 24
PE32, PE32_PLUS = 0x10B, 0x20B
MACHINE_I386, MACHINE_AMD64 = 0x14C, 0x8664
SUBSYSTEM_WINDOWS_GUI = 2


class PeFile:
    def __init__(self, path):
        self.data = Path(path).read_bytes()
        if self.data[:2] != b"MZ":
            raise ValueError(f"{path} is not an executable")
        pe = struct.unpack_from("<I", self.data, 0x3C)[0]
        if self.data[pe:pe + 4] != b"PE\0\0":
            raise ValueError(f"{path} has no PE header")
        self.machine, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", self.data, pe + 4)
        optional = pe + 24
        self.magic = struct.unpack_from("<H", self.data, optional)[0]
        # The subsystem sits at the same place in the 32- and the 64-bit optional header.
        self.subsystem = struct.unpack_from("<H", self.data, optional + 68)[0]
        directories = optional + (96 if self.magic == PE32 else 112)
        self.resource_rva, self.resource_size = struct.unpack_from("<II", self.data, directories + 2 * 8)
        self.sections = []
        table = optional + optional_size
        for i in range(sections):
            _, virtual_size, rva, raw_size, raw_offset = struct.unpack_from("<8sIIII", self.data, table + 40 * i)
            self.sections.append((rva, max(virtual_size, raw_size), raw_offset))

    def offset(self, rva):
        for start, size, raw in self.sections:
            if start <= rva < start + size:
                return raw + rva - start
        raise ValueError(f"address {rva:#x} lies in no section")

    def _entries(self, directory):
        """(id or name, is_directory, offset relative to the resource section) of one level."""
        base = self.offset(self.resource_rva)
        named, numbered = struct.unpack_from("<HH", self.data, base + directory + 12)
        for i in range(named + numbered):
            name, target = struct.unpack_from("<II", self.data, base + directory + 16 + 8 * i)
            key = name if not name & 0x80000000 else f"name@{name & 0x7FFFFFFF:#x}"
            yield key, bool(target & 0x80000000), target & 0x7FFFFFFF

    def resources(self, resource_type):
        """{(id, language): bytes} of every resource of the type."""
        found = {}
        base = self.offset(self.resource_rva)
        for type_id, _, types in self._entries(0):
            if type_id != resource_type:
                continue
            for name, _, names in self._entries(types):
                for language, _, leaf in self._entries(names):
                    rva, size = struct.unpack_from("<II", self.data, base + leaf)
                    start = self.offset(rva)
                    found[(name, language)] = self.data[start:start + size]
        return found
