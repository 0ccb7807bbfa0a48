# Sphinx configuration of the libzuvexa manual; scripts/docs.sh builds it.
# The C reference comes from Doxygen's XML of the public headers (Breathe),
# the Python reference from the package the build writes (autodoc), and the
# status-code and command pages from the built programs (_ext/).
import os
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
BUILD = pathlib.Path(os.environ.get("ZUVEXA_BUILD_DIR", ROOT / "build")).resolve()
sys.path.insert(0, str(ROOT / "docs/_ext"))
sys.path.insert(0, str(BUILD / "python"))

project = "libzuvexa"
author = "the libzuvexa developers"
copyright = "the libzuvexa developers"
version = release = os.environ.get("ZUVEXA_VERSION", "")

extensions = ["breathe", "sphinx.ext.autodoc", "zuvexa_generated"]
exclude_patterns = ["_ext"]
primary_domain = "c"
# "imaginary" is a member name of the complex records, not a keyword here.
c_extra_keywords = ["alignas", "alignof", "bool", "complex", "noreturn", "static_assert", "thread_local"]
html_theme = "alabaster"
html_theme_options = {"page_width": "1200px", "sidebar_width": "260px"}
html_title = "libzuvexa manual"
html_static_path = []
html_show_sourcelink = False
html_copy_source = False

breathe_projects = {"zuvexa": os.environ.get("ZUVEXA_DOXYGEN_XML", str(BUILD / "docs/doxygen/xml"))}
breathe_default_project = "zuvexa"
breathe_domain_by_extension = {"h": "c", "dox": "c"}
breathe_show_include = False

autodoc_member_order = "bysource"
autodoc_typehints = "signature"
autodoc_mock_imports = []

# Names from outside the project that the references mention.
nitpicky = True
nitpick_ignore = [("c:identifier", name) for name in ("uint8_t", "int8_t", "uint16_t", "int16_t", "uint32_t",
                                                       "int32_t", "uint64_t", "int64_t", "uintptr_t", "size_t")]
nitpick_ignore_regex = [(r"py:.*", r"(numpy|np|npt|ctypes|_ctypes|typing|os|pathlib|collections\.abc|datetime)\..*")]


def literal_examples(app, what, name, obj, options, lines):
    """Shows an indented block after a blank line as code: the package's
    docstrings indent their examples without reStructuredText's "::"."""
    index = 1
    while index < len(lines):
        starts_block = lines[index].startswith("    ") and not lines[index - 1].strip()
        previous = next((line for line in reversed(lines[:index]) if line.strip()), "")
        if starts_block and not previous.rstrip().endswith("::"):
            lines[index:index] = ["::", ""]
            index += 2
        index += 1


def setup(app):
    app.connect("autodoc-process-docstring", literal_examples)
