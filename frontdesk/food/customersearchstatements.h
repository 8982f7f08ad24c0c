#pragma once
// The guest search of the food order window: guests whose number, first or last name
// matches the clerk's text as a LIKE pattern (no wildcard is added; typed ones widen it).
#include <QString>

namespace frontdesk {

// The text loses every "'" and "#" first.
QString CustomerSearchSql(const QString &text);

} // namespace frontdesk
