"""What the coverage map says: which test program, and which of its tests, runs each line
of the rules. coverage_map.py makes it; the runner reads it to leave out, for each mutant,
the programs and tests that never run the mutant's line."""

from __future__ import annotations

import dataclasses
import json
import sys
from pathlib import Path
from typing import TypeVar

from mutants import ROOT, Mutant, file_digest

# The runner's test step: a dataclass with targets and command.
Step = TypeVar("Step")


class CoverageMap:
    """Which program runs which line (from coverage_map.py): a program that never runs a
    mutant's line cannot notice it."""

    def __init__(self, data: dict):
        self.counted = {path: set(lines) for path, lines in data["counted"].items()}
        self.programs = {
            name: {path: set(lines) for path, lines in files.items()}
            for name, files in data["programs"].items()
        }
        self.tests = {
            name: {test: {path: set(lines) for path, lines in files.items()} for test, files in tests.items()}
            for name, tests in data.get("tests", {}).items()
        }

    @classmethod
    def load(cls, path: str, source_dir: str) -> "CoverageMap | None":
        data = json.loads(Path(path).read_text(encoding="utf-8"))
        stale = sorted(
            rel
            for rel, digest in data["digests"].items()
            if not (ROOT / rel).exists()
            or file_digest(ROOT / rel) != digest
        )
        if stale:
            raise SystemExit(f"{path} was made from other sources ({', '.join(stale[:3])}); make it again")
        # A test changed since the map may reach lines the map says it does not (one extended
        # to restart the table was left out of the restart's mutants), so the map then says
        # nothing: every program runs whole.
        changed = sorted(
            rel
            for rel, digest in data.get("test_digests", {}).items()
            if not (ROOT / rel).exists() or file_digest(ROOT / rel) != digest
        )
        if changed or "test_digests" not in data:
            print(f"{path}: the tests changed since it was made ({', '.join(changed[:3]) or 'unknown'});"
                  " every program runs whole until it is made again", file=sys.stderr)
            return None
        return cls(data)

    def steps_for(self, mutant: Mutant, steps: list[Step]) -> list[Step]:
        """The steps whose program runs the mutant's line, in their order; every step where
        the map cannot tell (a header, whose inline code the tests also compile, or a line
        gcov does not count)."""
        if mutant.path.endswith(".h") or mutant.line not in self.counted.get(mutant.path, set()):
            return steps
        chosen = []
        for step in steps:
            name = step.targets[0]
            if name in self.programs and mutant.line not in self.programs[name].get(mutant.path, set()):
                continue
            chosen.append(self.narrowed(step, mutant))
        return chosen

    def narrowed(self, step: Step, mutant: Mutant) -> Step:
        """A program mapped test by test runs only the tests that reach the line."""
        tests = self.tests.get(step.targets[0])
        if not tests or any(part.startswith("--gtest_filter") for part in step.command):
            return step
        reaching = sorted(t for t, files in tests.items() if mutant.line in files.get(mutant.path, ()))
        return dataclasses.replace(step, command=[*step.command, "--gtest_filter=" + ":".join(reaching)])
