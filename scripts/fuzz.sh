#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan + UBSan) into build-fuzz/ and runs them for SECONDS
# in all (default 300), shared evenly (at least 10 s each, so a new target shortens the others'
# runs rather than the whole), each on a scratch copy of its seed corpus in fuzz/corpus/TARGET.
# Any finding fails the run and leaves its input in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
total=${1:-300}

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
    fuzz_load_ladder | fuzz_convert | fuzz_recovery_copy | fuzz_xref | fuzz_scan_boxes) echo 262144 ;;
    fuzz_diff | fuzz_edit) echo 524288 ;;  # two programs; a program and the commands after it
    *) echo 0 ;;  # libFuzzer's own choice
    esac
}

# little-endian LENGTH BYTES: the number in BYTES bytes.
little_endian() {
    local value=$1 bytes=$2 i
    for ((i = 0; i < bytes; i++)); do
        printf "\\x$(printf %02x $(((value >> (8 * i)) & 255)))"
    done
}

# Seeds made by the project's own tests and writer: every ladder file of examples/ and
# tests/fixtures/ and the full-size ones, framed as each target reads its input (a first byte
# selecting the normal layout; the converter target takes the line records without the header;
# the diff target two programs, the first one's length first; the editing target starts from the
# program, its length in three bytes after a mode byte 2), and the recovery copies.
add_ladder_seeds() {
    local name=$1 dir=$2 file seed size
    while IFS= read -r file; do
        seed="$dir/seed-$(basename "$file")"
        size=$(($(stat -c %s "$file") + 1))
        case "$name" in
        fuzz_load_ladder | fuzz_xref | fuzz_scan_boxes) { printf '\x00'; cat "$file"; } >"$seed" ;;
        fuzz_convert) { printf '\x00'; tail -c +109 "$file"; } >"$seed" ;;
        fuzz_diff) { little_endian "$size" 2; printf '\x00'; cat "$file"; printf '\x00'; cat "$file"; } >"$seed" ;;
        fuzz_edit) { printf '\x02'; little_endian "$((size - 1))" 3; cat "$file"; head -c 64 /dev/urandom; } >"$seed" ;;
        esac
    done < <(find examples tests/fixtures "$full_seeds" -name '*.plf' 2>/dev/null)
    if [ "$name" = fuzz_recovery_copy ]; then
        cp "$full_seeds"/*.rgrec "$dir/"
    fi
}

mkdir -p build-fuzz/findings
targets=(build-fuzz/fuzz/fuzz_*)
seconds=$((total / ${#targets[@]}))
[ "$seconds" -ge 10 ] || seconds=10
status=0
for target in "${targets[@]}"; do
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
