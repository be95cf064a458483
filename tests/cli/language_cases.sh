#!/usr/bin/env bash
# Message language of rungpad-cli: language_cases.sh CASE CLI SOURCE_DIR. Each case exits 0 when
# it holds. Messages follow --lang; the files written never do.
set -u
case_name=$1
cli=$2
src=$3
fixtures="$src/tests/fixtures/converter"
. "$(dirname "$0")/cli_common.sh"

case "$case_name" in
lang_errors)
    expect_status 1 "$cli" --lang en check "$fixtures/damaged_contact.plf"
    [ "$(cat "$work/err")" = 'Ladder line 0001  error code 1011 address data not entered correctly' ] ||
        fail "English: $(cat "$work/err")"
    # After the command too, and in the form --lang=NAME.
    expect_status 1 "$cli" check "$fixtures/damaged_parameter.plf" --lang=en
    [ "$(cat "$work/err")" = 'Ladder line 0018  error code 1012 symbol entered is not defined or address entered is out of range' ] ||
        fail "English after the command: $(cat "$work/err")"
    expect_status 1 "$cli" --lang zh check "$fixtures/damaged_contact.plf"
    [ "$(cat "$work/err")" = '梯图第0001行  错误代号 1011 地址数据未正确输入' ] ||
        fail "Chinese: $(cat "$work/err")"
    expect_status 1 "$cli" --lang original check "$fixtures/refused.plf"
    [ "$(cat "$work/err")" = '梯图第0002行  错误代号 1041 水平导通线与节点网络并联.' ] ||
        fail "original: $(cat "$work/err")"
    expect_status 0 "$cli" --lang en check "$fixtures/plant.plf"
    [ "$(cat "$work/out")" = 'Conversion succeeded!' ] || fail "English success: $(cat "$work/out")"
    expect_status 0 "$cli" --lang zh convert "$fixtures/plant.plf" --bin "$work/zh.bin"
    grep -qx '转换成功!' "$work/out" || fail "Chinese success: $(cat "$work/out")"
    ;;
lang_files_identical)
    printf 'X0013 Motor ready\r\nR5118 Alarm\r\nend\r\n' >"$work/plc.MEA"
    for lang in original zh en; do
        mkdir "$work/$lang"
        expect_status 0 "$cli" --lang "$lang" convert "$fixtures/plant.plf" \
            --bin "$work/$lang/Ladbin.dat" --list "$work/$lang/plant.txt" \
            --grp "$work/$lang/plant.grp" --notes "$work/plc.MEA"
        expect_status 0 "$cli" --lang "$lang" notes "$work/plc.MEA" "$work/$lang/LadChi01.txt"
        expect_status 0 "$cli" --lang "$lang" notes --csv "$work/plc.MEA" "$work/$lang/notes.csv"
        expect_status 0 "$cli" --lang "$lang" resave "$fixtures/plant.plf" "$work/$lang/plant.plf"
        expect_status 0 "$cli" --lang "$lang" xref "$fixtures/plant.plf" --html "$work/$lang/xref.html"
    done
    [ "$(ls "$work/original" | wc -l)" -eq 7 ] || fail "files written: $(ls "$work/original")"
    for lang in zh en; do
        diff -r "$work/original" "$work/$lang" >/dev/null || fail "files differ in $lang"
    done
    cmp "$work/original/Ladbin.dat" "$fixtures/plant.bin" || fail "binary image differs"
    ;;
lang_usage)
    expect_status 64 "$cli" --lang fr check "$fixtures/plant.plf"
    grep -q "unknown language 'fr'" "$work/err" || fail "unknown language: $(cat "$work/err")"
    expect_status 64 "$cli" check "$fixtures/plant.plf" --lang
    grep -q -- "--lang needs a language" "$work/err" || fail "missing language: $(cat "$work/err")"
    expect_status 0 "$cli" --help
    grep -q -- "--lang original|zh|en" "$work/out" || fail "--help does not name --lang"
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
