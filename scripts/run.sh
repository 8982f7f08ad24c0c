#!/usr/bin/env bash
# Sets up (packages, build, program folder) and starts the hotel program.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

if [ ! -x "$HOTEL_BIN/Hotel" ]; then
    echo "Built everything in $HOTEL_BIN; the Hotel program is not part of this build yet."
    exit 0
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: run it under a virtual display, e.g. 'xvfb-run -a bash scripts/run.sh'." >&2
    exit 1
fi
cd "$HOTEL_BIN"
exec ./Hotel
