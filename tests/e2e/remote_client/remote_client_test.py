#!/usr/bin/python3
"""libzuvexa-remote against a zuvexa-server simulating the analyzer:

    remote_client_test.py SERVER BUILD_FOLDER SOURCE_FOLDER REMOTE_LIBRARY WORK_FOLDER

The C example and zuvexa-iq print the same linked with it as with libzuvexa;
the example built from an install with pkg-config alone runs; calls that
cannot reach the server, or are refused, say why; TLS with the server's
authority; the Python package opens, configures, fetches and closes through
it with the server's descriptions; it exports the zuVEXA_* functions alone."""
import ctypes
import os
import re
import subprocess
import sys
from pathlib import Path

import numpy as np

SERVER, BUILD, SOURCE, LIBRARY, WORK = sys.argv[1], *map(Path, sys.argv[2:4]), sys.argv[4], Path(sys.argv[5])
BIN = BUILD / "bin"
TOKEN_FILE = WORK / "token"
SESSION = re.compile(r"session +\d+")  # handles differ: the server opens one per run
INVALID_SESSION, NOT_SUPPORTED, TRANSPORT = (code - (1 << 32) for code in (0xBFFA1190, 0xBFFA0011, 0xBFFA7E00))


def start_server(*options):
    TOKEN_FILE.write_text("client-token-1\n")
    server = subprocess.Popen([SERVER, "--listen", "127.0.0.1:0", "--token-file", str(TOKEN_FILE), *options],
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    first = server.stdout.readline()
    assert first.startswith("listening on "), first
    return server, "127.0.0.1:" + first.split()[2].rsplit(":", 1)[1]


def run(program, *arguments, **environment):
    return subprocess.run([str(BIN / program), *arguments], capture_output=True, text=True, timeout=60,
                          env={**os.environ, **environment})


def check_programs(remote):
    for local_program, remote_program, arguments in (("fetch_record", "fetch_record_remote", ()),
                                                     ("zuvexa-iq", "zuvexa-iq-remote", ("--samples", "2000"))):
        local, far = run(local_program, *arguments), run(remote_program, *arguments, **remote)
        same = SESSION.sub("session N", far.stdout) == SESSION.sub("session N", local.stdout)
        assert far.returncode == 0 and same, (far.stdout, far.stderr, local.stdout)
    assert "-6.02 dBFS" in far.stdout and "+100.000 kHz" in far.stdout, far.stdout
    example = subprocess.run([sys.executable, SOURCE / "examples/python/remote_fetch_record.py",
                              remote["ZUVEXA_REMOTE"], remote["ZUVEXA_REMOTE_TOKEN_FILE"]],
                             capture_output=True, text=True, timeout=60)
    assert "0.100 us apart\nmean power -6.02 dBFS" in example.stdout, example.stderr


def check_installed(remote):
    """The remote and dev components installed; fetch_record built with
    pkg-config zuvexa-remote alone runs from the prefix."""
    prefix, program = WORK / "prefix", WORK / "fetch_record_pc"
    for component in ("dev", "remote"):
        subprocess.run(["cmake", "--install", BUILD, "--prefix", prefix, "--component", component], check=True,
                       capture_output=True)
    found = {"PKG_CONFIG_PATH": str(next(prefix.rglob("zuvexa-remote.pc")).parent)}
    flags = subprocess.run(["pkg-config", "--cflags", "--libs", "zuvexa-remote"], capture_output=True, text=True,
                           check=True, env={**os.environ, **found}).stdout.split()
    subprocess.run(["cc", "-o", program, SOURCE / "examples/c/fetch_record.c", *flags, "-lm"], check=True)
    alone = {name: value for name, value in os.environ.items() if name != "LD_LIBRARY_PATH"}
    result = subprocess.run([program], capture_output=True, text=True, timeout=60, env={**alone, **remote})
    assert "mean power -6.02 dBFS" in result.stdout, result.stderr


def check_failures(remote):
    """Each case: the environment over `remote`, the arguments, what the report holds."""
    (WORK / "wrong-token").write_text("not-the-token\n")
    cases = [({"ZUVEXA_REMOTE": "127.0.0.1:1"}, (), ["0xBFFA7E00", "did not reach zuvexa-server at 127.0.0.1:1:",
                                                     "UNAVAILABLE"]),
             ({"ZUVEXA_REMOTE_TOKEN_FILE": str(WORK / "wrong-token")}, (), ["0xBFFA7E00", "UNAUTHENTICATED"]),
             ({"ZUVEXA_REMOTE_TOKEN_FILE": str(WORK / "absent")}, (), ["no token in ZUVEXA_REMOTE_TOKEN_FILE"]),
             ({"ZUVEXA_REMOTE_CA": str(WORK / "absent")}, (), ["cannot read ZUVEXA_REMOTE_CA"]),
             ({}, ("NoSuchAnalyzer", "Simulate=0"), ["0xBFFA0060", "Device not found"])]
    for environment, arguments, expected in cases:
        result = run("fetch_record_remote", *arguments, **{**remote, **environment})
        assert result.returncode != 0 and all(text in result.stderr for text in expected), (environment,
                                                                                            result.stderr)


def check_tls(remote):
    """A server with a certificate: reached with its authority, not without."""
    key, cert = WORK / "key.pem", WORK / "cert.pem"
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1", "-subj", "/CN=localhost",
                    "-addext", "subjectAltName=IP:127.0.0.1", "-keyout", key, "-out", cert],
                   check=True, capture_output=True)
    server, address = start_server("--cert", str(cert), "--key", str(key))
    try:
        secure = run("fetch_record_remote", **{**remote, "ZUVEXA_REMOTE": address, "ZUVEXA_REMOTE_CA": str(cert)})
        plain = run("fetch_record_remote", **{**remote, "ZUVEXA_REMOTE": address})
    finally:
        server.terminate()
        server.wait(timeout=20)
    assert "mean power -6.02 dBFS" in secure.stdout, secure.stderr
    assert plain.returncode != 0 and "0xBFFA7E00" in plain.stderr, plain.stderr


def check_exports():
    import zuvexa._catalogue as catalogue
    listed = subprocess.run(["nm", "-D", "--defined-only", LIBRARY], capture_output=True, text=True, check=True)
    exported = {line.split()[-1] for line in listed.stdout.splitlines()}
    assert exported == {name for name in catalogue.PROTOTYPES if name.startswith("zuVEXA_")}, exported


def error_of(library, vi, size=1024):
    """zuVEXA_GetError into a buffer of `size` bytes followed by a guard
    that must stay untouched."""
    code, text = ctypes.c_int32(), ctypes.create_string_buffer(b"#" * (size + 8))
    result = library.zuVEXA_GetError(vi, ctypes.byref(code), size, text)
    assert text.raw[size:] == b"#" * 8 + b"\0", text.raw
    return code.value, text.raw[:size].split(b"\0")[0].decode(), result


def raised(kind, function, *arguments):
    try:
        function(*arguments)
    except kind as error:
        return error
    raise AssertionError(f"{function.__name__} raised no {kind.__name__}")


def check_python(address):
    import zuvexa
    import zuvexa.remote
    from zuvexa import _library
    zuvexa.remote.connect(address, token_file=str(TOKEN_FILE), library=LIBRARY)
    zuvexa.remote.connect(address, token_file=str(TOKEN_FILE), library=LIBRARY)  # the same again: no change
    raised(RuntimeError, zuvexa.remote.connect, "127.0.0.1:2")
    library = _library.library()
    with zuvexa.Session("Analyzer1", options="Simulate=1,DriverSetup=Model:Q118") as session:
        session.configure_iq(carrier_frequency=2.4e9, iq_rate=10e6, samples=1000, records=2)
        session.initiate()
        samples, info = session.fetch_iq()
        assert len(samples) == info.actual_samples == 1000 and abs(samples[0] - 0.5) < 1e-9, info
        assert abs(10 * np.log10(np.mean(np.abs(samples) ** 2)) + 6.02) < 0.01
        raw, raw_info = session.fetch_iq(dtype=np.int16)
        assert np.allclose(raw[:, 0] * raw_info.gain + raw_info.offset, samples.real, atol=1e-3)
        records, infos = session.fetch_iq_records(2, 300)
        assert [i.actual_samples for i in infos] == [300, 300] and np.all(np.abs(records[:, -1]) > 0.4)
        whole, short, unsized = (ctypes.create_string_buffer(256) for _ in range(3))
        assert library.zuVEXA_GetErrorMessage(session.handle, INVALID_SESSION, 256, whole) == 0
        needed = library.zuVEXA_GetErrorMessage(session.handle, INVALID_SESSION, 10, short)
        assert needed == len(whole.value) + 1 and short.value == whole.value[:9], (needed, short.value)
        assert library.zuVEXA_error_message(session.handle, INVALID_SESSION, unsized) == 0
        assert unsized.value == whole.value and len(whole.value) > 20, whole.value
        vi = session.handle
        assert library.zuVEXA_LockSession(vi, None) == NOT_SUPPORTED
        lock = b"zuVEXA_LockSession: not available remotely: the lock belongs to the calling thread"
        assert error_of(library, vi, 0) == (NOT_SUPPORTED, "", 118)  # a size query leaves the error
        assert error_of(library, vi, len(lock) + 1) == (NOT_SUPPORTED, lock.decode(), 118)
        assert error_of(library, vi) == (0, "", 0)
    raised(zuvexa.SessionClosedError, session.initiate)
    # A closed handle is no longer the process's: its error is the thread's.
    assert library.zuVEXA_Initiate(vi) == INVALID_SESSION
    code, description, _ = error_of(library, 0)
    assert code == INVALID_SESSION and f"session {vi} is not one this server opened" in description, description
    error = raised(zuvexa.ZuvexaError, zuvexa._errors.check, library.zuVEXA_Initiate(4242), "zuVEXA_Initiate", 4242)
    assert error.status == INVALID_SESSION and "session 4242 is not one this server opened" in str(error), error
    assert zuvexa.remote.TRANSPORT_ERROR == TRANSPORT and "did not reach zuvexa-server" in zuvexa.describe(TRANSPORT)
    assert "session" in zuvexa.describe(INVALID_SESSION)


def main():
    server, address = start_server()
    remote = {"ZUVEXA_REMOTE": address, "ZUVEXA_REMOTE_TOKEN_FILE": str(TOKEN_FILE)}
    try:
        check_programs(remote)
        check_installed(remote)
        check_failures(remote)
        check_tls(remote)
        check_exports()
        check_python(address)
    finally:
        server.terminate()
        server.wait(timeout=20)
    print("remote client: all checks passed")


if __name__ == "__main__":
    main()
