#!/usr/bin/env python3
"""Prints "PASSED FAILED SKIPPED WINE" for a GoogleTest JSON report or a pytest JUnit XML report;
WINE counts the tests that ran Windows programs: every unit test, and the end-to-end tests that
tests/e2e/conftest.py marks so.

Usage: count-tests.py gtest|junit REPORT
A missing or unreadable report counts as one failure: the run itself went wrong.
"""
import json
import sys
import xml.etree.ElementTree as ElementTree


def gtest(path):
    report = json.load(open(path, encoding="utf-8"))
    ran = report["tests"] - report.get("disabled", 0)
    failed = report.get("failures", 0) + report.get("errors", 0)
    return ran - failed, failed, 0, ran


def junit(path):
    root = ElementTree.parse(path).getroot()
    passed = failed = skipped = wine = 0
    for case in root.iter("testcase"):
        if case.find("skipped") is not None:
            skipped += 1
            continue
        if case.find("failure") is not None or case.find("error") is not None:
            failed += 1
        else:
            passed += 1
        if case.find("properties/property[@name='runs'][@value='wine']") is not None:
            wine += 1
    return passed, failed, skipped, wine


def main():
    kind, path = sys.argv[1], sys.argv[2]
    try:
        counts = {"gtest": gtest, "junit": junit}[kind](path)
    except (OSError, ValueError, KeyError, ElementTree.ParseError):
        counts = 0, 1, 0, 0
    print(*counts)


if __name__ == "__main__":
    main()
