#!/usr/bin/env bash
# CLI cases: cli_cases.sh CASE CLI SOURCE_DIR. Each case exits 0 when it holds.
set -u
case_name=$1
cli=$2
src=$3
example="$src/examples/demo.plf"
. "$(dirname "$0")/cli_common.sh"

case "$case_name" in
dump_example)
    expect_status 0 "$cli" dump "$example"
    grep -q '^Lines: *14$' "$work/out" || fail "line count"
    grep -q '^Machine tool: *CK6140 数控车床$' "$work/out" || fail "GBK header text in UTF-8"
    grep -q '^0001 -\[X000.0\]-|-\[/X000.1\]' "$work/out" || fail "first line"
    grep -q '\[TMR     \] \[0001    \] -(R100.0)-  ; 润滑延时$' "$work/out" || fail "timer line"
    [ "$(grep -c '^[0-9][0-9][0-9][0-9]' "$work/out")" -eq 14 ] || fail "one output line per ladder line"
    ;;
resave_roundtrip)
    expect_status 0 "$cli" resave "$example" "$work/copy.plf"
    # Everything but the save date (header bytes 83..107) is byte-identical.
    cmp <(head -c 83 "$example") <(head -c 83 "$work/copy.plf") || fail "header differs"
    cmp <(tail -c +109 "$example") <(tail -c +109 "$work/copy.plf") || fail "body differs"
    ;;
resave_grp_has_no_trailer)
    expect_status 0 "$cli" resave "$example" "$work/copy.GRP"
    [ "$(stat -c %s "$work/copy.GRP")" -eq $((108 + 124 * 14)) ] || fail ".grp carries a trailer"
    ;;
bad_files)
    # The specified line, then why: one line each.
    expect_status 2 "$cli" dump "$work/missing.plf"
    [ "$(wc -l <"$work/err")" -eq 2 ] || fail "two error lines: $(cat "$work/err")"
    grep -q 'missing.plf: 无法打开梯形图文件!' "$work/err" || fail "refusal line"
    grep -q 'missing.plf: No such file or directory' "$work/err" || fail "reason"
    head -c 150 "$example" >"$work/cut.plf"
    printf 'tiny' >"$work/tiny.plf"
    { printf '\x40\x06'; tail -c +3 "$example"; } >"$work/count.plf"
    for file in cut:"the file holds 150 bytes; its line count of 14 needs 1844" \
        tiny:"the file holds 4 bytes, less than the 108-byte header" \
        count:"the header's line count 1601 is above the 1600 lines a program holds"; do
        expect_status 2 "$cli" dump "$work/${file%%:*}.plf"
        [ "$(head -1 "$work/err")" = "rungpad-cli: $work/${file%%:*}.plf: 无法打开梯形图文件!" ] ||
            fail "refusal line: $(cat "$work/err")"
        [ "$(sed -n 2p "$work/err")" = "rungpad-cli: $work/${file%%:*}.plf: ${file#*:}" ] ||
            fail "reason: $(cat "$work/err")"
    done
    # A refused read never touches the output file.
    echo keep >"$work/out.plf"
    expect_status 2 "$cli" resave "$work/cut.plf" "$work/out.plf"
    [ "$(cat "$work/out.plf")" = keep ] || fail "output touched"
    # An unwritable destination fails cleanly.
    expect_status 2 "$cli" resave "$example" "$work/no/such/dir/out.plf"
    ;;
usage)
    expect_status 64 "$cli"
    expect_status 64 "$cli" frobnicate
    expect_status 64 "$cli" dump
    expect_status 64 "$cli" resave "$example"
    expect_status 0 "$cli" --help
    grep -q 'dump FILE' "$work/out" || fail "overview lists commands"
    for command in dump resave; do
        expect_status 0 "$cli" "$command" --help
        grep -q "^Usage: rungpad-cli $command" "$work/out" || fail "$command --help"
    done
    ;;
usage_messages)
    # expect_problem MESSAGE ARGS...: exit 64, MESSAGE after the command's name, then its usage.
    expect_problem() {
        local message=$1
        shift
        expect_status 64 "$cli" "$@"
        [ "$(head -n 1 "$work/err")" = "rungpad-cli $1: $message" ] ||
            fail "$*: said '$(head -n 1 "$work/err")', expected '$message'"
        grep -q "^Usage: rungpad-cli $1 " "$work/err" || fail "$*: no usage line"
    }
    expect_problem "expects a FILE" sim
    expect_problem "--time needs a value" sim "$example" --time
    expect_problem "--time expects a duration such as 500ms or 2s, not 'soon'" \
        sim "$example" --time soon
    expect_problem "--time and --scans exclude each other" sim "$example" --time 2s --scans 10
    expect_problem "unexpected argument '--frob'" sim "$example" --frob 1
    expect_problem "unexpected argument 'extra'" sim "$example" extra
    expect_problem "expects a FILE" convert --bin "$work/out.bin"  # a value is no FILE
    expect_problem "--bin needs a file name" convert "$example" --bin ""
    expect_problem "--notes needs a file name" xref "$example" --notes
    expect_problem "expects a FILE" xref --csv  # a switch takes no value
    expect_problem "unknown option --frob" diff "$example" "$example" --frob
    expect_problem "expects OLD and NEW" diff --stat "$example"
    # Options may stand before the files.
    expect_status 0 "$cli" xref --csv "$example"
    expect_status 0 "$cli" diff --stat "$example" "$example"
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
echo "ok: $case_name"
