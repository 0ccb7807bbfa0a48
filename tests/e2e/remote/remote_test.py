#!/usr/bin/python3
"""zuvexa-server driven by gRPC clients (grpcio, with the stubs the build
generates from the catalogue's proto):

    remote_test.py SERVER_PROGRAM STUBS_FOLDER WORK_FOLDER [server|robustness|stress]

Simulated sessions opened, configured, fetched and closed; the token, the
client's own sessions and the reply limit enforced; two servers simulating
different models driven by one client; SIGTERM closes what is open; the
sessions of clients gone silent closed after the grace period; the sessions
a client may hold limited. Robustness: a server killed mid-stream, a client
gone mid-stream, SIGINT and SIGTERM with sessions open. Stress: 32 clients
opening, sharing, fetching and closing for ZUVEXA_REMOTE_STRESS_SECONDS (30)."""
import os
import signal
import subprocess
import sys
import threading
import time
from pathlib import Path

import grpc
import numpy as np

PROGRAM, STUBS, WORK = sys.argv[1], sys.argv[2], Path(sys.argv[3])
sys.path.insert(0, STUBS)
import zuvexa_remote_pb2 as pb  # noqa: E402
import zuvexa_remote_pb2_grpc as stubs  # noqa: E402

TOKEN = "correct-horse-battery"
INVALID_SESSION, INVALID_PARAMETER = -1074130544, -1074135025
CARRIER, RATE, SAMPLES = 2.4e9, 10e6, 1000


class Server:
    """One zuvexa-server on a free loopback port."""

    def __init__(self, listen="127.0.0.1:0", *options, credentials=None):
        token_file, self.errors = WORK / "token", WORK / f"server-{listen}.err"
        token_file.write_text(TOKEN + "\n")
        with open(self.errors, "w") as errors:
            self.process = subprocess.Popen([PROGRAM, "--listen", listen, "--token-file", str(token_file), *options],
                                            stdout=subprocess.PIPE, stderr=errors, text=True)
        first = self.process.stdout.readline()
        assert first.startswith("listening on "), first
        self.address = "127.0.0.1:" + first.split()[2].rsplit(":", 1)[1]
        self.credentials = credentials

    def client(self, client_id="", token=TOKEN, receive_limit=64 << 20):
        return Client(self.address, client_id, token, self.credentials, receive_limit)

    def stop(self, stop_signal=signal.SIGTERM):
        """Sends the signal; returns what the server printed after it."""
        self.process.send_signal(stop_signal)
        output, _ = self.process.communicate(timeout=20)
        assert self.process.returncode == 0 and f"stopping on signal {int(stop_signal)}" in output, \
            (self.process.returncode, output)
        return output

    def wait_for_log(self, words, seconds):
        deadline = time.monotonic() + seconds
        while words not in self.errors.read_text():
            assert time.monotonic() < deadline, (words, self.errors.read_text())
            time.sleep(0.05)


class Client:
    """Calls rpc(**fields) with the token (and client id) in its metadata."""

    def __init__(self, address, client_id, token, credentials=None, receive_limit=64 << 20):
        options = [("grpc.max_receive_message_length", receive_limit)]
        channel = grpc.secure_channel(address, credentials, options) if credentials else \
            grpc.insecure_channel(address, options)
        self.channel = channel
        self.stub = stubs.AnalyzerStub(channel)
        self.metadata = ([("authorization", f"Bearer {token}")] if token is not None else []) + \
            ([("zuvexa-client-id", client_id)] if client_id else [])

    def __call__(self, rpc, **fields):
        return getattr(self.stub, rpc)(getattr(pb, rpc + "Request")(**fields), metadata=self.metadata)

    def stream(self, rpc, **fields):
        """The messages of Stream<rpc>."""
        return list(getattr(self.stub, "Stream" + rpc)(getattr(pb, rpc + "Request")(**fields), metadata=self.metadata))

    def big_stream(self, vi, samples=4_000_000):
        """A running stream of a 64 MB record, its first slice received."""
        self.ok("ConfigureNumberOfSamples", vi=vi, number_of_samples_is_finite=True, samples_per_record=samples)
        self.ok("Initiate", vi=vi)
        request = pb.FetchIQSingleRecordComplexF64Request(vi=vi, number_of_samples=samples, timeout=5)
        stream = self.stub.StreamFetchIQSingleRecordComplexF64(request, metadata=self.metadata)
        assert next(stream).status.code == 0
        return stream

    def ok(self, rpc, **fields):
        response = self(rpc, **fields)
        assert response.status.code == 0, (rpc, response.status)
        return response

    def open(self, options="Simulate=1", **naming):
        return self.ok("InitWithOptions", resource_name="", option_string=options, **naming).new_vi

    def tone(self, vi):
        """(offset from the carrier in Hz, power in dBFS) of the strongest tone of a fetched record."""
        self.ok("ConfigureIQCarrierFrequency", vi=vi, carrier_frequency=CARRIER)
        self.ok("ConfigureIQRate", vi=vi, iq_rate=RATE)
        self.ok("ConfigureNumberOfSamples", vi=vi, number_of_samples_is_finite=True, samples_per_record=SAMPLES)
        self.ok("Initiate", vi=vi)
        fetched = self.ok("FetchIQSingleRecordComplexF64", vi=vi, number_of_samples=SAMPLES, timeout=5)
        assert fetched.wfm_info.actual_samples == SAMPLES and len(fetched.data) == 2 * SAMPLES
        assert abs(fetched.wfm_info.x_increment - 1 / RATE) < 1e-15
        samples = np.array(fetched.data[0::2]) + 1j * np.array(fetched.data[1::2])
        spectrum = np.fft.fft(samples)
        peak = int(np.argmax(np.abs(spectrum)))
        return np.fft.fftfreq(SAMPLES, 1 / RATE)[peak], 10 * np.log10(np.mean(np.abs(samples) ** 2))


def refused(response, code, words):
    assert response.status.code == code and words in response.status.description, response.status


def unauthenticated(client, vi):
    try:
        client("Initiate", vi=vi)
        raise AssertionError(f"{client.metadata} let a call through")
    except grpc.RpcError as error:
        assert error.code() == grpc.StatusCode.UNAUTHENTICATED, error


def check_session_life(server):
    client = server.client("bench-a")
    vi = client.open()
    offset, power = client.tone(vi)
    assert abs(offset - 100e3) < RATE / SAMPLES and abs(power + 6.02) < 0.05, (offset, power)
    # A library failure travels as the response's status, described.
    rejected = client("ConfigureIQRate", vi=vi, iq_rate=-1)
    assert rejected.status.code < 0 and rejected.status.description, rejected.status
    # Arrays both ways: the simulated attribute store keeps what was written.
    for kind, values in (("ViReal64Array", [1.5, -2.25, 3.0]),
                         ("ZUComplexNumberArray", [pb.Complex(real=1, imaginary=-1), pb.Complex(real=0.5)])):
        client.ok("SetAttribute" + kind, vi=vi, attribute_id=1150200, value_length_in_elements=len(values),
                  value=values)
        read = client.ok("GetAttribute" + kind, vi=vi, attribute_id=1150200, value_length_in_elements=len(values))
        assert list(read.value) == values, (kind, read)
    assert len(client.ok("GetAttributeViReal64Array", vi=vi, attribute_id=1150200,
                         value_length_in_elements=0).value) == 0, "as many values as asked for"
    client.ok("Close", vi=vi)
    refused(client("Initiate", vi=vi), INVALID_SESSION, "not one this server opened")
    # Failed open: the description the library keeps for it, whole to its elaboration.
    failed = client("InitWithOptions", resource_name="", option_string="NoSuchOption=1")
    assert failed.status.code < 0 and failed.new_vi == 0, failed.status
    assert failed.status.description.endswith("unknown option name. The error elaboration shows the name.\n\nNoSuchOption"), failed.status


def check_access(server):
    owner, other, anonymous = server.client("bench-a"), server.client("bench-b"), server.client()
    vi = owner.open()
    for token in (None, "wrong", TOKEN + "x"):
        unauthenticated(server.client("bench-a", token), vi)
    for intruder, handle in ((other, vi), (anonymous, vi), (owner, vi + 1), (owner, 0), (other, 0xFFFFFFFF)):
        refused(intruder("Close", vi=handle), INVALID_SESSION, f"session {handle} is not one")
    # Describing a status needs no session.
    described = other.ok("GetErrorMessage", vi=0, error_code=INVALID_SESSION, error_description_buffer_size=512)
    assert "session" in described.error_description.lower(), described
    # A buffer too small: the first size - 1 characters and the size needed.
    cut = other("GetErrorMessage", vi=0, error_code=INVALID_SESSION, error_description_buffer_size=8)
    assert cut.status.code == len(described.error_description) + 1, cut.status
    assert cut.error_description == described.error_description[:7], cut
    owner.ok("Close", vi=vi)


def check_reply_limit(server):
    client = server.client("bench-a")
    vi = client.open()
    for fields in ({"number_of_samples": 1 << 40}, {"number_of_samples": -1}, {"number_of_samples": 1 << 62}):
        refused(client("FetchIQSingleRecordComplexF64", vi=vi, timeout=1, **fields), INVALID_PARAMETER,
                "numberOfSamples")
    # 2^22 samples of two doubles fill the 64 MiB exactly: the call reaches the library.
    at_limit = client("FetchIQSingleRecordComplexF64", vi=vi, timeout=1, number_of_samples=1 << 22)
    assert "reply limit" not in at_limit.status.description, at_limit.status
    refused(client("FetchIQSingleRecordComplexF64", vi=vi, timeout=1, number_of_samples=(1 << 22) + 1),
            INVALID_PARAMETER, "reply limit")
    # No samples asked for: the library still gets an array, and the reply holds none.
    empty = client.ok("FetchIQSingleRecordComplexF64", vi=vi, timeout=1, number_of_samples=0)
    assert len(empty.data) == 0 and empty.wfm_info.actual_samples == 0, empty
    refused(client("FetchIQMultiRecordComplexF64", vi=vi, number_of_records=1 << 40, number_of_samples=8,
                   timeout=1), INVALID_PARAMETER, "reply limit")
    refused(client("GetAttributeViString", vi=vi, attribute_id=1050327, buf_size=1 << 30), INVALID_PARAMETER,
            "reply limit")
    refused(client("SetAttributeViReal64Array", vi=vi, attribute_id=1, value_length_in_elements=3, value=[1.0]),
            INVALID_PARAMETER, "holds 1 values")
    client.ok("Close", vi=vi)


def check_streams(server):
    """A streamed fetch or read, joined, equals the unary one; its slices stay
    within 1 MiB, so that a client with gRPC's default 4 MiB limit gets a
    larger record; a refused one ends with the unary refusal."""
    methods = pb.DESCRIPTOR.services_by_name["Analyzer"].methods
    for method in methods:  # the fetches and reads of arrays, and only those, are streamed too
        arrays = [f.name for f in method.output_type.fields
                  if f.name != "wfm_info" and (f.label == f.LABEL_REPEATED or f.type == f.TYPE_BYTES)]
        expected = method.name.startswith(("Fetch", "Read")) and bool(arrays)
        assert ("Stream" + method.name in {m.name for m in methods}) == expected, (method.name, arrays)
    client, small = server.client("bench-a"), server.client("bench-a", receive_limit=4 << 20)
    vi, records, samples = client.open(), 2, 300000
    client.ok("ConfigureNumberOfSamples", vi=vi, number_of_samples_is_finite=True, samples_per_record=samples)
    client.ok("ConfigureNumberOfRecords", vi=vi, number_of_records_is_finite=True, number_of_records=records)
    client.ok("Initiate", vi=vi)
    record = dict(vi=vi, record_number=1, number_of_samples=samples, timeout=5)
    # rpc, request, messages, array length (none: refused)
    for rpc, fields, messages, length in (
            ("FetchIQSingleRecordComplexF64", record, 5, 2 * samples),
            ("FetchIQSingleRecordComplexI16", record, 3, 2 * samples),
            ("FetchIQMultiRecordComplexF32", dict(vi=vi, starting_record=0, number_of_records=records,
                                                  number_of_samples=samples, timeout=5), 5, 2 * samples * records),
            ("ReadPowerSpectrumF64", dict(vi=vi, timeout=5, data_array_size=1001), 1, 1001),
            ("FetchIQSingleRecordComplexF64", dict(record, number_of_samples=1 << 40), 1, 0)):
        whole, parts = client(rpc, **fields), small.stream(rpc, **fields)
        joined = getattr(pb, rpc + "Response")()
        for part in parts:
            assert part.status == whole.status and part.ByteSize() <= (1 << 20) + 256, (rpc, part.ByteSize())
            joined.MergeFrom(part)
        values = whole.power_spectrum_data if rpc.startswith("Read") else whole.data
        assert joined == whole and len(parts) == messages and len(values) == length, (rpc, len(parts), whole.status)
        assert whole.status.code == (0 if length else INVALID_PARAMETER), whole.status
    try:
        small("FetchIQSingleRecordComplexF64", **record)
        raise AssertionError("a 4.8 MB unary reply passed a 4 MiB limit")
    except grpc.RpcError as error:
        assert error.code() == grpc.StatusCode.RESOURCE_EXHAUSTED, error
    client.ok("Close", vi=vi)


def check_named_sessions(server):
    """Another client attaches to a named session and gets its handle; a close
    by one holder keeps it for the other, the last one's releases it and its
    name; a name in use refuses an open, an exclusive session an attach."""
    first, second, third = server.client("bench-a"), server.client("bench-b"), server.client("bench-c")
    vi = first.open(session_name="shared")
    refused(third("InitWithOptions", option_string="Simulate=1", session_name="shared"), INVALID_PARAMETER,
            "a session named 'shared' is open")
    refused(third("Initiate", vi=vi), INVALID_SESSION, "not one this server opened")
    assert second.ok("Attach", session_name="shared").vi == vi
    first.ok("Close", vi=vi)
    refused(first("Initiate", vi=vi), INVALID_SESSION, "not one this server opened")
    offset, _ = second.tone(vi)
    assert abs(offset - 100e3) < RATE / SAMPLES, offset
    second.ok("Close", vi=vi)
    refused(third("Attach", session_name="shared"), INVALID_SESSION, "no session is named 'shared'")
    own = first.open(session_name="own", exclusive=True)
    refused(second("Attach", session_name="own"), INVALID_SESSION, "held for exclusive use")
    first.ok("Close", vi=own)
    third.ok("Close", vi=third.open(session_name="shared"))


def check_example(server):
    """examples/python/remote_fetch.py against the server."""
    example = Path(__file__).resolve().parents[3] / "examples/python/remote_fetch.py"
    run = subprocess.run([sys.executable, example, server.address, WORK / "token"], capture_output=True, text=True,
                         env={**os.environ, "PYTHONPATH": STUBS}, timeout=60)
    assert run.returncode == 0 and "fetched 200000 samples\nattached to session" in run.stdout, run
    assert "(the same)" in run.stdout, run.stdout


def check_two_servers():
    """One client drives a Q117 and a Q118 simulated on two servers, each
    server closing its own session when stopped."""
    first, second = Server(), Server()
    try:
        clients = [(first.client("bench"), "Q117"), (second.client("bench"), "Q118")]
        handles = [client.open(f"Simulate=1,DriverSetup=Model:{model}") for client, model in clients]
        for (client, _), vi in zip(clients, handles):
            offset, power = client.tone(vi)
            assert abs(offset - 100e3) < RATE / SAMPLES and abs(power + 6.02) < 0.05, (offset, power)
    finally:
        outputs = [first.stop(), second.stop()]
    assert all("closed 1 session(s)" in output for output in outputs), outputs


def check_grace_and_limits():
    """With --grace 1 --max-sessions 2: a third open or attach is refused, a
    closed session frees its place; the sessions of clients whose channel
    closed go after the grace period, a client still calling keeps its own.
    With --grace 0 an idle session stays."""
    server = Server("127.0.0.1:0", "--grace", "1", "--max-sessions", "2")
    try:
        gone, anonymous, live = server.client("bench-gone"), server.client(), server.client("bench-live")
        held, kept = [gone.open(), gone.open()], live.open(session_name="limits")
        for third in (gone.open, lambda: gone("Attach", session_name="limits")):
            try:
                third()
                raise AssertionError("a third session opened or attached")
            except grpc.RpcError as error:
                assert error.code() == grpc.StatusCode.RESOURCE_EXHAUSTED and "2 open sessions" in error.details(), error
        gone.ok("Close", vi=held.pop())
        held.append(gone.open())
        lost = held + [anonymous.open()]
        gone.channel.close()
        anonymous.channel.close()
        for _ in range(12):  # the live client calls more often than the grace period
            live.ok("ConfigureIQRate", vi=kept, iq_rate=RATE)
            time.sleep(0.25)
        log = server.errors.read_text()
        for vi in lost:
            assert f"closed session {vi} of " in log and "after its grace period" in log, (vi, log)
        assert f"session {kept} " not in log and "of client bench-gone at ipv4:127.0.0.1" in log, log
        back = server.client("bench-gone")
        refused(back("Close", vi=lost[0]), INVALID_SESSION, "not one this server opened")
        back.ok("Close", vi=back.open())
        live.ok("Close", vi=kept)
    finally:
        output = server.stop()
    assert "closed 0 session(s)" in output, output
    never = Server("127.0.0.1:0", "--grace", "0")
    try:
        client = never.client("bench-idle")
        vi = client.open()
        time.sleep(1.5)
        client.ok("Close", vi=vi)
    finally:
        never.stop()


def check_generator():
    """The generators fail on a catalogue they cannot read; the service's
    names what it leaves out, with the reason, in its output and at the top
    of the proto, which serves none of them."""
    source = Path(__file__).resolve().parents[3]
    for script in ("remote/client/generate_client.py", "remote/generator/generate_remote.py"):
        generator = [sys.executable, source / script]
        for arguments, complaint in (([source], "OUTPUT_FOLDER"), ([source, WORK / "failed", "false"], "cannot lay out")):
            failed = subprocess.run(generator + arguments, capture_output=True, text=True)
            assert failed.returncode != 0 and complaint in failed.stderr, (script, failed)
    run = subprocess.run(generator + [source, WORK / "generated"], capture_output=True, text=True, check=True)
    proto = (WORK / "generated/zuvexa_remote.proto").read_text()
    assert proto == (Path(STUBS).parent / "generated/zuvexa_remote.proto").read_text()
    for name, reason in (("GX_zuVEXA_init", "graphical environment"), ("zuVEXA_LockSession", "calling thread"),
                         ("zuVEXA_GetAttributeViSession", "session handle passed as a value"),
                         ("zuVEXA_FetchIQSingleRecordDirectDMA", "is an address"),
                         ("zuVEXA_GetVEXAServerSession", "is an address"),
                         ("InitializeSessionForServer", "server's own open")):
        assert f"  {name}: " in run.stdout and reason in run.stdout.split(f"  {name}: ")[1].split("\n")[0], name
        rpc = name.removeprefix("zuVEXA_")
        assert reason in proto.split(f"//   {name}: ")[1].split("\n")[0] and f" {rpc}(" not in proto, name


def check_reflection(server):
    """Reflection lists the service (a raw list_services request), for a
    caller with the token only."""
    for token in (TOKEN, None):
        client = server.client(token=token)
        call = client.channel.stream_stream("/grpc.reflection.v1alpha.ServerReflection/ServerReflectionInfo")
        try:
            replies = b"".join(call(iter([b"\x3a\x00"]), metadata=client.metadata, timeout=10))
            assert token and b"zuvexa.remote.Analyzer" in replies, replies
        except grpc.RpcError as error:
            assert not token and error.code() == grpc.StatusCode.UNAUTHENTICATED, error


def check_transport_security():
    """TLS with --cert and --key; a warning for a cleartext non-loopback address."""
    key, cert = WORK / "key.pem", WORK / "cert.pem"
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1", "-subj", "/CN=localhost",
                    "-addext", "subjectAltName=IP:127.0.0.1", "-keyout", key, "-out", cert],
                   check=True, capture_output=True)
    tls = Server("127.0.0.1:0", "--cert", str(cert), "--key", str(key),
                 credentials=grpc.ssl_channel_credentials(cert.read_bytes()))
    try:
        client = tls.client("bench")
        client.ok("Close", vi=client.open())
    finally:
        tls.stop()
    (WORK / "blank").write_text(" \n")
    for options, complaint in ((["--token-file", WORK / "token", "--cert", cert], "--key"),
                               (["--token-file", WORK / "token", "--key", key], "--cert"),
                               (["--token-file", WORK / "blank"], "no token"),
                               (["--token-file", WORK / "token", "--max-calls", "0"], "--max-calls"),
                               (["--token-file", WORK / "token", "--max-sessions", "0"], "--max-sessions"),
                               (["--token-file", WORK / "token", "--grace", "-1"], "--grace")):
        run = subprocess.run([PROGRAM, *options], capture_output=True, text=True)
        assert run.returncode != 0 and complaint in run.stderr, (options, run)
    for listen, warned in (("0.0.0.0:0", True), ("[::1]:0", False)):
        server = Server(listen)
        if warned:  # in cleartext the service's handlers check the token
            unauthenticated(server.client("bench", "wrong"), 1)
        server.stop()
        assert ("warning: listening on " + listen + " without TLS" in server.errors.read_text()) == warned, listen


def check_server_killed():
    """A server killed mid-stream: its client hears UNAVAILABLE within 2 s;
    the same client's session on another server goes on."""
    doomed, steady = Server(), Server()
    try:
        lost, kept = doomed.client("bench"), steady.client("bench")
        stream, vi = lost.big_stream(lost.open()), kept.open()
        doomed.process.kill()
        killed = time.monotonic()
        try:
            for _ in stream:
                pass
            raise AssertionError("the stream ended as if whole")
        except grpc.RpcError as error:
            assert error.code() == grpc.StatusCode.UNAVAILABLE and time.monotonic() - killed < 2, error
        offset, _ = kept.tone(vi)
        assert abs(offset - 100e3) < RATE / SAMPLES, offset
        kept.ok("Close", vi=vi)
    finally:
        doomed.process.wait(timeout=20)
        assert "closed 0 session(s)" in steady.stop()


def check_client_gone():
    """A client gone mid-stream: its session is closed after the grace period."""
    server = Server("127.0.0.1:0", "--grace", "1")
    try:
        client = server.client("bench-leaving")
        vi = client.open()
        client.big_stream(vi)
        client.channel.close()
        server.wait_for_log(f"closed session {vi} of client bench-leaving", 5)
    finally:
        assert "closed 0 session(s)" in server.stop()


def check_signals():
    """SIGINT and SIGTERM close every session still open and end with 0."""
    for stop_signal in (signal.SIGINT, signal.SIGTERM):
        server = Server()
        handles = [server.client("bench-a").open(session_name="shared"), server.client("bench-b").open()]
        assert server.client("bench-c").ok("Attach", session_name="shared").vi == handles[0]
        output = server.stop(stop_signal)
        assert "closed 2 session(s)" in output and all(f"closed session {vi}\n" in output for vi in handles), output


def stress_client(server, number, deadline, rounds):
    """Opens a named session, attaches a second client id to it, fetches
    through both (unary, then streamed) and closes from both, until the deadline."""
    owner, helper = server.client(f"stress-{number}"), server.client(f"stress-helper-{number}")
    while time.monotonic() < deadline:
        vi = owner.open(session_name=f"stress-{number}")
        assert helper.ok("Attach", session_name=f"stress-{number}").vi == vi
        owner.ok("ConfigureNumberOfSamples", vi=vi, number_of_samples_is_finite=True, samples_per_record=SAMPLES)
        owner.ok("Initiate", vi=vi)
        fetch = dict(vi=vi, number_of_samples=SAMPLES, timeout=5)
        assert len(owner.ok("FetchIQSingleRecordComplexF32", **fetch).data) == 2 * SAMPLES
        assert all(part.status.code == 0 for part in helper.stream("FetchIQSingleRecordComplexF64", **fetch))
        owner.ok("Close", vi=vi)
        helper.ok("Close", vi=vi)
        rounds[number] += 1


def check_stress():
    """32 clients at once for a bounded time: every round succeeds and no
    session is left open."""
    server, count = Server(), 32
    deadline = time.monotonic() + float(os.environ.get("ZUVEXA_REMOTE_STRESS_SECONDS", "30"))
    rounds, failures = [0] * count, []

    def run(number):
        try:
            stress_client(server, number, deadline, rounds)
        except Exception as error:  # noqa: BLE001 (reported below, with its client)
            failures.append((number, repr(error)))
    threads = [threading.Thread(target=run, args=(number,)) for number in range(count)]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    output = server.stop()
    assert not failures and all(rounds), (failures, rounds)
    assert "closed 0 session(s)" in output, output
    print(f"{sum(rounds)} rounds by {count} clients")


CHECKS = {"robustness": (check_server_killed, check_client_gone, check_signals), "stress": (check_stress,)}


def main():
    if len(sys.argv) > 4:
        for check in CHECKS[sys.argv[4]]:
            check()
            print(f"{check.__name__}: passed")
        return
    server = Server()
    try:
        for check in (check_session_life, check_access, check_reply_limit, check_reflection,
                      check_streams, check_named_sessions, check_example):
            check(server)
            print(f"{check.__name__}: passed")
    finally:
        output = server.stop()
    assert "closed 0 session(s)" in output, output
    for check in (check_two_servers, check_grace_and_limits, check_transport_security, check_generator):
        check()
        print(f"{check.__name__}: passed")


if __name__ == "__main__":
    main()
