"""Where the package looks for libzuvexa before the loader's own search:
folders relative to the package's folder. None here (the package as built
or installed by pip); an install by the library's build writes the way to
its own library folder (cmake/Install.cmake)."""
from typing import Tuple

LIBRARY_FOLDERS: Tuple[str, ...] = ()
