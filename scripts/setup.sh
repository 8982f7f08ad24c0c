#!/usr/bin/env bash
# Installs the Debian packages the build needs (when missing), builds everything, and
# prepares the program folder: the default data.mdb and config.ini beside Hotel, the
# sound, and the registration of the settings component.
# Sourced by run.sh and test.sh; sets HOTEL_ROOT, HOTEL_BUILD and HOTEL_BIN.
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
    local options=("$@")
    [ "${CI:-}" = "true" ] && options+=(-DHOTEL_WERROR=ON)
    cmake -S "$HOTEL_ROOT" -B "$HOTEL_BUILD" -G Ninja "${options[@]}" >/dev/null
    cmake --build "$HOTEL_BUILD" --parallel "$(nproc)"
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

hotel_install_packages
hotel_build
hotel_prepare_program_folder
