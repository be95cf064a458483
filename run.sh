#!/usr/bin/env bash
# Installs what is missing, builds Release into build/ and starts Rungpad on FILE (or the
# bundled example program).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-deps.sh

rungpad_ensure_packages
file=${1:-examples/demo.plf}

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    rungpad_configure_and_build rungpad-cli
    echo "No display (DISPLAY and WAYLAND_DISPLAY are empty): showing $file with 'rungpad-cli dump'."
    exec build/src/cli/rungpad-cli dump "$file"
fi
rungpad_configure_and_build rungpad
exec build/src/gui/rungpad "$file"
