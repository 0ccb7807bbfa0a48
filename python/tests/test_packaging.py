"""The package as users get it: pip-installed offline into a fresh virtual
environment, and typed (mypy --strict)."""
import os
import subprocess
import sys
from pathlib import Path

import zuvexa

SOURCE = Path(__file__).resolve().parents[1]
EXAMPLE = SOURCE.parent / "examples" / "python" / "fetch_record.py"
BUILT = Path(zuvexa.__file__).parent


def test_pip_installs_a_working_typed_package_into_a_fresh_environment(tmp_path):
    venv = tmp_path / "venv"
    subprocess.run([sys.executable, "-m", "venv", "--system-site-packages", str(venv)], check=True)
    # setuptools' work folders go below tmp_path, not into the checkout.
    (tmp_path / "setup.cfg").write_text(f"[build]\nbuild_base = {tmp_path}/build\n[egg_info]\negg_base = {tmp_path}\n")
    env = {name: value for name, value in os.environ.items() if name not in ("PYTHONPATH", "ZUVEXA_LIBRARY")}
    env["DIST_EXTRA_CONFIG"] = str(tmp_path / "setup.cfg")
    # The library by its soname, as an installed one is found.
    env["LD_LIBRARY_PATH"] = f"{Path(os.environ['ZUVEXA_LIBRARY']).parent}:{env.get('LD_LIBRARY_PATH', '')}"
    python = str(venv / "bin" / "python")
    subprocess.run([python, "-m", "pip", "install", "-q", "--no-build-isolation", "--no-index", str(SOURCE)],
                   check=True, env=env)
    run = subprocess.run([python, str(EXAMPLE)], check=True, env=env, capture_output=True, text=True)
    assert "mean power -6.02 dBFS" in run.stdout
    where = subprocess.run([python, "-c", "import zuvexa; print(zuvexa.__file__)"], check=True, env=env,
                           capture_output=True, text=True)
    installed = Path(where.stdout.strip()).parent
    assert installed.is_relative_to(venv) and (installed / "py.typed").is_file()
    assert (installed / "_catalogue.py").read_text() == (BUILT / "_catalogue.py").read_text()


def test_the_package_passes_strict_type_checking():
    run = subprocess.run([sys.executable, "-m", "mypy", "--strict", "--cache-dir=/dev/null", str(BUILT)],
                         capture_output=True, text=True)
    assert run.returncode == 0, run.stdout + run.stderr
