#!/usr/bin/env python3
"""Which test program runs which line of the rules library, for the mutation runner.

A mutant on a line that a test program never runs cannot change what that program sees,
so the runner need not build and run it for that mutant: a survivor then costs the
programs that reach it, not all of them. The map is made once from a build whose rules
library is compiled for coverage:

  cmake -S . -B build-cov -G Ninja -DORVANE_COVERAGE_RULES=ON
  cmake --build build-cov
  tools/mutate/coverage_map.py --build build-cov --out coverage.json
  tools/mutate/run.py --build build --coverage-map coverage.json ...

The map must come from the same text of src/game as the mutants: the runner refuses a map
whose file digests differ from the sources.

Each program is run alone, as the runner runs it, with the counters cleared before it;
gcov then reads the counters. Lines gcov knows nothing of (a declaration, a constant
table, a statement continued from the line above) are not in the map, and the runner
runs every program for a mutant there.
"""

from __future__ import annotations

import argparse
import json
import os
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import run  # noqa: E402


def gcov_lines(object_dir: Path, source_dir: Path) -> tuple[dict[str, list[int]], dict[str, list[int]]]:
    """(lines run at least once, lines gcov counts) per source file under source_dir,
    from the counters in object_dir."""
    notes = sorted(object_dir.rglob("*.gcno"))
    if not notes:
        raise SystemExit(f"no coverage notes under {object_dir}: was it built with --coverage?")
    run_lines: dict[str, set[int]] = {}
    counted: dict[str, set[int]] = {}
    for folder in sorted({n.parent for n in notes}):
        result = subprocess.run(
            ["gcov", "--json-format", "--stdout", "--object-directory", "."]
            + [n.name for n in notes if n.parent == folder],
            cwd=folder,
            capture_output=True,
            text=True,
            check=True,
        )
        for document in result.stdout.splitlines():
            if document.strip():
                data = json.loads(document)
                # Source names are relative to where the compiler ran, not to the notes.
                base = Path(data.get("current_working_directory") or folder)
                for record in data.get("files", []):
                    add_file_lines(record, base, source_dir, run_lines, counted)
    return (
        {k: sorted(v) for k, v in run_lines.items()},
        {k: sorted(v) for k, v in counted.items()},
    )


def add_file_lines(record: dict, folder: Path, source_dir: Path, run_lines, counted) -> None:
    path = Path(record["file"])
    if not path.is_absolute():
        path = folder / path
    try:
        rel = path.resolve().relative_to(run.ROOT).as_posix()
    except ValueError:
        return  # a system header
    if not rel.startswith(source_dir.as_posix() + "/"):
        return
    for line in record.get("lines", []):
        counted.setdefault(rel, set()).add(line["line_number"])
        if line["count"] > 0:
            run_lines.setdefault(rel, set()).add(line["line_number"])


def file_digests(source_dir: str) -> dict[str, str]:
    return {
        p.relative_to(run.ROOT).as_posix(): run.file_digest(p)
        for p in run.source_files(None, source_dir)
    }


def test_names(program: str, step: run.Step) -> list[str]:
    """The program's tests, as --gtest_filter names them."""
    listing = subprocess.run(
        [program, "--gtest_list_tests"],
        capture_output=True,
        text=True,
        check=True,
        cwd=step.cwd or run.ROOT,
        env={**os.environ, **(step.environment or {})},
    )
    names, suite = [], ""
    for line in listing.stdout.splitlines():
        if not line.strip():
            continue
        if not line.startswith(" "):
            suite = line.split("#")[0].strip()
        else:
            names.append(suite + line.split("#")[0].strip())
    return names


def lines_of_run(step: run.Step, command: list[str], object_dir: Path, source_dir: str):
    for counters in object_dir.rglob("*.gcda"):
        counters.unlink()
    with run.held_locks(step.locks):
        outcome = run.run_tests(command, 1800.0, step.environment, step.cwd)
    if outcome != "survived":
        raise SystemExit(f"{' '.join(command)} does not pass unmutated: {outcome}")
    return gcov_lines(object_dir, Path(source_dir))


def main(argv: list[str]) -> int:
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawTextHelpFormatter)
    p.add_argument("--build", required=True, help="a build compiled with --coverage")
    p.add_argument("--out", required=True, help="the map to write (JSON)")
    p.add_argument("--source", default="src/game")
    p.add_argument(
        "--per-test",
        action="append",
        default=[],
        help="a program whose tests are mapped one by one, so that a survivor runs only the "
        "tests that reach its line (worth it for a slow program; may be repeated)",
    )
    p.add_argument(
        "--only",
        action="append",
        default=None,
        help="map only this program (may be repeated) and keep the rest of an existing --out",
    )
    args = p.parse_args(argv)

    build_dir = (run.ROOT / args.build).resolve()
    object_dir = build_dir / args.source
    steps = run.test_steps(build_dir, run.rules_test_programs(
        (build_dir / "build.ninja").read_text(encoding="utf-8")), None)
    out = Path(args.out)
    data = {"counted": {}, "programs": {}, "tests": {}}
    if args.only and out.exists():
        data.update(json.loads(out.read_text(encoding="utf-8")))
    counted = {k: set(v) for k, v in data["counted"].items()}
    for step in steps:
        name = step.targets[0]
        if args.only and name not in args.only:
            continue
        union: dict[str, set[int]] = {}
        if name in args.per_test and step.command[0].endswith("/" + name):
            per_test = {}
            for test in test_names(step.command[0], step):
                command = [step.command[0], f"--gtest_filter={test}"]
                ran, lines = lines_of_run(step, command, object_dir, args.source)
                per_test[test] = ran
                for path, numbers in lines.items():
                    counted.setdefault(path, set()).update(numbers)
                for path, numbers in ran.items():
                    union.setdefault(path, set()).update(numbers)
            data["tests"][name] = per_test
        else:
            ran, lines = lines_of_run(step, step.command, object_dir, args.source)
            for path, numbers in lines.items():
                counted.setdefault(path, set()).update(numbers)
            union = {k: set(v) for k, v in ran.items()}
            data["tests"].pop(name, None)
        data["programs"][name] = {k: sorted(v) for k, v in union.items()}
        print(f"{name}: {sum(len(v) for v in union.values())} lines run", flush=True)
    data["digests"] = file_digests(args.source)
    data["test_digests"] = file_digests("tests")
    data["counted"] = {k: sorted(v) for k, v in counted.items()}
    out.write_text(json.dumps(data), encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
