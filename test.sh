#!/usr/bin/env bash
# Installs what is missing, builds Release into build/ and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-deps.sh

rungpad_ensure_packages
rungpad_configure_and_build
ctest --test-dir build --output-on-failure -j "$(nproc)"
