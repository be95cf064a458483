#!/usr/bin/env bash
# Languages of rungpad-cli's simulation and test messages: language_sim_cases.sh CASE CLI SOURCE_DIR.
# Each case exits 0 when it holds. Messages follow --lang; traces, VCD and JUnit files do not.
set -u
case_name=$1
cli=$2
src=$3
demo="$src/examples/demo.plf"
tests="$src/examples/demo.plt"
. "$(dirname "$0")/cli_common.sh"

# Any character of the CJK blocks or the full-width forms.
has_cjk() {
    python3 -c 'import re,sys; sys.exit(0 if re.search("[\u3000-\u9fff\uff00-\uffef]", open(sys.argv[1], encoding="utf-8").read()) else 1)' "$1"
}

case "$case_name" in
sim_lang)
    printf '0ms X000.0=1\n8ms X000.0=2\n' >"$work/bad.stim"
    expect_status 2 "$cli" sim "$demo" --stimulus "$work/bad.stim"
    grep -qx "rungpad-cli: $work/bad.stim: stimulus line 2: value '2' does not fit X000.0 (0 to 1)" \
        "$work/err" || fail "original: $(cat "$work/err")"
    expect_status 2 "$cli" --lang en sim "$demo" --stimulus "$work/bad.stim"
    grep -qx "rungpad-cli: $work/bad.stim: stimulus line 2: value '2' does not fit X000.0 (0 to 1)" \
        "$work/err" || fail "en: $(cat "$work/err")"
    expect_status 2 "$cli" --lang zh sim "$demo" --stimulus "$work/bad.stim"
    grep -qx "rungpad-cli: $work/bad.stim: 激励第 2 行：值 '2' 超出 X000.0 的范围（0 到 1）" \
        "$work/err" || fail "zh: $(cat "$work/err")"
    # The trace on stdout and the VCD are data: the same in every language.
    printf '0ms X000.0=1\n' >"$work/ok.stim"
    expect_status 0 "$cli" sim "$demo" --stimulus "$work/ok.stim" --time 200ms --vcd "$work/original.vcd"
    mv "$work/out" "$work/original.trace"
    expect_status 0 "$cli" --lang zh sim "$demo" --stimulus "$work/ok.stim" --time 200ms --vcd "$work/zh.vcd"
    cmp -s "$work/out" "$work/original.trace" || fail "trace changed with the language"
    cmp -s "$work/zh.vcd" "$work/original.vcd" || fail "VCD changed with the language"
    # Usage errors and help.
    expect_status 64 "$cli" --lang zh sim "$demo" --time 2s --scans 4
    grep -qx 'rungpad-cli sim: --time 和 --scans 不能同时使用' "$work/err" || fail "zh usage: $(cat "$work/err")"
    grep -q '^用法：rungpad-cli sim FILE' "$work/err" || fail "zh usage line: $(cat "$work/err")"
    expect_status 0 "$cli" --lang zh sim --help
    has_cjk "$work/out" || fail "zh help"
    expect_status 0 "$cli" --lang en check --help
    ! has_cjk "$work/out" || fail "en help holds CJK: $(cat "$work/out")"
    ;;
test_lang)
    failing="$work/failing.plt"
    sed 's/^# \(case lubrication too early\)/\1/; s/^# \(set DT0001=100\)/\1/;
         s/^# \(16ms   X000.0=1\)/\1/; s/^# \(expect 100ms Y000.1=1\)/\1/' "$tests" >"$failing"
    expect_status 1 "$cli" test "$demo" "$failing" --junit "$work/original.xml"
    expect_status 1 "$cli" --lang zh test "$demo" "$failing" --junit "$work/zh.xml"
    grep -qx "  $failing:56: expect 100ms Y000.1=1：96ms 时 Y000.1 为 0；由梯形图第 5 行写入" \
        "$work/out" || fail "zh failure: $(cat "$work/out")"
    grep -qx 'FAIL lubrication too early' "$work/out" || fail "PASS/FAIL lines are keywords"
    grep -qx '5 个通过，1 个失败' "$work/out" || fail "zh summary: $(cat "$work/out")"
    # A file written reads the same whatever the language.
    cmp -s "$work/zh.xml" "$work/original.xml" || fail "JUnit XML changed with the language"
    expect_status 1 "$cli" --lang en test "$demo" "$failing"
    grep -qx "  $failing:56: expect 100ms Y000.1=1: at 96ms Y000.1 was 0; written by ladder line 5" \
        "$work/out" || fail "en failure: $(cat "$work/out")"
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
echo "ok: $case_name"
