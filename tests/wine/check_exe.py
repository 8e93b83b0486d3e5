#!/usr/bin/env python3
"""check_exe.py PROGRAM.exe RELEASE VERSION: what Windows and its users read
from the program's file without running it. The header asks for ASLR with
high entropy and DEP, the loader looks for DLLs in the system folder only,
no debug section ships, the icon has its eight sizes in 32 bits, and the
version record is the one the program is known by."""
import struct
import sys

import pefile

LOAD_LIBRARY_SEARCH_SYSTEM32 = 0x800
ICON_SIZES = [16, 24, 32, 48, 64, 72, 96, 128]
# DependentLoadFlags: after Size, TimeDateStamp, two versions, three DWORDs,
# six 64-bit fields, ProcessHeapFlags and CSDVersion.
DEPENDENT_LOAD_FLAGS_OFFSET = 78


def main(path, release, version):
    pe = pefile.PE(path)
    failures = []

    def expect(condition, what):
        if not condition:
            failures.append(what)

    chars = pe.OPTIONAL_HEADER.DllCharacteristics
    for flag in ("DYNAMIC_BASE", "HIGH_ENTROPY_VA", "NX_COMPAT"):
        expect(chars & pefile.DLL_CHARACTERISTICS["IMAGE_DLLCHARACTERISTICS_" + flag],
               f"the header lacks {flag}")
    expect(pe.OPTIONAL_HEADER.Subsystem == pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"],
           "the program opens a console")

    expect(dependent_load_flags(pe) == LOAD_LIBRARY_SEARCH_SYSTEM32,
           "the loader does not keep to the system folder")
    expect(pe.FILE_HEADER.NumberOfSymbols == 0, "a symbol table ships")
    debug = [s.Name.rstrip(b"\0").decode() for s in pe.sections if s.Name.startswith(b".debug")]
    expect(not debug, f"debug sections ship: {debug}")
    imports = sorted(entry.dll.decode().lower() for entry in pe.DIRECTORY_ENTRY_IMPORT)
    expect(not [dll for dll in imports if dll.startswith(("libstdc++", "libgcc", "libwinpthread", "qt6"))],
           f"needs DLLs that Windows does not have: {imports}")

    expect(icon_sizes(pe) == [(size, 32) for size in ICON_SIZES],
           f"icon sizes and depths {icon_sizes(pe)}")

    fixed = pe.VS_FIXEDFILEINFO[0]
    numbers = tuple(int(n) for n in version.split("."))
    for name, (ms, ls) in {"file": (fixed.FileVersionMS, fixed.FileVersionLS),
                           "product": (fixed.ProductVersionMS, fixed.ProductVersionLS)}.items():
        expect((ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF) == numbers,
               f"the {name} version is not {version}")
    major, minor, build = release.split(".")
    spelt = f"{major}.{int(minor):02d}.{int(build):04d}"
    tables = {table.LangID: {k.decode(): v.decode() for k, v in table.entries.items()}
              for info in pe.FileInfo[0] if info.Key == b"StringFileInfo"
              for table in info.StringTable}
    expect(list(tables) == [b"040704b0"] or list(tables) == [b"040704B0"],
           f"string tables {list(tables)}, not one German one")
    strings = next(iter(tables.values()), {})
    for key, value in {"FileVersion": spelt, "ProductVersion": spelt,
                       "InternalName": f"Kelvaro{release}",
                       "OriginalFilename": f"Kelvaro{release}.exe"}.items():
        expect(strings.get(key) == value, f"{key} is {strings.get(key)!r}, not {value!r}")

    for failure in failures:
        print(f"FAIL: {path}: {failure}", file=sys.stderr)
    return 1 if failures else 0


def dependent_load_flags(pe):
    entry = pe.OPTIONAL_HEADER.DATA_DIRECTORY[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_LOAD_CONFIG"]]
    if entry.VirtualAddress == 0:
        return None
    data = pe.get_data(entry.VirtualAddress, DEPENDENT_LOAD_FLAGS_OFFSET + 2)
    (size,) = struct.unpack_from("<I", data, 0)
    if size < DEPENDENT_LOAD_FLAGS_OFFSET + 2:
        return None
    return struct.unpack_from("<H", data, DEPENDENT_LOAD_FLAGS_OFFSET)[0]


def icon_sizes(pe):
    """(size, bits) of each image of the first icon group, as Explorer reads it."""
    groups = [entry for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries
              if entry.id == pefile.RESOURCE_TYPE["RT_GROUP_ICON"]]
    if not groups:
        return []
    resource = groups[0].directory.entries[0].directory.entries[0]
    data = pe.get_data(resource.data.struct.OffsetToData, resource.data.struct.Size)
    (count,) = struct.unpack_from("<H", data, 4)
    sizes = []
    for i in range(count):
        width, _, _, _, _, bits, _, _ = struct.unpack_from("<BBBBHHIH", data, 6 + 14 * i)
        sizes.append((width or 256, bits))
    return sorted(sizes)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
