#!/usr/bin/env bash
# Checks the source layout that README's "Layout" section describes:
#   - includes point one way: platform/ <- core/ <- frontdesk/ <- backoffice/ <- app/, with the
#     component libraries, the uninstaller and schema/ on platform/ only, and tools/ on core/;
#   - inside the two areas, a topic uses only the topics README names;
#   - core/db, the statement layer, knows no widget;
#   - platform/ names no hotel table or column;
#   - every source folder holding C++ has a test folder of the same path, and every test or
#     benchmark folder mirrors a source folder.
# Prints each breach (an include as "from -> to (file:line)") and exits 1 when there is one.
# LAYOUT_ROOT checks another tree than the one this script lives in.
set -u
root=${LAYOUT_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
cd "$root" || exit 2
status=0
breach() {
    echo "$*"
    status=1
}

platform_topics=$(find platform -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | paste -sd'|')

# 1. The arrows between folders: each include names the folder it reaches ("core/db/x.h" is
# core/db, "ado/x.h" is platform/ado; a header beside the including file is no arrow), and
# each folder may reach those README allows it. A folder is checked as its top folder, or as
# its topic in platform/, core/, the two areas and tools/.
arrows=$(
    grep -rnE --include='*.cpp' --include='*.h' '^[[:space:]]*#[[:space:]]*include[[:space:]]+"' \
        platform core frontdesk backoffice app schema inilib numberlib uninstaller tools |
        awk -F: -v topics="^($platform_topics)$" '
        function allowed(from,    p, c) {
            p = "platform/[a-z]+"
            c = p "|inilib|schema|core/[a-z]+"
            if (from ~ /^platform\//) return p
            if (from ~ /^(inilib|numberlib|uninstaller|schema)$/) return p
            if (from == "core/db") return p "|inilib|schema|core/(state|crypto)"
            if (from == "core/mainwindow") return p "|inilib|schema|core/(state|crypto|db|login|ui|aids)"
            if (from ~ /^core\//) return c
            if (from == "frontdesk/shared") return c
            if (from == "frontdesk/guests") return c "|frontdesk/(shared|booking|bills)"
            if (from == "frontdesk/food") return c "|frontdesk/(shared|guests|bills)"
            if (from ~ /^frontdesk\//) return c "|frontdesk/shared"
            if (from == "frontdesk") return c "|frontdesk/[a-z]+"
            if (from == "backoffice/tax") return c "|frontdesk/booking"
            if (from ~ /^backoffice\//) return c
            if (from == "backoffice") return c "|backoffice/[a-z]+"
            if (from == "app") return c "|frontdesk(/[a-z]+)?|backoffice(/[a-z]+)?"
            if (from ~ /^tools\//) return c
            return ".*"
        }
        {
            file = $1; line = $2
            text = substr($0, length($1) + length($2) + 3)
            match(text, /"[^"]+"/)
            n = split(substr(text, RSTART + 1, RLENGTH - 2), t, "/")
            if (n < 2) next
            if (t[1] ~ /^(core|frontdesk|backoffice|tools)$/) to = (n > 2 ? t[1] "/" t[2] : t[1])
            else if (t[1] ~ /^(app|schema|inilib|numberlib|uninstaller|tests|bench|support)$/) to = t[1]
            else if (t[1] ~ topics) to = "platform/" t[1]
            else next
            m = split(file, f, "/")
            from = (f[1] ~ /^(platform|core|frontdesk|backoffice|tools)$/ && m > 2) ? f[1] "/" f[2] : f[1]
            if (to != from && to !~ ("^(" allowed(from) ")$"))
                print from " -> " to " (" file ":" line ")"
        }'
)
[ -z "$arrows" ] || breach "$arrows"

# 2. core/db is the statement layer: no widget, no window, no widget helper. The widget
# headers are told by Qt's own QtWidgets folder.
qt_widgets=$(find /usr/include -maxdepth 3 -type d -path '*qt6/QtWidgets' 2>/dev/null | head -1)
while IFS=: read -r file line text; do
    [[ $text =~ \<(Q[A-Za-z/]+)\> ]] || continue
    header=${BASH_REMATCH[1]}
    [ -n "$qt_widgets" ] && [ -e "$qt_widgets/${header#QtWidgets/}" ] &&
        breach "core/db -> Qt Widgets <$header> ($file:$line)"
done < <(grep -HnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' core/db/*.cpp core/db/*.h 2>/dev/null)
while IFS=: read -r file line text; do
    [[ $text =~ \"([^\"]+)\" ]] && breach "core/db -> ${BASH_REMATCH[1]}: widgets ($file:$line)"
done < <(grep -HnE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"(ui|controls|core/ui|core/windows|core/aids)/' \
    core/db/*.cpp core/db/*.h 2>/dev/null)

# 3. platform/ names no hotel table or column. The names come from schema/: its table names,
# the run-time table prefixes, and the column names that are not plain words (cFirstName,
# RoomNameID, FoodItem; not ID, Price or Description, which any program may say), matched as
# written there; and no name begins "tbl_" or "room_" (SQLite's own sqlite_master.tbl_name aside).
hotel_names=$(
    {
        grep -hoE '"(tbl_[A-Za-z_]+|room_)"' schema/*.h schema/*.cpp | tr -d '"'
        grep -hoE '[A-Za-z_][A-Za-z0-9_]* +(AUTOINCREMENT|TEXT|MEMO|LONG|SHORT|CURRENCY|DATETIME|VARCHAR|INTEGER|INT)\b' \
            schema/*.cpp | awk '{print $1}'
    } | grep -vE '^([A-Z][a-z]+|[A-Z]{1,3})$' | sort -u
)
if [ -z "$hotel_names" ]; then
    breach "no hotel table or column names found in schema/"
else
    while IFS= read -r hit; do
        breach "platform/ names a hotel table or column: $hit"
    done < <({
        grep -rnwF --include='*.cpp' --include='*.h' --include='CMakeLists.txt' -f <(echo "$hotel_names") platform
        grep -rniE --include='*.cpp' --include='*.h' '\b(tbl|room)_' platform | grep -v '\btbl_name\b'
    } | sort -u)
fi

# 4. Mirrors. A folder of sources whose only file is an area's registration is tested through
# its topics; uninstaller/fuzz is built apart with clang, and tests/uninstaller replays its corpus.
exempt_from_tests=" frontdesk backoffice uninstaller/fuzz "
source_folders=$(find platform core frontdesk backoffice app schema inilib numberlib uninstaller tools \
    -name '*.cpp' -printf '%h\n' | sort -u)
for dir in $source_folders; do
    [[ $exempt_from_tests == *" $dir "* ]] && continue
    [ -d "tests/$dir" ] || breach "source folder $dir has no test folder tests/$dir"
done
# A test or benchmark folder with tests (C++, scripts or CMakeLists.txt) mirrors a source
# folder (tests/scripts mirrors scripts/); support/ folders hold what the tests share.
for dir in $(find tests bench -mindepth 1 -name support -prune -o -type f \
    \( -name '*.cpp' -o -name '*.sh' -o -name CMakeLists.txt \) -printf '%h\n' | sort -u); do
    [ "$dir" = "${dir%%/*}" ] && continue
    [ -d "${dir#*/}" ] || breach "${dir%%/*} folder $dir mirrors no source folder"
done

[ $status -eq 0 ] && echo "layout ok"
exit $status
