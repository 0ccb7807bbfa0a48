"""The panel's HTTP interface: who may call it, what it accepts, what one
refresh carries, and that a signal closes the session."""
import errno
import json
import os
import signal
import socket
import subprocess
import sys
import tempfile
import unittest
import urllib.error
import urllib.request

from panel_server import Panel, environment

BUILD = os.environ["ZUVEXA_BUILD_DIR"]


def call(panel, path, body=None, headers=None, token=True, raw=None):
    """(status, parsed JSON or text) of one request."""
    headers = dict(headers or {})
    if token:
        headers["X-Panel-Token"] = panel.token
    data = raw if raw is not None else (None if body is None else json.dumps(body).encode())
    if data is not None:  # as the page sends it (urllib's default type has a limit of its own)
        headers.setdefault("Content-Type", "application/json")
    request = urllib.request.Request(panel.base + path, data=data, headers=headers)
    try:
        with urllib.request.urlopen(request, timeout=20) as response:
            status, text = response.status, response.read().decode()
    except urllib.error.HTTPError as error:
        status, text = error.code, error.read().decode()
    try:
        return status, json.loads(text)
    except ValueError:
        return status, text


def send_chunked(panel, total, chunk=b"x" * 65536):
    """(bytes sent, answer) of a chunked POST of `total` bytes, sent until the server closes."""
    with socket.create_connection(("127.0.0.1", panel.port), timeout=20) as connection:
        connection.sendall(f"POST /api/open HTTP/1.1\r\nHost: 127.0.0.1:{panel.port}\r\n"
                           f"X-Panel-Token: {panel.token}\r\nTransfer-Encoding: chunked\r\n\r\n".encode())
        sent = 0
        try:
            while sent < total:
                connection.sendall(b"%x\r\n%s\r\n" % (len(chunk), chunk))
                sent += len(chunk)
            connection.sendall(b"0\r\n\r\n")
        except (BrokenPipeError, ConnectionResetError):
            pass
        answer = connection.makefile("rb").read().decode()
    return sent, answer


class PanelHttp(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.panel = Panel(BUILD).__enter__()

    @classmethod
    def tearDownClass(cls):
        cls.panel.__exit__()

    def test_refusals(self):
        """Through the server; what a body may hold: tests/unit/panel."""
        p = self.panel
        cases = [  # (what, path, body, headers, token, raw, status)
            ("token off in its first character", "/api/state", None,
             {"X-Panel-Token": ("1" if p.token[0] == "0" else "0") + p.token[1:]}, False, None, 403),
            ("token cut short", "/api/state", None, {"X-Panel-Token": p.token[:-1]}, False, None, 403),
            ("token in the query", "/api/state?token=" + p.token, None, {}, False, None, 200),
            ("foreign origin", "/api/settings", {"iqRate": 1e6}, {"Origin": "http://evil.example"}, True, None, 403),
            ("body over 16 KiB", "/api/open", None, {}, True, b'{"resource":"' + b"x" * 16400 + b'"}', 413),
            ("body under 16 KiB", "/api/open", None, {}, True, b'{"resource":"' + b"x" * 16000 + b'"}', 400),
            ("chunked body of 16 KiB", "/api/settings", None, {}, True, iter([b'{"iqRate":1e7' + b" " * 16370 + b"}"]), 200),
            ("chunked body over 16 KiB", "/api/settings", None, {}, True, iter([b'{"iqRate":1e7' + b" " * 16371 + b"}"]), 413),
        ]
        for what, path, body, headers, token, raw, status in cases:
            with self.subTest(what):
                self.assertEqual(call(p, path, body, headers, token, raw)[0], status)
        self.assertEqual(call(p, "/api/state")[1]["settings"]["iqRate"], 10e6)  # nothing refused was applied

    def test_a_chunked_body_over_the_limit_is_refused_unread(self):
        total = 64 << 20  # far beyond what the socket buffers between the two take
        sent, answer = send_chunked(self.panel, total)
        self.assertLess(sent, total)  # the server closed instead of reading the rest
        self.assertTrue(answer.startswith("HTTP/1.1 413"), answer)
        self.assertIn("frame-ancestors 'none'", answer)
        self.assertEqual(json.loads(answer.split("\r\n\r\n", 1)[1])["error"]["description"], "the body is over 16 KiB")
        self.assertEqual(call(self.panel, "/api/state")[0], 200)

    def test_a_refresh_carries_the_spectrum_and_one_trace_only(self):
        call(self.panel, "/api/settings", {"numberOfSamples": 200000, "iqRate": 1e6})
        try:
            status, frame = call(self.panel, "/api/frame")
        finally:
            call(self.panel, "/api/settings", {"numberOfSamples": 4096, "iqRate": 10e6})
        self.assertEqual((status, frame["samples"]), (200, 200000))
        self.assertAlmostEqual(frame["peak"]["offset"], 100e3, delta=10)
        self.assertAlmostEqual(frame["peak"]["power"], -6.02, delta=0.05)
        self.assertLessEqual(len(frame["spectrum"]["power"]), 1024)
        self.assertLessEqual(len(frame["trace"]["i"]), 1024)
        self.assertAlmostEqual(frame["trace"]["i"][0] * frame["trace"]["scale"], 0.5, places=6)
        spectrum = frame["spectrum"]
        top = max(range(len(spectrum["power"])), key=spectrum["power"].__getitem__)
        self.assertAlmostEqual(spectrum["start"] + top * spectrum["step"], frame["carrier"] + 100e3,
                               delta=spectrum["step"])

    def test_the_record_downloads_as_csv(self):
        with urllib.request.urlopen(f"{self.panel.base}/api/record.csv?token={self.panel.token}", timeout=20) as response:
            self.assertIn('filename="record.csv"', response.headers["Content-Disposition"])
            lines = response.read().decode().splitlines()
        self.assertEqual((lines[0], lines[1], len(lines)), ("index,i,q", "0,0.5,0", 4097))

    def test_devices_of_the_system_configuration_and_the_simulated_analyzer(self):
        devices = call(self.panel, "/api/devices")[1]
        self.assertEqual([d["resource"] for d in devices], ["", "Analyzer1", "Analyzer2"])
        self.assertIn("PXI1Slot2, 0x1C02", devices[1]["label"])

    def test_attribute_write_reads_back(self):
        _, rows = call(self.panel, "/api/attributes")
        self.assertEqual({row["type"] for row in rows}, {"int32", "int64", "real64", "boolean", "string"})
        self.assertEqual(len({row["id"] for row in rows}), len(rows), "each attribute once")
        preamp = next(row for row in rows if row["name"] == "Preamp Enabled")
        for flag in (True, False):  # a boolean reads back as the flag written
            self.assertIs(call(self.panel, "/api/attribute", {"id": preamp["id"], "value": flag})[1]["value"], flag)


class PanelLifetime(unittest.TestCase):
    def test_listens_on_loopback_unless_told(self):
        for arguments, address, warned in [((), "0100007F", False), (("--listen", "0.0.0.0"), "00000000", True)]:
            with self.subTest(arguments), Panel(BUILD, *arguments) as panel:
                with open("/proc/net/tcp") as table:
                    listening = [line.split()[1] for line in table if line.split()[3] == "0A"]
                self.assertIn(f"{address}:{panel.port:04X}", listening)
                self.assertEqual("warning" in panel.output, warned)

    def test_a_named_resource_opens_as_named(self):
        for arguments, options, simulated in [((), "Simulate=1", True), (("--resource", "Analyzer1"), "", False),
                                              (("--resource", "Analyzer1", "--options", "Simulate=1"), "Simulate=1", True)]:
            with self.subTest(arguments), Panel(BUILD, *arguments) as panel:
                state = call(panel, "/api/state")[1]
                self.assertEqual((state["options"], state["device"]["simulated"], "error" in state),
                                 (options, simulated, False))

    def test_a_taken_port_is_refused_with_the_reason(self):
        with Panel(BUILD) as first:
            second = subprocess.run([os.path.join(BUILD, "bin", "zuvexa"), "panel", "--port", str(first.port)],
                                    env=environment(BUILD), capture_output=True, text=True, timeout=20)
        self.assertEqual(second.returncode, 1)
        self.assertIn(f"cannot listen on 127.0.0.1:{first.port}: {os.strerror(errno.EADDRINUSE)}", second.stderr)

    def test_a_failed_device_leaves_the_panel_working(self):
        with Panel(BUILD, "--resource", "NoSuchDevice", "--options", "") as panel:
            self.assertIn("error", call(panel, "/api/frame")[1])
            self.assertEqual(call(panel, "/api/open", {"resource": "x" * 255})[0], 200)  # the longest name taken
            state = call(panel, "/api/open", {"options": "Simulate=1"})[1]  # no resource: the simulated analyzer
            self.assertNotIn("error", state)
            self.assertIn("spectrum", call(panel, "/api/frame")[1])

    def test_a_signal_closes_the_session(self):
        for signal_number in (signal.SIGINT, signal.SIGTERM):
            with self.subTest(signal_number), tempfile.TemporaryDirectory() as folder:
                log = os.path.join(folder, "calls.jsonl")
                env = environment(BUILD, [os.path.join(BUILD, "lib", "peeklog")])
                env["ZUPEEK_TRACE"] = log
                with Panel(BUILD, env=env) as panel:
                    self.assertEqual(call(panel, "/api/frame")[0], 200)
                    self.assertEqual(panel.stop(signal_number), 0)
                self.assertIn("closed        session", panel.output)
                self.assertNotIn("close failed", panel.output)
                with open(log) as calls:
                    closes = [json.loads(line) for line in calls if '"zuVEXA_close"' in line]
                self.assertEqual([entry["success"] for entry in closes], [1])


if __name__ == "__main__":
    sys.exit(unittest.main())
