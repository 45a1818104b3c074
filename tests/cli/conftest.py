"""The two builds of orvane-cli, for tests that must hold for both."""
import os
import pathlib
import subprocess
import warnings

import pytest

ROOT = pathlib.Path(__file__).resolve().parents[2]
BUILDS = {
    "native": [str(ROOT / "build/native/orvane-cli")],
    "windows": [str(ROOT / "scripts/wine-run"), str(ROOT / "build/windows/orvane-cli.exe")],
}


class Cli:
    def __init__(self, name):
        self.name = name
        self.command = BUILDS[name]

    def run(self, *args, stdin=None, check=True):
        command = self.command + [str(a) for a in args]
        result = subprocess.run(command, input=stdin, capture_output=True, timeout=120)
        if self.name == "windows" and result.returncode == 1 and not result.stdout + result.stderr:
            # orvane-cli says why on every failure, and a crash under Wine prints a backtrace.
            # Status 1 with no word at all is Wine ending the process from outside (its server
            # ends what it runs when it shuts down), which says nothing of the program: run it
            # once more, and say so.
            warnings.warn(f"Wine ended orvane-cli {' '.join(map(str, args))} silently; ran it again")
            result = subprocess.run(command, input=stdin, capture_output=True, timeout=120)
        if check and result.returncode != 0:
            raise AssertionError(f"{self.name} exited {result.returncode}: {result.stderr!r}")
        return result

    def lines(self, *args, stdin=None):
        return self.run(*args, stdin=stdin).stdout.decode("latin-1").splitlines()


@pytest.fixture(params=sorted(BUILDS))
def cli(request):
    return Cli(request.param)


@pytest.fixture
def both():
    return [Cli(name) for name in sorted(BUILDS)]
