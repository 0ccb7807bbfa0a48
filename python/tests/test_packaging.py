"""The package as users get it: pip-installed offline into a fresh virtual
environment without a trace in the checkout, finding its library, and typed
(mypy --strict)."""
import os
import shutil
import subprocess
import sys
from pathlib import Path

import pytest

import zuvexa

SOURCE = Path(__file__).resolve().parents[1]
EXAMPLE = SOURCE.parent / "examples" / "python" / "fetch_record.py"
BUILT = Path(zuvexa.__file__).parent


def test_pip_installs_a_working_typed_package_into_a_fresh_environment(tmp_path):
    venv = tmp_path / "venv"
    subprocess.run([sys.executable, "-m", "venv", "--system-site-packages", str(venv)], check=True)
    env = {name: value for name, value in os.environ.items()
           if name not in ("PYTHONPATH", "ZUVEXA_LIBRARY", "PYTHONDONTWRITEBYTECODE")}
    # The library by its soname, as an installed one is found.
    env["LD_LIBRARY_PATH"] = f"{Path(os.environ['ZUVEXA_LIBRARY']).parent}:{env.get('LD_LIBRARY_PATH', '')}"
    python = str(venv / "bin" / "python")
    before = set(SOURCE.rglob("*"))
    subprocess.run([python, "-m", "pip", "install", "-q", "--no-build-isolation", "--no-index", str(SOURCE)],
                   check=True, env=env)
    written = set(SOURCE.rglob("*")) - before
    assert not written, f"the build wrote into the checkout: {sorted(map(str, written))}"
    run = subprocess.run([python, str(EXAMPLE)], check=True, env=env, capture_output=True, text=True)
    assert "mean power -6.02 dBFS" in run.stdout
    where = subprocess.run([python, "-c", "import zuvexa; print(zuvexa.__file__)"], check=True, env=env,
                           capture_output=True, text=True)
    installed = Path(where.stdout.strip()).parent
    assert installed.is_relative_to(venv) and (installed / "py.typed").is_file()
    assert (installed / "_catalogue.py").read_text() == (BUILT / "_catalogue.py").read_text()


LOAD = "import zuvexa, zuvexa._library as l; l.library(); print('loaded', zuvexa.library_path())"


@pytest.mark.parametrize("folders, explicit, expected", [
    ((), None, ["libzuvexa.so.0: ", "set ZUVEXA_LIBRARY to"]),
    (("nowhere", "{built}"), "{tmp}/missing.so", ["from $ZUVEXA_LIBRARY:", "{tmp}/missing.so: "]),
    (("nowhere", "{built}"), None, ["loaded {built}/libzuvexa.so.0"]),
])
def test_the_library_comes_from_zuvexa_library_else_the_install_else_the_loader(tmp_path, folders, explicit,
                                                                                expected):
    """A copy of the package whose _paths.py names FOLDERS (relative to the
    package), in an environment without a loader path (the sanitizer
    runtimes still preloaded in a sanitizer build)."""
    built = Path(os.environ["ZUVEXA_LIBRARY"]).parent
    relative = os.path.relpath(built, tmp_path / "zuvexa")
    shutil.copytree(BUILT, tmp_path / "zuvexa")
    folders = tuple(folder.format(built=relative) for folder in folders)
    (tmp_path / "zuvexa" / "_paths.py").write_text(f"LIBRARY_FOLDERS = {folders!r}\n")
    env = {name: os.environ[name] for name in ("PATH", "LD_PRELOAD", "ASAN_OPTIONS") if name in os.environ}
    env.update(PYTHONPATH=str(tmp_path), PYTHONDONTWRITEBYTECODE="1")
    if explicit:
        env["ZUVEXA_LIBRARY"] = explicit.format(tmp=tmp_path)
    run = subprocess.run([sys.executable, "-c", LOAD], env=env, capture_output=True, text=True)
    output = run.stdout + run.stderr
    assert (run.returncode == 0) == output.startswith("loaded"), output
    assert all(part.format(built=built, tmp=tmp_path) in output for part in expected), output


def test_the_package_passes_strict_type_checking():
    run = subprocess.run([sys.executable, "-m", "mypy", "--strict", "--cache-dir=/dev/null", str(BUILT)],
                         capture_output=True, text=True)
    assert run.returncode == 0, run.stdout + run.stderr
