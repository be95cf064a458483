# Shared by the rungpad-cli case scripts: a scratch directory removed on exit, fail and
# expect_status. Defines $work.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# expect_status STATUS COMMAND...: runs the command, output to $work/out and $work/err.
expect_status() {
    local want=$1
    shift
    "$@" >"$work/out" 2>"$work/err"
    local got=$?
    [ "$got" -eq "$want" ] || fail "$* exited $got, expected $want; stderr: $(cat "$work/err")"
}
