#!/usr/bin/env bash
# Document commands of rungpad-cli: the ladder file outputs of convert, its note file option and
# the notes command. document_cases.sh CASE CLI SOURCE_DIR; each case exits 0 when it holds.
set -u
case_name=$1
cli=$2
src=$3
example="$src/examples/demo.plf"
plant="$src/tests/fixtures/converter/plant.plf"
. "$(dirname "$0")/cli_common.sh"

# same_outside_header A B: the files agree in their header texts (bytes 9-83) and everything
# after the header; the header words and the save date are the conversion's and the clock's.
same_outside_header() {
    cmp <(head -c 83 "$1" | tail -c +9) <(head -c 83 "$2" | tail -c +9) || fail "header texts of $1"
    cmp <(tail -c +109 "$1") <(tail -c +109 "$2") || fail "body of $1"
}

case "$case_name" in
convert_grp)
    expect_status 0 "$cli" convert "$plant" --grp "$work/plant.grp"
    same_outside_header "$work/plant.grp" "$plant"
    # The example carries a note trailer; the ladder generated file never does.
    expect_status 0 "$cli" convert "$example" --grp "$work/demo.grp"
    [ "$(stat -c %s "$work/demo.grp")" -eq $((108 + 124 * 14)) ] || fail "trailer in .grp"
    ;;
convert_old)
    # The example's TMR box loses its second line in the old generation.
    expect_status 0 "$cli" convert "$example" --old "$work/old.grp"
    [ "$(stat -c %s "$work/old.grp")" -eq $((108 + 124 * 13)) ] || fail "old layout size"
    # Reading the old file back restores the box: the same grid as the example.
    expect_status 0 "$cli" dump "$example"
    mv "$work/out" "$work/example.dump"
    expect_status 0 "$cli" dump "$work/old.grp"
    diff <(grep '^[0-9]\{4\}' "$work/example.dump") <(grep '^[0-9]\{4\}' "$work/out") ||
        fail "old file reads back"
    ;;
convert_old_refused)
    # The plant program uses instructions the old generation lacks: nothing is written.
    echo keep >"$work/kept.grp"
    expect_status 2 "$cli" convert "$plant" --old "$work/kept.grp"
    grep -q '存在不支持的功能指令!' "$work/err" || fail "reason"
    [ "$(cat "$work/kept.grp")" = keep ] || fail "existing file touched"
    expect_status 2 "$cli" convert "$plant" --old "$work/new.grp"
    [ ! -e "$work/new.grp" ] || fail "empty file left behind"
    ;;
convert_notes)
    printf 'X0013 Motor ready\n' >"$work/plc.MEA"
    expect_status 0 "$cli" convert "$example" --notes "$work/plc.MEA"
    expect_status 2 "$cli" convert "$example" --notes "$work/missing.MEA" --bin "$work/Ladbin.dat"
    grep -q '打开文件失败!' "$work/err" || fail "note file reason"
    [ ! -e "$work/Ladbin.dat" ] || fail "wrote after a failed note file"
    expect_status 64 "$cli" convert "$example" --notes
    ;;
notes_export)
    printf 'X0013 Motor ready\r\nx0010 byte note\nY0480 skipped\nR5118 Alarm\nend\nX0011 never\n' \
        >"$work/plc.MEA"
    expect_status 0 "$cli" notes "$work/plc.MEA" "$work/LadChi01.txt"
    printf '%%\r\nX0012     Motor ready\r\nR5117     Alarm\r\nend\r\n' >"$work/expected.txt"
    cmp "$work/LadChi01.txt" "$work/expected.txt" || fail "export text"
    # An export file read back as a note file stops at its first line: no notes.
    expect_status 0 "$cli" notes "$work/LadChi01.txt" "$work/again.txt"
    [ "$(cat "$work/again.txt")" = "$(printf '%%\r\nend\r')" ] || fail "export read back"
    ;;
notes_failures)
    echo keep >"$work/out.txt"
    expect_status 2 "$cli" notes "$work/missing.MEA" "$work/out.txt"
    grep -q 'missing.MEA: 打开文件失败!' "$work/err" || fail "missing note file"
    [ "$(cat "$work/out.txt")" = keep ] || fail "output touched"
    printf 'X0013 a\n' >"$work/plc.MEA"
    expect_status 2 "$cli" notes "$work/plc.MEA" "$work/no/such/dir/out.txt"
    expect_status 64 "$cli" notes "$work/plc.MEA"
    expect_status 0 "$cli" notes --help
    grep -q '^Usage: rungpad-cli notes NOTEFILE OUT' "$work/out" || fail "notes --help"
    ;;
notes_csv)
    # GBK in the note file ("主轴" is D6 F7 D6 E1), UTF-8 in the table, and back.
    printf 'X0013 Motor, ready\r\nx0010 Inputs\r\nR5118 \xd6\xf7\xd6\xe1\r\n' >"$work/plc.MEA"
    expect_status 0 "$cli" notes --csv "$work/plc.MEA" "$work/notes.csv"
    printf 'address,note\r\nX001,Inputs\r\nX001.2,"Motor, ready"\r\nR511.7,主轴\r\n' \
        >"$work/expected.csv"
    cmp "$work/notes.csv" "$work/expected.csv" || fail "table: $(cat "$work/notes.csv")"
    expect_status 0 "$cli" notes --from-csv "$work/notes.csv" "$work/back.MEA"
    printf 'X0010 Inputs\r\nX0013 Motor, ready\r\nR5118 \xd6\xf7\xd6\xe1\r\n' >"$work/expected.MEA"
    cmp "$work/back.MEA" "$work/expected.MEA" || fail "note file from the table"
    # The rebuilt note file exports as the original does.
    expect_status 0 "$cli" notes "$work/plc.MEA" "$work/a.txt"
    expect_status 0 "$cli" notes "$work/back.MEA" "$work/b.txt"
    cmp "$work/a.txt" "$work/b.txt" || fail "export of the rebuilt note file"
    ;;
notes_csv_refused)
    echo keep >"$work/out.MEA"
    long=$(printf '%0121d' 0)
    printf 'address,note\nD010.0,data\nX001.2,%s\nX001.3,ok\n' "$long" >"$work/bad.csv"
    expect_status 2 "$cli" notes --from-csv "$work/bad.csv" "$work/out.MEA"
    grep -q 'bad.csv: line 2: "D010.0" is not an address that can carry a note' "$work/err" ||
        fail "address error: $(cat "$work/err")"
    grep -q 'bad.csv: line 3: the note of X001.2 is 121 bytes in GBK; a note holds at most 120' \
        "$work/err" || fail "length error"
    [ "$(wc -l <"$work/err")" -eq 2 ] || fail "one line per problem"
    [ "$(cat "$work/out.MEA")" = keep ] || fail "output touched"
    expect_status 2 "$cli" notes --from-csv "$work/missing.csv" "$work/out.MEA"
    expect_status 2 "$cli" notes --csv "$work/missing.MEA" "$work/out.csv"
    [ ! -e "$work/out.csv" ] || fail "table written for a missing note file"
    # A table without notes (here: CR-only lines misread by nothing, just a header) never empties
    # a note file unless asked to.
    printf 'address,note\r' >"$work/empty.csv"
    expect_status 2 "$cli" notes --from-csv "$work/empty.csv" "$work/out.MEA"
    grep -q 'empty.csv: holds no notes; --force writes an empty note file' "$work/err" ||
        fail "empty table: $(cat "$work/err")"
    [ "$(cat "$work/out.MEA")" = keep ] || fail "output emptied"
    expect_status 0 "$cli" notes --from-csv "$work/empty.csv" "$work/out.MEA" --force
    [ ! -s "$work/out.MEA" ] || fail "--force: $(cat "$work/out.MEA")"
    printf 'address,note\rX001.2,Motor\r' >"$work/cr.csv"
    expect_status 0 "$cli" notes --from-csv "$work/cr.csv" "$work/cr.MEA"
    grep -q '^X0013' "$work/cr.MEA" || fail "CR-only table: $(cat "$work/cr.MEA")"
    expect_status 64 "$cli" notes --csv "$work/plc.MEA"
    expect_status 64 "$cli" notes --frob a b
    ;;
damaged_count)
    # The example with its line count cleared (two zero bytes): one line is read, 13 are not.
    { printf '\x00\x00'; tail -c +3 "$example"; } >"$work/damaged.plf"
    for command in dump "xref --csv"; do
        expect_status 0 "$cli" $command "$work/damaged.plf"
        grep -q 'damaged.plf holds more than its header.s line count of 1: 13 more lines were not read' \
            "$work/err" || fail "$command: no warning: $(cat "$work/err")"
    done
    # Build gates do not pass such a file.
    expect_status 2 "$cli" check "$work/damaged.plf"
    expect_status 2 "$cli" xref --findings "$work/damaged.plf"
    expect_status 0 "$cli" check "$example"
    [ ! -s "$work/err" ] || fail "warning for a whole file: $(cat "$work/err")"
    ;;
read_only)
    cp "$example" "$work/ro.plf"
    chmod 444 "$work/ro.plf"
    for args in "resave $example $work/ro.plf" "convert $example --grp $work/ro.plf" \
        "notes --csv $work/plc.MEA $work/ro.plf" "sim $example --time 8ms --vcd $work/ro.plf"; do
        printf 'X0013 Motor ready\r\n' >"$work/plc.MEA"
        expect_status 2 "$cli" $args
        grep -q 'ro.plf: is read-only' "$work/err" || fail "$args: $(cat "$work/err")"
        cmp -s "$work/ro.plf" "$example" || fail "$args: read-only file replaced"
    done
    # --force replaces it (for sim: a --force without SIGNAL=VALUE).
    expect_status 0 "$cli" resave "$example" "$work/ro.plf" --force
    expect_status 0 "$cli" sim "$example" --time 8ms --force X000.0=1 --vcd "$work/ro.plf" --force
    head -1 "$work/ro.plf" | grep -q '^\$version' || fail "sim --force: no VCD written"
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
echo "ok: $case_name"
