# What the script tests share, sourced at their start: the source tree (source_root), a scratch
# folder removed at the end (scratch), and failures counted by fail; finish ends the test.
source_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# finish WORDS: prints WORDS when nothing failed, and exits 1 when something did.
finish() {
    [ $failures -eq 0 ] && echo "$*"
    exit $((failures > 0))
}
