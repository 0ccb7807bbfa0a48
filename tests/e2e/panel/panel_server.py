"""Runs `zuvexa panel` of a build tree on the stand-ins and the demo system
configuration, on a free port, and stops it with a signal."""
import os
import re
import signal
import subprocess
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", "..", ".."))


def environment(build, extra=()):
    lib = os.path.join(build, "lib")
    env = dict(os.environ)
    env["LD_LIBRARY_PATH"] = ":".join(
        [lib, lib + "/buildtree", lib + "/modules", lib + "/sysapi", *extra])
    env["ZUVEXA_SYSAPI_CONFIG"] = os.path.join(ROOT, "tools", "demo", "sysapi.conf")
    return env


class Panel:
    """`with Panel(build, "--resource", "X") as panel:` panel.base, panel.token."""

    def __init__(self, build, *arguments, env=None):
        self.command = [os.path.join(build, "bin", "zuvexa"), "panel", "--port", "0", *arguments]
        self.env = env or environment(build)
        self.output = ""

    def __enter__(self):
        self.process = subprocess.Popen(self.command, env=self.env, stdout=subprocess.PIPE,
                                        stderr=subprocess.STDOUT, text=True)
        for line in self.process.stdout:
            self.output += line
            match = re.search(r"(http://\S+):(\d+)/\?token=(\w+)", line)
            if match:
                self.host, self.port, self.token = match.group(1), int(match.group(2)), match.group(3)
                self.base = f"{self.host}:{self.port}"
                self.url = match.group(0)
                return self
        raise AssertionError("the panel printed no URL:\n" + self.output)

    def stop(self, signal_number=signal.SIGINT):
        """Signals the server, returns its exit status; its output is in .output."""
        self.process.send_signal(signal_number)
        try:
            rest, _ = self.process.communicate(timeout=20)
        except subprocess.TimeoutExpired:
            self.process.kill()
            raise AssertionError("the panel did not stop on the signal:\n" + self.output
                                 + self.process.communicate()[0])
        self.output += rest
        return self.process.returncode

    def __exit__(self, *exc):
        if self.process.poll() is None:
            self.stop()


def wait_until(predicate, timeout=20.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(0.1)
    raise AssertionError("condition not met in time")
