"""Sphinx directives for the manual's generated pages.

``.. zuvexa-status-table::`` inserts the status-code table that
status_table.py asks the built library for; ``.. zuvexa-command-help::``
inserts the --help output of the zuvexa command and of each of its
subcommands. Both run the programs of the build tree named by the
configuration value ``zuvexa_build_dir``, with the environment the README
gives for running from a build: the stand-ins and the demo configuration.
"""
import os
import pathlib
import re
import subprocess
import sys

from docutils import nodes
from docutils.parsers.rst import Directive
from docutils.statemachine import StringList
from sphinx.errors import ExtensionError
from sphinx.util.nodes import nested_parse_with_titles

ROOT = pathlib.Path(__file__).resolve().parents[2]


def build_environment(build: pathlib.Path) -> dict:
    lib = build / "lib"
    folders = [lib, lib / "buildtree", lib / "modules", lib / "sysapi", lib / "peeklog"]
    env = dict(os.environ)
    env["LD_LIBRARY_PATH"] = ":".join(str(folder) for folder in folders)
    env["ZUVEXA_SYSAPI_CONFIG"] = str(ROOT / "tools/demo/sysapi.conf")
    env.pop("ZUPEEK_TRACE", None)
    return env


def run(build: pathlib.Path, command: list) -> str:
    result = subprocess.run(command, env=build_environment(build), capture_output=True, text=True, check=False)
    if result.returncode != 0:
        raise ExtensionError("%s failed (exit status %d): %s" % (" ".join(command), result.returncode,
                                                                result.stderr.strip()))
    return result.stdout


def status_table(build: pathlib.Path) -> list:
    script = pathlib.Path(__file__).with_name("status_table.py")
    return run(build, [sys.executable, str(script), str(ROOT), str(build / "lib/libzuvexa.so.0")]).splitlines()


def subcommands(help_text: str) -> list:
    """The names listed under "Subcommands:" in a --help text."""
    section = help_text.partition("\nSubcommands:\n")[2]
    names = []
    for line in section.splitlines():
        match = re.match(r"  (\S+)\s", line)
        if not line.strip():
            break
        if match:
            names.append(match.group(1))
    return names


def literal(text: str) -> list:
    return [".. code-block:: text", ""] + ["   " + line for line in text.rstrip().splitlines()] + [""]


def command_help(build: pathlib.Path) -> list:
    program = str(build / "bin/zuvexa")
    main = run(build, [program, "--help"])
    lines = ["``zuvexa --help``", "-" * 17, ""] + literal(main)
    for name in subcommands(main):
        title = "``zuvexa %s --help``" % name
        lines += [".. _zuvexa-%s:" % name, "", title, "-" * len(title), ""] + literal(run(build, [program, name, "--help"]))
    return lines


class GeneratedDirective(Directive):
    has_content = False
    generate = None

    def run(self):
        build = pathlib.Path(self.state.document.settings.env.config.zuvexa_build_dir).resolve()
        holder = nodes.section()
        holder.document = self.state.document
        nested_parse_with_titles(self.state, StringList(type(self).generate(build), source="<generated>"), holder)
        return holder.children


class StatusTable(GeneratedDirective):
    generate = staticmethod(status_table)


class CommandHelp(GeneratedDirective):
    generate = staticmethod(command_help)


def setup(app):
    app.add_config_value("zuvexa_build_dir", os.environ.get("ZUVEXA_BUILD_DIR", str(ROOT / "build")), "env")
    app.add_directive("zuvexa-status-table", StatusTable)
    app.add_directive("zuvexa-command-help", CommandHelp)
    return {"parallel_read_safe": True, "parallel_write_safe": True}
