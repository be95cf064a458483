#!/usr/bin/env bash
# The editor's command line without a display: --print-pdf, --version, --help.
# print_pdf_cases.sh CASE RUNGPAD CLI SOURCE_DIR VERSION; each case exits 0 when it holds.
set -u
case_name=$1
app=$2
cli=$3
src=$4
version=$5
example="$src/examples/demo.plf"
. "$src/tests/cli/cli_common.sh"
# No display of any kind and no platform chosen from outside: the option must choose its own.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

# dark_pixels PGM: how many pixels of a binary grey map are darker than mid-grey.
dark_pixels() {
    local size
    size=$(head -c 64 "$1" | tr '\n' ' ' | awk '{print $2 * $3}')
    tail -c "$size" "$1" | od -An -v -tu1 | tr -s ' ' '\n' | awk '$1 != "" && $1 < 128' | wc -l
}

case "$case_name" in
print_pdf)
    expect_status 0 "$app" --print-pdf "$work/demo.pdf" "$example"
    [ "$(pdfinfo "$work/demo.pdf" | awk '/^Pages:/ {print $2}')" = 1 ] || fail "page count"
    pdftoppm -f 1 -l 1 -r 30 -gray -singlefile "$work/demo.pdf" "$work/page" || fail "render"
    dark=$(dark_pixels "$work/page.pgm")
    [ "$dark" -gt 500 ] || fail "page 1 is (nearly) blank: $dark dark pixels"
    # The page footer, as text of the page.
    pdftotext -f 1 -l 1 -layout "$work/demo.pdf" "$work/page.txt" || fail "text"
    grep -q '第 *1 *页' "$work/page.txt" || fail "no page footer: $(cat "$work/page.txt")"
    grep -q '0014' "$work/page.txt" || fail "last line number"
    # The PDF is titled with the program's name.
    [ "$(pdfinfo "$work/demo.pdf" | awk '/^Title:/ {print $2}')" = demo ] || fail "PDF title"
    ;;
print_pdf_pages)
    # 30 lines print on two pages; the second has its own footer.
    { head -c 108 "$example" | tail -c +3; } >"$work/head"
    { printf '\x1d\x00'; cat "$work/head"; for _ in 1 2 3; do tail -c +109 "$example" | head -c $((124 * 10)); done; } \
        >"$work/long.plf"
    expect_status 0 "$app" --print-pdf "$work/long.pdf" "$work/long.plf"
    [ "$(pdfinfo "$work/long.pdf" | awk '/^Pages:/ {print $2}')" = 2 ] || fail "two pages"
    pdftotext -f 2 -l 2 "$work/long.pdf" - | grep -q '第 *2 *页' || fail "footer of page 2"
    ;;
print_pdf_documentation)
    expect_status 0 "$app" --print-pdf "$work/doc.pdf" "$example" --documentation
    pdfinfo "$work/doc.pdf" >"$work/info" 2>"$work/info.err" || fail "pdfinfo"
    [ ! -s "$work/info.err" ] || fail "pdfinfo complains: $(cat "$work/info.err")"
    [ "$(awk '/^Pages:/ {print $2}' "$work/info")" = 6 ] || fail "page count: $(cat "$work/info")"
    [ "$(awk '/^Title:/ {print $2}' "$work/info")" = demo ] || fail "PDF title: $(cat "$work/info")"
    pdftotext -layout "$work/doc.pdf" "$work/doc.txt" || fail "text"
    for section in 'Ladder program documentation' 'Cross-reference' 'Address notes' \
        'Review ﬁndings' 'Instruction list' 'Machine tool +CK6140' 'Steps +30'; do
        grep -qE "$section" "$work/doc.txt" || fail "no $section"
    done
    grep -qE '^ *page 6 of 6 *$' "$work/doc.txt" || fail "footer"
    [ "$(grep -cE 'page [0-9] of 6' "$work/doc.txt")" = 6 ] || fail "a footer on every page"
    # A known cross-reference row, the coil references beside the coils of the ladder page, no
    # findings, the instruction list and the ladder page's own footer.
    grep -qE '^R100\.0 +0003 coil, 0005 NO contact' "$work/doc.txt" || fail "cross-reference row"
    pdftotext -f 2 -l 2 -layout "$work/doc.pdf" - | grep -qE 'Y000\.0 *$' || fail "ladder page"
    pdftotext -f 2 -l 2 -layout "$work/doc.pdf" - | grep -qE '^0001 .* 2 +3 *$' || fail "coil references"
    pdftotext -f 2 -l 2 "$work/doc.pdf" - | grep -q '第 *1 *页' || fail "ladder page footer"
    pdftotext -f 5 -l 5 "$work/doc.pdf" - | grep -qx 'none' || fail "findings: none"
    pdftotext -f 6 -l 6 -layout "$work/doc.pdf" - | grep -qE '^RD +X000\.0 +1( |$)' ||
        fail "instruction list"
    # One bookmark per section, each on its page (poppler's reading of the outline).
    pdftohtml -xml -i -stdout "$work/doc.pdf" | sed -n '/<outline>/,/<\/outline>/p' >"$work/outline"
    cat >"$work/want" <<'OUTLINE'
<outline>
<item page="1">Title page</item>
<item page="2">Ladder diagram</item>
<item page="3">Cross-reference</item>
<item page="4">Address notes</item>
<item page="5">Review findings</item>
<item page="6">Instruction list</item>
</outline>
OUTLINE
    diff "$work/want" "$work/outline" || fail "outline"
    # 30 lines take two ladder pages; the bookmarks after them move on by one.
    { head -c 108 "$example" | tail -c +3; } >"$work/head"
    { printf '\x1d\x00'; cat "$work/head"; for _ in 1 2 3; do tail -c +109 "$example" | head -c $((124 * 10)); done; } \
        >"$work/long.plf"
    expect_status 0 "$app" --print-pdf "$work/long.pdf" "$work/long.plf" --documentation
    pdftohtml -xml -i -stdout "$work/long.pdf" | grep -qx '<item page="4">Cross-reference</item>' ||
        fail "outline of a longer program"
    pdftotext -f 3 -l 3 "$work/long.pdf" - | grep -q 'page 3 of' || fail "second ladder page footer"
    # The plain --print-pdf is unchanged: one page, no bookmarks.
    expect_status 0 "$app" --print-pdf "$work/plain.pdf" "$example"
    ! pdftohtml -xml -i -stdout "$work/plain.pdf" | grep -q '<outline' || fail "plain has an outline"
    # Refusals leave the target as it was.
    echo keep >"$work/kept.pdf"
    expect_status 2 "$app" --print-pdf "$work/kept.pdf" "$work/missing.plf" --documentation
    [ "$(cat "$work/kept.pdf")" = keep ] || fail "output touched"
    expect_status 64 "$app" --print-pdf "$work/kept.pdf" "$example" --frob
    ;;
print_pdf_failures)
    echo keep >"$work/kept.pdf"
    # One line naming the file once, and no warning about a missing runtime directory.
    (unset XDG_RUNTIME_DIR; expect_status 2 "$app" --print-pdf "$work/kept.pdf" "$work/missing.plf") ||
        fail "exit status"
    [ "$(cat "$work/kept.pdf")" = keep ] || fail "output touched by an unreadable input"
    [ "$(grep -o 'missing.plf' "$work/err" | wc -l)" = 1 ] || fail "names the file once: $(cat "$work/err")"
    [ "$(wc -l <"$work/err")" = 1 ] || fail "one line: $(cat "$work/err")"
    head -c 150 "$example" >"$work/cut.plf"
    expect_status 2 "$app" --print-pdf "$work/kept.pdf" "$work/cut.plf"
    [ "$(cat "$work/kept.pdf")" = keep ] || fail "output touched by a refused input"
    expect_status 2 "$app" --print-pdf "$work/no/such/dir/out.pdf" "$example"
    expect_status 64 "$app" --print-pdf "$work/out.pdf"
    [ ! -e "$work/out.pdf" ] || fail "written on a usage error"
    ;;
version)
    expect_status 0 "$app" --version
    [ "$(cat "$work/out")" = "rungpad $version" ] || fail "rungpad --version: $(cat "$work/out")"
    expect_status 0 "$cli" --version
    [ "$(cat "$work/out")" = "rungpad-cli $version" ] || fail "rungpad-cli --version"
    expect_status 0 "$app" --help
    grep -q -- '--print-pdf OUT.pdf FILE' "$work/out" || fail "help"
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
echo "ok: $case_name"
