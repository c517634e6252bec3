#!/usr/bin/env python3
"""Prints "PASSED FAILED SKIPPED WINE" for a GoogleTest JSON report or a pytest JUnit XML report;
WINE counts the tests that ran Windows programs: every unit test, and the end-to-end tests that
tests/e2e/conftest.py marks so.

Usage: count-tests.py gtest|junit REPORT
A test that failed is a failure even when it also skipped (a skip whose clean-up failed); a
disabled unit test is a skipped one. A missing or unreadable report counts as one failure: the
run itself went wrong.
"""
import json
import sys
import xml.etree.ElementTree as ElementTree


def gtest(path):
    report = json.load(open(path, encoding="utf-8"))
    passed = failed = skipped = 0
    for suite in report["testsuites"]:
        for test in suite["testsuite"]:
            if test.get("failures"):
                failed += 1
            elif test["status"] == "NOTRUN" or test["result"] == "SKIPPED":
                skipped += 1
            else:
                passed += 1
    return passed, failed, skipped, passed + failed + skipped


def junit(path):
    root = ElementTree.parse(path).getroot()
    passed = failed = skipped = wine = 0
    for case in root.iter("testcase"):
        if case.find("failure") is not None or case.find("error") is not None:
            failed += 1
        elif case.find("skipped") is not None:
            skipped += 1
            continue
        else:
            passed += 1
        if case.find("properties/property[@name='runs'][@value='wine']") is not None:
            wine += 1
    return passed, failed, skipped, wine


def main():
    kind, path = sys.argv[1], sys.argv[2]
    try:
        counts = {"gtest": gtest, "junit": junit}[kind](path)
    except (OSError, ValueError, KeyError, TypeError, ElementTree.ParseError):
        counts = 0, 1, 0, 0
    print(*counts)


if __name__ == "__main__":
    main()
