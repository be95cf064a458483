#!/usr/bin/env bash
# Program comparison with rungpad-cli: the diff command and dump as a git textconv driver.
# diff_cases.sh CASE CLI SOURCE_DIR; each case exits 0 when it holds.
set -u
case_name=$1
cli=$2
src=$3
example="$src/examples/demo.plf"
. "$(dirname "$0")/cli_common.sh"

# set_cell_text FILE LINE COLUMN TEXT: the cell's 7-byte text field (lines and columns from 0).
set_cell_text() {
    local offset=$((108 + 124 * $2 + 13 * $3 + 6))
    { printf '%s' "$4"; head -c $((7 - ${#4})) /dev/zero; } |
        dd of="$1" bs=1 seek="$offset" conv=notrunc status=none
}

# insert_copy FILE AT FROM: inserts a copy of line FROM before line AT and counts it in the header.
insert_copy() {
    local count
    count=$(od -An -tu2 -N2 "$1" | tr -d ' ')
    {
        printf "\\x$(printf %02x $(((count + 1) % 256)))\\x$(printf %02x $(((count + 1) / 256)))"
        head -c $((108 + 124 * $2)) "$1" | tail -c +3
        head -c $((108 + 124 * ($3 + 1))) "$1" | tail -c 124
        tail -c +$((108 + 124 * $2 + 1)) "$1"
    } >"$1.new"
    mv "$1.new" "$1"
}

case "$case_name" in
diff_equal)
    expect_status 0 "$cli" diff "$example" "$example"
    [ ! -s "$work/out" ] || fail "output for equal programs"
    expect_status 0 "$cli" diff --stat "$example" "$example"
    grep -q '^0 lines changed, 0 inserted, 0 deleted; 0 cells changed' "$work/out" || fail "stat"
    ;;
diff_changed_cell)
    cp "$example" "$work/new.plf"
    set_cell_text "$work/new.plf" 1 0 X000.7
    expect_status 1 "$cli" diff "$example" "$work/new.plf"
    grep -qx -- "--- $example" "$work/out" || fail "old name"
    grep -qx '@@ -1,4 +1,4 @@' "$work/out" || fail "hunk header"
    grep -qx -- '-0002 -\[Y000.0\]-' "$work/out" || fail "old line"
    grep -qx '+0002 -\[X000.7\]-' "$work/out" || fail "new line"
    grep -qx '#   column 0 (address): -\[Y000.0\]- -> -\[X000.7\]-' "$work/out" || fail "cell summary"
    # Two lines of context on either side, nothing further.
    grep -q '^ 0005' "$work/out" && fail "context too wide"
    grep -q '^ 0004' "$work/out" || fail "context after"
    expect_status 1 "$cli" diff "$example" "$work/new.plf" --stat
    grep -qx '1 lines changed, 0 inserted, 0 deleted; 1 cells changed, 0 line notes changed, 0 header fields changed' \
        "$work/out" || fail "stat: $(cat "$work/out")"
    ;;
diff_inserted_line)
    # A copy of line 12 inserted before line 2: one inserted line, every later line common.
    cp "$example" "$work/new.plf"
    insert_copy "$work/new.plf" 1 11
    expect_status 1 "$cli" diff --stat "$example" "$work/new.plf"
    grep -q '^0 lines changed, 1 inserted, 0 deleted;' "$work/out" || fail "stat: $(cat "$work/out")"
    expect_status 1 "$cli" diff "$example" "$work/new.plf"
    grep -q '^+0002 -\[X001.0\]-*(Y001.0)-  ; ' "$work/out" || fail "inserted line"
    [ "$(grep -c '^[-+]0' "$work/out")" -eq 1 ] || fail "only one line differs"
    # Deleted the other way round.
    expect_status 1 "$cli" diff "$work/new.plf" "$example"
    grep -q -- '^-0002 -\[X001.0\]-*(Y001.0)-  ; ' "$work/out" || fail "deleted line"
    ;;
diff_header)
    cp "$example" "$work/new.plf"
    printf 'V2.0' | dd of="$work/new.plf" bs=1 seek=8 conv=notrunc status=none
    expect_status 1 "$cli" diff "$example" "$work/new.plf"
    grep -qx '@@ header @@' "$work/out" || fail "header hunk"
    grep -qx -- '-Version:        V1.0' "$work/out" || fail "old version"
    grep -qx '+Version:        V2.0' "$work/out" || fail "new version"
    grep -q '^@@ -' "$work/out" && fail "line hunk without line change"
    ;;
diff_failures)
    expect_status 2 "$cli" diff "$example" "$work/missing.plf"
    grep -q 'missing.plf' "$work/err" || fail "names the file"
    head -c 150 "$example" >"$work/cut.plf"
    expect_status 2 "$cli" diff "$work/cut.plf" "$example"
    expect_status 64 "$cli" diff "$example"
    expect_status 64 "$cli" diff "$example" "$example" --frob
    expect_status 0 "$cli" diff --help
    grep -q '^Usage: rungpad-cli diff OLD NEW \[--stat\]' "$work/out" || fail "help"
    ;;
git_textconv)
    # The two lines the README gives, in a scratch repository, with rungpad-cli on the PATH.
    command -v git >/dev/null || fail "git is not installed"
    export PATH="$(dirname "$cli"):$PATH" HOME="$work" GIT_CONFIG_NOSYSTEM=1
    repo="$work/repo"
    git init -q "$repo" || fail "git init"
    cd "$repo" || fail "cd"
    printf '*.plf diff=rungpad\n*.grp diff=rungpad\n' >.gitattributes
    git config diff.rungpad.textconv "rungpad-cli dump"
    git config user.name Test
    git config user.email test@example.invalid
    cp "$example" demo.plf
    git add . && git commit -q -m first || fail "first commit"
    set_cell_text demo.plf 1 0 X000.7
    git commit -q -am second || fail "second commit"
    git diff HEAD~1 HEAD >"$work/gitdiff" 2>"$work/err" || fail "git diff: $(cat "$work/err")"
    grep -qx -- '-0002 -\[Y000.0\]-' "$work/gitdiff" || fail "old ladder line: $(cat "$work/gitdiff")"
    grep -qx '+0002 -\[X000.7\]-' "$work/gitdiff" || fail "new ladder line"
    grep -q '^Binary files' "$work/gitdiff" && fail "shown as binary"
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
echo "ok: $case_name"
