#!/usr/bin/env bash
# Sets up (packages, build, program folder) and starts the hotel program. It builds only what
# the program folder holds (the CMake target "program": Hotel, the component libraries and the
# tools beside it); the test command builds the tests and benchmarks too.
set -euo pipefail
hotel_build_targets=(program)
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

if [ ! -x "$HOTEL_BIN/Hotel" ]; then
    echo "Built the program folder $HOTEL_BIN; the Hotel program is not part of this build yet."
    exit 0
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: run it under a virtual display, e.g. 'xvfb-run -a bash scripts/run.sh'." >&2
    exit 1
fi
cd "$HOTEL_BIN"
exec ./Hotel
