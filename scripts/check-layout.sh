#!/usr/bin/env bash
# Checks the source layout: includes point one way (platform/ below core/ below the window
# areas below app/), and every source folder holding C++ has a test folder of the same path.
# Prints each breach and exits 1 when there is one.
set -u
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root" || exit 2
status=0

# forbid FOLDER PATTERN: no file under FOLDER includes a header matching PATTERN.
forbid() {
    local hits
    hits=$(grep -rnE --include='*.cpp' --include='*.h' "#include \"($2)/" "$1" 2>/dev/null)
    if [ -n "$hits" ]; then
        echo "$1 must not include $2:"
        echo "$hits"
        status=1
    fi
}
forbid platform 'core|frontdesk|backoffice|app'
forbid core 'frontdesk|backoffice|app'
forbid frontdesk 'backoffice|app'
forbid backoffice 'app'

for dir in $(find core frontdesk backoffice app -name '*.cpp' -printf '%h\n' | sort -u); do
    # A folder whose only source is an area's registration is checked through its topics.
    [ "$(find "$dir" -maxdepth 1 -name '*.cpp' ! -name register.cpp | head -1)" ] || continue
    if [ ! -d "tests/$dir" ]; then
        echo "source folder $dir has no test folder tests/$dir"
        status=1
    fi
done
for dir in $(find tests/core tests/frontdesk tests/backoffice tests/app -mindepth 1 -type d); do
    [ -d "${dir#tests/}" ] || { echo "test folder $dir mirrors no source folder"; status=1; }
done
[ $status -eq 0 ] && echo "layout ok"
exit $status
