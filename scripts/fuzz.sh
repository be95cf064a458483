#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan + UBSan) into build-fuzz/ and runs each for SECONDS
# (default 60) on a scratch copy of its seed corpus in fuzz/corpus/TARGET. Any finding fails the
# run and leaves its input in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

cmake --preset fuzz >/dev/null
cmake --build build-fuzz -j "$(nproc)"

# Full-size programs (1600 lines) written by the project's own writer, beside the checked-in ones.
full_seeds=$(mktemp -d)
trap 'rm -rf "$full_seeds"' EXIT
build-fuzz/fuzz/rungpad_fuzz_seeds "$full_seeds" examples/demo.plf tests/fixtures/converter/plant.plf

# The ladder targets take inputs up to a full-size program: 1600 lines of the larger (CON) line
# record, the header, and a note trailer entry of 28 bytes per line, with room to spare.
max_len_of() {
    case "$1" in
    fuzz_load_ladder | fuzz_convert) echo 262144 ;;
    *) echo 0 ;;  # libFuzzer's own choice
    esac
}

# Seeds made by the project's own tests and writer: every ladder file of examples/ and
# tests/fixtures/ and the full-size ones (the first byte selects the normal layout; the converter
# target takes the line records without the header).
add_ladder_seeds() {
    local name=$1 dir=$2 file
    while IFS= read -r file; do
        case "$name" in
        fuzz_load_ladder) { printf '\x00'; cat "$file"; } >"$dir/seed-$(basename "$file")" ;;
        fuzz_convert) { printf '\x00'; tail -c +109 "$file"; } >"$dir/seed-$(basename "$file")" ;;
        esac
    done < <(find examples tests/fixtures "$full_seeds" -name '*.plf' 2>/dev/null)
}

mkdir -p build-fuzz/findings
status=0
for target in build-fuzz/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    work=$(mktemp -d)
    [ -d "fuzz/corpus/$name" ] && cp -r "fuzz/corpus/$name/." "$work/"
    add_ladder_seeds "$name" "$work"
    echo "== $name: ${seconds}s"
    if ! "$target" "$work" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len="$(max_len_of "$name")" \
        -artifact_prefix="build-fuzz/findings/$name-" -print_final_stats=1 2>"build-fuzz/$name.log"; then
        echo "FINDING in $name (see build-fuzz/$name.log and build-fuzz/findings/)" >&2
        tail -40 "build-fuzz/$name.log" >&2
        status=1
    fi
    grep -E 'stat::number_of_executed_units|stat::average_exec_per_sec|cov:' "build-fuzz/$name.log" \
        | tail -3 || true
    rm -rf "$work"
done
exit $status
