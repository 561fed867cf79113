"""Mutation run: plants each small fault of mutants.py in a copy of the tree,
builds it incrementally and runs the fast C++ and Python suites against it.

A mutant is killed when a test fails (or times out). Each mutant first meets
the suite of its own layer (the C++ test program of the layer it mutates, or
the Python tests for the module), built alone; only a survivor is built in
full and run against every C++ test and the Python tests, and then against
the extra checks it names (a constant-time check under valgrind, say). The
run prints each mutant with the tests that caught it and the kill rate over
the mutants that are not marked equivalent, and exits non-zero below 100%.

    python tests/mutation/run.py [--only ID ...] [--list]

Run it with the Python of the project's virtual environment (pytest and
hypothesis installed); it works in build/mutation and reuses that folder.
The build there has the test-only fault injection on, so the Python tests of
the signing self-check run too.
"""

import argparse
import os
import re
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
# The C++ test program of each library layer; the operations and the API are tested through the API.
LAYER_TESTS = {"curve": "curve", "encoding": "encoding", "hash": "hash", "poseidon": "poseidon",
               "transaction": "transaction", "tx": "tx", "zkw": "zkw", "support": "support", "lib": "sdk",
               "api": "sdk"}


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
                        "-DKORVO_BUILD_TESTS=ON", "-DKORVO_BUILD_MODULE=ON", "-DKORVO_FAULT_INJECTION=ON",
                        f"-DPython_EXECUTABLE={sys.executable}"], SUITE_SECONDS)
    if code != 0:
        sys.exit(f"configure failed:\n{output}")


def build(target=None):
    command = ["cmake", "--build", str(BUILD), "-j2"] + (["--target", target] if target else [])
    code, output = run(command, 1800)
    return code == 0, output


def layer_program(mutant):
    """The C++ test program of the layer the mutant's file belongs to, if that layer has one."""
    parts = Path(mutant["file"]).parts
    if parts[:2] == ("sdk", "src") and parts[2] in LAYER_TESTS:
        return f"test_{LAYER_TESTS[parts[2]]}"
    return None


def program_failures(program):
    code, output = run([str(BUILD / "tests" / "cpp" / program), "--gtest_brief=1"], SUITE_SECONDS)
    if code is None:
        return [f"C++ {program} timed out"]
    if code == 0:
        return []
    failed = sorted(set(re.findall(r"^\[  FAILED  \] (\S+?)(?:,| \(|$)", output, re.MULTILINE)))
    return ["C++ " + name for name in failed] or [f"C++ {program} failed"]


def ctest_failures(select):
    code, output = run(["ctest", "--test-dir", str(BUILD), "-j2", "--timeout", "120"] + select, SUITE_SECONDS)
    if code is None:
        return ["C++ suite timed out"]
    if code == 0:
        return []
    failed = re.findall(r"\d+ - (\S+) \((?:Failed|Timeout|SEGFAULT|Subprocess aborted|Exception)", output)
    return ["C++ " + name for name in failed] or ["C++ suite failed"]


def cpp_failures():
    return ctest_failures(["--stop-on-failure", "--exclude-regex", "^ctime_"])


def pytest_failures(folder, **env):
    env = dict(os.environ, PYTHONDONTWRITEBYTECODE="1", **env)
    code, output = run([sys.executable, "-m", "pytest", "-x", "-q", "-p", "no:cacheprovider", "-o", "timeout=60",
                        str(TREE / "tests" / folder)], SUITE_SECONDS, env)
    if code is None:
        return [f"Python {folder} suite timed out"]
    if code == 0:
        return []
    failed = re.findall(r"^FAILED (\S+)", output, re.MULTILINE)
    return ["Python " + name.split(f"/tests/{folder}/")[-1] for name in failed] or [f"Python {folder} suite failed"]


def python_failures():
    return pytest_failures("python", PYTHONPATH=str(BUILD / "src"))


def tool_failures():
    """The korvo tool's tests, against the tool of the mutation build."""
    return pytest_failures("cli", KORVO_CLI=str(BUILD / "cli" / "korvo"))


def module_in_build():
    found = list((BUILD / "src").glob("korvo_python_sdk*.so"))
    if not found:
        sys.exit("the module was not built in the mutation build")


def static_check_failures(mutant, target=None):
    """Builds the mutant. A compile-time check of a test that fails is a kill (constant evaluation runs
    the portable arithmetic); any other compile error stops the run: the mutant must be a runtime fault."""
    ok, output = build(target)
    if ok:
        return []
    failed = sorted(set(re.findall(r"/tests/(\S+?):\d+:\d+: error: static assertion failed", output)))
    if failed:
        return ["static check in tests/" + name for name in failed]
    sys.exit(f"{mutant['id']}: the mutant does not compile (make it a runtime fault):\n{output[-3000:]}")


def caught_by(mutant):
    """The tests that fail with the mutant in place: its own layer's first, then everything else."""
    program = layer_program(mutant)
    if program:
        caught = static_check_failures(mutant, program) or program_failures(program)
        if caught:
            return caught
    elif mutant["file"].startswith("src/"):
        caught = static_check_failures(mutant, "korvo_python_sdk") or python_failures()
        if caught:
            return caught
    elif mutant["file"].startswith("cli/"):
        caught = static_check_failures(mutant, "korvo") or tool_failures()
        if caught:
            return caught
    caught = static_check_failures(mutant)
    if caught:
        return caught
    caught = cpp_failures() + python_failures()
    for check in mutant["checks"]:
        if caught:
            break
        caught = ctest_failures(["--tests-regex", f"^{check}$"])
    return caught


def apply(mutant):
    path = TREE / mutant["file"]
    text = path.read_text(encoding="utf-8")
    count = text.count(mutant["find"])
    if count != 1:
        sys.exit(f"{mutant['id']}: the text to mutate occurs {count} times in {mutant['file']}")
    stat = path.stat()
    path.write_text(text.replace(mutant["find"], mutant["replace"]), encoding="utf-8")
    return path, text, stat


def restore(path, text, stat, started):
    """Puts the original back with its old time stamp and deletes the objects compiled from the mutant
    (those built since it was planted whose dependency file names it), so only they are compiled again:
    a header would otherwise rebuild everything that includes it."""
    path.write_text(text, encoding="utf-8")
    os.utime(path, ns=(stat.st_atime_ns, stat.st_mtime_ns))
    for built in BUILD.rglob("*.o"):
        depends = built.with_name(built.name + ".d")
        if built.stat().st_mtime_ns >= started and (not depends.exists() or str(path) in depends.read_text()):
            built.unlink()


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

    run_start = time.monotonic()
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
    print(f"baseline built and passed in {time.monotonic() - run_start:.0f}s", flush=True)

    survivors, counted = [], 0
    for mutant in mutants:
        start = time.monotonic()
        started_ns = time.time_ns()
        path, original, stat = apply(mutant)
        try:
            caught = caught_by(mutant)
        finally:
            restore(path, original, stat, started_ns)
        seconds = time.monotonic() - start
        if mutant.get("equivalent"):
            if caught:
                sys.exit(f"{mutant['id']} is marked equivalent but was killed by {', '.join(caught)}")
            verdict = f"equivalent ({mutant['equivalent']})"
        else:
            counted += 1
            shown = ", ".join(caught[:3]) + (f" and {len(caught) - 3} more" if len(caught) > 3 else "")
            verdict = "killed by " + shown if caught else "SURVIVED"
            if not caught:
                survivors.append(mutant["id"])
        print(f"{mutant['id']:34} {seconds:5.0f}s  {verdict}", flush=True)

    build()
    killed = counted - len(survivors)
    print(f"{killed}/{counted} non-equivalent mutants killed ({100.0 * killed / max(counted, 1):.1f}%)"
          f" in {time.monotonic() - run_start:.0f}s")
    if survivors:
        print("survivors: " + ", ".join(survivors))
    return 1 if survivors else 0


if __name__ == "__main__":
    sys.exit(main())
