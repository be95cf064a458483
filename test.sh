#!/usr/bin/env bash
# Installs what is missing, builds and runs the tests.
#   ./test.sh               Release build in build/, every test through CTest
#   ./test.sh --sanitize    core, CLI and their tests with ASan + UBSan in build-asan/
#   ./test.sh --fuzz [SEC]  every libFuzzer target, SEC seconds in all (default 300) in build-fuzz/
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-deps.sh

case "${1:-}" in
--sanitize)
    rungpad_ensure_packages
    cmake --preset sanitize $(rungpad_launcher) >/dev/null
    cmake --build build-asan -j "$(nproc)"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir build-asan --output-on-failure -j "$(nproc)" --repeat until-pass:2
    ;;
--fuzz)
    rungpad_ensure_packages clang libclang-rt-14-dev
    exec scripts/fuzz.sh "${2:-300}"
    ;;
"")
    rungpad_ensure_packages
    RUNGPAD_WERROR=1 rungpad_configure_and_build
    # A test that fails is run once more: the real-display journeys and the GUI tests wait on
    # windows and timers, which a machine busy with other work can hold up past their limits.
    ctest --test-dir build --output-on-failure -j "$(nproc)" --repeat until-pass:2
    ;;
*)
    echo "usage: ./test.sh [--sanitize | --fuzz [SECONDS]]" >&2
    exit 64
    ;;
esac
