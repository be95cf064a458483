#!/usr/bin/env bash
# No command writes over one of its own inputs or writes one file twice:
# output_guard_cases.sh CASE CLI SOURCE_DIR [RUNGPAD]. CASE "cli" runs the rows of rungpad-cli,
# "app" those of the editor's command line (RUNGPAD).
#
# Each row of the table is one command line over files in the scratch directory: {name} is a
# file the command reads, [name] a file it writes. A row first runs as written (exit 0, every
# output made). Then each output in turn names each input and each output before it: directly,
# through a symbolic link, through a hard link (existing files) and spelled through "sub/..".
# Every such run must exit 2 with "would overwrite", leave every input byte for byte as it was
# and create no output at all. A command with a new output adds its row here.
set -u
case_name=$1
cli=$2
src=$3
app=${4:-}
. "$(dirname "$0")/cli_common.sh"

rows=(
    'cli resave {prog.plf} [out.plf]'
    'cli convert {prog.plf} --notes {plc.MEA} --bin [bin.dat] --list [list.txt] --grp [gen.grp] --old [old.grp]'
    'cli notes {plc.MEA} [export.txt]'
    'cli notes --csv {plc.MEA} [notes.csv]'
    'cli notes --from-csv {table.csv} [back.MEA]'
    'cli sim {prog.plf} --stimulus {demo.stim} --time 40ms --vcd [run.vcd] --svg [run.svg]'
    'cli xref {prog.plf} --notes {plc.MEA} --html [xref.html]'
    'cli test {prog.plf} {demo.plt} --junit [results.xml]'
    'app --print-pdf [pages.pdf] {prog.plf}'
    'app --print-pdf [documentation.pdf] {prog.plf} --documentation'
)

files="$work/files"
mkdir -p "$files/sub"
cp "$src/examples/demo.plf" "$files/prog.plf"
cp "$src/tests/fixtures/sim/demo.stim" "$files/demo.stim"
cp "$src/examples/demo.plt" "$files/demo.plt"
printf 'X0013 Motor ready\r\nR1008 Lamp\r\n' >"$files/plc.MEA"
printf 'address,note\r\nX001.2,Motor ready\r\n' >"$files/table.csv"

checksums() { (cd "$files" && md5sum "$@"); }

# run_row ROW [OUTPUT PATH]: runs the row with every file in $files, OUTPUT (if given) at PATH.
run_row() {
    local row=$1 swap=${2:-} swapped=${3:-} word name
    local -a args=()
    read -r -a words <<<"$row"
    for word in "${words[@]:1}"; do
        case "$word" in
        \{*\}) args+=("$files/${word:1:-1}") ;;
        \[*\])
            name=${word:1:-1}
            if [ "$name" = "$swap" ]; then args+=("$swapped"); else args+=("$files/$name"); fi
            ;;
        *) args+=("$word") ;;
        esac
    done
    case "${words[0]}" in
    cli) expect_status "$want" "$cli" "${args[@]}" ;;
    app) expect_status "$want" env -u DISPLAY -u WAYLAND_DISPLAY "$app" "${args[@]}" ;;
    esac
}

# The spellings of FILE (in $files) that an output may try: itself, a symlink, a hard link of an
# existing file, a detour through sub/.. .
spellings() {
    local file=$1 n=$2
    echo "$files/$file"
    ln -sf "$files/$file" "$files/link$n" && echo "$files/link$n"
    if [ -e "$files/$file" ]; then ln -f "$files/$file" "$files/hard$n" && echo "$files/hard$n"; fi
    echo "$files/sub/../$file"
}

checked=0
for row in "${rows[@]}"; do
    [ "${row%% *}" = "$case_name" ] || continue
    read -r -a words <<<"$row"
    inputs=() outputs=()
    for word in "${words[@]}"; do
        case "$word" in
        \{*\}) inputs+=("${word:1:-1}") ;;
        \[*\]) outputs+=("${word:1:-1}") ;;
        esac
    done
    want=0
    run_row "$row"
    for output in "${outputs[@]}"; do
        [ -s "$files/$output" ] || fail "$row: $output not written"
        rm -f "$files/$output"
    done
    before=$(checksums "${inputs[@]}")
    want=2
    n=0
    for ((i = 0; i < ${#outputs[@]}; i++)); do
        output=${outputs[i]}
        for victim in "${inputs[@]}" "${outputs[@]:0:i}"; do
            while IFS= read -r path; do
                n=$((n + 1))
                run_row "$row" "$output" "$path"
                grep -q "would overwrite" "$work/err" || fail "$row, $output as $path: $(cat "$work/err")"
                [ "$(checksums "${inputs[@]}")" = "$before" ] || fail "$row, $output as $path: input changed"
                for made in "${outputs[@]}"; do
                    [ ! -e "$files/$made" ] || fail "$row, $output as $path: $made written"
                done
                checked=$((checked + 1))
            done < <(spellings "$victim" "$n")
            rm -f "$files"/link* "$files"/hard*
        done
    done
done
[ "$checked" -gt 0 ] || fail "no row for $case_name"
echo "$checked refusals checked"
