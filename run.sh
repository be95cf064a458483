#!/usr/bin/env bash
# Installs what is missing, builds Release into build/ and starts Rungpad on FILE (or the
# bundled example program).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-deps.sh

rungpad_ensure_packages
rungpad_configure_and_build rungpad-cli

file=${1:-examples/demo.plf}
echo "The editor window is not built yet: showing $file with 'rungpad-cli dump'."
exec build/src/cli/rungpad-cli dump "$file"
