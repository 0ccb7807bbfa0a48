"""zuvexa.sigmf.read on damaged recordings: each fault is a ValueError that
names the file at fault, never a silently shortened read."""
import json
import os
from pathlib import Path

import numpy as np
import pytest

from zuvexa import sigmf

SAMPLES, STARTS = 30, (0, 10, 20)


def edit_meta(change):
    def apply(path):
        meta = json.loads(path.read_text())
        change(meta)
        path.write_text(json.dumps(meta))
    return apply


def current_umask():
    mask = os.umask(0)
    os.umask(mask)
    return mask


def cut(byte_count):
    return lambda path: path.write_bytes(path.read_bytes()[:byte_count])


DAMAGE = [  # data type, file, damage, what the message says
    ("cf32_le", "meta", lambda path: path.write_text(""), "not a JSON meta file"),
    ("cf32_le", "meta", lambda path: path.write_text('{"global": '), "not a JSON meta file"),
    ("cf32_le", "meta", lambda path: path.write_text("[]"), "data type None"),
    ("cf32_le", "meta", edit_meta(lambda meta: meta["global"].pop("core:datatype")), "data type None"),
    ("cf32_le", "meta", edit_meta(lambda meta: meta.update(captures={})), "captures must be a list"),
    ("cf32_le", "meta", edit_meta(lambda meta: meta["captures"][1].update({"core:sample_start": "10"})),
     "integer core:sample_start"),
    ("cf32_le", "data", cut(SAMPLES * 8 - 3), "not a whole number of 8-byte samples"),
    ("ci16_le", "data", cut(SAMPLES * 4 - 2), "not a whole number of 4-byte samples"),
    ("cf64_le", "data", cut(20 * 16), "20 samples, too few for the capture at sample 20"),
]


def record(folder, datatype):
    samples = 0.5 * np.exp(0.1j * np.arange(SAMPLES))
    data, meta = sigmf.write(folder / "rec", samples, 10e6, 2.4e9, datatype, captures=[(s, 0.0) for s in STARTS])
    return {"data": Path(data), "meta": Path(meta)}


@pytest.mark.parametrize("datatype, which, damage, message", DAMAGE, ids=[case[3] for case in DAMAGE])
def test_a_damaged_recording_is_refused_naming_its_file(tmp_path, datatype, which, damage, message):
    paths = record(tmp_path, datatype)
    damage(paths[which])
    with pytest.raises(ValueError, match=message) as raised:
        sigmf.read(paths["data"])
    assert str(paths[which]) in str(raised.value)


def test_a_last_capture_of_one_sample_is_whole(tmp_path):
    paths = record(tmp_path, "cf32_le")
    cut(21 * 8)(paths["data"])
    samples, meta = sigmf.read(paths["data"])
    assert len(samples) == 21 and len(meta["captures"]) == 3
    data, meta_path = sigmf.write(tmp_path / "one", [1j], 1e6, 1e9, captures=[(0, 0.0)])
    edit_meta(lambda meta: meta["captures"][0].pop("core:sample_start"))(Path(meta_path))
    assert len(sigmf.read(data)[0]) == 1, "a capture without core:sample_start starts at sample 0"


def test_a_write_replaces_both_files_or_neither(tmp_path):
    paths = record(tmp_path, "cf32_le")
    meta = json.loads(paths["meta"].read_text())
    assert [("core:datetime" in c) for c in meta["captures"]] == [False] * len(STARTS), "time 0: no date"
    assert "core:hw" not in meta["global"]
    assert paths["data"].stat().st_mode & 0o777 == 0o666 & ~current_umask()
    sigmf.write(tmp_path / "dated", [0j], 1e6, 1e9, captures=[(0, 1.5)], hw="bench analyzer")
    dated = json.loads((tmp_path / "dated.sigmf-meta").read_text())
    assert dated["captures"][0]["core:datetime"] == "1970-01-01T00:00:01.500000Z"
    assert dated["global"]["core:hw"] == "bench analyzer"
    old_data = paths["data"].read_bytes()
    paths["meta"].unlink()
    paths["meta"].mkdir()
    with pytest.raises(IsADirectoryError, match="rec.sigmf-meta is a directory"):
        sigmf.write(tmp_path / "rec", [1j], 1e6, 1e9)
    assert paths["data"].read_bytes() == old_data
    assert sorted(p.name for p in tmp_path.iterdir()) == ["dated.sigmf-data", "dated.sigmf-meta",
                                                          "rec.sigmf-data", "rec.sigmf-meta"]


@pytest.mark.parametrize("failing_write", [1, 2], ids=["data", "meta"])
def test_a_failed_write_leaves_no_file_behind(tmp_path, monkeypatch, failing_write):
    real_fdopen, writes = os.fdopen, []

    def fdopen_filling_up(handle, mode):
        file = real_fdopen(handle, mode)
        writes.append(file)
        if len(writes) == failing_write:
            file.write = lambda content: (_ for _ in ()).throw(OSError(28, "No space left on device"))
        return file

    monkeypatch.setattr(sigmf.os, "fdopen", fdopen_filling_up)
    with pytest.raises(OSError, match="No space"):
        sigmf.write(tmp_path / "rec", [1j], 1e6, 1e9)
    assert list(tmp_path.iterdir()) == []
