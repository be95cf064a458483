#!/usr/bin/env bash
# Runs real-display journeys by hand: tests/e2e/run.sh [JOURNEY...] (all when none is named).
# Uses build/ of this checkout; screenshots of each run go to /tmp/rungpad-e2e-artifacts/JOURNEY.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$here/journeys"
journeys=("$@")
[ "${#journeys[@]}" -eq 0 ] && journeys=(*.py)
status=0
for journey in "${journeys[@]}"; do
    PYTHONPATH="$here" python3 "${journey%.py}.py" || status=1
done
exit $status
