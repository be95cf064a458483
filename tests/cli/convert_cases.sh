#!/usr/bin/env bash
# Converter cases of rungpad-cli: convert_cases.sh CASE CLI SOURCE_DIR. Each case exits 0 when it
# holds. The fixtures and their reviewed outputs live in tests/fixtures/converter.
set -u
case_name=$1
cli=$2
src=$3
fixtures="$src/tests/fixtures/converter"
. "$(dirname "$0")/cli_common.sh"

refused_line='梯图第0002行  错误代号 1041 水平导通线与节点网络并联.'

case "$case_name" in
list_examples)
    expect_status 0 "$cli" list "$fixtures/examples.plf"
    cmp "$work/out" "$fixtures/examples.out" || fail "instruction list differs"
    [ ! -s "$work/err" ] || fail "stderr not empty"
    ;;
list_refused)
    expect_status 1 "$cli" list "$fixtures/refused.plf"
    [ ! -s "$work/out" ] || fail "stdout not empty on an error"
    [ "$(cat "$work/err")" = "$refused_line" ] || fail "report line: $(cat "$work/err")"
    expect_status 2 "$cli" list "$work/missing.plf"
    ;;
check)
    expect_status 0 "$cli" check "$fixtures/plant.plf"
    [ "$(cat "$work/out")" = "Convert succeed!" ] || fail "success text"
    expect_status 1 "$cli" check "$fixtures/refused.plf"
    [ "$(cat "$work/err")" = "$refused_line" ] || fail "report line"
    expect_status 2 "$cli" check "$work/missing.plf"
    ;;
convert_plant)
    expect_status 0 "$cli" convert "$fixtures/plant.plf" --bin "$work/Ladbin.dat" --list "$work/plant.txt"
    [ "$(cat "$work/out")" = "Convert succeed!" ] || fail "success text"
    cmp "$work/Ladbin.dat" "$fixtures/plant.bin" || fail "binary image differs"
    cmp "$work/plant.txt" "$fixtures/plant.lst" || fail "instruction list file differs"
    # Without outputs it only converts.
    expect_status 0 "$cli" convert "$fixtures/plant.plf"
    ;;
convert_refused_writes_nothing)
    echo keep >"$work/Ladbin.dat"
    expect_status 1 "$cli" convert "$fixtures/refused.plf" --bin "$work/Ladbin.dat" --list "$work/list.txt"
    [ "$(cat "$work/err")" = "$refused_line" ] || fail "report line"
    [ "$(cat "$work/Ladbin.dat")" = keep ] || fail "image overwritten"
    [ ! -e "$work/list.txt" ] || fail "list written"
    expect_status 2 "$cli" convert "$fixtures/plant.plf" --bin "$work/no/such/dir/Ladbin.dat"
    ;;
damaged_texts)
    # Texts no entry check lets through, from damaged files: refused on their line, nothing written.
    expect_status 1 "$cli" convert "$fixtures/damaged_contact.plf" --bin "$work/Ladbin.dat"
    [ "$(cat "$work/err")" = '梯图第0001行  错误代号 1011 地址数据未正确输入' ] || fail "contact: $(cat "$work/err")"
    [ ! -e "$work/Ladbin.dat" ] || fail "image written"
    expect_status 1 "$cli" check "$fixtures/damaged_parameter.plf"
    [ "$(cat "$work/err")" = '梯图第0018行  错误代号 1012 输入符号未定义或者输入地址超出范围' ] ||
        fail "parameter: $(cat "$work/err")"
    ;;
convert_usage)
    expect_status 64 "$cli" convert
    expect_status 64 "$cli" convert "$fixtures/plant.plf" --bin
    expect_status 64 "$cli" convert "$fixtures/plant.plf" --frob x
    expect_status 64 "$cli" list
    expect_status 64 "$cli" check a b
    for command in list check convert; do
        expect_status 0 "$cli" "$command" --help
        grep -q "^Usage: rungpad-cli $command" "$work/out" || fail "$command --help"
    done
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
echo "ok: $case_name"
