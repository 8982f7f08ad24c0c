#!/usr/bin/env bash
# cmake/HotelFolders.cmake on a small project of empty folders: the configure adds every listed
# folder and its test mirror, the benchmarks' mirrors where present, every topic of an area;
# a folder without its CMakeLists.txt, a missing test mirror and a folder of core/ that the list
# forgets each stop it with a message naming the folder.
set -u
source "$(dirname "${BASH_SOURCE[0]}")/../support/scripttest.sh"

# A fresh project: core/a and core/b listed, mirrored in tests/ and (only core/a) in bench/,
# and an area with two topics.
make_project() {
    rm -rf "$scratch/project" "$scratch/build"
    local p=$scratch/project
    for dir in core/a core/b tests/core/a tests/core/b bench/core/a area/one area/two; do
        mkdir -p "$p/$dir"
        echo "# $dir" > "$p/$dir/CMakeLists.txt"
    done
    cat > "$p/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(folders NONE)
include($source_root/cmake/HotelFolders.cmake)
set(HOTEL_SOURCE_FOLDERS core/a core/b)
hotel_check_folders_listed()
hotel_add_folders()
add_subdirectory(area)
add_subdirectory(tests)
add_subdirectory(bench)
CMAKE
    echo 'hotel_add_topic_folders()' > "$p/area/CMakeLists.txt"
    echo 'hotel_add_folders()' > "$p/tests/CMakeLists.txt"
    echo 'hotel_add_folders(PRESENT_ONLY)' > "$p/bench/CMakeLists.txt"
}
configure() { cmake -S "$scratch/project" -B "$scratch/build" > "$scratch/out" 2>&1; }

# case DESCRIPTION CHANGE EXPECTED: after CHANGE (run in the project), the configure fails with
# EXPECTED in its output, or passes when EXPECTED is empty.
case_() {
    local description=$1 change=$2 expected=$3
    make_project
    (cd "$scratch/project" && eval "$change")
    if configure; then
        [ -z "$expected" ] || fail "$description: the configure passed"
    elif [ -z "$expected" ]; then
        fail "$description: the configure failed: $(tail -5 "$scratch/out")"
    elif ! tr -s ' \n' ' ' < "$scratch/out" | grep -qF -- "$expected"; then
        fail "$description: expected \"$expected\", got: $(tail -8 "$scratch/out")"
    fi
}

case_ "every folder in place" ":" ""
case_ "a benchmark mirror that is not there" "rm -r bench/core/a" ""
case_ "a source folder without CMakeLists.txt" "rm core/b/CMakeLists.txt" "core/b/ has no CMakeLists.txt"
case_ "a test folder without CMakeLists.txt" "rm tests/core/a/CMakeLists.txt" "tests/core/a/ has no CMakeLists.txt"
case_ "a benchmark folder without CMakeLists.txt" "rm bench/core/a/CMakeLists.txt" "bench/core/a/ has no CMakeLists.txt"
case_ "a missing test mirror" "rm -r tests/core/b" "tests/core/b/ is missing"
case_ "a topic without CMakeLists.txt" "rm area/two/CMakeLists.txt" "area/two/ has no CMakeLists.txt"
case_ "a core folder the list forgets" "mkdir core/c" "core/c/ is not in HOTEL_SOURCE_FOLDERS"

finish "folders ok"
