#!/usr/bin/env bash
# Ladder test cases of rungpad-cli: test_cases.sh CASE CLI SOURCE_DIR. Each case exits 0 when it
# holds. They run examples/demo.plt against examples/demo.plf, with and without its case that
# fails on purpose.
set -u
case_name=$1
cli=$2
src=$3
demo="$src/examples/demo.plf"
tests="$src/examples/demo.plt"
. "$(dirname "$0")/cli_common.sh"

# The example with its failing-on-purpose case switched on.
failing="$work/failing.plt"
sed 's/^# \(case lubrication too early\)/\1/; s/^# \(set DT0001=100\)/\1/;
     s/^# \(16ms   X000.0=1\)/\1/; s/^# \(expect 100ms Y000.1=1\)/\1/' "$tests" >"$failing"

case "$case_name" in
test_demo_passes)
    expect_status 0 "$cli" test "$demo" "$tests"
    [ "$(grep -c '^PASS ' "$work/out")" -ge 5 ] || fail "five cases pass"
    [ "$(tail -1 "$work/out")" = "5 passed, 0 failed" ] || fail "summary: $(tail -1 "$work/out")"
    [ ! -s "$work/err" ] || fail "stderr not empty"
    ;;
test_failure_names_the_line)
    expect_status 1 "$cli" test "$demo" "$failing"
    grep -qx 'FAIL lubrication too early' "$work/out" || fail "FAIL line"
    grep -qx "  $failing:56: expect 100ms Y000.1=1: at 96ms Y000.1 was 0; written by ladder line 5" \
        "$work/out" || fail "failure detail: $(cat "$work/out")"
    expect_status 0 "$cli" test "$demo" "$failing" --case "work-piece counter"
    [ "$(cat "$work/out")" = $'PASS work-piece counter\n1 passed, 0 failed' ] || fail "--case"
    ;;
test_junit_and_vcd)
    mkdir "$work/vcd"
    expect_status 1 "$cli" test "$demo" "$failing" "$tests" --junit "$work/out.xml" --vcd-dir "$work/vcd"
    python3 - "$work/out.xml" "$failing" <<'PY' || fail "JUnit XML"
import sys, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
assert root.tag == "testsuites", root.tag
suites = root.findall("testsuite")
assert [s.get("name") for s in suites][0] == sys.argv[2]
assert [(s.get("tests"), s.get("failures")) for s in suites] == [("6", "1"), ("5", "0")]
failed = [c for s in suites for c in s.findall("testcase") if c.find("failure") is not None]
assert [c.get("name") for c in failed] == ["lubrication too early"], failed
assert "written by ladder line 5" in failed[0].find("failure").get("message")
PY
    [ "$(ls "$work/vcd")" = "lubrication_too_early.vcd" ] || fail "one VCD for the one failure"
    grep -q 'Y000_1' "$work/vcd/lubrication_too_early.vcd" || fail "trace holds Y000.1"
    ;;
test_bad_files)
    printf 'case a\nexpect 0ms Y000.0=0\ncase b\nexpect soon Y000.0=1\n' >"$work/bad.plt"
    expect_status 2 "$cli" test "$demo" "$tests" "$work/bad.plt"
    [ ! -s "$work/out" ] || fail "nothing runs when a file is malformed"
    grep -qx "rungpad-cli: $work/bad.plt:4: 'SOON' is not a signal address" "$work/err" ||
        fail "message names file and line: $(cat "$work/err")"
    expect_status 2 "$cli" test "$demo" "$work/missing.plt"
    expect_status 2 "$cli" test "$work/missing.plf" "$tests"
    expect_status 2 "$cli" test "$demo" "$tests" --vcd-dir "$work/nodir"
    expect_status 2 "$cli" test "$demo" "$tests" --junit "$work/nodir/out.xml"
    # Outputs never over an input or each other: checked before anything runs.
    expect_status 2 "$cli" test "$demo" "$failing" --junit "$failing"
    grep -q "would overwrite" "$work/err" && [ ! -s "$work/out" ] || fail "junit over the test file"
    expect_status 2 "$cli" test "$demo" "$failing" --vcd-dir "$work" --junit "$work/lubrication_too_early.vcd"
    grep -q "would overwrite" "$work/err" || fail "a trace over the JUnit file"
    [ ! -e "$work/lubrication_too_early.vcd" ] || fail "nothing written"
    ;;
test_usage)
    expect_status 64 "$cli" test "$demo"
    expect_status 64 "$cli" test "$demo" "$tests" --bogus
    expect_status 64 "$cli" test "$demo" "$tests" --junit
    expect_status 64 "$cli" test "$demo" "$tests" --case "no such case"
    grep -q "no case named 'no such case'" "$work/err" || fail "unknown case named"
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
