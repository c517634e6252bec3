#!/usr/bin/env python3
"""Prints "PASSED FAILED" for a GoogleTest JSON report or a pytest JUnit XML report.

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
    return ran - failed, failed


def junit(path):
    root = ElementTree.parse(path).getroot()
    suites = [root] if root.tag == "testsuite" else root.findall("testsuite")
    total = failed = skipped = 0
    for suite in suites:
        total += int(suite.get("tests", 0))
        failed += int(suite.get("failures", 0)) + int(suite.get("errors", 0))
        skipped += int(suite.get("skipped", 0))
    return total - failed - skipped, failed


def main():
    kind, path = sys.argv[1], sys.argv[2]
    try:
        passed, failed = {"gtest": gtest, "junit": junit}[kind](path)
    except (OSError, ValueError, KeyError, ElementTree.ParseError):
        passed, failed = 0, 1
    print(passed, failed)


if __name__ == "__main__":
    main()
