"""Mutation run: plants each small fault of mutants.py in a copy of the tree,
builds it incrementally and runs the fast C++ and Python suites against it.

A mutant is killed when a test fails (or the suite times out). The run prints
each mutant with the tests that caught it and the kill rate over the
mutants that are not marked equivalent, and exits non-zero below 100%.

    python tests/mutation/run.py [--only ID ...] [--list]

Run it with the Python of the project's virtual environment (pytest and
hypothesis installed); it works in build/mutation and reuses that folder.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import time
from pathlib import Path

from mutants import MUTANTS

ROOT = Path(__file__).resolve().parents[2]
WORK = ROOT / "build" / "mutation"
TREE = WORK / "tree"
BUILD = WORK / "build"
SUITE_SECONDS = 600


def tracked_files():
    listing = subprocess.run(["git", "ls-files", "-co", "--exclude-standard"], cwd=ROOT, check=True,
                             capture_output=True, text=True).stdout
    return [line for line in listing.splitlines() if (ROOT / line).is_file()]


def sync_tree():
    """Copies the tree, rewriting only files whose content differs, so that builds stay incremental."""
    for name in tracked_files():
        source, target = ROOT / name, TREE / name
        data = source.read_bytes()
        if not target.exists() or target.read_bytes() != data:
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_bytes(data)


def run(command, timeout, env=None):
    try:
        done = subprocess.run(command, capture_output=True, text=True, timeout=timeout, env=env)
        return done.returncode, done.stdout + done.stderr
    except subprocess.TimeoutExpired as expired:
        output = (expired.stdout or b"") + (expired.stderr or b"")
        return None, output.decode(errors="replace") if isinstance(output, bytes) else output


def configure():
    code, output = run(["cmake", "-S", str(TREE), "-B", str(BUILD), "-DCMAKE_BUILD_TYPE=Release",
                        "-DKORVO_BUILD_TESTS=ON", "-DKORVO_BUILD_MODULE=ON", f"-DPython_EXECUTABLE={sys.executable}"],
                       SUITE_SECONDS)
    if code != 0:
        sys.exit(f"configure failed:\n{output}")


def build():
    code, output = run(["cmake", "--build", str(BUILD), "-j2"], 1800)
    return code == 0, output


def cpp_failures():
    code, output = run(["ctest", "--test-dir", str(BUILD), "-j2", "--timeout", "120", "--stop-on-failure",
                        "--exclude-regex", "^ctime_"], SUITE_SECONDS)
    if code is None:
        return ["C++ suite timed out"]
    if code == 0:
        return []
    failed = re.findall(r"\d+ - (\S+) \((?:Failed|Timeout|SEGFAULT|Subprocess aborted|Exception)", output)
    return ["C++ " + name for name in failed] or ["C++ suite failed"]


def python_failures():
    env = dict(os.environ, PYTHONPATH=str(BUILD / "src"), PYTHONDONTWRITEBYTECODE="1")
    code, output = run([sys.executable, "-m", "pytest", "-x", "-q", "-p", "no:cacheprovider", "-o", "timeout=60",
                        str(TREE / "tests" / "python")], SUITE_SECONDS, env)
    if code is None:
        return ["Python suite timed out"]
    if code == 0:
        return []
    failed = re.findall(r"^FAILED (\S+)", output, re.MULTILINE)
    return ["Python " + name.split("/tests/python/")[-1] for name in failed] or ["Python suite failed"]


def module_in_build():
    found = list((BUILD / "src").glob("korvo_python_sdk*.so"))
    if not found:
        sys.exit("the module was not built in the mutation build")


def apply(mutant):
    path = TREE / mutant["file"]
    text = path.read_text(encoding="utf-8")
    count = text.count(mutant["find"])
    if count != 1:
        sys.exit(f"{mutant['id']}: the text to mutate occurs {count} times in {mutant['file']}")
    path.write_text(text.replace(mutant["find"], mutant["replace"]), encoding="utf-8")
    return path, text


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--only", nargs="*", help="mutant ids to run")
    parser.add_argument("--list", action="store_true", help="list the mutants and stop")
    args = parser.parse_args()
    mutants = [m for m in MUTANTS if not args.only or m["id"] in args.only]
    if args.list:
        for mutant in mutants:
            print(f"{mutant['id']:34} {mutant['file']}")
        return 0

    TREE.mkdir(parents=True, exist_ok=True)
    sync_tree()
    configure()
    ok, output = build()
    if not ok:
        sys.exit(f"the clean tree does not build:\n{output[-4000:]}")
    module_in_build()
    baseline = cpp_failures() + python_failures()
    if baseline:
        sys.exit(f"the clean tree fails its tests: {baseline}")

    survivors, counted = [], 0
    for mutant in mutants:
        start = time.monotonic()
        path, original = apply(mutant)
        try:
            ok, output = build()
            if not ok:
                sys.exit(f"{mutant['id']}: the mutant does not compile (make it a runtime fault):\n{output[-3000:]}")
            caught = cpp_failures() + python_failures()
        finally:
            path.write_text(original, encoding="utf-8")
        seconds = time.monotonic() - start
        if mutant.get("equivalent"):
            if caught:
                sys.exit(f"{mutant['id']} is marked equivalent but was killed by {', '.join(caught)}")
            verdict = f"equivalent ({mutant['equivalent']})"
        else:
            counted += 1
            verdict = "killed by " + ", ".join(caught) if caught else "SURVIVED"
            if not caught:
                survivors.append(mutant["id"])
        print(f"{mutant['id']:34} {seconds:5.0f}s  {verdict}", flush=True)

    build()
    killed = counted - len(survivors)
    print(f"{killed}/{counted} non-equivalent mutants killed ({100.0 * killed / max(counted, 1):.1f}%)")
    if survivors:
        print("survivors: " + ", ".join(survivors))
    return 1 if survivors else 0


if __name__ == "__main__":
    sys.exit(main())
