"""Builds the zuvexa package with its generated _catalogue.py (the ctypes
prototypes and the attribute table), which is not in python/zuvexa:

- $ZUVEXA_CATALOGUE, when set, names a generated one to take, such as the
  build's build/python/zuvexa/_catalogue.py;
- else it is generated from the catalogue of the checkout holding this
  folder, with the C++ preprocessor ($CXX, else c++).

setuptools' work folders (build/, zuvexa.egg-info) go to a temporary folder,
removed afterwards, so that a build leaves the checkout as it was; pip takes
the wheel and metadata from the folders it names. The metadata is in
pyproject.toml.
"""
import os
import shutil
import sys
import tempfile
from pathlib import Path

from setuptools import setup
from setuptools.command.build_py import build_py

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE / "generator"))
sys.dont_write_bytecode = True  # no __pycache__ of the generator in the checkout
import generate_catalogue  # noqa: E402


def write_catalogue(target):
    given = os.environ.get("ZUVEXA_CATALOGUE")
    if given:
        shutil.copyfile(given, target)
        return
    root = HERE.parent
    if not (root / "src" / "redirector" / "catalogue").is_dir():
        sys.exit(f"{root} holds no catalogue: set ZUVEXA_CATALOGUE to a generated _catalogue.py")
    try:
        generate_catalogue.generate(root, target)
    except generate_catalogue.CatalogueError as error:
        sys.exit(f"cannot generate zuvexa/_catalogue.py: {error}")


class BuildWithCatalogue(build_py):
    """build_py that adds the generated _catalogue.py to the package."""

    def run(self):
        super().run()
        target = Path(self.build_lib, "zuvexa", "_catalogue.py")
        target.parent.mkdir(parents=True, exist_ok=True)
        write_catalogue(target)


with tempfile.TemporaryDirectory(prefix="zuvexa-setup-") as work:
    setup(cmdclass={"build_py": BuildWithCatalogue},
          options={"build": {"build_base": os.path.join(work, "build")}, "egg_info": {"egg_base": work}})
