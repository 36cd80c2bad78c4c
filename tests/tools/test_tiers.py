"""Every test is in one tier, and every pattern naming slow tests still names one."""

import json
import re
import subprocess
import sys
import unittest

BUILD, TIERS = sys.argv.pop(1), sys.argv.pop(1)
# A tree built without its content (the sanitizer tree) has no kill, install or content
# tests: there a pattern naming none of its tests is no sign of a stale pattern.
EVERY_TEST_BUILT = sys.argv.pop(1) == "ON"


def labels_by_test() -> dict[str, list[str]]:
    listing = subprocess.run(["ctest", "--test-dir", BUILD, "--show-only=json-v1"],
                             capture_output=True, text=True, check=True).stdout
    result = {}
    for test in json.loads(listing)["tests"]:
        labels = [p["value"] for p in test.get("properties", []) if p["name"] == "LABELS"]
        result[test["name"]] = labels[0] if labels else []
    return result


class Tiers(unittest.TestCase):
    def test_every_test_is_quick_or_slow_and_every_pattern_names_a_test(self):
        tests = labels_by_test()
        untiered = [n for n, l in tests.items()
                    if ("quick" in l) == ("slow" in l) and not n.endswith("_NOT_BUILT")]
        self.assertEqual(untiered, [])
        if not EVERY_TEST_BUILT:
            return
        text = open(TIERS, encoding="utf-8").read()
        for block in re.findall(r"set\(ORVANE_(?:SLOW_TESTS|LONG_CHECKS)\n(.*?)\n\)", text, re.S):
            for pattern in re.findall(r'^\s*"(.+)"', block, re.M):
                regex = pattern.replace("\\\\", "\\")
                self.assertTrue(any(re.search(regex, n) for n in tests), pattern)


if __name__ == "__main__":
    unittest.main()
