#!/usr/bin/env bash
# How rungpad-cli treats the files it reads and writes: file_safety_cases.sh CASE CLI SOURCE_DIR.
# Every file lives in the case's private scratch directory.
set -u
case_name=$1
cli=$2
src=$3
plant="$src/tests/fixtures/converter/plant.plf"
. "$(dirname "$0")/cli_common.sh"

# Temporary files of a write left in the scratch directory (there must be none).
leftovers() {
    find "$work" -name '.rgp-*' -o -name '*.plf.??????'
}

mode_of() { stat -c %a "$1"; }

# Whether two ladder files hold the same program (the save date, which a resave sets, aside).
same_ladder() {
    cmp -s <("$cli" dump "$1" | grep -v '^Save date:') <("$cli" dump "$2" | grep -v '^Save date:')
}

case "$case_name" in
special_outputs)
    mkfifo "$work/fifo"
    mkdir "$work/dir"
    ln -s fifo "$work/link-to-fifo"
    for target in fifo dir link-to-fifo; do
        expect_status 2 timeout 10 "$cli" resave "$plant" "$work/$target"
        grep -q "$target: not a regular file" "$work/err" || fail "$target: $(cat "$work/err")"
        expect_status 2 timeout 10 "$cli" convert "$plant" --list "$work/list.txt" --bin "$work/$target"
        [ ! -e "$work/list.txt" ] || fail "$target: list written beside a refused output"
    done
    [ -p "$work/fifo" ] || fail "fifo replaced"
    [ -L "$work/link-to-fifo" ] || fail "link replaced"
    [ -z "$(leftovers)" ] || fail "left behind: $(leftovers)"
    ;;
links)
    mkdir "$work/real"
    printf old >"$work/real/prog.plf"
    ln -s real/prog.plf "$work/link.plf"
    expect_status 0 "$cli" resave "$plant" "$work/link.plf"
    [ -L "$work/link.plf" ] || fail "symlink replaced by a file"
    "$cli" resave "$plant" "$work/direct.plf" || fail "direct resave"
    same_ladder "$work/real/prog.plf" "$work/direct.plf" || fail "symlink target not written"
    printf old >"$work/a.plf"
    ln "$work/a.plf" "$work/b.plf"
    expect_status 0 "$cli" resave "$plant" "$work/a.plf"
    [ "$(stat -c %h "$work/a.plf")" = 2 ] || fail "hard link split"
    same_ladder "$work/b.plf" "$work/direct.plf" || fail "other link not written"
    [ -z "$(leftovers)" ] || fail "left behind: $(leftovers)"
    ;;
modes)
    (umask 027 && "$cli" resave "$plant" "$work/new.plf") || fail "resave with umask 027"
    [ "$(mode_of "$work/new.plf")" = 640 ] || fail "new file mode $(mode_of "$work/new.plf")"
    (umask 000 && "$cli" resave "$plant" "$work/open.plf") || fail "resave with umask 000"
    [ "$(mode_of "$work/open.plf")" = 666 ] || fail "new file mode $(mode_of "$work/open.plf")"
    printf old >"$work/setid.plf"
    chmod 6755 "$work/setid.plf"
    if [ "$(id -u)" = 0 ]; then
        chown nobody:nogroup "$work/setid.plf" || chown 65534:65534 "$work/setid.plf"
    fi
    owner=$(stat -c %u:%g "$work/setid.plf")
    expect_status 0 "$cli" resave "$plant" "$work/setid.plf"
    [ "$(mode_of "$work/setid.plf")" = 755 ] || fail "set-id bits kept: $(mode_of "$work/setid.plf")"
    [ "$(stat -c %u:%g "$work/setid.plf")" = "$owner" ] || fail "owner not kept"
    ;;
file_size_limit)
    printf old >"$work/out.plf"
    expect_status 2 bash -c 'ulimit -f 1 && exec "$0" resave "$1" "$2"' "$cli" "$plant" "$work/out.plf"
    grep -q 'out.plf: File too large' "$work/err" || fail "reason: $(cat "$work/err")"
    [ "$(cat "$work/out.plf")" = old ] || fail "output touched"
    [ -z "$(leftovers)" ] || fail "left behind: $(leftovers)"
    ;;
long_names)
    for length in 249 255; do
        name=$(printf "%$((length - 4))s" '' | tr ' ' n).plf
        expect_status 0 "$cli" resave "$plant" "$work/$name"
        [ -s "$work/$name" ] || fail "$length-byte name not written"
    done
    [ -z "$(leftovers)" ] || fail "left behind: $(leftovers)"
    ;;
special_inputs)
    mkfifo "$work/fifo"
    expect_status 2 timeout 10 "$cli" dump "$work/fifo"
    grep -q 'fifo: not a regular file' "$work/err" || fail "fifo without writer: $(cat "$work/err")"
    # With a writer holding it open the answer is the same, and nothing waits.
    exec 3<>"$work/fifo"
    expect_status 2 timeout 10 "$cli" list "$work/fifo"
    grep -q 'fifo: not a regular file' "$work/err" || fail "fifo with writer: $(cat "$work/err")"
    exec 3>&-
    expect_status 2 "$cli" dump "$work"
    grep -q ': is a directory' "$work/err" || fail "directory: $(cat "$work/err")"
    ;;
output_errors)
    for command in dump list check; do
        "$cli" "$command" "$plant" >/dev/full 2>"$work/err"
        status=$?
        [ "$status" = 2 ] || fail "$command to a full disk exited $status"
        grep -q 'write error: No space left on device' "$work/err" || fail "$command: $(cat "$work/err")"
    done
    ;;
dump_escapes)
    expect_status 0 "$cli" dump "$src/tests/fixtures/cli/control_bytes.plf"
    ! LC_ALL=C grep -q $'\e' "$work/out" || fail "escape byte reaches the terminal"
    grep -q '^Last modifier:  ?\[2J?Rg$' "$work/out" || fail "header text not escaped"
    grep -q '; ?\[2J?002$' "$work/out" || fail "line note not escaped"
    # One output line per ladder line: no forged grid line.
    [ "$(grep -c '^0002 ' "$work/out")" = 1 ] || fail "forged line"
    ;;
convert_all_or_nothing)
    cp "$plant" "$work/in.plf"
    # The old layout refuses MOVW: neither the image before it nor the list after it is written.
    expect_status 2 "$cli" convert "$work/in.plf" --bin "$work/A" --old "$work/B" --list "$work/C"
    [ -z "$(ls "$work" | grep -v -e in.plf -e out -e err)" ] || fail "written: $(ls "$work")"
    for option in --bin --list --grp --old; do
        expect_status 2 "$cli" convert "$work/in.plf" "$option" "$work/in.plf"
        grep -q 'in.plf: would overwrite' "$work/err" || fail "$option: $(cat "$work/err")"
    done
    ln -s in.plf "$work/alias.plf"
    expect_status 2 "$cli" convert "$work/in.plf" --bin "$work/alias.plf"
    expect_status 2 "$cli" convert "$work/in.plf" --bin "$work/X" --list "$work/X"
    cmp -s "$work/in.plf" "$plant" || fail "input changed"
    [ ! -e "$work/X" ] || fail "doubly named output written"
    expect_status 64 "$cli" convert "$work/in.plf" --bin ""
    ;;
notes_reasons)
    expect_status 2 "$cli" notes "$work/missing.MEA" "$work/out.txt"
    [ "$(sed -n 1p "$work/err")" = "rungpad-cli: $work/missing.MEA: 打开文件失败!" ] ||
        fail "message line: $(cat "$work/err")"
    [ "$(sed -n 2p "$work/err")" = "rungpad-cli: $work/missing.MEA: No such file or directory" ] ||
        fail "reason line: $(cat "$work/err")"
    mkfifo "$work/fifo.MEA"
    expect_status 2 timeout 10 "$cli" notes "$work/fifo.MEA" "$work/out.txt"
    grep -q 'fifo.MEA: not a regular file' "$work/err" || fail "fifo: $(cat "$work/err")"
    expect_status 64 "$cli" notes "" "$work/out.txt"
    grep -q 'a file name is empty' "$work/err" || fail "empty name: $(cat "$work/err")"
    ;;
durable_write)
    # The order of the system calls: the temporary file synced, renamed over the target, and
    # the directory synced after the rename. Skipped (77) where tracing is not allowed.
    strace -o /dev/null true 2>/dev/null || exit 77
    printf old >"$work/prog.plf"
    # LeakSanitizer cannot run under ptrace: the sanitizer build traces without it.
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
        strace -f -e trace=fsync,rename,openat -o "$work/trace" "$cli" resave "$plant" "$work/prog.plf" ||
        fail "resave under strace"
    grep -q 'rename(.*/\.rgp-[^"]*", "[^"]*/prog\.plf")' "$work/trace" || fail "no rename onto prog.plf"
    calls=$(grep -E 'fsync\(|rename\(|O_DIRECTORY' "$work/trace" | sed -E 's/^[0-9]+ +//; s/\(.*//' | tr '\n' ' ')
    [ "$calls" = "fsync rename openat fsync " ] || fail "calls: $calls"
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
echo "ok: $case_name"
