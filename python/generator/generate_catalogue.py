#!/usr/bin/python3
"""Writes what the programs know of the catalogue, from the rows that
catalogue_rows.cpp lays out when it is run through the C++ preprocessor:

    generate_catalogue.py [--rows] SOURCE_ROOT OUTPUT [PREPROCESSOR]

writes the Python package's _catalogue.py (the ctypes prototype of every
exported function and the table of attributes) or, with --rows, the attribute
rows of the C++ programs (zuvexa attr, the front panel, the SoapySDR module):
one line per attribute, in catalogue order,
    ZU_ATTRIBUTE_ROW(identifier, "Display Name", Type)
Type being Int32, Int64, Real64, Boolean, String or Unknown. SOURCE_ROOT is
the checkout holding include/ and src/; PREPROCESSOR is a C++ compiler run
with -E (default: $CXX, else c++). The value types come from
src/zuxlatorlua/attributes/AttributeTypes.txt, beside the catalogue.

Both outputs follow one set of rules, and whatever breaks one stops the build:
- an attribute's identifier is a decimal number or a constant of zuVEXA.h,
  and no other attribute has it;
- its display name is the quoted text (no quotes or backslashes inside),
  surrounding spaces dropped, and its snake_case form (the Python name) is
  neither empty nor another attribute's;
- AttributeTypes.txt holds "Display Name: type" lines ("#" starts a
  comment), type being int32, int64, real64, boolean or string; another type,
  a name given twice or a name the catalogue lacks stops the build, and an
  attribute without a line has no type (Unknown, None in Python);
- every export row's types and roles map to ctypes, and no name is exported
  twice.
cmake/AttributeRows.cmake, cmake/PythonPackage.cmake and python/setup.py run it.
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


def export_row(fields):
    """Name, result type and parameters of one export row, each parameter as
    (C type, role, name); a row may leave the names out (None)."""
    name, result, parameters = (field.strip() for field in fields.split("|"))
    if not re.fullmatch(r"\w+", name) or result not in ("ViStatus", "void"):
        raise CatalogueError(f"unreadable export row: {fields}")
    triples = []
    for parameter in filter(str.strip, parameters.split(";")):
        c_type, role, *rest = (part.strip() for part in parameter.split(":"))
        if len(rest) > 1 or (rest and not re.fullmatch(r"\w+", rest[0])):
            raise CatalogueError(f"unreadable parameter in export row: {fields}")
        triples.append((c_type, role, rest[0] if rest else None))
    return name, result, triples


def prototype(fields):
    name, result, parameters = export_row(fields)
    restype = {"ViStatus": "ViStatus", "void": "None"}[result]
    return name, restype, [argument_type(c_type, role) for c_type, role, _ in parameters]


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
            name, _, value_type = (part.strip() for part in line.rpartition(":"))
            if value_type not in VALUE_TYPES or not name:
                raise CatalogueError(f"{path}: unreadable line: {line}")
            if name in types:
                raise CatalogueError(f"{path}: {name} is given a type twice")
            types[name] = value_type
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


def export_rows(source_root, preprocessor=None):
    """Every export row of the catalogue in catalogue order, as export_row
    reads it (for generators of other interfaces over the same functions)."""
    text = preprocess(source_root, preprocessor or os.environ.get("CXX") or "c++")
    return [export_row(fields) for kind, fields in ROW.findall(text) if kind == "export"]


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


def rows_text(table):
    """AttributeRows.inc: one ZU_ATTRIBUTE_ROW per attribute, in catalogue order."""
    lines = ["// Generated by python/generator/generate_catalogue.py from the attribute catalogue",
             "// (src/zuxlatorlua/attributes/Attributes.def, AttributeTypes.txt). Do not edit."]
    lines += [f'ZU_ATTRIBUTE_ROW({identifier}, "{display_name}", {(value_type or "unknown").capitalize()})'
              for identifier, value_type, display_name in table.values()]
    return "\n".join(lines) + "\n"


def write_replacing(path, text):
    """Writes `text` beside `path`, then puts it in its place."""
    path = Path(path)
    partial = path.with_name(path.name + ".partial")
    partial.write_text(text, encoding="utf-8")
    partial.replace(path)


def generate(source_root, output, preprocessor=None, rows=False):
    """Writes _catalogue.py, or with `rows` AttributeRows.inc, to `output`
    from the catalogue below `source_root`."""
    preprocessor = preprocessor or os.environ.get("CXX") or "c++"
    exports, attributes = read_rows(preprocess(source_root, preprocessor))
    types = read_value_types(Path(source_root) / "src" / "zuxlatorlua" / "attributes" / "AttributeTypes.txt")
    table = attribute_table(attributes, types)
    write_replacing(output, rows_text(table) if rows else module_text(exports, table))


def main(argv):
    rows = argv[1:2] == ["--rows"]
    arguments = argv[2:] if rows else argv[1:]
    if len(arguments) not in (2, 3):
        sys.exit(__doc__)
    try:
        generate(*arguments, rows=rows)
    except CatalogueError as error:
        sys.exit(f"generate_catalogue.py: {error}")


if __name__ == "__main__":
    main(sys.argv)
