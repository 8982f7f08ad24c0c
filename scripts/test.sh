#!/usr/bin/env bash
# Sets up (packages, build, program folder), starts a private MariaDB server for the
# MySQL tests, and runs every test.
set -euo pipefail
# The tests' own registry store, one per build: registering a build for the tests (the
# sanitizer build among them) never changes which settings component the program started by
# the run command loads; that one stays registered in the user's store.
export HOTEL_REGISTRY_DIR=${HOTEL_BUILD:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build}/test-registry
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

source "$HOTEL_ROOT/scripts/mariadb-test-server.sh"
hotel_mariadb_start
trap hotel_mariadb_stop EXIT
# The server is up: the MySQL tests must run, never skip.
export HOTEL_REQUIRE_MYSQL=1

(cd "$HOTEL_BUILD" && ctest --output-on-failure --parallel "$(nproc)")

# The same tests once more on a build with AddressSanitizer and UndefinedBehaviorSanitizer in
# a folder of its own, MariaDB rows included: any finding fails the run. HOTEL_SKIP_SANITIZERS=1
# skips this pass, for quick local loops; CI always runs it.
if [ "${HOTEL_SKIP_SANITIZERS:-0}" = 1 ] && [ "${CI:-}" != "true" ]; then
    echo "Sanitizer pass skipped (HOTEL_SKIP_SANITIZERS=1)"
    exit 0
fi
HOTEL_BUILD=${HOTEL_SANITIZE_BUILD:-$HOTEL_ROOT/build-sanitize}
HOTEL_BIN=$HOTEL_BUILD/bin
HOTEL_REGISTRY_DIR=$HOTEL_BUILD/test-registry
hotel_build -DHOTEL_SANITIZE=ON
hotel_prepare_program_folder
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$HOTEL_ROOT/scripts/lsan-suppressions.txt:print_suppressions=0"
(cd "$HOTEL_BUILD" && ctest --output-on-failure --parallel "$(nproc)")
