#!/usr/bin/env python3
"""Mutation runner for the rules library.

Applies small faults ("mutants") one at a time to the sources under src/game, rebuilds
every test program that links the rules library, runs them and reports every mutant that
no test notices. A surviving
mutant is a change of the code that the tests cannot tell from the real thing.

Mutations:
  cmp-flip   a comparison turned around      (<  ->  >=, == -> !=, ...)
  boundary   a comparison's limit moved by one (<  ->  <=, >  ->  >=, ...)
  and-or     && and || swapped
  negate     a condition negated (if (c) -> if (!(c)), !c -> c, true <-> false)
  arith      + and - swapped (also += and -=, ++ and --)
  delete     a whole statement line deleted

Declarations "= delete;" and "= default;" are no mutants: taking one away either does not
compile or changes nothing a test can run.

The test programs are found in the build folder: every program under tests/ that links
liborvane_game.a and is named *_tests. core_tests runs first, the others fastest first, each with --gtest_fail_fast, and the first one
that fails kills the mutant, so a mutant costs the whole set only when it survives.

The runner never leaves a mutated file behind: the original text is restored in a finally
block, on Ctrl-C and on SIGTERM, and a journal in the build folder lets the next run put a
file back if the runner itself was killed. It refuses to start when src/game has changes
that are not committed, so the restore can never overwrite someone's work.

Usage examples:
  tools/mutate/run.py --list
  tools/mutate/run.py --build build --sample 80 --seed 7
  tools/mutate/run.py --build build --filter 'DoubleUp|GameTable' --max 40
  tools/mutate/run.py --survivors-of before.json   # after adding tests: the survivors again
  tools/mutate/run.py --skip-seen part1.json --shard 1/2   # go on after part 1, on two cores
  tools/mutate/run.py --cache tools/mutate/killed.json --shard 1/4   # a quarter, resumable

A full run over src/game takes many hours on two cores, so it can be done in parts: with
--cache, a mutant already killed is not run again while its file's text is unchanged (a
test can only be added, so a kill stays a kill), and each kill is written to the cache as
soon as it is seen. A timeout is not kept: on a busy machine it may have been the load.
Survivors are never cached: they are run again, as new tests may kill them. --shard K/N
takes every N-th mutant from the K-th, the same ones on every run.
"""

from __future__ import annotations

import argparse
import contextlib
import fcntl
import json
import os
import random
import re
import signal
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from mapped_lines import CoverageMap  # noqa: E402
from mutants import (  # noqa: E402
    ROOT,
    KillCache,
    Mutant,
    apply,
    cache_key,
    file_digest,
    mutants_of_file,
    source_files,
)

JOURNAL_NAME = "mutate-journal.json"


# ---- keeping the tree clean ---------------------------------------------------------


class Restorer:
    """Holds the original text of the one file being mutated and puts it back."""

    def __init__(self, journal: Path):
        self.journal = journal
        self.path: Path | None = None
        self.original: bytes | None = None

    def recover_from_journal(self) -> None:
        if not self.journal.exists():
            return
        data = json.loads(self.journal.read_text(encoding="utf-8"))
        target = ROOT / data["path"]
        target.write_bytes(data["original"].encode("utf-8"))
        self.journal.unlink()
        print(f"restored {data['path']} left mutated by an earlier run", file=sys.stderr)

    def mutate(self, path: Path, new_text: str) -> None:
        self.original = path.read_bytes()
        self.path = path
        self.journal.write_text(
            json.dumps(
                {
                    "path": path.relative_to(ROOT).as_posix(),
                    "original": self.original.decode("utf-8"),
                }
            ),
            encoding="utf-8",
        )
        path.write_text(new_text, encoding="utf-8")

    def restore(self) -> None:
        if self.path is not None and self.original is not None:
            self.path.write_bytes(self.original)
            self.path = None
            self.original = None
        if self.journal.exists():
            self.journal.unlink()


def dirty_files(source_dir: str) -> list[str]:
    result = subprocess.run(
        ["git", "status", "--porcelain", "--", source_dir],
        cwd=ROOT,
        capture_output=True,
        text=True,
        check=True,
    )
    return [line for line in result.stdout.splitlines() if line.strip()]


def raise_interrupt(signum, _frame):
    raise KeyboardInterrupt(f"signal {signum}")


# ---- building and testing ----------------------------------------------------------

LINK_RULE_RE = re.compile(
    r"^build bin/(\w+)\b[^\n]*?: CXX_EXECUTABLE_LINKER__\w+ ([^\n]*)", re.MULTILINE
)


def rules_test_programs(build_ninja: str, library: str = "liborvane_game.a") -> list[str]:
    """The test programs (named *_tests) of a Ninja build that link `library`."""
    names = []
    for m in LINK_RULE_RE.finditer(build_ninja):
        inputs = m.group(2).split()
        if m.group(1).endswith("_tests") and any(i.startswith("tests/") for i in inputs) and any(
            i.endswith("/" + library) for i in inputs
        ):
            names.append(m.group(1))
    return names



def build(build_dir: Path, targets: list[str], jobs: int, timeout: float) -> tuple[bool, str]:
    try:
        result = subprocess.run(
            ["cmake", "--build", str(build_dir), "--parallel", str(jobs), "--target", *targets],
            cwd=ROOT,
            capture_output=True,
            text=True,
            timeout=timeout,
        )
    except subprocess.TimeoutExpired:
        return False, "build timed out"
    return result.returncode == 0, result.stdout[-2000:] + result.stderr[-2000:]


@dataclass
class Step:
    targets: list[str]  # built just before the command runs
    command: list[str]
    timeout: float
    environment: dict[str, str] | None = None  # added to the runner's own
    cwd: str | None = None
    locks: tuple[str, ...] = ()  # ctest's RESOURCE_LOCK names of its tests


def ctest_settings(tests: list[dict]) -> dict[str, tuple[dict[str, str], str | None]]:
    """Per test program (by path), the environment and folder ctest gives its tests, from
    `ctest --show-only=json-v1`: some need a screen of a given size, for example."""
    settings: dict[str, tuple[dict[str, str], str | None]] = {}
    for test in tests:
        command = test.get("command") or []
        if not command or command[0] in settings:
            continue
        environment: dict[str, str] = {}
        cwd = None
        for prop in test.get("properties", []):
            if prop["name"] == "ENVIRONMENT":
                environment.update(v.split("=", 1) for v in prop["value"] if "=" in v)
            elif prop["name"] == "WORKING_DIRECTORY":
                cwd = prop["value"]
        settings[command[0]] = (environment, cwd)
    return settings


def resource_locks(tests: list[dict], program: str) -> tuple[str, ...]:
    """The resources ctest never lets two of the program's tests use at once (a desktop's
    accessibility bus): runners side by side take the same locks."""
    names = set()
    for test in tests:
        if any(program in part for part in test.get("command") or []):
            for prop in test.get("properties", []):
                if prop["name"] == "RESOURCE_LOCK":
                    names.update(prop["value"])
    return tuple(sorted(names))


@contextlib.contextmanager
def held_locks(names: tuple[str, ...]):
    """Holds a file lock per name in the system's temporary folder, shared by every
    checkout on the machine."""
    with contextlib.ExitStack() as stack:
        for name in names:
            safe = re.sub(r"[^\w.-]", "_", name)
            handle = stack.enter_context(open(Path(tempfile.gettempdir()) / f"orvane-mutate-{safe}.lock", "w"))
            fcntl.flock(handle, fcntl.LOCK_EX)
        yield


def wrapper_command(tests: list[dict], program: str):
    """The whole command, environment and folder of a test that ctest runs through another
    program (a private display or message bus around it), or None: such a program cannot
    run bare."""
    for test in tests:
        command = test.get("command") or []
        if any(program in part for part in command[1:]):
            environment, cwd = ctest_settings([test]).get(command[0], ({}, None))
            return command, environment, cwd
    return None


def test_steps(build_dir: Path, targets: list[str], gtest_filter: str | None) -> list[Step]:
    """A step per test program, run as ctest runs it (its environment and folder, or the
    private display or message bus it needs), failing fast."""
    extra = [f"--gtest_filter={gtest_filter}"] if gtest_filter else []
    listing = subprocess.run(
        ["ctest", "--test-dir", str(build_dir), "--show-only=json-v1"],
        capture_output=True,
        text=True,
        check=True,
    )
    tests = json.loads(listing.stdout).get("tests", [])
    settings = ctest_settings(tests)
    steps = []
    for t in targets:
        program = str(build_dir / "bin" / t)
        environment, cwd = settings.get(program, ({}, None))
        command = [program, "--gtest_brief=1", "--gtest_fail_fast", *extra]
        wrapped = wrapper_command(tests, program) if program not in settings else None
        if wrapped:
            command, environment, cwd = wrapped
        steps.append(Step([t], command, 0.0, environment, cwd, resource_locks(tests, program)))
    return steps


def run_suite(steps: list[Step], build_step) -> str:
    """Builds and runs each step in turn and stops at the first that does not pass: a mutant
    the first program kills costs one program's link, not every program's."""
    for step in steps:
        if not build_step(step.targets):
            return "no-build"
        with held_locks(step.locks):
            outcome = run_tests(step.command, step.timeout, step.environment, step.cwd)
        if outcome != "survived":
            return outcome
    return "survived"


def run_mutant(mutant: Mutant, steps: list[Step], coverage: "CoverageMap | None", build_step) -> str:
    """The mutant's outcome over the programs that can see it. A line no program runs is
    still tried against the first program, as a function the compiler evaluates (a constant
    table's maker) counts no runs; 'uncovered' when that one passes too."""
    chosen = coverage.steps_for(mutant, steps) if coverage else steps
    if chosen:
        return run_suite(chosen, build_step)
    outcome = run_suite(steps[:1], build_step)
    return "uncovered" if outcome == "survived" else outcome


def run_tests(
    command: list[str],
    timeout: float,
    environment: dict[str, str] | None = None,
    cwd: str | None = None,
) -> str:
    """'killed' when a test fails, 'timeout' when the tests hang, 'survived' otherwise."""
    try:
        proc = subprocess.Popen(
            command,
            cwd=cwd or ROOT,
            env={**os.environ, **(environment or {})},
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
            start_new_session=True,
        )
    except OSError as error:
        raise SystemExit(f"cannot run the tests: {error}")
    try:
        code = proc.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        os.killpg(proc.pid, signal.SIGKILL)
        proc.wait()
        return "timeout"
    except BaseException:
        # The tests run in a session of their own: a runner stopped midway must not leave
        # them spinning on a mutant.
        os.killpg(proc.pid, signal.SIGKILL)
        proc.wait()
        raise
    return "survived" if code == 0 else "killed"


# ---- main ---------------------------------------------------------------------------


def parse_args(argv: list[str]) -> argparse.Namespace:
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawTextHelpFormatter)
    p.add_argument("--build", default="build", help="configured build folder (default: build)")
    p.add_argument(
        "--target",
        action="append",
        default=None,
        help="test program to build and run, may be repeated (default: every program under "
        "tests/ that links liborvane_game.a)",
    )
    p.add_argument(
        "--test",
        default=None,
        help="one test command instead, split on spaces (default: each <build>/bin/<target> "
        "--gtest_brief=1 --gtest_fail_fast)",
    )
    p.add_argument(
        "--first",
        default="core_tests",
        help="test program run first, the others follow fastest first (default: core_tests)",
    )
    p.add_argument(
        "--gtest-filter",
        default=None,
        help="--gtest_filter given to every test program, e.g. '-*CrossCheck*'",
    )
    p.add_argument("--source", default="src/game", help="folder to mutate (default: src/game)")
    p.add_argument("--filter", default=None, help="regular expression on file paths")
    p.add_argument(
        "--operators",
        default=None,
        help="comma list of operators (cmp-flip,boundary,and-or,negate,arith,delete)",
    )
    p.add_argument("--sample", type=int, default=None, help="test a random sample of N mutants")
    p.add_argument("--seed", type=int, default=1, help="seed of the sample (default: 1)")
    p.add_argument("--max", type=int, default=None, help="stop after N mutants")
    p.add_argument(
        "--timeout",
        type=float,
        default=None,
        help="seconds per test run (default: ten times the unmutated run, at least 10)",
    )
    p.add_argument(
        "--timeout-factor",
        type=float,
        default=10.0,
        help="without --timeout: each program's limit is this many times its unmutated run "
        "(default: 10)",
    )
    p.add_argument("--build-timeout", type=float, default=900.0, help="seconds per build")
    p.add_argument("--jobs", type=int, default=2, help="build jobs (default: 2)")
    p.add_argument(
        "--survivors-of",
        default=None,
        help="run only the mutants that survived in this earlier --report file",
    )
    p.add_argument(
        "--cache",
        default=None,
        help="JSON file of mutants already killed, read and written as the run goes",
    )
    p.add_argument(
        "--skip-seen",
        action="append",
        default=[],
        help="leave out every mutant an earlier --report file holds, whatever its outcome; "
        "may be repeated, and is applied before --shard so the shards share what is left",
    )
    p.add_argument("--shard", default=None, help="K/N: every N-th mutant from the K-th")
    p.add_argument(
        "--coverage-map",
        default=None,
        help="from coverage_map.py: run for each mutant only the programs that run its line",
    )
    p.add_argument("--list", action="store_true", help="only print the mutants")
    p.add_argument("--report", default=None, help="also write the results as JSON here")
    return p.parse_args(argv)


def reported(path: str, outcome: str | None = None) -> set[tuple[str, int, str, str]]:
    """The mutants an earlier report holds, or only those with this outcome."""
    earlier = json.loads(Path(path).read_text(encoding="utf-8"))
    return {
        (r["where"], r["column"], r["operator"], r["mutation"])
        for r in earlier["results"]
        if outcome is None or r["outcome"] == outcome
    }


def report_key(m: Mutant) -> tuple[str, int, str, str]:
    return (m.where(), m.column, m.operator, m.describe())


def select(args: argparse.Namespace) -> list[Mutant]:
    mutants: list[Mutant] = []
    for path in source_files(args.filter, args.source):
        mutants.extend(mutants_of_file(path))
    if args.operators:
        wanted = {o.strip() for o in args.operators.split(",")}
        mutants = [m for m in mutants if m.operator in wanted]
    if args.survivors_of:
        wanted = reported(args.survivors_of, "survived")
        mutants = [m for m in mutants if report_key(m) in wanted]
    if args.skip_seen:
        # A run split over days goes on without its survivors and unbuildable mutants.
        seen = set().union(*(reported(path) for path in args.skip_seen))
        mutants = [m for m in mutants if report_key(m) not in seen]
    if args.sample is not None and args.sample < len(mutants):
        mutants = random.Random(args.seed).sample(mutants, args.sample)
        mutants.sort(key=lambda m: (m.path, m.line, m.column, m.operator))
    if args.shard:
        k, n = (int(x) for x in args.shard.split("/"))
        if not 1 <= k <= n:
            raise SystemExit(f"--shard {args.shard}: K must be from 1 to N")
        mutants = mutants[k - 1 :: n]
    if args.max is not None:
        mutants = mutants[: args.max]
    return mutants


def main(argv: list[str]) -> int:
    args = parse_args(argv)
    mutants = select(args)
    if args.list:
        for m in mutants:
            print(f"{m.where()}:{m.column}\t{m.operator}\t{m.describe()}")
        print(f"{len(mutants)} mutants", file=sys.stderr)
        return 0

    build_dir = (ROOT / args.build).resolve()
    if not (build_dir / "build.ninja").exists() and not (build_dir / "Makefile").exists():
        print(f"{build_dir} is not a configured build folder", file=sys.stderr)
        return 2
    targets = args.target or rules_test_programs(
        (build_dir / "build.ninja").read_text(encoding="utf-8")
    )
    if not targets:
        print(f"no test program in {build_dir} links the rules library", file=sys.stderr)
        return 2
    if args.test:
        steps = [Step(targets, args.test.split(), 0.0)]
    else:
        steps = test_steps(build_dir, targets, args.gtest_filter)
    coverage = CoverageMap.load(args.coverage_map, args.source) if args.coverage_map else None
    restorer = Restorer(build_dir / JOURNAL_NAME)
    restorer.recover_from_journal()
    dirty = dirty_files(args.source)
    if dirty:
        print(f"{args.source} has uncommitted changes; commit or stash them first:", file=sys.stderr)
        print("\n".join(dirty), file=sys.stderr)
        return 2

    signal.signal(signal.SIGTERM, raise_interrupt)
    signal.signal(signal.SIGHUP, raise_interrupt)

    ok, log = build(build_dir, targets, args.jobs, args.build_timeout)
    if not ok:
        print("the unmutated tree does not build; nothing to measure", file=sys.stderr)
        print(log, file=sys.stderr)
        return 2
    # The unmutated run gives each program its time limit and the order: fastest first.
    for step in steps:
        start = time.monotonic()
        with held_locks(step.locks):
            unmutated = run_tests(step.command, args.timeout or 1800.0, step.environment, step.cwd)
        if unmutated != "survived":
            print(f"the unmutated tests fail: {' '.join(step.command)}", file=sys.stderr)
            return 2
        took = time.monotonic() - start
        step.timeout = args.timeout or max(10.0, args.timeout_factor * took)
        print(f"  {took:6.1f} s  {Path(step.command[0]).name}", flush=True)
    # The rules' own tests first: they kill most mutants, and every program before them
    # would cost a link for each mutant.
    steps.sort(key=lambda step: (step.targets != [args.first], step.timeout))
    print(f"{len(mutants)} mutants, {len(steps)} test programs", flush=True)

    def build_step(step_targets: list[str]) -> bool:
        return build(build_dir, step_targets, args.jobs, args.build_timeout)[0]

    results: list[tuple[Mutant, str]] = []
    cache = KillCache(args.cache)
    started = time.monotonic()
    interrupted = False
    try:
        for index, mutant in enumerate(mutants, 1):
            path = ROOT / mutant.path
            text = path.read_text(encoding="utf-8")
            key = cache_key(mutant, text)
            outcome = cache.known(key)
            if outcome is None:
                restorer.mutate(path, apply(text, mutant))
                try:
                    outcome = run_mutant(mutant, steps, coverage, build_step)
                finally:
                    restorer.restore()
                cache.remember(key, outcome)
            results.append((mutant, outcome))
            print(
                f"[{index}/{len(mutants)}] {time.monotonic() - started:6.0f} s {outcome:9} "
                f"{mutant.where()} {mutant.operator}: "
                f"{mutant.describe()}",
                flush=True,
            )
    except KeyboardInterrupt:
        interrupted = True
        print("interrupted; the source is restored", file=sys.stderr)
    finally:
        restorer.restore()

    # Leave the build folder matching the restored source.
    build(build_dir, targets, args.jobs, args.build_timeout)

    killed = sum(1 for _, o in results if o in ("killed", "timeout"))
    survived = [(m, o) for m, o in results if o in ("survived", "uncovered")]
    unbuilt = sum(1 for _, o in results if o == "no-build")
    valid = killed + len(survived)
    score = 100.0 * killed / valid if valid else 0.0
    print()
    print("Surviving mutants:")
    for m, o in survived:
        note = "  (no test runs this line)" if o == "uncovered" else ""
        print(f"  {m.where()}  {m.operator}: {m.describe()}{note}")
    print()
    print(
        f"{len(results)} mutants run{' (interrupted)' if interrupted else ''} in "
        f"{time.monotonic() - started:.0f} s: {killed} killed, {len(survived)} survived, "
        f"{unbuilt} did not build"
    )
    print(f"mutation score: {score:.1f}% ({killed}/{valid})")
    if args.report:
        Path(args.report).write_text(
            json.dumps(
                {
                    "score": score,
                    "killed": killed,
                    "survived": len(survived),
                    "no_build": unbuilt,
                    "results": [
                        {"where": m.where(), "column": m.column, "operator": m.operator,
                         "mutation": m.describe(), "outcome": o}
                        for m, o in results
                    ],
                },
                indent=1,
            ),
            encoding="utf-8",
        )
    return 130 if interrupted else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
