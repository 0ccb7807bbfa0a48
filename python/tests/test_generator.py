"""python/generator/generate_catalogue.py: the build's C++ attribute rows and
the package's table say the same, both follow one set of rules, and the
export rows map to ctypes or stop the build."""
import re
import subprocess
import sys
from pathlib import Path

import pytest

import zuvexa
from zuvexa._catalogue import ATTRIBUTES

SOURCE = Path(__file__).resolve().parents[2]
GENERATOR = SOURCE / "python" / "generator" / "generate_catalogue.py"
sys.path.insert(0, str(GENERATOR.parent))
sys.dont_write_bytecode = True  # no __pycache__ of the generator in the checkout
import generate_catalogue  # noqa: E402

BUILT_ROWS = Path(zuvexa.__file__).parents[2] / "generated" / "attributes" / "AttributeRows.inc"
ROW = re.compile(r'^ZU_ATTRIBUTE_ROW\((\d+), "([^"]*)", (\w+)\)$', re.M)


def test_the_cxx_rows_and_the_python_table_hold_the_same_typed_attributes():
    rows = ROW.findall(BUILT_ROWS.read_text())
    table = [(str(identifier), name, (value_type or "unknown").capitalize())
             for identifier, value_type, name in ATTRIBUTES.values()]
    assert rows == table and ("1150004", "Reference Level", "Real64") in rows


GOOD = 'ZU_ATTRIBUTE(ZUVEXA_ATTR_START_TRIGGER_TYPE, " Padded ")\nZU_ATTRIBUTE(7, "Untyped")\n'


@pytest.mark.parametrize("catalogue, types, expected", [
    (GOOD, "Padded: int64 # comment\n", [("1150024", "Padded", "Int64"), ("7", "Untyped", "Unknown")]),
    ('ZU_ATTRIBUTE(7, "A")\nZU_ATTRIBUTE(7, "B")\n', "", "attribute 7 appears twice"),
    ('ZU_ATTRIBUTE(7, "A b")\nZU_ATTRIBUTE(8, "a-b")\n', "", "are both named a_b"),
    ('ZU_ATTRIBUTE(7, "-")\n', "", "unreadable attribute row"),
    (GOOD, "Padded: float\n", "unreadable line: Padded: float"),
    (GOOD, "Padded: int32\nPadded: real64\n", "Padded is given a type twice"),
    (GOOD, "Missing: int32\n", "the catalogue lacks: Missing"),
    ('ZU_ATTRIBUTE(ZUVEXA_ATTR_NONE_SUCH, "A")\n', "", "unreadable attribute row"),
    ("#error broken\n", "", "cannot lay out the catalogue rows"),
])
def test_rows_follow_the_catalogue_rules(tmp_path, catalogue, types, expected):
    """A checkout of the real header and export rows with the given attribute
    catalogue and types."""
    (tmp_path / "src" / "zuxlatorlua" / "attributes").mkdir(parents=True)
    (tmp_path / "include").symlink_to(SOURCE / "include")
    (tmp_path / "src" / "redirector").symlink_to(SOURCE / "src" / "redirector")
    (tmp_path / "src" / "zuxlatorlua" / "attributes" / "Attributes.def").write_text(catalogue)
    (tmp_path / "src" / "zuxlatorlua" / "attributes" / "AttributeTypes.txt").write_text(types)
    rows = tmp_path / "AttributeRows.inc"
    run = subprocess.run([sys.executable, "-B", str(GENERATOR), "--rows", str(tmp_path), str(rows)],
                         capture_output=True, text=True)
    if isinstance(expected, list):
        assert run.returncode == 0 and ROW.findall(rows.read_text()) == expected, run.stderr
    else:
        assert run.returncode != 0 and not rows.exists()
        assert run.stderr.startswith("generate_catalogue.py: ") and expected in run.stderr, run.stderr


@pytest.mark.parametrize("fields, expected", [
    ("zuVEXA_F | ViStatus | ViSession : ZU_IN ; ViChar * : ZU_OUTTEXT(n) ; "
     "ViChar * : ZU_INARR(n) ; ViInt32 * : ZU_OUT",
     ("zuVEXA_F", "ViStatus", ["ViSession", "ctypes.c_char_p", "ctypes.c_void_p", "_P(ViInt32)"])),
    ("zuVEXA_F | void | ", ("zuVEXA_F", "None", [])),
    ("zuVEXA_F | ViStatus | ViInt32 : ZU_OUT", None),
    ("zuVEXA_F | ViStatus | ViInt32 ** : ZU_INARR(n)", None),
    ("zuVEXA_F | ViStatus | Unknown * : ZU_INARR(n)", None),
    ("zuVEXA F | ViStatus | ", None),
    ("zuVEXA_F | int | ", None),
])
def test_export_rows_map_to_ctypes_or_stop_the_build(fields, expected):
    try:
        assert generate_catalogue.prototype(fields) == expected
    except generate_catalogue.CatalogueError:
        assert expected is None
