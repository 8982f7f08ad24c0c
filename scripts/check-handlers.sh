#!/usr/bin/env bash
# Checks that the program's code connects every handler through core::ConnectHandler
# (core/state/connecthandler.h), the one connection that stops a handler's errors: a plain
# Qt connect in core/, frontdesk/, backoffice/ or app/ is a breach. Prints each breach and
# exits 1 when there is one.
set -u
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root" || exit 2
hits=$(grep -rnE --include='*.cpp' --include='*.h' '(^|[^A-Za-z0-9_])connect[[:space:]]*\(' core frontdesk backoffice app |
    grep -v '^core/state/connecthandler\.h:')
if [ -n "$hits" ]; then
    echo "connect handlers with core::ConnectHandler, not Qt's connect:"
    echo "$hits"
    exit 1
fi
echo "handlers ok"
