#!/usr/bin/env python3
"""Prints "PASSED FAILED SKIPPED" for one part of the tests: a GoogleTest JSON report checked
against the program's --gtest_list_tests, or a pytest JUnit XML report checked against pytest's
--collect-only -q.

Usage: count-tests.py PART gtest|junit REPORT LISTING
A test that failed is a failure even when it also skipped (a skip whose clean-up failed); a
disabled unit test is a skipped one. Every listed test the report does not hold is a failure, and
so is a missing or unreadable report or listing: the run itself went wrong. Each such shortfall
is named on standard error with PART.
"""
import json
import sys
import xml.etree.ElementTree as ElementTree


def gtest_results(path):
    report = json.load(open(path, encoding="utf-8"))
    for suite in report["testsuites"]:
        for test in suite["testsuite"]:
            if test.get("failures"):
                yield "failed"
            elif test["status"] == "NOTRUN" or test["result"] == "SKIPPED":
                yield "skipped"
            else:
                yield "passed"


def gtest_listed(path):
    """Tests in --gtest_list_tests output: suite lines end with a dot, test lines are indented."""
    return sum(1 for line in open(path, encoding="utf-8", errors="replace") if line.startswith("  "))


def junit_results(path):
    for case in ElementTree.parse(path).getroot().iter("testcase"):
        if case.find("failure") is not None or case.find("error") is not None:
            yield "failed"
        elif case.find("skipped") is not None:
            yield "skipped"
        else:
            yield "passed"


def junit_listed(path):
    """Tests in pytest --collect-only -q output: one node id a line."""
    return sum(1 for line in open(path, encoding="utf-8", errors="replace") if "::" in line)


def count(kind, report, listing):
    results, listed = {"gtest": (gtest_results, gtest_listed), "junit": (junit_results, junit_listed)}[kind]
    counts = {"passed": 0, "failed": 0, "skipped": 0}
    problems = []
    try:
        for result in results(report):
            counts[result] += 1
    except (OSError, ValueError, KeyError, TypeError, ElementTree.ParseError) as error:
        problems.append(f"no readable report {report} ({error})")
        counts["failed"] += 1
    try:
        expected = listed(listing)
    except OSError as error:
        problems.append(f"no listing of its tests {listing} ({error})")
        expected = 0
        counts["failed"] += 1
    if expected == 0 and not problems:
        problems.append(f"its listing {listing} names no test")
        counts["failed"] += 1
    reported = sum(counts.values())
    if reported < expected:
        problems.append(f"{expected - reported} of its {expected} tests did not run")
        counts["failed"] += expected - reported
    return counts, problems


def main():
    part, kind, report, listing = sys.argv[1:5]
    counts, problems = count(kind, report, listing)
    for problem in problems:
        print(f"count-tests: {part}: {problem}", file=sys.stderr)
    print(counts["passed"], counts["failed"], counts["skipped"])


if __name__ == "__main__":
    main()
