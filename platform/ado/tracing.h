#pragma once
// Tracing of the data layer, off by default. QT_LOGGING_RULES="hotel.sql.debug=true" shows
// every statement as translated for the engine at hand, just before it is sent.
#include <QLoggingCategory>

namespace ado {

Q_DECLARE_LOGGING_CATEGORY(lcSql)

} // namespace ado
