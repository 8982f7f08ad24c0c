#!/usr/bin/env bash
# The layout check (scripts/check-layout.sh) on a copy of the sources: the tree as it stands
# passes, and each planted breach of a rule README's Layout section states is rejected with
# its own message. One breach is planted at a time and taken away again.
set -u
source "$(dirname "${BASH_SOURCE[0]}")/../support/scripttest.sh"

copy=$scratch/tree
mkdir -p "$copy"
for dir in platform core frontdesk backoffice app schema inilib numberlib uninstaller tools tests bench scripts cmake; do
    cp -a "$source_root/$dir" "$copy/"
done
check() { LAYOUT_ROOT=$copy bash "$source_root/scripts/check-layout.sh" 2>&1; }

out=$(check) || fail "the tree as it stands is rejected: $out"

# plant FILE TEXT EXPECTED: a new file FILE holding TEXT must be rejected with a line holding
# EXPECTED.
plant() {
    local file=$1 text=$2 expected=$3 out
    mkdir -p "$(dirname "$copy/$file")"
    printf '%s\n' "$text" > "$copy/$file"
    if out=$(check); then
        fail "$file ($text) passes the check"
    elif ! grep -qF -- "$expected" <<<"$out"; then
        fail "$file ($text): expected \"$expected\", got: $out"
    fi
    rm -f "$copy/$file"
}

# Includes point one way.
plant platform/vb/planted.cpp '#include "core/state/appstate.h"' 'platform/vb -> core/state (platform/vb/planted.cpp:1)'
plant platform/ado/planted.cpp '#include "schema/schema.h"' 'platform/ado -> schema'
plant schema/planted.cpp '#include "core/db/dbworks.h"' 'schema -> core/db'
plant core/state/planted.h '#include "frontdesk/booking/frmbooking.h"' 'core/state -> frontdesk/booking'
plant frontdesk/shared/planted.cpp '#include "backoffice/tax/frmtax.h"' 'frontdesk/shared -> backoffice/tax'
plant inilib/planted.cpp '#include "core/db/configini.h"' 'inilib -> core/db'
# Topics inside the areas, and inside core.
plant frontdesk/booking/planted.cpp '#include "frontdesk/guests/frmcustomers.h"' 'frontdesk/booking -> frontdesk/guests'
plant frontdesk/bills/planted.cpp '#include "frontdesk/food/frmfoodingbook.h"' 'frontdesk/bills -> frontdesk/food'
plant backoffice/log/planted.cpp '#include "backoffice/stats/frmstats.h"' 'backoffice/log -> backoffice/stats'
plant backoffice/stats/planted.cpp '#include "frontdesk/booking/frmbooking.h"' 'backoffice/stats -> frontdesk/booking'
plant core/mainwindow/planted.cpp '#include "core/windows/frmloginout.h"' 'core/mainwindow -> core/windows'
# The statement layer knows no widget.
plant core/db/planted.cpp '#include <QLineEdit>' 'core/db -> Qt Widgets <QLineEdit>'
plant core/db/planted.h '#include "ui/dialogs.h"' 'core/db -> ui/dialogs.h'
# platform/ knows no hotel table or column.
plant platform/vb/planted.cpp '// SELECT * FROM tbl_customers' 'platform/ names a hotel table or column: platform/vb/planted.cpp:1'
plant platform/controls/planted.h 'const char *column = "cFirstName";' 'platform/ names a hotel table or column'
plant platform/ado/planted.cpp 'QString table = "room_" + number;' 'platform/ names a hotel table or column'
# Test and benchmark folders mirror the source folders.
plant tests/core/nowhere/CMakeLists.txt '' 'tests folder tests/core/nowhere mirrors no source folder'
plant bench/nowhere/CMakeLists.txt '' 'bench folder bench/nowhere mirrors no source folder'
plant core/newtopic/newtopic.cpp '' 'source folder core/newtopic has no test folder tests/core/newtopic'
rmdir "$copy/core/newtopic" "$copy/tests/core/nowhere" "$copy/bench/nowhere"

mv "$copy/tests/platform/system" "$scratch/system-tests"
if out=$(check); then
    fail "a source folder without its tests passes the check"
else
    grep -qF 'source folder platform/system has no test folder tests/platform/system' <<<"$out" ||
        fail "a missing test folder: got $out"
fi

finish "layout check ok"
