#pragma once
// What a failure to reach the server or to be let in means for the person setting up: which
// of host, account, password, database or driver is the cause, in words, with the server's
// (or the client library's) error number behind them and its own message after them.
#include "tools/hoteldb/refusal.h"
#include "tools/hoteldb/serveraccount.h"
#include "vb/error.h"

namespace hoteldb {

// The server's error number of a failure, 0 when it has none (the driver manager's own).
long ServerErrorNumber(const vb::Error &error);
// " (error N)" for a failure with a number, "" otherwise.
QString ErrorNumberText(const vb::Error &error);

// A failed connection to the server, made with `database` (empty: none chosen yet).
Refusal ConnectionRefusal(const ServerAccount &account, const QString &database, const vb::Error &error);

} // namespace hoteldb
