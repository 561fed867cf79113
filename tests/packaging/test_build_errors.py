"""A build on a machine without the dependencies stops once, naming all that is missing."""

import os
import shutil
import subprocess
from pathlib import Path

import pytest

ROOT = Path(__file__).resolve().parents[2]
HIDE_SYSTEM = [
    "-DCMAKE_FIND_ROOT_PATH=/nonexistent",
    "-DCMAKE_FIND_ROOT_PATH_MODE_PACKAGE=ONLY",
    "-DCMAKE_FIND_ROOT_PATH_MODE_LIBRARY=ONLY",
    "-DCMAKE_FIND_ROOT_PATH_MODE_INCLUDE=ONLY",
]


def configure(tmp_path, extra_args):
    cmake = shutil.which("cmake")
    if cmake is None:
        pytest.fail("cmake is needed to check the configure step")
    env = dict(os.environ, PKG_CONFIG_LIBDIR="/nonexistent")
    return subprocess.run([cmake, "-S", str(ROOT), "-B", str(tmp_path), *extra_args],
                          capture_output=True, text=True, env=env)


def test_every_missing_dependency_is_named_in_one_run(tmp_path):
    result = configure(tmp_path, HIDE_SYSTEM)
    assert result.returncode != 0
    assert "missing build dependencies" in result.stderr
    assert "sudo apt-get install libssl-dev libb2-dev nlohmann-json3-dev" in result.stderr
    for name in ("OpenSSL libcrypto", "libb2", "nlohmann-json", "Fedora"):
        assert name in result.stderr


def test_only_the_missing_dependency_is_named(tmp_path):
    result = configure(tmp_path, [])
    assert result.returncode != 0
    assert "sudo apt-get install libb2-dev\n" in result.stderr
    assert "libssl-dev" not in result.stderr and "nlohmann-json3-dev" not in result.stderr
