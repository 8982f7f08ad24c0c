#!/usr/bin/env bash
# Sets up (packages, build, program folder), starts a private MariaDB server for the
# MySQL tests, and runs every test.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

source "$HOTEL_ROOT/scripts/mariadb-test-server.sh"
hotel_mariadb_start
trap hotel_mariadb_stop EXIT
# The server is up: the MySQL tests must run, never skip.
export HOTEL_REQUIRE_MYSQL=1

cd "$HOTEL_BUILD"
ctest --output-on-failure --parallel "$(nproc)"
