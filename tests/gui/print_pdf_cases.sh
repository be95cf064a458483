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
