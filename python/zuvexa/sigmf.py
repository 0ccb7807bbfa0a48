"""SigMF recordings: NAME.sigmf-data (the samples) beside NAME.sigmf-meta
(their description), as `zuvexa fetch --output NAME.sigmf-data` writes them.

    samples, meta = zuvexa.sigmf.read("capture.sigmf-data")   # complex128
    zuvexa.sigmf.write("copy", samples, sample_rate=10e6, frequency=2.4e9)

Complex data types cf64_le, cf32_le and ci16_le; ci16 values read as
raw / 32767."""
import datetime
import json
import os
from typing import Any, Dict, List, Optional, Sequence, Tuple, Union

import numpy as np
import numpy.typing as npt

PathName = Union[str, "os.PathLike[str]"]
Meta = Dict[str, Any]

VERSION = "1.0.0"
_DTYPES: Dict[str, "np.dtype[Any]"] = {"cf64_le": np.dtype("<c16"), "cf32_le": np.dtype("<c8"), "ci16_le": np.dtype("<i2")}
CI16_FULL_SCALE = 32767.0
_SAMPLE_BYTES = {"cf64_le": 16, "cf32_le": 8, "ci16_le": 4}  # I and Q


def _paths(name: PathName) -> Tuple[str, str]:
    """(data path, meta path) of a recording named with or without either
    extension."""
    base, extension = os.path.splitext(os.fspath(name))
    if extension not in (".sigmf-data", ".sigmf-meta"):
        base = os.fspath(name)
    return base + ".sigmf-data", base + ".sigmf-meta"


def read(name: PathName) -> Tuple[npt.NDArray[np.complex128], Meta]:
    """(samples as complex128, meta dict) of a recording. A meta file that is
    not a SigMF description, or a data file that does not hold whole samples
    up to the start of its last capture, raises a ValueError naming the file."""
    data_path, meta_path = _paths(name)
    meta = _read_meta(meta_path)
    datatype = meta["global"]["core:datatype"]
    with open(data_path, "rb") as file:
        data = file.read()
    _check_length(data_path, len(data), _SAMPLE_BYTES[datatype], _capture_starts(meta))
    raw = np.frombuffer(data, dtype=_DTYPES[datatype])
    if datatype == "ci16_le":
        return (raw[0::2] + 1j * raw[1::2]) / CI16_FULL_SCALE, meta
    return raw.astype(np.complex128), meta


def _read_meta(meta_path: str) -> Meta:
    """The meta file's contents, checked for a known data type and captures
    with integer starts."""
    with open(meta_path, encoding="utf-8") as file:
        try:
            meta = json.load(file)
        except ValueError as error:
            raise ValueError(f"{meta_path}: not a JSON meta file ({error})") from None
    fields = meta.get("global") if isinstance(meta, dict) else None
    datatype = fields.get("core:datatype") if isinstance(fields, dict) else None
    if datatype not in _DTYPES:
        raise ValueError(f"{meta_path}: data type {datatype!r} is not one of {', '.join(_DTYPES)}")
    captures = meta.get("captures", [])
    if not isinstance(captures, list) or not all(
            isinstance(capture, dict) and type(capture.get("core:sample_start", 0)) is int for capture in captures):
        raise ValueError(f"{meta_path}: captures must be a list of objects with an integer core:sample_start")
    checked: Meta = meta
    return checked


def _capture_starts(meta: Meta) -> List[int]:
    return [capture.get("core:sample_start", 0) for capture in meta.get("captures", [])]


def _check_length(data_path: str, size: int, sample_bytes: int, starts: Sequence[int]) -> None:
    """Whole samples, and at least one at the start of every capture."""
    if size % sample_bytes:
        raise ValueError(f"{data_path}: {size} bytes is not a whole number of {sample_bytes}-byte samples")
    count = size // sample_bytes
    if starts and max(starts) >= count:
        raise ValueError(f"{data_path}: {count} samples, too few for the capture at sample {max(starts)}")


def _datetime(timestamp: float) -> str:
    moment = datetime.datetime.fromtimestamp(timestamp, datetime.timezone.utc)
    return moment.strftime("%Y-%m-%dT%H:%M:%S.%fZ")


def _capture(start: int, frequency: float, timestamp: float) -> Meta:
    """A capture; a timestamp of 0 means the instrument reported no time, and
    the capture has no date (as `zuvexa fetch` writes it)."""
    capture: Meta = {"core:sample_start": int(start), "core:frequency": float(frequency)}
    if timestamp != 0:
        capture["core:datetime"] = _datetime(timestamp)
    return capture


def _written_beside(path: str, content: bytes) -> str:
    """Writes `content` to a new file beside `path` (mode as the umask makes
    it); returns the new file's name."""
    folder, base = os.path.split(path)
    for attempt in range(100):
        temporary = os.path.join(folder, f".{base}.{os.getpid()}.{attempt}")
        try:
            handle = os.open(temporary, os.O_WRONLY | os.O_CREAT | os.O_EXCL, 0o666)
        except FileExistsError:
            continue
        try:
            with os.fdopen(handle, "wb") as file:
                file.write(content)
        except BaseException:
            os.unlink(temporary)
            raise
        return temporary
    raise FileExistsError(f"no free name beside {path}")


def write(name: PathName, samples: npt.ArrayLike, sample_rate: float, frequency: float, datatype: str = "cf32_le",
          captures: Optional[Sequence[Tuple[int, float]]] = None, hw: Optional[str] = None) -> Tuple[str, str]:
    """Writes `samples` (complex) and their meta file. `captures` lists
    (sample_start, timestamp in seconds since 1970 UTC, 0 for none) pairs;
    default one capture at sample 0, now. Each file is written beside its
    target and renamed into place when complete."""
    if datatype not in _DTYPES:
        raise ValueError(f"data type {datatype!r} is not one of {', '.join(_DTYPES)}")
    data_path, meta_path = _paths(name)
    for path in (data_path, meta_path):
        if os.path.isdir(path):
            raise IsADirectoryError(f"{path} is a directory, not a recording")
    values = np.asarray(samples, dtype=np.complex128)
    if datatype == "ci16_le":
        data = np.round(np.clip(np.stack([values.real, values.imag], axis=-1) * CI16_FULL_SCALE,
                                -32768, 32767)).astype(_DTYPES[datatype])
    else:
        data = values.astype(_DTYPES[datatype])
    captures = captures or [(0, datetime.datetime.now(datetime.timezone.utc).timestamp())]
    meta: Meta = {
        "global": {"core:datatype": datatype, "core:sample_rate": float(sample_rate), "core:version": VERSION},
        "captures": [_capture(start, frequency, timestamp) for start, timestamp in captures],
        "annotations": [],
    }
    if hw is not None:
        meta["global"]["core:hw"] = hw
    # Both files are complete before either replaces what was there.
    data_file = _written_beside(data_path, data.tobytes())
    try:
        meta_file = _written_beside(meta_path, json.dumps(meta, indent=2).encode("utf-8"))
    except BaseException:
        os.unlink(data_file)
        raise
    os.replace(data_file, data_path)
    os.replace(meta_file, meta_path)
    return data_path, meta_path
