#!/usr/bin/python3
"""Writes the package's _catalogue.py: the ctypes prototype of every exported
function and the table of attributes, from the catalogue rows that
catalogue_rows.cpp lays out when it is run through the C++ preprocessor.

    generate_catalogue.py SOURCE_ROOT OUTPUT [PREPROCESSOR]

SOURCE_ROOT is the checkout holding include/ and src/; PREPROCESSOR is a C++
compiler run with -E (default: $CXX, else c++). attribute_types.txt, beside
this script, gives the value type of the attributes the package reads and
writes by name. A row whose types, roles, identifier or name cannot be mapped
stops the build, and so does a value type for an attribute the catalogue
lacks. The CMake build and python/setup.py both run it.
"""
import os
import re
import subprocess
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent

# C types passed by value, and the ctypes names the package gives them.
SCALARS = {name: name for name in (
    "ViStatus", "ViSession", "ViBoolean", "ViAttr", "ViByte", "ViInt16", "ViInt32", "ViInt64",
    "ViUInt8", "ViUInt32", "ViUInt64", "ViReal32", "ViReal64", "ViConstString", "ZUTimestamp")}
SCALARS["uintptr_t"] = "ctypes.c_size_t"
# Types a pointer parameter may point to.
POINTEES = {**SCALARS, "WaveformInfo": "WaveformInfo", "ZUComplexNumber": "ZUComplexNumber", "ViChar": None,
            "void": None}
VALUE_TYPES = ("int32", "int64", "real64", "boolean", "string")

ROW = re.compile(r"@(export|attribute) (.*?) @end")
ATTRIBUTE_ID = re.compile(r"^(?:\(\(ViAttr\))?(\d+)\)?$")
DISPLAY_NAME = re.compile(r'^"([^"\\]*)"$')


class CatalogueError(Exception):
    pass


def argument_type(c_type, role):
    """The ctypes expression of one parameter: arrays and opaque pointers as
    plain addresses, single outputs as typed pointers, texts as char*."""
    c_type, role = c_type.replace(" ", "").removeprefix("const"), role.strip()
    base, pointer = c_type.rstrip("*"), c_type.endswith("*")
    kind = role.split("(")[0]
    if not pointer and kind in ("ZU_IN", "ZU_STR", "ZU_OPAQUE") and base in SCALARS:
        return SCALARS[base]
    if pointer and c_type.count("*") == 1 and base in POINTEES:
        if kind == "ZU_OUTTEXT" and base == "ViChar":
            return "ctypes.c_char_p"
        if kind == "ZU_OUT" and POINTEES[base]:
            return f"_P({POINTEES[base]})"
        if kind in ("ZU_INARR", "ZU_OUTARR", "ZU_OPAQUE", "ZU_OUTPTR"):
            return "ctypes.c_void_p"
    raise CatalogueError(f"no ctypes form for a {c_type} parameter with role {role}")


def prototype(fields):
    name, result, parameters = (field.strip() for field in fields.split("|"))
    restype = {"ViStatus": "ViStatus", "void": "None"}.get(result)
    if not re.fullmatch(r"\w+", name) or restype is None:
        raise CatalogueError(f"unreadable export row: {fields}")
    argtypes = [argument_type(*parameter.rsplit(":", 1)) for parameter in parameters.split(";") if parameter.strip()]
    return name, restype, argtypes


def snake_case(display_name):
    """"Number of Samples Is Finite" -> number_of_samples_is_finite."""
    return re.sub(r"[^0-9a-z]+", "_", display_name.lower()).strip("_")


def attribute(fields):
    identifier, name = (field.strip() for field in fields.split("|"))
    number, text = ATTRIBUTE_ID.match(identifier), DISPLAY_NAME.match(name)
    if not number or not text or not snake_case(text.group(1)):
        raise CatalogueError(f"unreadable attribute row: {fields}")
    return int(number.group(1)), text.group(1).strip()


def read_value_types(path):
    """Display name -> value type, from lines "Display Name: type"."""
    types = {}
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            name, _, value_type = line.rpartition(":")
            if value_type.strip() not in VALUE_TYPES or not name.strip():
                raise CatalogueError(f"{path}: unreadable line: {line}")
            types[name.strip()] = value_type.strip()
    return types


def preprocess(source_root, preprocessor):
    """The catalogue rows: catalogue_rows.cpp run through the preprocessor."""
    root = Path(source_root)
    command = [preprocessor, "-E", "-P", "-std=c++20", f"-I{root / 'include'}", f"-I{root / 'src'}",
               str(HERE / "catalogue_rows.cpp")]
    try:
        return subprocess.run(command, check=True, capture_output=True, text=True).stdout
    except (OSError, subprocess.CalledProcessError) as error:
        details = getattr(error, "stderr", "") or error
        raise CatalogueError(f"cannot lay out the catalogue rows with {preprocessor}: {details}") from None


def read_rows(text):
    """Exported name -> (result, argument types) and identifier -> display name."""
    exports, attributes = {}, {}
    for kind, fields in ROW.findall(text):
        if kind == "export":
            name, restype, argtypes = prototype(fields)
            if name in exports:
                raise CatalogueError(f"{name} is exported twice")
            exports[name] = (restype, argtypes)
        else:
            identifier, name = attribute(fields)
            if identifier in attributes:
                raise CatalogueError(f"attribute {identifier} appears twice")
            attributes[identifier] = name
    if not exports or not attributes:
        raise CatalogueError("the catalogue rows hold no export or no attribute")
    return exports, attributes


def attribute_table(attributes, value_types):
    """snake_case name -> (identifier, value type or None, display name)."""
    table = {}
    for identifier, display_name in attributes.items():
        key = snake_case(display_name)
        if key in table:
            raise CatalogueError(f"attributes {table[key][0]} and {identifier} are both named {key}")
        table[key] = (identifier, value_types.pop(display_name, None), display_name)
    if value_types:
        raise CatalogueError(f"value types given for attributes the catalogue lacks: {', '.join(value_types)}")
    return table


def module_text(exports, table):
    lines = [
        '"""Generated by python/generator/generate_catalogue.py from the catalogue',
        "(src/redirector/catalogue/*.def, src/zuxlatorlua/attributes/Attributes.def).",
        'Do not edit."""',
        "from __future__ import annotations",
        "",
        "import ctypes",
        "from typing import Any, Optional",
        "",
        "from ._types import (ViAttr, ViBoolean, ViByte, ViConstString, ViInt16, ViInt32, ViInt64, ViReal32,",
        "                     ViReal64, ViSession, ViStatus, ViUInt8, ViUInt32, ViUInt64, WaveformInfo,",
        "                     ZUComplexNumber, ZUTimestamp)",
        "",
        "_P = ctypes.POINTER",
        "",
        "# Exported name: (result type, argument types).",
        "PROTOTYPES: dict[str, tuple[Any, tuple[Any, ...]]] = {",
    ]
    lines += [f'    "{name}": ({restype}, ({", ".join(argtypes)}{"," if len(argtypes) == 1 else ""})),'
              for name, (restype, argtypes) in exports.items()]
    lines += ["}", "", "# snake_case name: (identifier, value type or None, display name).",
              "ATTRIBUTES: dict[str, tuple[int, Optional[str], str]] = {"]
    lines += [f'    "{key}": ({identifier}, {value_type!r}, "{display_name}"),'
              for key, (identifier, value_type, display_name) in table.items()]
    lines += ["}", ""]
    return "\n".join(lines)


def generate(source_root, output, preprocessor=None):
    """Writes _catalogue.py to `output` from the catalogue below `source_root`."""
    preprocessor = preprocessor or os.environ.get("CXX") or "c++"
    exports, attributes = read_rows(preprocess(source_root, preprocessor))
    text = module_text(exports, attribute_table(attributes, read_value_types(HERE / "attribute_types.txt")))
    Path(output).write_text(text, encoding="utf-8")


def main(argv):
    if len(argv) not in (3, 4):
        sys.exit(__doc__)
    try:
        generate(*argv[1:])
    except CatalogueError as error:
        sys.exit(f"generate_catalogue.py: {error}")


if __name__ == "__main__":
    main(sys.argv)
