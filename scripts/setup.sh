#!/usr/bin/env bash
# Installs the Debian packages the build needs (when missing), builds, and prepares the
# program folder: the default data.mdb and config.ini beside Hotel, the sound, and the
# registration of the settings component.
# Sourced by run.sh and test.sh; sets HOTEL_ROOT, HOTEL_BUILD and HOTEL_BIN. What is built is
# everything, unless the sourcing script names CMake targets in hotel_build_targets (run.sh:
# the program folder's).
set -euo pipefail

HOTEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
HOTEL_BUILD=${HOTEL_BUILD:-$HOTEL_ROOT/build}
HOTEL_BIN=$HOTEL_BUILD/bin

hotel_packages=(
    qt6-base-dev qt6-charts-dev qt6-multimedia-dev libqt6svg6
    libsqlcipher-dev sqlcipher libssl-dev
    unixodbc unixodbc-dev odbc-mariadb mariadb-server mariadb-client
    xvfb xauth ninja-build cmake g++ clang libclang-rt-14-dev pkg-config fonts-dejavu-core
    fonts-liberation fonts-wine unrtf python3 python3-pil python3-xlrd python3-olefile
)
# Installed without their recommendations, which would bring a whole desktop along.
hotel_bare_packages=(libreoffice-writer-nogui libreoffice-calc-nogui)

hotel_missing_packages() {
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
    done
}

hotel_install_packages() {
    local missing bare
    mapfile -t missing < <(hotel_missing_packages "${hotel_packages[@]}")
    mapfile -t bare < <(hotel_missing_packages "${hotel_bare_packages[@]}")
    [ ${#missing[@]} -eq 0 ] && [ ${#bare[@]} -eq 0 ] && return 0
    echo "Installing Debian packages: ${missing[*]} ${bare[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    local apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600)
    "${apt[@]}" update -qq
    [ ${#missing[@]} -eq 0 ] || "${apt[@]}" install -y -qq "${missing[@]}" >/dev/null
    [ ${#bare[@]} -eq 0 ] || "${apt[@]}" install -y -qq --no-install-recommends "${bare[@]}" >/dev/null
}

hotel_build() {
    # Warnings are errors in CI; elsewhere the build keeps whatever it was configured with,
    # so that running the program after the tests does not rebuild everything. Arguments
    # are further CMake options.
    local options=("$@") targets=()
    [ "${CI:-}" = "true" ] && options+=(-DHOTEL_WERROR=ON)
    [ -n "${hotel_build_targets[*]:-}" ] && targets=(--target "${hotel_build_targets[@]}")
    cmake -S "$HOTEL_ROOT" -B "$HOTEL_BUILD" -G Ninja "${options[@]}" >/dev/null
    cmake --build "$HOTEL_BUILD" --parallel "$(nproc)" "${targets[@]}"
}

# The program folder: a default database and settings when absent, the sound, the
# component registration. Each step runs only when its tool has been built.
hotel_prepare_program_folder() {
    if [ -x "$HOTEL_BIN/make-default-db" ] && [ ! -e "$HOTEL_BIN/data.mdb" ]; then
        "$HOTEL_BIN/make-default-db" "$HOTEL_BIN/data.mdb"
    fi
    # A first start opens the default database; the windows whose state is remembered open
    # in their normal state until they have saved one of their own.
    if [ ! -e "$HOTEL_BIN/config.ini" ]; then
        printf '[settings]\r\ndb=\r\ndbkey=\r\nuseSQL=0\r\n[bokpos]\r\nbokState=0\r\n[CusD]\r\nCusDstate=0\r\n' \
            > "$HOTEL_BIN/config.ini"
    fi
    if [ -x "$HOTEL_BIN/regsvr" ] && [ -e "$HOTEL_BIN/libTarvolinkINI.so" ]; then
        "$HOTEL_BIN/regsvr" /s "$HOTEL_BIN/libTarvolinkINI.so"
    fi
}

# The program asks unixODBC for the driver "MySQL ODBC 3.51 Driver"; MariaDB Connector/ODBC
# registers itself as "MariaDB Unicode" only. This registers it under the program's name too,
# for the whole machine (/etc/odbcinst.ini), once. Without root (or sudo) it says what to do.
hotel_odbc_driver_name="MySQL ODBC 3.51 Driver"

hotel_register_odbc_driver() {
    local library
    library=$(dpkg -L odbc-mariadb 2>/dev/null | grep -m1 '/libmaodbc\.so$') || true
    if [ -z "$library" ]; then
        echo "MariaDB Connector/ODBC (odbc-mariadb) is not installed: \"$hotel_odbc_driver_name\" is not registered." >&2
        return 0
    fi
    # The machine's own files, whatever ODBCSYSINI this shell has (the tests set one of their own).
    local odbcinst=(env -u ODBCSYSINI -u ODBCINSTINI odbcinst)
    if "${odbcinst[@]}" -q -d -n "$hotel_odbc_driver_name" 2>/dev/null | grep -qx "Driver=$library"; then
        return 0
    fi
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! sudo -n true 2>/dev/null; then
            echo "Note: \"$hotel_odbc_driver_name\" is not registered with unixODBC (that needs root)." >&2
            echo "      A config.ini with useSQL=1 then fails to open; see README, \"Running on a MariaDB server\"." >&2
            return 0
        fi
        sudo=(sudo -n)
    fi
    if printf '[%s]\nDescription=MariaDB Connector/ODBC under the name the program asks for\nDriver=%s\n' \
        "$hotel_odbc_driver_name" "$library" | "${sudo[@]}" "${odbcinst[@]}" -i -d -r >/dev/null; then
        echo "Registered \"$hotel_odbc_driver_name\" ($library) with unixODBC."
    else
        echo "Note: odbcinst could not register \"$hotel_odbc_driver_name\"; see README, \"Running on a MariaDB server\"." >&2
    fi
}

hotel_install_packages
hotel_register_odbc_driver
hotel_build
hotel_prepare_program_folder
