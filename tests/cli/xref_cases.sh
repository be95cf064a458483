#!/usr/bin/env bash
# Cross-reference cases: xref_cases.sh CASE CLI SOURCE_DIR. Each case exits 0 when it holds.
set -u
case_name=$1
cli=$2
src=$3
review="$src/tests/fixtures/xref/review.plf"
plant="$src/tests/fixtures/converter/plant.plf"
. "$(dirname "$0")/cli_common.sh"

case "$case_name" in
xref_table)
    expect_status 0 "$cli" xref "$review"
    cat >"$work/want" <<'TABLE'
D010     0009  7  write       ADD 4 结果输出地址
K011.0   0004  8  write       coil
R010.0   0001  8  write       coil
R010.0   0002  5  write       SET 1 置位地址
R010.0   0003  1  read        NO contact
R020.0   0003  2  read        NO contact
R030     0009  5  read        ADD 2 被加数地址
X000.0   0001  1  read        NO contact
X000.1   0001  2  read        NC contact
X000.2   0002  1  read        NO contact
X000.3   0004  1  read        NO contact
X000.4   0005  1  read        NO contact
X000.5   0007  1  read        NO contact
X000.6   0009  1  read        NO contact
X000.7   0010  1  read        NO contact
Y000.0   0003  8  write       coil
Y000.1   0005  8  write       coil
Y000.2   0007  8  write       coil
Y000.3   0009  8  write       coil
TABLE
    diff "$work/want" "$work/out" || fail "table differs"
    ;;
xref_csv)
    printf 'R0101 Motor on, "main"\n' >"$work/notes.MEA"
    expect_status 0 "$cli" xref "$review" --csv --notes "$work/notes.MEA"
    [ "$(head -1 "$work/out")" = $'address,line,column,use,access,note\r' ] || fail "header row"
    grep -qx $'R010.0,1,8,coil,write,"Motor on, ""main"""\r' "$work/out" || fail "quoted note"
    grep -qx $'R010.0,2,5,SET 1 置位地址,write,"Motor on, ""main"""\r' "$work/out" || fail "parameter row"
    [ "$(wc -l <"$work/out")" -eq 20 ] || fail "one row per use"
    ;;
xref_findings)
    expect_status 1 "$cli" xref "$review" --findings
    cat >"$work/want" <<'FINDINGS'
R010.0  written in more than one place  at 1:8 2:5
R020.0  read but never written  at 3:2
K011.0  written but never read  at 4:8
timer 5  used more than once  at 5:3 7:4
constant 300  does not fit a 1-byte operand  at 9:6
FINDINGS
    diff "$work/want" "$work/out" || fail "findings differ"
    expect_status 1 "$cli" xref "$review" --findings --csv
    grep -qx $'timer 5,used more than once,5:3 7:4\r' "$work/out" || fail "csv finding"
    grep -qx $'constant 300,does not fit a 1-byte operand,9:6\r' "$work/out" || fail "csv constant"
    # A clean program passes the gate quietly.
    expect_status 0 "$cli" xref "$plant" --findings
    [ ! -s "$work/out" ] || fail "output without findings"
    ;;
xref_html)
    printf 'R0101 Motor <on> & "main"\n' >"$work/notes.MEA"
    expect_status 0 "$cli" xref "$review" --html "$work/xref.html" --notes "$work/notes.MEA"
    [ ! -s "$work/out" ] || fail "table printed besides the page"
    page="$work/xref.html"
    head -1 "$page" | grep -qx '<!DOCTYPE html>' || fail "doctype"
    # One row per address with its escaped note and each use; the notes table and the findings.
    grep -qF '<tr><td>R010.0</td><td>Motor &lt;on&gt; &amp; &quot;main&quot;</td><td>0001 coil, 0002 SET 1 置位地址, 0003 NO contact</td></tr>' "$page" || fail "cross-reference row"
    grep -qF '<tr><td>R010.0</td><td>Motor &lt;on&gt; &amp; &quot;main&quot;</td></tr>' "$page" || fail "address note row"
    grep -qF '<tr><td>timer 5</td><td>used more than once</td><td>5:3 7:4</td></tr>' "$page" || fail "finding row"
    [ "$(grep -c '<table class="sortable">' "$page")" -eq 3 ] || fail "three sortable tables"
    # Self-contained: nothing is fetched.
    ! grep -qiE '(src|href)=|@import|url\(' "$page" || fail "fetches something"
    # The gate still works beside the page; a clean program says "none".
    expect_status 1 "$cli" xref "$review" --html "$work/xref.html" --findings
    grep -q '^timer 5  used more than once' "$work/out" || fail "findings printed"
    expect_status 0 "$cli" xref "$plant" --html "$work/plant.html"
    grep -qF '<h2>Review findings</h2>' "$work/plant.html" || fail "findings heading"
    grep -qxF '<p>none</p>' "$work/plant.html" || fail "no findings: none"
    # Never over an input; a failed write leaves what was there.
    cp "$review" "$work/input.plf"
    expect_status 2 "$cli" xref "$work/input.plf" --html "$work/input.plf"
    cmp -s "$review" "$work/input.plf" || fail "input overwritten"
    expect_status 2 "$cli" xref "$review" --html "$work/no/such/dir/x.html"
    ;;
xref_usage)
    expect_status 64 "$cli" xref
    expect_status 64 "$cli" xref "$review" --frob
    expect_status 64 "$cli" xref "$review" --notes
    expect_status 64 "$cli" xref "$review" --html
    expect_status 2 "$cli" xref "$work/missing.plf"
    expect_status 2 "$cli" xref "$review" --notes "$work/missing.MEA"
    expect_status 0 "$cli" xref --help
    grep -q '^Usage: rungpad-cli xref FILE \[--csv\] \[--findings\]' "$work/out" || fail "help"
    expect_status 0 "$cli" --help
    grep -q 'xref FILE' "$work/out" || fail "overview lists xref"
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
echo "ok: $case_name"
