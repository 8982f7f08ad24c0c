#!/usr/bin/env bash
# A private MariaDB server on a loopback port for the MySQL tests, without systemd.
# Sourced by test.sh: hotel_mariadb_start exports what the tests read, hotel_mariadb_stop
# stops the server by its PID.
#   HOTEL_TEST_MYSQL_HOST  "127.0.0.1;port=N" (the host text config.ini would hold)
#   HOTEL_TEST_MYSQL_PORT, HOTEL_TEST_MYSQL_USER, HOTEL_TEST_MYSQL_PASSWORD, HOTEL_TEST_MYSQL_DB
#   ODBCSYSINI             a folder whose odbcinst.ini registers "MySQL ODBC 3.51 Driver"
#   HOTEL_TEST_MYSQL_FAULT_PORT  the port for a second, disposable server (tests/support)
# The test user may create databases, so each test can work in a database of its own.

hotel_mariadb_start() {
    local base=${HOTEL_MARIADB_DIR:-$HOTEL_BUILD/mariadb}
    local port=${HOTEL_MARIADB_PORT:-33061}
    rm -rf "$base"
    mkdir -p "$base/data" "$base/odbc"
    HOTEL_MARIADB_SOCKET=$base/mysqld.sock
    HOTEL_MARIADB_PIDFILE=$base/mysqld.pid

    hotel_mariadb_install "$base"
    hotel_mariadb_launch "$base" "$port"
    hotel_mariadb_add_test_user "$base"

    local driver
    driver=$(dpkg -L odbc-mariadb 2>/dev/null | grep -m1 'libmaodbc.so$')
    printf '[MySQL ODBC 3.51 Driver]\nDescription=MariaDB Connector/ODBC\nDriver=%s\n' "$driver" \
        > "$base/odbc/odbcinst.ini"
    : > "$base/odbc/odbc.ini"

    export ODBCSYSINI=$base/odbc
    export HOTEL_TEST_MYSQL_PORT=$port
    export HOTEL_TEST_MYSQL_HOST="127.0.0.1;port=$port"
    export HOTEL_TEST_MYSQL_USER=hotel
    export HOTEL_TEST_MYSQL_PASSWORD='hotel-pw'
    export HOTEL_TEST_MYSQL_DB=hotel_test
    export HOTEL_MARIADB_SOCKET HOTEL_MARIADB_PIDFILE
    # A port for the tests that stop, kill and restart a server of their own.
    export HOTEL_TEST_MYSQL_FAULT_PORT=$((port + 10))
}

# A data folder with the system tables only, in the folder "data" of $1. Temporary files go to
# "tmp" of $1: servers of several test runs share the machine, and their names in /tmp collide.
hotel_mariadb_install() {
    mkdir -p "$1/data" "$1/tmp"
    mariadb-install-db --no-defaults --user=root --datadir="$1/data" --tmpdir="$1/tmp" --skip-test-db \
        --auth-root-authentication-method=socket --lower-case-table-names=1 >"$1/install.log" 2>&1
}

# The test database and the test user (who may create databases) on the running server of $1.
hotel_mariadb_add_test_user() {
    mariadb --no-defaults --socket="$1/mysqld.sock" -uroot <<SQL
CREATE DATABASE hotel_test;
CREATE USER 'hotel'@'127.0.0.1' IDENTIFIED BY 'hotel-pw';
GRANT ALL PRIVILEGES ON *.* TO 'hotel'@'127.0.0.1';
FLUSH PRIVILEGES;
SQL
}

# Starts the server of an installed data folder in the background and waits until it answers;
# tests that stop, kill and restart a server use it on a server of their own.
hotel_mariadb_launch() {
    local base=$1 port=$2
    mkdir -p "$base/tmp"
    mariadbd --no-defaults --user=root --datadir="$base/data" --tmpdir="$base/tmp" --socket="$base/mysqld.sock" \
        --pid-file="$base/mysqld.pid" --port="$port" --bind-address=127.0.0.1 \
        --lower-case-table-names=1 --skip-log-bin --innodb-flush-log-at-trx-commit=2 \
        --max-connections=500 >>"$base/server.log" 2>&1 &

    # A busy machine (a parallel test run, crash recovery after a kill) can take a minute or more.
    local i
    for i in $(seq 1 600); do
        mariadb-admin --no-defaults --socket="$base/mysqld.sock" -uroot ping >/dev/null 2>&1 && break
        sleep 0.2
    done
    mariadb-admin --no-defaults --socket="$base/mysqld.sock" -uroot ping >/dev/null
}

hotel_mariadb_stop() {
    [ -n "${HOTEL_MARIADB_PIDFILE:-}" ] && [ -f "$HOTEL_MARIADB_PIDFILE" ] || return 0
    local pid
    pid=$(cat "$HOTEL_MARIADB_PIDFILE")
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.2
    done
    kill -9 "$pid" 2>/dev/null || true
}
