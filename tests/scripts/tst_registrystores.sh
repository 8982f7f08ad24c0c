#!/usr/bin/env bash
# Which registry store the README's two commands register the settings component in: the
# test command registers each build it tests (the normal one, the sanitizer one) in a store
# of the tests' own, the run command in the user's. And what they build: the test command
# everything, the run command only the program folder. Both scripts run for real on a copy of
# scripts/, with the slow steps stood in for: the build tools, the MariaDB server, ctest and
# the program itself; the stand-in regsvr writes down where it was asked to register what,
# the stand-in cmake what it was asked to build.
set -u
source "$(dirname "${BASH_SOURCE[0]}")/../support/scripttest.sh"

root=$scratch/root
mkdir -p "$root/scripts" "$scratch/tools"
cp "$source_root"/scripts/*.sh "$root/scripts/"
cat > "$root/scripts/mariadb-test-server.sh" <<'STUB'
hotel_mariadb_start() { :; }
hotel_mariadb_stop() { :; }
STUB
log=$scratch/registrations
builds=$scratch/builds
printf '#!/bin/sh\nexit 0\n' > "$scratch/tools/ctest"
printf '#!/bin/sh\n[ "$1" = --build ] && echo "$*" >> "%s"\nexit 0\n' "$builds" > "$scratch/tools/cmake"
# Every package counts as installed: nothing is fetched.
printf '#!/bin/sh\necho "install ok installed"\n' > "$scratch/tools/dpkg-query"
chmod +x "$scratch"/tools/*
for build in build build-sanitize; do
    mkdir -p "$root/$build/bin"
    touch "$root/$build/bin/libTarvolinkINI.so"
    printf '#!/bin/sh\necho "${HOTEL_REGISTRY_DIR:-<user store>} $2" >> "%s"\n' "$log" > "$root/$build/bin/regsvr"
    printf '#!/bin/sh\n: > "$1"\n' > "$root/$build/bin/make-default-db"
    printf '#!/bin/sh\nexit 0\n' > "$root/$build/bin/Hotel"
    chmod +x "$root/$build/bin"/*
done

# As from a user's shell: no store chosen, so the user's store is the default one.
run() {
    env -u HOTEL_REGISTRY_DIR -u HOTEL_BUILD -u HOTEL_SANITIZE_BUILD -u HOTEL_SKIP_SANITIZERS -u CI \
        HOME="$scratch/home" PATH="$scratch/tools:$PATH" QT_QPA_PLATFORM=offscreen \
        bash "$root/scripts/$1" > "$scratch/$1.out" 2>&1 || fail "$1 exited with $?: $(tail -3 "$scratch/$1.out")"
}

run test.sh
expected="$root/build/test-registry $root/build/bin/libTarvolinkINI.so
$root/build-sanitize/test-registry $root/build-sanitize/bin/libTarvolinkINI.so"
[ "$(cat "$log" 2>/dev/null)" = "$expected" ] ||
    fail "the test command registered: $(cat "$log" 2>/dev/null)"
jobs=$(nproc)
expected="--build $root/build --parallel $jobs
--build $root/build-sanitize --parallel $jobs"
[ "$(cat "$builds" 2>/dev/null)" = "$expected" ] || fail "the test command built: $(cat "$builds" 2>/dev/null)"

: > "$log"
: > "$builds"
run run.sh
[ "$(cat "$log")" = "<user store> $root/build/bin/libTarvolinkINI.so" ] ||
    fail "the run command registered: $(cat "$log")"
[ "$(cat "$builds")" = "--build $root/build --parallel $jobs --target program" ] ||
    fail "the run command built: $(cat "$builds")"

finish "registry stores ok"
