#pragma once
// The program's tracing categories, off by default; switch one on with QT_LOGGING_RULES, e.g.
// QT_LOGGING_RULES="hotel.db.debug=true;hotel.errors.info=true".
//   hotel.db      every statement the statement layer sends, as the window wrote it (debug),
//                 and failures it routed without a settings window to show them (info)
//   hotel.errors  error reports made while no report window is installed (info)
//   hotel.sql     (the data layer) each statement as translated for its engine (debug)
#include <QLoggingCategory>

namespace core {

Q_DECLARE_LOGGING_CATEGORY(lcDb)
Q_DECLARE_LOGGING_CATEGORY(lcErrors)

} // namespace core
