"""Fixtures of the end-to-end tests. They run on the private display of scripts/with-display."""
import os

import pytest

from orvane import Orvane


def pytest_configure(config):
    if "ORVANE_FRAMEBUFFER" not in os.environ:
        raise pytest.UsageError("run the end-to-end tests through scripts/with-display")


@pytest.fixture
def orvane(tmp_path):
    """Makes runs of the program in the test's folder; whatever still runs at the end is stopped."""
    runs = []

    def make(workspace=None, images=True, folder="run"):
        run = Orvane(tmp_path / folder, workspace, images)
        runs.append(run)
        return run

    yield make
    for run in runs:
        run.kill()
