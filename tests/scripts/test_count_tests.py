"""scripts/count-tests.py: a skip is never a pass, a failure hidden behind a skip is a failure, a
run that left no report failed, and every listed test that did not run is a failure."""
import json
import subprocess
from pathlib import Path

import pytest

COUNT = Path(__file__).resolve().parents[2] / "scripts" / "count-tests.py"


def count(kind, report, listed):
    """Counts the report against a listing of `listed` tests (default: as many as it holds)."""
    listing = Path(str(report) + ".listing")
    if kind == "gtest":
        listing.write_text("Suite.\n" + "".join(f"  Case{i}\n" for i in range(listed)))
    else:
        listing.write_text("".join(f"test_x.py::case{i}\n" for i in range(listed)) + f"\n{listed} tests collected\n")
    done = subprocess.run([COUNT, "part", kind, report, listing], capture_output=True, text=True, check=True,
                          timeout=60)
    return tuple(map(int, done.stdout.split())), done.stderr


def gtest_case(name, status="RUN", result="COMPLETED", failures=None):
    case = {"name": name, "status": status, "result": result, "classname": "Suite"}
    return {**case, "failures": failures} if failures else case


def test_gtest_skipped_and_disabled_tests_are_skipped_and_a_skip_that_failed_is_a_failure(tmp_path):
    cases = [gtest_case("Passes"), gtest_case("SkipsA", result="SKIPPED"), gtest_case("SkipsB", result="SKIPPED"),
             gtest_case("DISABLED_Off", status="NOTRUN", result="SUPPRESSED"),
             gtest_case("Fails", failures=[{"failure": "x", "type": ""}]),
             gtest_case("FailsThenSkips", result="SKIPPED", failures=[{"failure": "y", "type": ""}])]
    report = {"tests": 6, "failures": 2, "disabled": 1, "errors": 0,
              "testsuites": [{"name": "Suite", "testsuite": cases[:3]}, {"name": "Other", "testsuite": cases[3:]}]}
    (tmp_path / "unit.json").write_text(json.dumps(report))
    assert count("gtest", tmp_path / "unit.json", 6) == ((1, 2, 3), "")


def junit_case(name, *children):
    return f'<testcase classname="t" name="{name}">{"".join(children)}</testcase>'


def test_junit_skips_are_skipped_and_a_skip_with_an_error_is_a_failure(tmp_path):
    cases = [junit_case("passes"), junit_case("plain"), junit_case("skipped", '<skipped message="no"/>'),
             junit_case("fails", '<failure message="f"/>'), junit_case("errs", '<error message="e"/>'),
             junit_case("skip_then_teardown_error", '<skipped message="no"/>', '<error message="teardown"/>')]
    (tmp_path / "e2e.xml").write_text(f'<testsuites><testsuite name="pytest">{"".join(cases)}</testsuite></testsuites>')
    assert count("junit", tmp_path / "e2e.xml", 6) == ((2, 3, 1), "")
    # A filter that ran fewer than were collected: each missing test is a failure, and the part is named.
    counts, said = count("junit", tmp_path / "e2e.xml", 9)
    assert counts == (2, 6, 1) and "part: 3 of its 9 tests did not run" in said


@pytest.mark.parametrize("kind, content", [("gtest", None), ("junit", None), ("gtest", '{"tests": 3'),
                                           ("junit", "<testsuites><testsuite>")])
def test_a_missing_or_cut_off_report_is_one_failure(tmp_path, kind, content):
    report = tmp_path / "report"
    if content is not None:
        report.write_text(content)
    assert count(kind, report, 1)[0] == (0, 1, 0)
