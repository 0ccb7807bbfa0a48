#!/usr/bin/env python3
"""Prints the status-code reference of the manual as reStructuredText: per
code its hex and decimal value, its names and a field per language.

    status_table.py ROOT LIBRARY

The codes are those of the error description files under ROOT/data, the
names those of the public header and src/status/StatusCodes.h, and each
description is the library's own answer (zuVEXA_GetErrorMessage) in every
language whose description files are shipped. Run it with the environment
in which the library finds its platform components.
"""
import ctypes
import pathlib
import re
import sys

# Folder names of the shipped description files, and the key the library's
# DriverSetup option takes for each language.
LANGUAGES = {"English": ("en", "en"), "French": ("fr", "fr"), "German": ("de", "de"), "Japanese": ("ja", "jp")}
DEFINE = re.compile(r"#define\s+(ZUVEXA_(?:ERROR|WARN)_\w+)\s+\(\(ViStatus\)\s*(-?0x[0-9A-Fa-f]+|-?\d+)\)")
CODE = re.compile(r'<zuerror\s+code="(-?0x[0-9A-Fa-f]+|-?\d+)"')


def signed(code: int) -> int:
    return code - (1 << 32) if code >= 1 << 31 else code


def status_names(root: pathlib.Path) -> dict:
    names: dict = {}
    for header in (root / "include/zuVEXA.h", root / "src/status/StatusCodes.h"):
        for name, value in DEFINE.findall(header.read_text()):
            if not name.endswith("_BASE"):
                names.setdefault(signed(int(value, 0)), []).append(name)
    return names


def shipped_languages(root: pathlib.Path) -> list:
    """The languages of the folders that hold description files, in LANGUAGES order."""
    folders = {path.parent.name for path in (root / "data").rglob("*.err")}
    unknown = folders - set(LANGUAGES)
    if unknown:
        sys.exit("status_table.py: description files of an unknown language: " + ", ".join(sorted(unknown)))
    return [name for name in LANGUAGES if name in folders]


def described_codes(root: pathlib.Path) -> list:
    codes = set()
    for path in (root / "data").rglob("*.err"):
        codes.update(signed(int(value, 0)) for value in CODE.findall(path.read_text(encoding="utf-8")))
    return sorted(codes, key=lambda code: (code >= 0, code & 0xFFFFFFFF))


class Library:
    def __init__(self, path: str) -> None:
        self.lib = ctypes.CDLL(path)
        self.lib.zuVEXA_InitWithOptions.argtypes = [ctypes.c_char_p, ctypes.c_uint16, ctypes.c_uint16,
                                                    ctypes.c_char_p, ctypes.POINTER(ctypes.c_uint32)]
        self.lib.zuVEXA_GetErrorMessage.argtypes = [ctypes.c_uint32, ctypes.c_int32, ctypes.c_int32,
                                                    ctypes.c_char_p]

    def language_session(self, key: str) -> int:
        """A simulated session whose descriptions come in the language."""
        vi = ctypes.c_uint32(0)
        options = ("Simulate=1,DriverSetup=Language:" + key).encode()
        status = self.lib.zuVEXA_InitWithOptions(b"", 0, 0, options, ctypes.byref(vi))
        if status < 0:
            sys.exit("status_table.py: cannot open a session in language %s (status %d)" % (key, status))
        return vi.value

    def describe(self, vi: int, code: int) -> str:
        size = self.lib.zuVEXA_GetErrorMessage(vi, code, 0, None)
        buffer = ctypes.create_string_buffer(max(size, 1))
        if self.lib.zuVEXA_GetErrorMessage(vi, code, len(buffer), buffer) < 0:
            sys.exit("status_table.py: no description of %d" % code)
        return " ".join(buffer.value.decode("utf-8").split())

    def close(self, vi: int) -> None:
        self.lib.zuVEXA_close(vi)


def cell(text: str) -> str:
    return text.replace("\\", "\\\\").replace("*", "\\*").replace("`", "\\`").replace("|", "\\|")


def main() -> None:
    root, library = pathlib.Path(sys.argv[1]), Library(sys.argv[2])
    names, codes, languages = status_names(root), described_codes(root), shipped_languages(root)
    sessions = {name: library.language_session(LANGUAGES[name][1]) for name in languages}
    for code in codes:
        name = " ".join("``%s``" % name for name in names.get(code, []))
        kind = "error" if code < 0 else "warning"
        print("``0x%08X``, %d (%s) %s" % (code & 0xFFFFFFFF, code, kind, name))
        for language in languages:
            print("   :%s: %s" % (language, cell(library.describe(sessions[language], code))))
        print()
    for vi in sessions.values():
        library.close(vi)


if __name__ == "__main__":
    main()
