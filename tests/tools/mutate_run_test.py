"""The mutation runner's choice of mutants and of test programs."""

import fcntl
import json
import sys
import tempfile
import unittest
from pathlib import Path

sys.path.insert(0, sys.argv.pop(1))
import run  # noqa: E402

SOURCE = """\
class Guard {
public:
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = default;
    bool operator==(const Guard&) const = default;
};
Guard::~Guard() = default;
int pay(int bet) {
    total += bet;
    return bet > 0 ? bet : 0;
}
"""


class MutantsOfFile(unittest.TestCase):
    def test_deleted_and_defaulted_members_are_no_mutants(self):
        with tempfile.TemporaryDirectory(dir=run.ROOT) as folder:
            path = Path(folder) / "Guard.cpp"
            path.write_text(SOURCE, encoding="utf-8")
            found = {(m.line, m.operator) for m in run.mutants_of_file(path)}
        self.assertEqual(found, {(9, "arith"), (9, "delete"), (10, "cmp-flip"), (10, "boundary")})

    def test_a_run_goes_on_without_what_an_earlier_report_holds_and_its_shards_share_the_rest(self):
        with tempfile.TemporaryDirectory(dir=run.ROOT) as folder:
            Path(folder, "Guard.cpp").write_text(SOURCE, encoding="utf-8")
            source = Path(folder).relative_to(run.ROOT).as_posix()
            args = run.parse_args(["--source", source])
            every = run.select(args)
            report = Path(folder, "earlier.json")
            report.write_text(json.dumps({"results": [
                {"where": m.where(), "column": m.column, "operator": m.operator,
                 "mutation": m.describe(), "outcome": "survived"} for m in every[1::2]]}))
            shards = [run.select(run.parse_args(["--source", source, "--skip-seen", str(report),
                                                 "--shard", f"{k}/2"])) for k in (1, 2)]
        self.assertEqual(sorted(shards[0] + shards[1], key=every.index), every[0::2])
        self.assertTrue(shards[0] and shards[1])


NINJA = """\
build bin/core_tests: CXX_EXECUTABLE_LINKER__core_tests_Debug tests/core/A.cpp.o src/game/liborvane_game.a
build bin/formats_tests: CXX_EXECUTABLE_LINKER__formats_tests_Debug tests/formats/B.cpp.o src/formats/liborvane_formats.a
build bin/window_tests tests/ui/w[1]_tests.cmake: CXX_EXECUTABLE_LINKER__window_tests_Debug tests/ui/C.cpp.o src/forms/liborvane_forms.a src/game/liborvane_game.a
build bin/ledger_check: CXX_EXECUTABLE_LINKER__ledger_check_Debug tests/kill/L.cpp.o src/game/liborvane_game.a
build bin/orvane_bench: CXX_EXECUTABLE_LINKER__orvane_bench_Debug bench/D.cpp.o src/game/liborvane_game.a
"""


class RulesTestPrograms(unittest.TestCase):
    def test_every_test_program_linking_the_rules_and_no_other(self):
        self.assertEqual(run.rules_test_programs(NINJA), ["core_tests", "window_tests"])


class RunSuite(unittest.TestCase):
    def test_stops_at_the_first_program_that_fails_and_builds_no_further(self):
        built = []
        steps = [run.Step([name], [command], 10.0) for name, command in
                 [("a", "true"), ("b", "false"), ("c", "true")]]
        self.assertEqual(run.run_suite(steps, lambda t: built.extend(t) or True), "killed")
        self.assertEqual(built, ["a", "b"])
        self.assertEqual(run.run_suite(steps[::2], lambda t: True), "survived")
        self.assertEqual(run.run_suite(steps, lambda t: False), "no-build")


class KillCache(unittest.TestCase):
    def test_a_kill_is_kept_for_the_same_text_only_and_a_survivor_never(self):
        mutant = run.Mutant("src/game/A.cpp", 3, 5, "boundary", "<", "<=")
        other = run.Mutant("src/game/A.cpp", 3, 5, "cmp-flip", "<", ">=")
        with tempfile.TemporaryDirectory() as folder:
            file = str(Path(folder) / "kills.json")
            cache = run.KillCache(file)
            cache.remember(run.cache_key(mutant, "v1"), "killed")
            cache.remember(run.cache_key(other, "v1"), "survived")
            again = run.KillCache(file)
            self.assertEqual(again.known(run.cache_key(mutant, "v1")), "killed")
            self.assertIsNone(again.known(run.cache_key(mutant, "v2")))
            self.assertIsNone(again.known(run.cache_key(other, "v1")))


class CtestSettings(unittest.TestCase):
    def test_each_program_runs_with_the_environment_and_folder_ctest_gives_it(self):
        tests = [
            {"command": ["/b/bin/screen_tests", "--gtest_filter=A.B"], "properties": [
                {"name": "ENVIRONMENT", "value": ["QT_QPA_PLATFORM=offscreen:configfile=s.json"]},
                {"name": "WORKING_DIRECTORY", "value": "/b/tests/ui"}]},
            {"command": ["/b/bin/screen_tests", "--gtest_filter=A.C"], "properties": []},
            {"command": ["/b/bin/core_tests"], "properties": []},
        ]
        self.assertEqual(run.ctest_settings(tests), {
            "/b/bin/screen_tests": ({"QT_QPA_PLATFORM": "offscreen:configfile=s.json"}, "/b/tests/ui"),
            "/b/bin/core_tests": ({}, None)})
        wrapped = {"command": ["/usr/bin/dbus-run-session", "--", "sh", "-c", "exec /b/bin/bus_tests"],
                   "properties": [{"name": "ENVIRONMENT", "value": ["A=1"]}]}
        self.assertEqual(run.wrapper_command(tests + [wrapped], "/b/bin/bus_tests"),
                         (wrapped["command"], {"A": "1"}, None))
        self.assertIsNone(run.wrapper_command(tests, "/b/bin/bus_tests"))
        locked = {"command": ["/usr/bin/python3", "read.py", "/b/bin/bus_tests"],
                  "properties": [{"name": "RESOURCE_LOCK", "value": ["a11y bus"]}]}
        self.assertEqual(run.resource_locks(tests + [wrapped, locked], "/b/bin/bus_tests"), ("a11y bus",))
        with run.held_locks(("a11y bus",)):  # a second runner waits for it
            with open(Path(tempfile.gettempdir()) / "orvane-mutate-a11y_bus.lock", "w") as other:
                with self.assertRaises(BlockingIOError):
                    fcntl.flock(other, fcntl.LOCK_EX | fcntl.LOCK_NB)
        step = run.Step(["t"], ["sh", "-c", 'test "$PWD:$MARK" = "/tmp:set"'], 10.0, {"MARK": "set"}, "/tmp")
        self.assertEqual(run.run_suite([step], lambda t: True), "survived")


class CoverageSelection(unittest.TestCase):
    def test_only_programs_that_run_the_line_and_the_first_for_a_line_nobody_runs(self):
        coverage = run.CoverageMap({"counted": {"src/game/A.cpp": [3, 4, 9]}, "programs": {
            "a": {"src/game/A.cpp": [3]}, "b": {"src/game/A.cpp": [3, 9]}, "c": {}}, "tests": {
            "b": {"S.one": {"src/game/A.cpp": [3]}, "S.two": {"src/game/A.cpp": [3, 9]}}}})
        steps = [run.Step([name], [command], 10.0) for name, command in
                 [("a", "true"), ("b", "false"), ("c", "true"), ("new", "true")]]
        names = lambda line, path="src/game/A.cpp": [  # noqa: E731
            s.targets[0] for s in coverage.steps_for(run.Mutant(path, line, 1, "x", "", ""), steps)]
        self.assertEqual(names(3), ["a", "b", "new"])  # a program missing from the map runs
        self.assertEqual(names(4), ["new"])
        self.assertEqual(names(5), ["a", "b", "c", "new"])  # gcov does not count line 5
        self.assertEqual(names(4, "src/game/A.h"), ["a", "b", "c", "new"])
        filters = lambda line: [  # noqa: E731
            s.command[1:] for s in coverage.steps_for(run.Mutant("src/game/A.cpp", line, 1, "x", "", ""), steps)]
        self.assertEqual(filters(3), [[], ["--gtest_filter=S.one:S.two"], []])  # b test by test
        self.assertEqual(filters(9), [["--gtest_filter=S.two"], []])
        nobody = run.CoverageMap({"counted": {"src/game/A.cpp": [4]}, "programs": {
            name: {} for name in ("a", "b", "c", "new")}})
        mutant = run.Mutant("src/game/A.cpp", 4, 1, "x", "", "")
        self.assertEqual(run.run_mutant(mutant, steps[2:3], nobody, lambda t: True), "uncovered")
        self.assertEqual(run.run_mutant(mutant, steps[1:], nobody, lambda t: True), "killed")
        self.assertEqual(run.run_mutant(mutant, steps, nobody, lambda t: False), "no-build")


class CoverageMapLoad(unittest.TestCase):
    def test_a_map_is_refused_for_changed_rules_and_says_nothing_once_a_test_changed(self):
        with tempfile.TemporaryDirectory(dir=run.ROOT) as folder:
            rules, test = Path(folder, "A.cpp"), Path(folder, "ATest.cpp")
            rules.write_text("int a;\n")
            test.write_text("TEST(A, One) {}\n")
            rel = lambda p: p.relative_to(run.ROOT).as_posix()  # noqa: E731
            saved = Path(folder, "map.json")
            saved.write_text(json.dumps({
                "counted": {}, "programs": {}, "digests": {rel(rules): run.file_digest(rules)},
                "test_digests": {rel(test): run.file_digest(test)}}))
            load = lambda: run.CoverageMap.load(str(saved), folder)  # noqa: E731
            self.assertIsInstance(load(), run.CoverageMap)
            test.write_text("TEST(A, One) { EXPECT_TRUE(false); }\n")
            self.assertIsNone(load())
            rules.write_text("int b;\n")
            self.assertRaises(SystemExit, load)


if __name__ == "__main__":
    unittest.main()
