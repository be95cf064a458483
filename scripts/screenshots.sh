#!/usr/bin/env bash
# Remakes the README's screenshots (docs/screenshots/*.png) with the real editor under Xvfb:
# the main window with the example program, the windows after Convert, the print preview and
# monitor mode with its Signals window.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-deps.sh

rungpad_ensure_packages
rungpad_configure_and_build rungpad rungpad-cli
PYTHONPATH=tests/e2e python3 tests/e2e/screenshots.py --source "$PWD" --out docs/screenshots
