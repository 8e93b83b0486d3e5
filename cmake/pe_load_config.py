#!/usr/bin/env python3
"""pe_load_config.py PROGRAM.exe NM: points the program's load-configuration
entry at its _load_config_used structure. The MinGW-w64 linker defines the
symbol but leaves the entry of the header empty, so the loader would never
read the structure (and its DependentLoadFlags). Run on the linked program
before it is stripped: the symbol's address comes from its symbol table."""
import subprocess
import sys

import pefile


def main(program, nm):
    symbols = subprocess.run([nm, program], capture_output=True, text=True, check=True).stdout
    addresses = [int(line.split()[0], 16) for line in symbols.splitlines()
                 if line.split()[-1:] == ["_load_config_used"]]
    if len(addresses) != 1:
        sys.exit(f"pe_load_config: {program} defines _load_config_used {len(addresses)} times")
    pe = pefile.PE(program)
    rva = addresses[0] - pe.OPTIONAL_HEADER.ImageBase
    entry = pe.OPTIONAL_HEADER.DATA_DIRECTORY[
        pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_LOAD_CONFIG"]]
    # The structure's first field is its size.
    entry.VirtualAddress, entry.Size = rva, pe.get_dword_at_rva(rva)
    data = pe.write()
    pe.close()
    with open(program, "wb") as file:
        file.write(data)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(*sys.argv[1:])
